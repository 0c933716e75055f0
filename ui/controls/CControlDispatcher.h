#pragma once

#include "ui/controls/FocusStop.h"

#include <QPoint>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class CCustomCtrlBase;
class QEvent;
class QKeyEvent;
class QMouseEvent;
class QPainter;
class QWidget;

// The input routing the main window and every dialog share: mouse messages and
// 0x8009 go first to the control holding the capture, then to each control in
// order until one takes them; capture requests (0x8002/0x8003) grab and
// release the widget's mouse; the tooltip follows the control under the
// pointer. The controls are not owned.
//
// It also keeps the keyboard focus over the controls' stops (FocusStop): Tab
// and Shift+Tab walk them in reading order, the arrow keys move inside a grid
// of parts (the calendar's days), Enter and Space press the focused stop
// through Press. The focus frame shows only in keyboard mode, which a
// navigation key starts and a mouse press ends, so a window worked with the
// pointer alone looks as it always did. The focus is kept as a value and
// checked against the stops of the moment whenever it is used: a stop that
// went (another page, another month, a hidden control) gives way to the
// nearest one, or to none.
class CControlDispatcher {
public:
    // Told the focused stop whenever the focus moves to another place; null
    // when the focus went.
    using FocusObserver = std::function<void(const FocusStop* stop)>;

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

    // Every stop of the shown top-level controls: the controls from the top
    // left, each control's stops in its reading order.
    std::vector<FocusStop> FocusStops() const;
    // The focused stop, checked against the stops of now.
    std::optional<FocusStop> FocusedStop();
    // Moves the focus to `stop` (it must be one of FocusStops()).
    void SetFocus(const FocusStop& stop);
    void ClearFocus();
    bool IsKeyboardMode() const { return m_keyboardMode; }
    void SetKeyboardMode(bool on);
    // Tab (backward: Shift+Tab) to the next stop in reading order; the parts
    // of a grid are one stop, entered where the focus last stood in it. With
    // `wrap` false, going past the last (first) stop drops the focus and
    // answers false, so a dialog can hand the keyboard to its own widgets.
    // Starts keyboard mode. False without stops.
    bool FocusNext(bool backward, bool wrap = true);
    // The first (or last) stop in Tab order; starts keyboard mode.
    bool FocusEdge(bool last);
    // An arrow key (dx, dy in −1..1). Inside a grid one part left or right,
    // a row up or down, never out of it; elsewhere the previous or next stop
    // in reading order, without wrapping. Starts keyboard mode; without a
    // focus it focuses the first stop. False without stops.
    bool MoveFocus(int dx, int dy);
    // Presses the focused stop at its centre as the pointer would (a double
    // click where the stop opens on one), then moves the pointer off every
    // control so no hover stays behind. False without a focused stop.
    bool PressFocused();
    // Tab, Shift+Tab, the arrows, Enter and Space. Enter and Space are taken
    // only in keyboard mode with a focused stop, so otherwise they keep their
    // meaning. True when the key was taken.
    bool OfferKey(const QKeyEvent* event, bool wrapTab = true);
    // The focus frame around the focused stop, in keyboard mode only.
    void PaintFocus(QPainter& painter);
    void SetFocusObserver(FocusObserver observer) { m_focusObserver = std::move(observer); }

private:
    // Replaces the focus (nullopt: none), remembers a grid's part and tells
    // the observer and the widget when the place changed.
    void MoveFocusTo(const std::optional<FocusStop>& stop);
    // The stops Tab visits: one per grid, its remembered part or its first.
    std::vector<FocusStop> TabStops(const std::vector<FocusStop>& stops) const;
    std::optional<FocusStop> Resolve(const std::vector<FocusStop>& stops);

    QWidget* m_widget;
    std::vector<CCustomCtrlBase*> m_controls;
    CCustomCtrlBase* m_capture = nullptr;
    int m_tipId = -1;
    QString m_tipText;
    std::optional<FocusStop> m_focus;
    // Where the focus last stood in a grid, to enter it there again.
    std::optional<FocusStop> m_gridPart;
    bool m_keyboardMode = false;
    FocusObserver m_focusObserver;
};
