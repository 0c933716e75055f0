#pragma once

#include "model/CCalendarDate.h"
#include "ui/controls/CCustomCtrlButton.h"
#include "ui/controls/CCustomCtrlSelectItem.h"
#include "ui/pages/CCustomCtrlEleBillInfoBox.h"
#include "ui/pages/CCustomCtrlTabPageMainBase.h"

#include <QColor>
#include <QRect>

// The main page with the viewed month: the navigation row at the top (year
// field, previous month 23, month field, next month 25, current month 24) and
// the electricity-bill box on the left. Base of the calendar (20) and graph
// (26) pages, which call Update first and then refresh their own chart.
//
// The previous- and next-year buttons (21, 22) are constructed but never
// created: the year changes only through the year field's popup.
class CCustomCtrlTabPageMainBaseEleBill : public CCustomCtrlTabPageMainBase {
public:
    static constexpr int kCommandPreviousYear = 21;
    static constexpr int kCommandNextYear = 22;
    static constexpr int kCommandPreviousMonth = 23;
    static constexpr int kCommandCurrentMonth = 24;
    static constexpr int kCommandNextMonth = 25;
    static constexpr int kFirstYear = kFirstSupportedYear;
    static constexpr int kLastYear = kLastSupportedYear;

    // Strip pictures of the navigation row.
    struct NavigationStrips {
        int yearField = -1;
        int previousMonth = -1;
        int monthField = -1;
        int nextMonth = -1;
        int currentMonth = -1;
        // 205/202/204/200/288 on the calendar page (20), 213/210/212/208/294
        // on every other page.
        static NavigationStrips ForPage(int pageId);
    };

    // Enabled states of the navigation row for a viewed and a current month.
    struct NavigationState {
        bool previousMonth = true;
        bool nextMonth = true;
        bool currentMonth = true;
        bool operator==(const NavigationState&) const = default;
    };
    static NavigationState NavigationFor(int viewYear, int viewMonth, int currentYear,
                                         int currentMonth);

    // Strips by page id.
    CCustomCtrlTabPageMainBaseEleBill(CCustomCtrlBase* parentControl, int pageId, int titleStringId,
                                      int headerWidth, int backgroundPictureId);
    ~CCustomCtrlTabPageMainBaseEleBill() override;

    // The main base page, then the navigation row at page y + 10 and the bill
    // box at (page x + 70, page y + 45).
    void CreatePage(IControlHost* host, CDrawSurface* canvas, int x, int y, int width,
                    int height) override;
    // Sets the navigation row's enabled states from the viewed month and
    // today's month, renders the page and shows the changed controls at once.
    void Update() override;
    // Where the forecast lines go, in page coordinates: clear of every control.
    static constexpr QRect kForecastRect{12, 8, 250, 34};
    static const QColor kForecastColour;
    static const QColor kWarningColour;

    CCustomCtrlButton& PreviousYearButton() { return m_previousYearButton; }
    CCustomCtrlSelectItem& YearField() { return m_yearField; }
    CCustomCtrlButton& NextYearButton() { return m_nextYearButton; }
    CCustomCtrlButton& PreviousMonthButton() { return m_previousMonthButton; }
    CCustomCtrlSelectItem& MonthField() { return m_monthField; }
    CCustomCtrlButton& CurrentMonthButton() { return m_currentMonthButton; }
    CCustomCtrlButton& NextMonthButton() { return m_nextMonthButton; }
    CCustomCtrlEleBillInfoBox& BillBox() { return m_billBox; }

protected:
    // Over the background: the month-end forecast in the free band above the
    // bill box, left of the year field, while the viewed month holds today:
    // 「今月の見込み 約4,200円」 and, heading over the target,
    // 「目標を超えそう（12月24日ごろ）」 under it in the warning colour.
    QByteArray ForegroundKey() const override;
    void RenderForeground() override;

    CCustomCtrlButton m_previousYearButton;
    CCustomCtrlSelectItem m_yearField;
    CCustomCtrlButton m_nextYearButton;
    CCustomCtrlButton m_previousMonthButton;
    CCustomCtrlSelectItem m_monthField;
    CCustomCtrlButton m_currentMonthButton;
    CCustomCtrlButton m_nextMonthButton;
    CCustomCtrlEleBillInfoBox m_billBox;
    NavigationStrips m_navigationStrips;
};
