#include "app/CMainFrame.h"

#include "app/CMainWindowDialogs.h"
#include "data/CDataManager.h"
#include "dialogs/CDialogBase.h"
#include "link/CDeviceChangeMonitor.h"
#include "link/LinkRoots.h"
#include "ui/CWndCustom.h"
#include "ui/controls/UiMessages.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QScreen>

namespace {
bool IsInside(const QWidget* widget, const QWidget* ancestor) {
    for (const QObject* object = widget; object != nullptr; object = object->parent()) {
        if (object == ancestor) {
            return true;
        }
    }
    return false;
}
} // namespace

CMainFrame::CMainFrame(CDataManager* dataManager, const CUiTimings& timings, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      m_dataManager(dataManager), m_timings(timings) {
    setFixedSize(CWndCustom::kWidth, CWndCustom::kHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect geometry = screen->geometry();
        move(geometry.topLeft() + FramePosition(geometry.size()));
    }
    m_window = new CWndCustom(dataManager, std::make_unique<CMainWindowDialogs>(), m_timings, this);
    m_window->move(0, 0);

    m_closePoll.setObjectName(QStringLiteral("timer10002"));
    m_closePoll.setInterval(m_timings.closePollMs);
    connect(&m_closePoll, &QTimer::timeout, this, &CMainFrame::OnClosePoll);

    if (m_dataManager != nullptr) {
        CSerialPortManager& ports = m_dataManager->PortManager();
        const std::string& root = ports.GetOptions().sysfsRoot;
        m_monitor = std::make_unique<CDeviceChangeMonitor>(
            ports, root.empty() ? DefaultSysfsRoot() : root, m_timings.devicePollMs);
        m_monitor->Start();
    }
}

CMainFrame::~CMainFrame() {
    m_closePoll.stop();
    if (m_monitor != nullptr) {
        m_monitor->Stop();
    }
}

QPoint CMainFrame::FramePosition(const QSize& screen) {
    return QPoint((screen.width() - kOuterWidth) / 2, (screen.height() - kOuterHeight) / 2);
}

bool CMainFrame::CreateContent() {
    m_window->Setup();
    // A request that came during the splash found the splash and waited for
    // it; nothing of ours is left open now, so the frame is never shown.
    if (m_closeRequested && !m_closed) {
        m_closePoll.stop();
        close();
    }
    return !m_closed;
}

void CMainFrame::RestoreAndRaise() {
    if (m_closed || !isVisible()) {
        return;
    }
    if (isMinimized()) {
        showNormal();
    }
    raise();
    activateWindow();
    if (QWidget* modal = QApplication::activeModalWidget()) {
        modal->raise();
        modal->activateWindow();
    }
}

void CMainFrame::RequestClose() {
    if (m_closed || m_closePoll.isActive()) {
        return;
    }
    m_closeRequested = true;
    if (DismissDialogs()) {
        m_closePoll.start();
    } else {
        close();
    }
}

void CMainFrame::OnClosePoll() {
    if (!DismissDialogs()) {
        m_closePoll.stop();
        close();
    }
}

bool CMainFrame::DismissDialogs() {
    const QWidgetList windows = QApplication::topLevelWidgets();
    bool found = false;
    for (QWidget* widget : windows) {
        if (auto* dialog = qobject_cast<CDialogBase*>(widget);
            dialog != nullptr && dialog->isVisible()) {
            UiPost(dialog, UiMsg::kCloseRequest);
            QMetaObject::invokeMethod(dialog, "reject", Qt::QueuedConnection);
            found = true;
        }
    }
    if (found) {
        return true;
    }
    // Message boxes, file and print dialogs of this window.
    for (QWidget* widget : windows) {
        auto* dialog = qobject_cast<QDialog*>(widget);
        if (dialog != nullptr && dialog->isVisible() && IsInside(dialog, this)) {
            QMetaObject::invokeMethod(dialog, "reject", Qt::QueuedConnection);
            return true;
        }
    }
    return false;
}

bool CMainFrame::event(QEvent* event) {
    if (const CUiEvent* ui = CUiEvent::From(event)) {
        if (ui->Message() == UiMsg::kCloseRequest) {
            RequestClose();
        }
        return true;
    }
    return QWidget::event(event);
}

void CMainFrame::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange) {
        // Coming back to the window is also when a day may have passed unseen.
        UiPost(m_window, isActiveWindow() ? UiMsg::kTimeChanged : UiMsg::kResetHover);
    }
    QWidget::changeEvent(event);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (m_closed) {
        event->accept();
        return;
    }
    // A close box pressed while a dialog of ours is open takes the same road
    // as a close request, so running work is never cut off.
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* dialog = qobject_cast<QDialog*>(widget);
        if (dialog != nullptr && dialog->isVisible() &&
            (qobject_cast<CDialogBase*>(dialog) != nullptr || IsInside(dialog, this))) {
            event->ignore();
            RequestClose();
            return;
        }
    }
    m_closed = true;
    m_closePoll.stop();
    if (m_monitor != nullptr) {
        m_monitor->Stop();
    }
    m_window->StopTimers();
    if (m_dataManager != nullptr) {
        m_dataManager->Db().Close();
    }
    event->accept();
    QCoreApplication::quit();
}
