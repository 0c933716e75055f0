#pragma once

#include "ui/pages/CCustomCtrlCalendar.h"
#include "ui/pages/CCustomCtrlTabPageMainBaseEleBill.h"

// The calendar page of the main tab control (page id 20): the common bill
// page with the month calendar as its last child. The main window creates it
// once its canvas exists and updates it after every data-manager rebuild.
class CCustomCtrlTabPageCalendar : public CCustomCtrlTabPageMainBaseEleBill {
public:
    static constexpr int kPageId = 20;
    static constexpr int kTitleStringId = 13100; // "カレンダー"
    static constexpr int kHeaderWidth = 158;
    static constexpr int kBackgroundPicture = 283;
    static constexpr int kCalendarLeft = 201;
    static constexpr int kCalendarTop = 45;
    static constexpr int kCalendarWidth = 581;
    static constexpr int kCalendarHeight = 380;

    explicit CCustomCtrlTabPageCalendar(CCustomCtrlBase* parentControl = nullptr);
    ~CCustomCtrlTabPageCalendar() override;

    // The bill page, then the calendar at (x + 201, y + 45), 581 × 380.
    void CreatePage(IControlHost* host, CDrawSurface* canvas, int x, int y, int width,
                    int height) override;
    // The bill page's update first, then the calendar's.
    void Update() override;

    CCustomCtrlCalendar& Calendar() { return m_calendar; }

private:
    CCustomCtrlCalendar m_calendar;
};
