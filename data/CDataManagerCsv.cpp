// CDataManager::MakeCsvData: the period of a CSV file and its rows.

#include "data/CDataManager.h"
#include "model/CCalendarDate.h"

#include <cstdio>

namespace {
std::string DateText(int32_t year, int32_t month, int32_t day) {
    char text[40];
    std::snprintf(text, sizeof text, "%04d%02d%02d", year, month, day);
    return text;
}
} // namespace

bool CDataManager::MakeCsvData(const std::string& mac, int32_t year, int32_t month) {
    if (mac.empty() || (year != 0 && (year < kFirstSupportedYear || year > kLastSupportedYear)) ||
        month < 0 || month > 12) {
        return false;
    }
    m_csvData.clear();
    std::string first;
    std::string last;
    if (year == 0) {
        first = kFirstSupportedDay.Text();
        last = kLastSupportedDay.Text();
    } else if (month == 0) {
        first = DateText(year, 1, 1);
        last = DateText(year, 12, 31);
    } else {
        first = DateText(year, month, 1);
        last = DateText(year, month, CCalendarDate::DaysInMonth(year, month));
    }
    const std::string today = CCalendarDate::FromTime(m_clock.Now()).Text();
    return m_db.GetCsvData(mac, first, last, m_csvData, today) == 0;
}
