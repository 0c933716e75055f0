#pragma once

#include "data/CDataManager.h"

#include <QColor>
#include <QImage>
#include <QRect>

#include <optional>

// The frames the calendar and the graph draw on the canvas over one day's
// slot: today's and the one under the pointer, each one pixel outside the slot
// so it lies over the gap around it.
namespace DayFrames {

// A frame `thickness` pixels wide inside `outer`.
void FrameRect(QImage& image, const QRect& outer, int thickness, const QColor& colour);

// The slot (left, top, right, bottom of the control at x, y) grown by one pixel
// on every side, in canvas pixels.
inline QRect Around(int x, int y, int left, int top, int right, int bottom) {
    return QRect(x + left - 1, y + top - 1, right - left + 2, bottom - top + 2);
}

// Position in `days` (each with the day record index `index`) of today's
// record; -1 when today is not among them or there is no data manager.
template <class Days>
int TodayIndex(const CDataManager* manager, const Days& days) {
    if (manager == nullptr) {
        return -1;
    }
    int32_t year = 0;
    int32_t month = 0;
    int32_t day = 0;
    manager->GetToday(year, month, day);
    for (size_t i = 0; i < days.size(); ++i) {
        const std::optional<CEleBillDayInfo> record = manager->GetDayInfo(days[i].index);
        if (record && record->year == year && record->month == month && record->day == day) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

} // namespace DayFrames
