// The keyboard half of CControlDispatcher: focus stops, Tab order, arrows,
// pressing and the focus frame.
#include "ui/controls/CControlDispatcher.h"

#include "ui/controls/CCustomCtrlBase.h"
#include "ui/controls/UiMessages.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPalette>
#include <QWidget>

#include <algorithm>

namespace {

// Far left and above every control, as the pointer leaving the window.
constexpr int kOffControls = -30000;
// The frame lies inside the stop, clear of the frames a calendar day draws
// around itself (today, the pointer) and of the neighbouring stops.
constexpr int kFrameInset = 3;
constexpr int kFrameWidth = 2;

int DistanceSquared(const QRect& a, const QRect& b) {
    const QPoint d = a.center() - b.center();
    return d.x() * d.x() + d.y() * d.y();
}

int IndexOf(const std::vector<FocusStop>& stops, const FocusStop& stop) {
    for (size_t i = 0; i < stops.size(); ++i) {
        if (stops[i].SamePlace(stop)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

} // namespace

std::vector<FocusStop> CControlDispatcher::FocusStops() const {
    // The top-level controls in reading order of their areas (the left tab
    // before the main tab), each keeping its own order inside.
    std::vector<FocusStop> areas;
    for (const CCustomCtrlBase* control : m_controls) {
        FocusStop area;
        area.control = control;
        area.rect = QRect(control->X(), control->Y(), std::max(1, control->Width()),
                          std::max(1, control->Height()));
        areas.push_back(area);
    }
    SortInReadingOrder(areas);
    std::vector<FocusStop> stops;
    for (const FocusStop& area : areas) {
        area.control->AddFocusStops(stops);
    }
    return stops;
}

std::optional<FocusStop> CControlDispatcher::Resolve(const std::vector<FocusStop>& stops) {
    if (!m_focus) {
        return std::nullopt;
    }
    const int index = IndexOf(stops, *m_focus);
    if (index >= 0) {
        // The same place may have moved (another month's layout).
        m_focus = stops[static_cast<size_t>(index)];
        return m_focus;
    }
    std::optional<FocusStop> nearest;
    for (const FocusStop& stop : stops) {
        if (!nearest || DistanceSquared(stop.rect, m_focus->rect) <
                            DistanceSquared(nearest->rect, m_focus->rect)) {
            nearest = stop;
        }
    }
    MoveFocusTo(nearest);
    return m_focus;
}

std::optional<FocusStop> CControlDispatcher::FocusedStop() {
    return Resolve(FocusStops());
}

void CControlDispatcher::MoveFocusTo(const std::optional<FocusStop>& stop) {
    const bool moved =
        stop.has_value() != m_focus.has_value() || (stop && !stop->SamePlace(*m_focus));
    m_focus = stop;
    if (stop && stop->rowLength > 0) {
        m_gridPart = stop;
    }
    if (moved && m_focusObserver) {
        m_focusObserver(m_focus ? &*m_focus : nullptr);
    }
    if (m_widget != nullptr && m_keyboardMode) {
        m_widget->update();
    }
}

void CControlDispatcher::SetFocus(const FocusStop& stop) {
    MoveFocusTo(stop);
}

void CControlDispatcher::ClearFocus() {
    MoveFocusTo(std::nullopt);
}

void CControlDispatcher::SetKeyboardMode(bool on) {
    if (on == m_keyboardMode) {
        return;
    }
    m_keyboardMode = on;
    if (m_widget != nullptr) {
        m_widget->update();
    }
}

std::vector<FocusStop> CControlDispatcher::TabStops(const std::vector<FocusStop>& stops) const {
    std::vector<FocusStop> tabStops;
    for (const FocusStop& stop : stops) {
        if (stop.rowLength <= 0) {
            tabStops.push_back(stop);
            continue;
        }
        const bool listed =
            std::any_of(tabStops.begin(), tabStops.end(),
                        [&](const FocusStop& other) { return other.control == stop.control; });
        if (listed) {
            continue;
        }
        // The grid at its first part's place, entered where the focus stood,
        // else at the part the control marks (today), else at its first part.
        FocusStop entry = stop;
        for (const FocusStop& part : stops) {
            if (part.control == stop.control && part.entry) {
                entry = part;
                break;
            }
        }
        for (const std::optional<FocusStop>& known : {m_focus, m_gridPart}) {
            if (known && known->control == stop.control && IndexOf(stops, *known) >= 0) {
                entry = stops[static_cast<size_t>(IndexOf(stops, *known))];
                break;
            }
        }
        tabStops.push_back(entry);
    }
    return tabStops;
}

bool CControlDispatcher::FocusNext(bool backward, bool wrap) {
    const std::vector<FocusStop> stops = FocusStops();
    const std::optional<FocusStop> focus = Resolve(stops);
    const std::vector<FocusStop> tabStops = TabStops(stops);
    if (tabStops.empty()) {
        return false;
    }
    SetKeyboardMode(true);
    const int count = static_cast<int>(tabStops.size());
    int current = -1;
    for (int i = 0; focus && i < count; ++i) {
        if (tabStops[static_cast<size_t>(i)].SamePlace(*focus)) {
            current = i;
        }
    }
    int next = 0;
    if (current < 0) {
        next = backward ? count - 1 : 0;
    } else {
        next = current + (backward ? -1 : 1);
        if (next < 0 || next >= count) {
            if (!wrap) {
                MoveFocusTo(std::nullopt);
                return false;
            }
            next = (next + count) % count;
        }
    }
    MoveFocusTo(tabStops[static_cast<size_t>(next)]);
    return true;
}

bool CControlDispatcher::FocusEdge(bool last) {
    const std::vector<FocusStop> tabStops = TabStops(FocusStops());
    if (tabStops.empty()) {
        return false;
    }
    SetKeyboardMode(true);
    MoveFocusTo(last ? tabStops.back() : tabStops.front());
    return true;
}

bool CControlDispatcher::MoveFocus(int dx, int dy) {
    const std::vector<FocusStop> stops = FocusStops();
    const std::optional<FocusStop> focus = Resolve(stops);
    if (stops.empty()) {
        return false;
    }
    SetKeyboardMode(true);
    if (!focus) {
        MoveFocusTo(TabStops(stops).front());
        return true;
    }
    if (focus->rowLength > 0) {
        const int target = focus->part + dx + dy * focus->rowLength;
        for (const FocusStop& stop : stops) {
            if (stop.control == focus->control && stop.part == target) {
                MoveFocusTo(stop);
                break;
            }
        }
        return true;
    }
    const int index = IndexOf(stops, *focus) + (dx + dy < 0 ? -1 : 1);
    if (index >= 0 && index < static_cast<int>(stops.size())) {
        MoveFocusTo(stops[static_cast<size_t>(index)]);
    }
    return true;
}

bool CControlDispatcher::PressFocused() {
    const std::optional<FocusStop> focus = FocusedStop();
    if (!focus) {
        return false;
    }
    const QPoint at = focus->rect.center();
    const intptr_t point = MakePointParam(at.x(), at.y());
    bool taken = Press(at);
    if (focus->doubleClick) {
        taken = Offer(UiMsg::kLButtonDblClk, UiMsg::kKeyLButton, point) || taken;
        Offer(UiMsg::kLButtonUp, 0, point);
    }
    Offer(UiMsg::kMouseMove, 0, MakePointParam(kOffControls, kOffControls));
    return taken;
}

bool CControlDispatcher::OfferKey(const QKeyEvent* event, bool wrapTab) {
    if (event == nullptr ||
        (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0) {
        return false;
    }
    const bool shift = (event->modifiers() & Qt::ShiftModifier) != 0;
    switch (event->key()) {
    case Qt::Key_Tab:
        return FocusNext(shift, wrapTab);
    case Qt::Key_Backtab:
        return FocusNext(true, wrapTab);
    case Qt::Key_Left:
        return MoveFocus(-1, 0);
    case Qt::Key_Right:
        return MoveFocus(+1, 0);
    case Qt::Key_Up:
        return MoveFocus(0, -1);
    case Qt::Key_Down:
        return MoveFocus(0, +1);
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        // Taken even where no control answers the press (a day without
        // data), so Enter never falls through to end a dialog meanwhile.
        if (!m_keyboardMode || !FocusedStop()) {
            return false;
        }
        if (!event->isAutoRepeat()) {
            PressFocused();
        }
        return true;
    default:
        return false;
    }
}

void CControlDispatcher::PaintFocus(QPainter& painter) {
    if (!m_keyboardMode || m_widget == nullptr) {
        return;
    }
    const std::optional<FocusStop> focus = FocusedStop();
    if (!focus) {
        return;
    }
    const QColor colour = m_widget->palette().color(QPalette::Active, QPalette::Highlight);
    const QRect frame = focus->rect.adjusted(kFrameInset, kFrameInset, -kFrameInset, -kFrameInset);
    painter.fillRect(QRect(frame.left(), frame.top(), frame.width(), kFrameWidth), colour);
    painter.fillRect(
        QRect(frame.left(), frame.bottom() - kFrameWidth + 1, frame.width(), kFrameWidth), colour);
    painter.fillRect(QRect(frame.left(), frame.top(), kFrameWidth, frame.height()), colour);
    painter.fillRect(
        QRect(frame.right() - kFrameWidth + 1, frame.top(), kFrameWidth, frame.height()), colour);
}
