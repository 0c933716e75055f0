#pragma once

#include "ui/CMainWindowCommands.h"
#include "ui/IMainWindowDialogs.h"
#include "ui/controls/CControlDispatcher.h"
#include "ui/controls/CCustomCtrlImage.h"
#include "ui/controls/CCustomCtrlStatic.h"
#include "ui/controls/IControlHost.h"
#include "ui/controls/UiTimings.h"
#include "ui/draw/CDrawSurface.h"
#include "ui/pages/CCustomCtrlTabLeft.h"
#include "ui/pages/CCustomCtrlTabMain.h"

#include <QTimer>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>

class CDataManager;
class CDialogUpdate;
class CDialogUpdateBase;
class CGuiConnectErrorReceiver;
class CUiEvent;

// The one window the user works in (1020 × 578, the frame's whole client
// area). Everything it shows is drawn into its canvas and copied to the screen
// on paint; mouse input goes to the drawn controls through the dispatcher, and
// the controls' private messages come back here. Its controls are the left
// tab control (select device, menu), the main tab control (calendar, graph,
// settings check), the date line and the about picture. It runs the user's
// commands (the file commands through CMainWindowCommands), keeps the date line
// current with a wake-up at every local midnight, and polls once a second for
// remote controllers plugged in or out. The poll also looks at the date, so a
// clock that was set, or a machine that slept over midnight (the midnight
// timer does not count suspended time), shows the right day within a second.
// While a progress dialog runs, the poll and the date check only re-arm (a
// modal loop still delivers them, and the worker owns the data manager); what
// they would have found is taken right after the job ends.
//
// Built by the frame, which gives it the production dialogs of its commands
// (app/CMainWindowDialogs: help, printing and the file choosers belong to the
// application shell); Setup runs the start-up splash (which reads every
// connected remote controller) before the frame is shown.
class CWndCustom : public QWidget, public IControlHost {
    Q_OBJECT
public:
    static constexpr int kWidth = 1020;
    static constexpr int kHeight = 578;
    static constexpr int kDateTimerId = 10001;
    static constexpr int kDevicePollTimerId = 10003;

    static constexpr int32_t kCommandRead = CMainWindowCommands::kCommandRead;
    static constexpr int32_t kCommandPrint = CMainWindowCommands::kCommandPrint;
    static constexpr int32_t kAboutPicture = 170;
    static constexpr int kAboutX = 297;
    static constexpr int kAboutY = 133;

    // `dialogs` (not null) are the commands' production dialogs; the window
    // owns them.
    CWndCustom(CDataManager* dataManager, std::unique_ptr<IMainWindowDialogs> dialogs,
               const CUiTimings& timings = CUiTimings::Defaults(), QWidget* parent = nullptr);
    ~CWndCustom() override;
    CWndCustom(const CWndCustom&) = delete;
    CWndCustom& operator=(const CWndCustom&) = delete;

    // Canvas, first pages, the splash with its read, date check, device poll
    // and the first full redraw. Called once, before the frame is shown.
    void Setup();

    // IControlHost
    QObject* HostObject() override { return this; }
    CDataManager* HostDataManager() override { return m_dataManager; }
    CControlDispatcher* HostDispatcher() override { return &m_dispatcher; }

    // The dialogs of the commands; null restores the production ones given
    // at construction. Not owned.
    void SetDialogs(IMainWindowDialogs* dialogs);
    const CUiTimings& Timings() const { return m_timings; }

    // Runs a job's progress dialog modally (the poll and date check hold off
    // meanwhile) and returns its result.
    int32_t RunJob(CDialogUpdate& dialog);
    // The about flag: the about picture shows while the menu page is on.
    void SetAboutShown(bool shown) { m_aboutShown = shown; }
    bool IsAboutShown() const { return m_aboutShown; }

    CDrawSurface& Canvas() { return m_canvas; }
    CCustomCtrlTabLeft& LeftTab() { return m_leftTab; }
    CCustomCtrlTabMain& MainTab() { return m_mainTab; }
    CCustomCtrlImage& AboutPicture() { return m_aboutPicture; }
    CControlDispatcher& Dispatcher() { return m_dispatcher; }
    bool IsReading() const { return m_reading; }
    // How many read jobs ran (each is one progress dialog), and the deepest
    // nesting of progress dialogs seen; both for the poll's callers and tests.
    int ReadJobCount() const { return m_readJobs; }
    int MaxProgressDepth() const { return m_maxProgressDepth; }
    bool IsDevicePollRunning() const { return m_devicePollTimer.isActive(); }
    bool IsDateTimerRunning() const { return m_dateTimer.isActive(); }
    int DateTimerIntervalMs() const { return m_dateTimer.interval(); }
    const QString& DateText() const { return m_dateLine.Text(); }
    int32_t SeasonPicture() const { return m_seasonId; }

    // The season picture for a date; 332 when the month is not 1..12.
    static int32_t SeasonPictureId(int32_t month, int32_t day);
    // "%04d年%d月%d日 (%s)" with the weekday name (empty when unknown).
    static QString MakeDateText(int32_t year, int32_t month, int32_t day);

    // Test seam: called with every progress dialog (the splash too) just
    // before it runs, e.g. to hold its job.
    void SetProgressDialogHook(std::function<void(CDialogUpdateBase&)> hook) {
        m_progressHook = std::move(hook);
    }

    void FullRedraw();
    // Every control's Render, without Update or the page rules (after a
    // selection change), then Compose.
    void LighterRedraw();
    // Builds the canvas afresh from the background colour, the season picture
    // and every control's surface in drawing order. A control that drew
    // itself onto the canvas between two compositions (a hover frame, a
    // pressed button) is drawn again over clean pixels, so nothing it drew
    // before stays behind and nothing is drawn twice over itself.
    void Compose();
    // Compose, then paint the window at once.
    void RepaintNow();
    // The window is going: no more wake-ups or polls.
    void StopTimers();
    // Makes the canvas and every surface again at `ratio` and redraws, so the
    // window stays sharp on a screen of another device pixel ratio (where Qt
    // would scale the canvas). Called when the window changes screens.
    void SetDevicePixelRatio(double ratio);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // FullRedraw without its Compose, for callers that compose right after.
    void RenderControls();
    void OnUiEvent(const CUiEvent& event);
    void RunCommand(int32_t command, intptr_t lParam);
    void SelectUnit(int32_t command);
    void AfterPeriodChange();
    void OnPopupSelect(uintptr_t kind, intptr_t value);
    void OnPopupOpen(uintptr_t kind, intptr_t point);
    void ReadRemoteControllers(intptr_t lParam);
    void DateCheck(bool forced);
    void OnDateTimer();
    void OnDevicePoll();
    void StartDevicePoll();
    bool IsProgressDialogRunning() const;
    // Right after a job: the poll (with its date check) runs at once.
    void AfterJob();

    CDataManager* m_dataManager;
    CUiTimings m_timings;
    CDrawSurface m_canvas;
    CDrawSurface m_season;
    CControlDispatcher m_dispatcher;
    std::unique_ptr<IMainWindowDialogs> m_productionDialogs;
    IMainWindowDialogs* m_dialogs = m_productionDialogs.get();
    CMainWindowCommands m_commands;
    std::unique_ptr<CGuiConnectErrorReceiver> m_connectErrors;
    QTimer m_dateTimer;
    QTimer m_devicePollTimer;
    CCustomCtrlTabLeft m_leftTab;
    CCustomCtrlTabMain m_mainTab;
    CCustomCtrlStatic m_dateLine;
    CCustomCtrlImage m_aboutPicture;
    bool m_aboutShown = false;
    int32_t m_seasonId = -1;
    bool m_reading = false;
    int m_progressDepth = 0;
    int m_maxProgressDepth = 0;
    int m_readJobs = 0;
    std::function<void(CDialogUpdateBase&)> m_progressHook;
};
