#pragma once

#include <QPoint>
#include <QString>

#include <cstdint>
#include <vector>

class CCustomCtrlBase;
class QEvent;
class QMouseEvent;
class QWidget;

// The input routing the main window and every dialog share: mouse messages and
// 0x8009 go first to the control holding the capture, then to each control in
// order until one takes them; capture requests (0x8002/0x8003) grab and
// release the widget's mouse; the tooltip follows the control under the
// pointer. The controls are not owned.
class CControlDispatcher {
public:
    explicit CControlDispatcher(QWidget* widget) : m_widget(widget) {}

    std::vector<CCustomCtrlBase*>& Controls() { return m_controls; }
    const std::vector<CCustomCtrlBase*>& Controls() const { return m_controls; }
    void AddControl(CCustomCtrlBase* control) { m_controls.push_back(control); }

    CCustomCtrlBase* CaptureControl() const { return m_capture; }
    // 0x8002 with the control; null releases (0x8003).
    void SetCapture(CCustomCtrlBase* control);
    void ReleaseCapture() { SetCapture(nullptr); }

    // Offers one message (mouse or 0x8009) to the capture control, then to
    // each control in order until one takes it; a move goes to every control.
    // True when a control took it.
    bool Offer(uint32_t message, uintptr_t wParam, intptr_t lParam);

    // Turns a Qt mouse press, release, double click or move into the message
    // the controls expect and offers it. False for other events. A move and a
    // left-button release update the tooltip first.
    bool OfferMouseEvent(const QMouseEvent* event);
    // The message, wParam and lParam OfferMouseEvent offers for `event`;
    // false for an event that is not one of those (or another button).
    static bool TranslateMouseEvent(const QMouseEvent* event, uint32_t& message, uintptr_t& wParam,
                                    intptr_t& lParam);
    // The pointer left the widget: a move far outside every control, so hover
    // states clear.
    void OfferLeave();
    // A left click at `point` (logical window position) as the pointer would
    // make it: a move there, a press and a release. How the keyboard and
    // assistive technology press a control, so they run exactly the code a
    // click runs. True when a control took the press.
    bool Press(const QPoint& point);

    // Before a move or left-button release of the widget itself: find the
    // control under `point` with a tooltip and show or hide the tip when the
    // tool changed.
    void UpdateTooltip(const QPoint& point);
    int TooltipToolId() const { return m_tipId; }
    const QString& TooltipText() const { return m_tipText; }

private:
    QWidget* m_widget;
    std::vector<CCustomCtrlBase*> m_controls;
    CCustomCtrlBase* m_capture = nullptr;
    int m_tipId = -1;
    QString m_tipText;
};
