#include "ui/controls/CControlDispatcher.h"

#include "ui/controls/CCustomCtrlBase.h"
#include "ui/controls/UiMessages.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QToolTip>
#include <QWidget>

namespace {

// Far left and above every control, still inside the 16-bit point packing.
constexpr int kOutside = -30000;

// Platforms without a pointer of their own (tests, headless runs) refuse a
// grab with a warning each time.
bool PlatformGrabs() {
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

uint32_t MessageFor(QEvent::Type type, Qt::MouseButton button) {
    int base = 0;
    switch (button) {
    case Qt::LeftButton:
        base = UiMsg::kLButtonDown;
        break;
    case Qt::RightButton:
        base = UiMsg::kRButtonDown;
        break;
    case Qt::MiddleButton:
        base = UiMsg::kMButtonDown;
        break;
    default:
        return 0;
    }
    switch (type) {
    case QEvent::MouseButtonPress:
        return static_cast<uint32_t>(base);
    case QEvent::MouseButtonRelease:
        return static_cast<uint32_t>(base + 1);
    case QEvent::MouseButtonDblClick:
        return static_cast<uint32_t>(base + 2);
    default:
        return 0;
    }
}

uintptr_t KeyFlags(const QMouseEvent* event) {
    uintptr_t flags = 0;
    const Qt::MouseButtons buttons = event->buttons();
    if (buttons & Qt::LeftButton) {
        flags |= UiMsg::kKeyLButton;
    }
    if (buttons & Qt::RightButton) {
        flags |= UiMsg::kKeyRButton;
    }
    if (buttons & Qt::MiddleButton) {
        flags |= UiMsg::kKeyMButton;
    }
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    if (modifiers & Qt::ShiftModifier) {
        flags |= UiMsg::kKeyShift;
    }
    if (modifiers & Qt::ControlModifier) {
        flags |= UiMsg::kKeyControl;
    }
    return flags;
}

} // namespace

void CControlDispatcher::SetCapture(CCustomCtrlBase* control) {
    m_capture = control;
    if (m_widget == nullptr) {
        return;
    }
    if (control != nullptr) {
        // A window that is not on screen cannot hold the pointer; the capture
        // control still gets the messages first.
        if (m_widget->isVisible() && PlatformGrabs() && QWidget::mouseGrabber() != m_widget) {
            m_widget->grabMouse();
        }
    } else if (QWidget::mouseGrabber() == m_widget) {
        m_widget->releaseMouse();
    }
}

bool CControlDispatcher::Offer(uint32_t message, uintptr_t wParam, intptr_t lParam) {
    intptr_t result = 0;
    // Every control sees a move, also once another has taken it: a control
    // that does not hold the capture (the calendar, the graph) learns only so
    // that the pointer left it for another control, and drops its frame.
    const bool toEveryControl = message == UiMsg::kMouseMove;
    bool taken = false;
    // The capture may move while the message is handled (a button that loses
    // the pointer releases it), so the holder is taken once, before.
    CCustomCtrlBase* const capture = m_capture;
    if (capture != nullptr) {
        taken = capture->OnMessage(message, wParam, lParam, result);
        if (taken && !toEveryControl) {
            return true;
        }
    }
    // By index: a handler may add controls to the list.
    for (size_t i = 0; i < m_controls.size(); ++i) {
        if (toEveryControl && m_controls[i] == capture) {
            continue;
        }
        result = 0;
        if (m_controls[i]->OnMessage(message, wParam, lParam, result)) {
            taken = true;
            if (!toEveryControl) {
                return true;
            }
        }
    }
    return taken;
}

bool CControlDispatcher::TranslateMouseEvent(const QMouseEvent* event, uint32_t& message,
                                             uintptr_t& wParam, intptr_t& lParam) {
    if (event == nullptr) {
        return false;
    }
    if (event->type() == QEvent::MouseMove) {
        message = UiMsg::kMouseMove;
    } else {
        message = MessageFor(event->type(), event->button());
        if (message == 0) {
            return false;
        }
    }
    const QPoint point = event->position().toPoint();
    wParam = KeyFlags(event);
    lParam = MakePointParam(point.x(), point.y());
    return true;
}

bool CControlDispatcher::OfferMouseEvent(const QMouseEvent* event) {
    uint32_t message = 0;
    uintptr_t wParam = 0;
    intptr_t lParam = 0;
    if (!TranslateMouseEvent(event, message, wParam, lParam)) {
        return false;
    }
    if (message == UiMsg::kMouseMove || message == UiMsg::kLButtonUp) {
        UpdateTooltip(event->position().toPoint());
    }
    if (event->type() == QEvent::MouseButtonPress) {
        // The pointer is back: no frame, and the next Tab goes on from the
        // stop clicked.
        SetKeyboardMode(false);
        for (const FocusStop& stop : FocusStops()) {
            if (stop.rect.contains(event->position().toPoint())) {
                SetFocus(stop);
                break;
            }
        }
    }
    return Offer(message, wParam, lParam);
}

void CControlDispatcher::OfferLeave() {
    UpdateTooltip(QPoint(kOutside, kOutside));
    Offer(UiMsg::kMouseMove, 0, MakePointParam(kOutside, kOutside));
}

bool CControlDispatcher::Press(const QPoint& point) {
    const intptr_t at = MakePointParam(point.x(), point.y());
    Offer(UiMsg::kMouseMove, 0, at);
    const bool taken = Offer(UiMsg::kLButtonDown, UiMsg::kKeyLButton, at);
    Offer(UiMsg::kLButtonUp, 0, at);
    return taken;
}

void CControlDispatcher::UpdateTooltip(const QPoint& point) {
    int id = -1;
    QString text;
    bool found = false;
    for (size_t i = 0; i < m_controls.size() && !found; ++i) {
        found = m_controls[i]->GetTipInfo(point.x(), point.y(), id, text);
    }
    if (!found) {
        if (m_tipId != -1) {
            m_tipId = -1;
            m_tipText.clear();
            QToolTip::hideText();
        }
        return;
    }
    if (id == m_tipId && text == m_tipText) {
        return;
    }
    m_tipId = id;
    m_tipText = text;
    if (m_widget != nullptr && m_widget->isVisible()) {
        QToolTip::showText(m_widget->mapToGlobal(point), m_tipText, m_widget);
    }
}
