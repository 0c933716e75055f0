#pragma once

#include "ui/controls/UiTimings.h"

#include <QPoint>
#include <QSize>
#include <QTimer>
#include <QWidget>

#include <memory>

class CDataManager;
class CDeviceChangeMonitor;
class CWndCustom;

// The program's top-level window: a fixed client of 1020 × 578 holding the main
// window at (0, 0), neither resizable nor maximisable. While it exists it
// watches serial devices come and go (recorded in the port manager for the
// main window's poll). A close request (0x800F, from the socket or a signal)
// dismisses the open dialogs first, polling every 100 ms until none is left,
// and only then closes the window; closing closes the database and ends the
// event loop. A progress dialog ends only after its worker, so the poll waits
// for running work.
class CMainFrame : public QWidget {
    Q_OBJECT
public:
    static constexpr int kOuterWidth = 1024;
    static constexpr int kOuterHeight = 600;
    static constexpr int kClosePollTimerId = 10002;

    CMainFrame(CDataManager* dataManager, const CUiTimings& timings = CUiTimings::Defaults(),
               QWidget* parent = nullptr);
    ~CMainFrame() override;
    CMainFrame(const CMainFrame&) = delete;
    CMainFrame& operator=(const CMainFrame&) = delete;

    // Top-left corner of the frame on a screen of `screen` pixels (may be
    // negative on a small screen).
    static QPoint FramePosition(const QSize& screen);

    // Runs the main window's set-up (the splash with its read). False when a
    // close request ended the program meanwhile.
    bool CreateContent();

    CWndCustom* MainWindow() { return m_window; }
    bool IsClosePollRunning() const { return m_closePoll.isActive(); }
    bool HasClosed() const { return m_closed; }

    // Restores a minimised frame and brings it to the front.
    void RestoreAndRaise();
    // The close request (also what 0x800F does).
    void RequestClose();

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Asks the open dialogs to go; true when there was one.
    bool DismissDialogs();
    void OnClosePoll();

    CDataManager* m_dataManager;
    CUiTimings m_timings;
    CWndCustom* m_window = nullptr; // child widget, owned by Qt
    std::unique_ptr<CDeviceChangeMonitor> m_monitor;
    QTimer m_closePoll;
    bool m_closeRequested = false;
    bool m_closed = false;
};
