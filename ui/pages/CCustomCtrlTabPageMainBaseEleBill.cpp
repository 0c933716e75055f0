#include "ui/pages/CCustomCtrlTabPageMainBaseEleBill.h"

#include "data/CDataManager.h"

namespace {

constexpr int kForecastFontSize = 9;

constexpr int kPageCalendar = 20;
constexpr int kNavigationTop = 10;
constexpr int kFieldFontSize = 14;
constexpr int kButtonHeight = 29;
constexpr int kBillBoxX = 70;
constexpr int kBillBoxY = 45;

// Months counted from year 0, so two months compare as plain numbers.
int MonthNumber(int year, int month) {
    return year * 12 + month - 1;
}

} // namespace

CCustomCtrlTabPageMainBaseEleBill::NavigationStrips
CCustomCtrlTabPageMainBaseEleBill::NavigationStrips::ForPage(int pageId) {
    if (pageId == kPageCalendar) {
        return {205, 202, 204, 200, 288};
    }
    return {213, 210, 212, 208, 294};
}

CCustomCtrlTabPageMainBaseEleBill::NavigationState
CCustomCtrlTabPageMainBaseEleBill::NavigationFor(int viewYear, int viewMonth, int currentYear,
                                                 int currentMonth) {
    const int viewed = MonthNumber(viewYear, viewMonth);
    NavigationState state;
    // Outside the supported years (never reached through the controls) the
    // buttons still only lead back into them.
    state.previousMonth = viewed > MonthNumber(kFirstYear, 1);
    state.nextMonth = viewed < MonthNumber(kLastYear, 12);
    state.currentMonth = viewed != MonthNumber(currentYear, currentMonth);
    return state;
}

CCustomCtrlTabPageMainBaseEleBill::CCustomCtrlTabPageMainBaseEleBill(CCustomCtrlBase* parentControl,
                                                                     int pageId, int titleStringId,
                                                                     int headerWidth,
                                                                     int backgroundPictureId)
    : CCustomCtrlTabPageMainBase(parentControl, pageId, titleStringId, headerWidth,
                                 backgroundPictureId),
      m_previousYearButton(this, kCommandPreviousYear),
      m_yearField(CCustomCtrlSelectItem::kYear, this), m_nextYearButton(this, kCommandNextYear),
      m_previousMonthButton(this, kCommandPreviousMonth),
      m_monthField(CCustomCtrlSelectItem::kMonth, this),
      m_currentMonthButton(this, kCommandCurrentMonth), m_nextMonthButton(this, kCommandNextMonth),
      m_billBox(this), m_navigationStrips(NavigationStrips::ForPage(pageId)) {
    AddChild(&m_previousYearButton);
    AddChild(&m_yearField);
    AddChild(&m_nextYearButton);
    AddChild(&m_previousMonthButton);
    AddChild(&m_monthField);
    AddChild(&m_currentMonthButton);
    AddChild(&m_nextMonthButton);
    AddChild(&m_billBox);
}

CCustomCtrlTabPageMainBaseEleBill::~CCustomCtrlTabPageMainBaseEleBill() = default;

void CCustomCtrlTabPageMainBaseEleBill::CreatePage(IControlHost* host, CDrawSurface* canvas, int x,
                                                   int y, int width, int height) {
    CCustomCtrlTabPageMainBase::CreatePage(host, canvas, x, y, width, height);
    const int top = y + kNavigationTop;
    const NavigationStrips& strips = m_navigationStrips;
    m_yearField.CreateSelectItem(121, top, 18, host, canvas, x + 271, strips.yearField, 70,
                                 kFieldFontSize, false, {0, 0, 117, 25});
    m_previousMonthButton.CreateButton(0, kButtonHeight, 29, host, canvas, x + 415, top,
                                       strips.previousMonth, {0, 0, 26, 25});
    m_monthField.CreateSelectItem(173, top, 14, host, canvas, x + 445, strips.monthField, 126,
                                  kFieldFontSize, false, {0, 0, 170, 25});
    m_nextMonthButton.CreateButton(0, kButtonHeight, 29, host, canvas, x + 619, top,
                                   strips.nextMonth, {0, 0, 26, 25});
    m_currentMonthButton.CreateButton(0, kButtonHeight, 84, host, canvas, x + 685, top,
                                      strips.currentMonth, {0, 0, 81, 25});
    m_billBox.CreateBox(host, canvas, x + kBillBoxX, y + kBillBoxY, m_pageId);
    Render();
}

void CCustomCtrlTabPageMainBaseEleBill::Update() {
    if (m_dataManager != nullptr) {
        int32_t year = 0;
        int32_t month = 0;
        int32_t day = 0;
        m_dataManager->GetToday(year, month, day);
        const NavigationState state =
            NavigationFor(m_dataManager->GetViewYear(), m_dataManager->GetViewMonth(), year, month);
        m_previousMonthButton.SetEnabled(state.previousMonth);
        m_nextMonthButton.SetEnabled(state.nextMonth);
        m_currentMonthButton.SetEnabled(state.currentMonth);
    }
    Render();
    // The stepping buttons go onto the canvas at once as well, so a button that
    // just became disabled never shows its old face.
    for (CCustomCtrlBase* control :
         {static_cast<CCustomCtrlBase*>(&m_yearField), static_cast<CCustomCtrlBase*>(&m_monthField),
          static_cast<CCustomCtrlBase*>(&m_previousMonthButton),
          static_cast<CCustomCtrlBase*>(&m_nextMonthButton),
          static_cast<CCustomCtrlBase*>(&m_currentMonthButton),
          static_cast<CCustomCtrlBase*>(&m_billBox)}) {
        control->Render();
        control->Draw();
    }
}

const QColor CCustomCtrlTabPageMainBaseEleBill::kForecastColour(0x33, 0x33, 0x33);
const QColor CCustomCtrlTabPageMainBaseEleBill::kWarningColour(0xC0, 0x30, 0x20);

QByteArray CCustomCtrlTabPageMainBaseEleBill::ForegroundKey() const {
    if (m_dataManager == nullptr || !m_dataManager->GetForecast()) {
        return {};
    }
    const CMonthForecast& forecast = *m_dataManager->GetForecast();
    return "forecast\n" + QByteArray::fromStdString(forecast.SummaryText()) + '\n' +
           QByteArray::fromStdString(forecast.WarningText());
}

void CCustomCtrlTabPageMainBaseEleBill::RenderForeground() {
    if (m_dataManager == nullptr || !m_dataManager->GetForecast()) {
        return;
    }
    const CMonthForecast& forecast = *m_dataManager->GetForecast();
    const QFont font = CDrawSurface::MakeFont(kForecastFontSize, true);
    const int lineHeight = kForecastRect.height() / 2;
    const QRect first(kForecastRect.x(), kForecastRect.y(), kForecastRect.width(), lineHeight);
    m_surface.DrawText(QString::fromStdString(forecast.SummaryText()), first,
                       Qt::AlignLeft | Qt::AlignVCenter, font, kForecastColour);
    const std::string warning = forecast.WarningText();
    if (!warning.empty()) {
        m_surface.DrawText(QString::fromStdString(warning), first.translated(0, lineHeight),
                           Qt::AlignLeft | Qt::AlignVCenter, font, kWarningColour);
    }
}
