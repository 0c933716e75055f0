#include "ui/CWndCustom.h"

#include "data/CDataManager.h"
#include "dialogs/CDialogSplashScreen.h"
#include "dialogs/CDialogUpdate.h"
#include "dialogs/CGuiConnectErrorReceiver.h"
#include "resources/CStringTable.h"
#include "ui/access/Accessibility.h"
#include "ui/controls/CCustomCtrlBase.h"
#include "ui/controls/CMessageBox.h"
#include "ui/controls/UiMessages.h"
#include "ui/controls/UiText.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>

#include <string>
#include <vector>

namespace {
constexpr int32_t kReadTitleId = 21000;
constexpr int32_t kReadBackgroundId = 256;
constexpr int kReadAnimationX = 192;
constexpr int kReadAnimationY = 40;
constexpr int32_t kNoSeasonPicture = 332;
constexpr int kDateLineX = 207;
constexpr int kDateLineY = 58;
constexpr int kDateLineWidth = 200;
constexpr int kDateLineHeight = 20;
constexpr int kDateLineFontSize = 13;
constexpr int kTabFontSize = 10;
constexpr QRect kLeftTabRect(3, 58, 200, 498);
constexpr QRect kMainTabRect(206, 59, 802, 498);

// Counts a progress dialog for as long as it runs, so the device poll leaves
// the recorded changes alone until the job is over. Meanwhile the job's
// worker owns the data manager: assistive technology, answered on this
// thread, is kept away from the controls that read it.
class ProgressScope {
public:
    ProgressScope(QWidget* window, int& depth, int& maxDepth) : m_window(window), m_depth(depth) {
        ++m_depth;
        if (m_depth > maxDepth) {
            maxDepth = m_depth;
        }
        Accessibility::Hold(m_window, true);
    }
    ~ProgressScope() {
        --m_depth;
        Accessibility::Hold(m_window, m_depth > 0);
    }
    ProgressScope(const ProgressScope&) = delete;
    ProgressScope& operator=(const ProgressScope&) = delete;

private:
    QWidget* m_window;
    int& m_depth;
};
} // namespace

CWndCustom::CWndCustom(CDataManager* dataManager, std::unique_ptr<IMainWindowDialogs> dialogs,
                       const CUiTimings& timings, QWidget* parent)
    : QWidget(parent), m_dataManager(dataManager), m_timings(timings), m_dispatcher(this),
      m_productionDialogs(std::move(dialogs)), m_commands(*this, dataManager, m_dialogs) {
    setFixedSize(kWidth, kHeight);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    // Every pixel comes from the canvas: no background erase under it.
    setAttribute(Qt::WA_OpaquePaintEvent, true);
    m_dateTimer.setSingleShot(true);
    m_dateTimer.setObjectName(QStringLiteral("timer10001"));
    connect(&m_dateTimer, &QTimer::timeout, this, &CWndCustom::OnDateTimer);
    m_devicePollTimer.setSingleShot(true);
    m_devicePollTimer.setObjectName(QStringLiteral("timer10003"));
    connect(&m_devicePollTimer, &QTimer::timeout, this, &CWndCustom::OnDevicePoll);
}

CWndCustom::~CWndCustom() {
    m_dateTimer.stop();
    m_devicePollTimer.stop();
    if (m_dataManager != nullptr && m_connectErrors != nullptr) {
        m_dataManager->SetConnectErrorReceiver(nullptr);
    }
}

void CWndCustom::Setup() {
    m_canvas.CreateSurface(kWidth, kHeight);
    if (m_dataManager != nullptr) {
        // The tab controls' first pages; Create shows them.
        m_dataManager->SetLeftPage(CDataManager::kPageSelectDevice);
        m_dataManager->SetCurrentPage(CDataManager::kPageCalendar);
    }
    m_leftTab.Create(this, &m_canvas, kLeftTabRect.x(), kLeftTabRect.y(), kLeftTabRect.width(),
                     kLeftTabRect.height(), kTabFontSize, false);
    m_mainTab.Create(this, &m_canvas, kMainTabRect.x(), kMainTabRect.y(), kMainTabRect.width(),
                     kMainTabRect.height(), kTabFontSize, false);
    const auto openDay = [this](int32_t year, int32_t month, int32_t day, CDataManager* manager) {
        if (manager != nullptr) {
            m_dialogs->RunDayDetail(this, *manager, year, month, day);
        }
    };
    m_mainTab.CalendarPage().Calendar().SetDayDetailOpener(openDay);
    m_mainTab.GraphPage().Graph().SetDayDetailOpener(openDay);
    m_dateLine.SetFontSize(kDateLineFontSize);
    m_dateLine.SetAlign(CDrawSurface::kAlignLeft);
    m_dateLine.SetCenterV(true);
    m_dateLine.CreateStatic(this, kDateLineX, kDateLineY, &m_canvas, kDateLineWidth,
                            kDateLineHeight);
    m_aboutPicture.CreateImage(this, &m_canvas, kAboutX, kAboutY, kAboutPicture);
    m_aboutPicture.SetVisible(false);
    // Drawing and hit-test order.
    m_dispatcher.AddControl(&m_leftTab);
    m_dispatcher.AddControl(&m_mainTab);
    m_dispatcher.AddControl(&m_dateLine);
    m_dispatcher.AddControl(&m_aboutPicture);
    if (m_dataManager != nullptr) {
        m_connectErrors = std::make_unique<CGuiConnectErrorReceiver>(this);
        m_dataManager->SetConnectErrorReceiver(m_connectErrors.get());

        CDialogSplashScreen splash(m_dataManager, this, m_timings);
        if (m_progressHook) {
            m_progressHook(splash);
        }
        ProgressScope scope(this, m_progressDepth, m_maxProgressDepth);
        splash.exec();
    }
    DateCheck(true);
    StartDevicePoll();
    FullRedraw();
}

void CWndCustom::SetDialogs(IMainWindowDialogs* dialogs) {
    m_dialogs = dialogs != nullptr ? dialogs : m_productionDialogs.get();
}

int32_t CWndCustom::RunJob(CDialogUpdate& dialog) {
    if (m_progressHook) {
        m_progressHook(dialog);
    }
    int32_t result = 0;
    {
        ProgressScope scope(this, m_progressDepth, m_maxProgressDepth);
        result = m_dialogs->RunProgress(dialog);
    }
    AfterJob();
    return result;
}

void CWndCustom::AfterJob() {
    if (m_progressDepth == 0) {
        // A zero timer: the job's command finishes (and clears the reading
        // flag) before the poll looks at what was recorded meanwhile.
        m_devicePollTimer.start(0);
    }
}

int32_t CWndCustom::SeasonPictureId(int32_t month, int32_t day) {
    struct Season {
        int32_t picture;
        int32_t special;
        int32_t firstDay;
        int32_t lastDay;
    };
    static constexpr Season kSeasons[12] = {
        {333, 345, 1, 5}, {334, 346, 25, 31}, {335, 346, 1, 3}, {336, 347, 29, 31},
        {337, 347, 1, 5}, {338, -1, 0, 0},    {339, -1, 0, 0},  {340, -1, 0, 0},
        {341, -1, 0, 0},  {342, 348, 25, 31}, {343, -1, 0, 0},  {344, 349, 19, 25},
    };
    if (month < 1 || month > 12) {
        return kNoSeasonPicture;
    }
    const Season& season = kSeasons[month - 1];
    if (season.special >= 0 && day >= season.firstDay && day <= season.lastDay) {
        return season.special;
    }
    return season.picture;
}

QString CWndCustom::MakeDateText(int32_t year, int32_t month, int32_t day) {
    const std::string weekday =
        CDataManager::GetWeekdayName(CDataManager::GetWeekday(year, day, month));
    return TableFormat(StringId::kDayTitleFormat, year, month, day, weekday.c_str());
}

void CWndCustom::FullRedraw() {
    if (m_canvas.IsEmpty()) {
        return;
    }
    RenderControls();
    Compose();
}

void CWndCustom::RenderControls() {
    if (m_canvas.IsEmpty()) {
        return;
    }
    // No control reads the canvas while it renders, and Compose lays the
    // background afresh: nothing is drawn here that it would not replace.
    const int32_t leftPage =
        m_dataManager != nullptr ? m_dataManager->GetLeftPage() : CDataManager::kPageSelectDevice;
    if (leftPage == CDataManager::kPageSelectDevice) {
        m_mainTab.SetVisible(true);
        m_aboutPicture.SetVisible(false);
        if (m_dataManager != nullptr && m_dataManager->GetRequestedSelection() == -1 &&
            m_dataManager->GetCurrentPage() == CDataManager::kPageSettingsCheck) {
            // The settings check is for one air conditioner only.
            m_dataManager->SetCurrentPage(CDataManager::kPageCalendar);
            m_mainTab.SelectPage(0);
        }
    } else {
        m_mainTab.SetVisible(false);
        m_aboutPicture.SetVisible(m_aboutShown);
    }
    for (CCustomCtrlBase* control : m_dispatcher.Controls()) {
        control->Update();
        control->Render();
    }
    // Every change of what the window shows (a month, a read, a page, a
    // selection) ends in a redraw of every control.
    Accessibility::Announce(this);
}

void CWndCustom::LighterRedraw() {
    if (m_canvas.IsEmpty()) {
        return;
    }
    for (CCustomCtrlBase* control : m_dispatcher.Controls()) {
        control->Render();
    }
    Compose();
    Accessibility::Announce(this);
}

void CWndCustom::Compose() {
    if (m_canvas.IsEmpty()) {
        return;
    }
    // The season pictures are opaque: a copy lays the same pixels as a
    // composition, at a fraction of the cost on a 2040 × 1156 canvas, and
    // where it covers the canvas the background colour under it is never seen.
    const QRect season(0, 0, m_season.Width(), m_season.Height());
    if (!m_canvas.CopyCovers(m_season, 0, 0, season)) {
        m_canvas.Fill(palette().color(QPalette::Active, QPalette::Button));
    }
    m_canvas.CopySurface(m_season, 0, 0, season);
    for (CCustomCtrlBase* control : m_dispatcher.Controls()) {
        control->Draw();
    }
}

void CWndCustom::RepaintNow() {
    Compose();
    repaint();
}

void CWndCustom::StopTimers() {
    m_dateTimer.stop();
    m_devicePollTimer.stop();
}

void CWndCustom::SetDevicePixelRatio(double ratio) {
    if (m_canvas.IsEmpty() || ratio <= 0.0 || ratio == m_canvas.Ratio()) {
        return;
    }
    // Dialogs and pictures made from now on follow the window's screen too.
    CDrawSurface::SetDevicePixelRatio(ratio);
    m_canvas.Remake();
    m_season.Remake();
    for (CCustomCtrlBase* control : m_dispatcher.Controls()) {
        control->RemakeSurfaces();
    }
    FullRedraw();
    update();
}

bool CWndCustom::event(QEvent* event) {
    if (const CUiEvent* ui = CUiEvent::From(event)) {
        OnUiEvent(*ui);
        return true;
    }
    // Before QWidget::event, which would spend Tab on the Qt focus chain.
    if (event->type() == QEvent::KeyPress &&
        m_dispatcher.OfferKey(static_cast<const QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    if (event->type() == QEvent::ScreenChangeInternal) {
        // Sent to every widget of a window that moved to another screen.
        const bool handled = QWidget::event(event);
        SetDevicePixelRatio(devicePixelRatioF());
        return handled;
    }
    return QWidget::event(event);
}

void CWndCustom::OnUiEvent(const CUiEvent& event) {
    switch (event.Message()) {
    case UiMsg::kRepaint:
        RepaintNow();
        break;
    case UiMsg::kCapture:
        m_dispatcher.SetCapture(reinterpret_cast<CCustomCtrlBase*>(event.WParam()));
        RepaintNow();
        break;
    case UiMsg::kReleaseCapture:
        m_dispatcher.ReleaseCapture();
        RepaintNow();
        break;
    case UiMsg::kCommand:
        RunCommand(static_cast<int32_t>(event.WParam()), event.LParam());
        break;
    case UiMsg::kPopupSelect:
        OnPopupSelect(event.WParam(), event.LParam());
        break;
    case UiMsg::kPopupOpen:
        OnPopupOpen(event.WParam(), event.LParam());
        break;
    case UiMsg::kPopupClose:
        if (m_dialogs->IsPopupClosed()) {
            m_dialogs->DestroyPopup();
        }
        break;
    case UiMsg::kResetHover:
        m_dispatcher.Offer(UiMsg::kResetHover, 0, 0);
        RepaintNow();
        break;
    case UiMsg::kTimeChanged:
        OnDateTimer();
        break;
    case UiMsg::kFullRedraw:
        FullRedraw();
        update();
        break;
    case UiMsg::kRedrawNow:
        RepaintNow();
        break;
    case UiMsg::kFullRedrawUpdate:
        RenderControls();
        RepaintNow();
        break;
    default:
        break;
    }
}

void CWndCustom::RunCommand(int32_t command, intptr_t lParam) {
    using C = CMainWindowCommands;
    if (command >= C::kCommandAllUnits && command <= C::kCommandLastUnit) {
        SelectUnit(command);
        return;
    }
    switch (command) {
    case C::kCommandImport:
        m_commands.Import();
        break;
    case C::kCommandExport:
        m_commands.Export();
        break;
    case C::kCommandDelete:
        m_commands.Delete();
        break;
    case C::kCommandCsv:
        m_commands.Csv();
        break;
    case C::kCommandMenuHelp:
        m_aboutShown = false;
        FullRedraw();
        m_commands.Help();
        break;
    case C::kCommandAbout:
        m_aboutShown = true;
        RenderControls();
        RepaintNow();
        break;
    case C::kCommandAdvice:
        if (m_dataManager != nullptr) {
            m_dialogs->RunOnePoint(this, *m_dataManager);
        }
        break;
    case C::kCommandPreviousYear:
    case C::kCommandNextYear:
        if (m_dataManager != nullptr) {
            m_dataManager->AddViewYear(command == C::kCommandPreviousYear ? -1 : +1);
            AfterPeriodChange();
        }
        break;
    case C::kCommandPreviousMonth:
    case C::kCommandNextMonth:
        if (m_dataManager != nullptr) {
            const int32_t step = command == C::kCommandPreviousMonth ? -1 : +1;
            m_dataManager->SetViewMonth(m_dataManager->GetViewMonth() + step);
            AfterPeriodChange();
        }
        break;
    case C::kCommandThisMonth:
        if (m_dataManager != nullptr) {
            if (!m_dataManager->ShowCurrentMonth()) {
                CMessageBox::Show(this, QStringLiteral("現在の日付は有効範囲外です。"));
            } else {
                AfterPeriodChange();
            }
        }
        break;
    case C::kCommandScaleUp:
    case C::kCommandScaleDown:
        if (m_dataManager != nullptr) {
            m_dataManager->AddGraphScale(command == C::kCommandScaleUp ? +1 : -1);
            FullRedraw();
            update();
        }
        break;
    case C::kCommandRead:
        ReadRemoteControllers(lParam);
        break;
    case C::kCommandPrint:
        m_dialogs->PrintWindow(this, m_canvas);
        break;
    case C::kCommandHelp:
        m_commands.Help();
        break;
    default: {
        // The pages' own commands (the settings check's page steps).
        intptr_t result = 0;
        if (!m_mainTab.OnMessage(UiMsg::kCommand, static_cast<uintptr_t>(command), lParam,
                                 result)) {
            m_leftTab.OnMessage(UiMsg::kCommand, static_cast<uintptr_t>(command), lParam, result);
        }
        break;
    }
    }
}

void CWndCustom::SelectUnit(int32_t command) {
    if (m_dataManager == nullptr) {
        return;
    }
    const int32_t index = command == CMainWindowCommands::kCommandAllUnits ? -1 : command - 11;
    if (index != m_dataManager->GetRequestedSelection() &&
        m_dataManager->SetRequestedSelection(index)) {
        if (index == -1 && m_dataManager->GetCurrentPage() == CDataManager::kPageSettingsCheck) {
            // Left on the settings check, the calendar would show the
            // previous unit's month: the check is for one unit only.
            m_dataManager->SetCurrentPage(CDataManager::kPageCalendar);
            m_mainTab.SelectPage(0);
        }
        if (m_dataManager->GetCurrentPage() != CDataManager::kPageSettingsCheck) {
            m_dataManager->RefreshViewData();
        }
    }
    m_mainTab.Update();
    LighterRedraw();
    RepaintNow();
}

void CWndCustom::AfterPeriodChange() {
    // One composition, of the state after the second update: one made before
    // it would be laid afresh at once.
    RenderControls();
    m_mainTab.Update();
    RepaintNow();
}

void CWndCustom::OnPopupSelect(uintptr_t kind, intptr_t value) {
    if (m_dataManager == nullptr || value < 0) {
        return;
    }
    const int32_t chosen = static_cast<int32_t>(value);
    switch (kind) {
    case 0:
    case 1:
        // SetViewMonth would roll 0 and 13 into the neighbouring year; the
        // list only offers 1..12.
        if (kind == 1 && chosen > 12) {
            break;
        }
        if (kind == 0 ? m_dataManager->SetViewYear(chosen) : m_dataManager->SetViewMonth(chosen)) {
            m_mainTab.Update();
            RepaintNow();
            FullRedraw();
            update();
        }
        break;
    case 2:
        m_dataManager->SetMonthTarget(chosen);
        FullRedraw();
        update();
        break;
    default:
        break;
    }
}

void CWndCustom::OnPopupOpen(uintptr_t kind, intptr_t point) {
    if (m_dataManager == nullptr || !m_dialogs->IsPopupClosed()) {
        return;
    }
    m_dialogs->DestroyPopup();
    const QPoint screen = mapToGlobal(QPoint(PointParamX(point), PointParamY(point)));
    int32_t value = 0;
    switch (kind) {
    case 0:
        value = m_dataManager->GetViewYear();
        break;
    case 1:
        value = m_dataManager->GetViewMonth();
        break;
    default:
        value = m_dataManager->GetMonthTarget();
        break;
    }
    m_dialogs->OpenPopup(this, *m_dataManager, static_cast<int32_t>(kind), screen,
                         m_dataManager->GetViewYear(), m_dataManager->GetViewMonth(), value);
}

void CWndCustom::ReadRemoteControllers(intptr_t lParam) {
    if (m_dataManager == nullptr || m_reading) {
        return;
    }
    m_reading = true;
    bool run = lParam != 0;
    if (!run) {
        // The registered names are the ports present now; the port count would
        // also hold ports that went away and were not freed yet.
        CSerialPortManager& ports = m_dataManager->PortManager();
        run = ports.GetSerialPort(true) > 0 && !ports.RegisteredPortNames().empty();
    }
    if (run) {
        {
            CDialogUpdate dialog(m_dataManager, this, m_timings);
            dialog.SetTitleId(kReadTitleId);
            dialog.SetBackgroundId(kReadBackgroundId);
            dialog.SetAnimationPosition(kReadAnimationX, kReadAnimationY);
            ++m_readJobs;
            RunJob(dialog);
        }
        RenderControls();
        RepaintNow();
    } else {
        CMessageBox::Show(this, QStringLiteral("リモコンが接続されていません。"),
                          CMessageBox::kTopmost);
    }
    m_reading = false;
}

void CWndCustom::DateCheck(bool forced) {
    m_dateTimer.stop();
    if (m_dataManager == nullptr) {
        return;
    }
    bool changed = false;
    int32_t milliseconds = 0;
    m_dataManager->CheckDateChange(changed, milliseconds);
    if (forced || changed) {
        int32_t year = 0;
        int32_t month = 0;
        int32_t day = 0;
        m_dataManager->GetToday(year, month, day);
        m_dateLine.SetText(MakeDateText(year, month, day));
        m_seasonId = SeasonPictureId(month, day);
        m_season.LoadSurface(m_seasonId);
    }
    // A midnight too far for a 32-bit timer is checked again in a day.
    constexpr int32_t kOneDayMs = 24 * 60 * 60 * 1000;
    m_dateTimer.start(milliseconds > 0 ? milliseconds : kOneDayMs);
    if (!forced && changed) {
        m_dataManager->LoadRemoConList();
        m_dataManager->RefreshViewData();
        FullRedraw();
        update();
    }
}

void CWndCustom::OnDateTimer() {
    // While a job's worker uses the data manager the view data must not be
    // rebuilt here; the first device poll after the job checks the date.
    if (m_reading || IsProgressDialogRunning()) {
        return;
    }
    DateCheck(false);
}

void CWndCustom::StartDevicePoll() {
    m_devicePollTimer.start(m_timings.devicePollMs);
}

bool CWndCustom::IsProgressDialogRunning() const {
    if (m_progressDepth > 0) {
        return true;
    }
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && qobject_cast<CDialogUpdateBase*>(widget) != nullptr) {
            return true;
        }
    }
    return false;
}

void CWndCustom::OnDevicePoll() {
    m_devicePollTimer.stop();
    if (m_dataManager == nullptr) {
        return;
    }
    if (!m_reading && !IsProgressDialogRunning()) {
        DateCheck(false);
        std::vector<std::string> removed;
        uint8_t arrived = 0;
        m_dataManager->PortManager().TakeDeviceChanges(removed, &arrived);
        if (arrived != 0) {
            UiPost(this, UiMsg::kCommand, kCommandRead, 1);
        } else if (!removed.empty() &&
                   m_dataManager->RefreshAfterPortRemoval(removed) == CDataManager::kOk) {
            FullRedraw();
            update();
        }
    }
    StartDevicePoll();
}

void CWndCustom::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (m_canvas.IsEmpty()) {
        painter.fillRect(rect(), palette().color(QPalette::Active, QPalette::Button));
        return;
    }
    // The canvas carries its device pixel ratio, so it lands at its logical
    // size; on a screen of another ratio Qt scales it until the screen change
    // has the surfaces made again.
    if (m_canvas.Ratio() != devicePixelRatioF()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    }
    painter.drawImage(0, 0, m_canvas.Image());
    // Over the canvas, not in it: a print or a picture of the window never
    // shows the keyboard's frame.
    m_dispatcher.PaintFocus(painter);
}

void CWndCustom::mouseMoveEvent(QMouseEvent* event) {
    m_dispatcher.UpdateTooltip(event->position().toPoint());
    m_dispatcher.OfferMouseEvent(event);
}

void CWndCustom::mousePressEvent(QMouseEvent* event) {
    m_dispatcher.OfferMouseEvent(event);
}

void CWndCustom::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        m_dispatcher.UpdateTooltip(event->position().toPoint());
    }
    m_dispatcher.OfferMouseEvent(event);
}

void CWndCustom::mouseDoubleClickEvent(QMouseEvent* event) {
    m_dispatcher.OfferMouseEvent(event);
}

void CWndCustom::leaveEvent(QEvent* event) {
    m_dispatcher.OfferLeave();
    QWidget::leaveEvent(event);
}

void CWndCustom::keyPressEvent(QKeyEvent* event) {
    CMainWindowCommands::KeyState state;
    if (m_dataManager != nullptr) {
        state.leftPage = m_dataManager->GetLeftPage();
        state.currentPage = m_dataManager->GetCurrentPage();
        state.viewYear = m_dataManager->GetViewYear();
        state.viewMonth = m_dataManager->GetViewMonth();
        int32_t day = 0;
        m_dataManager->GetToday(state.todayYear, state.todayMonth, day);
    }
    const bool control = (event->modifiers() & Qt::ControlModifier) != 0;
    const int32_t command = CMainWindowCommands::KeyCommand(event->key(), control, state);
    if (command == CMainWindowCommands::kKeyCloseRequest) {
        UiPost(window(), UiMsg::kCloseRequest);
    } else if (command >= 0) {
        UiPost(this, UiMsg::kCommand, static_cast<uintptr_t>(command));
    } else {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}
