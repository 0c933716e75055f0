#include "ui/pages/CCustomCtrlTabPageCalendar.h"

CCustomCtrlTabPageCalendar::CCustomCtrlTabPageCalendar(CCustomCtrlBase* parentControl)
    : CCustomCtrlTabPageMainBaseEleBill(parentControl, kPageId, kTitleStringId, kHeaderWidth,
                                        kBackgroundPicture),
      m_calendar(this) {
    AddChild(&m_calendar);
}

CCustomCtrlTabPageCalendar::~CCustomCtrlTabPageCalendar() = default;

void CCustomCtrlTabPageCalendar::CreatePage(IControlHost* host, CDrawSurface* canvas, int x, int y,
                                            int width, int height) {
    CCustomCtrlTabPageMainBaseEleBill::CreatePage(host, canvas, x, y, width, height);
    m_calendar.Create(host, canvas, x + kCalendarLeft, y + kCalendarTop, kCalendarWidth,
                      kCalendarHeight, CCustomCtrlCalendar::kDefaultFontSize, false);
}

void CCustomCtrlTabPageCalendar::Update() {
    CCustomCtrlTabPageMainBaseEleBill::Update();
    m_calendar.Update();
}
