#include "ui/access/CAccessibleHost.h"

#include "dialogs/CDialogBase.h"
#include "ui/access/CAccessibleItem.h"
#include "ui/controls/CControlDispatcher.h"
#include "ui/controls/FocusStop.h"
#include "ui/controls/IControlHost.h"
#include "ui/pages/CCustomCtrlCalendar.h"
#include "ui/pages/CCustomCtrlGraph.h"
#include "ui/pages/CCustomCtrlTab.h"

#include <QWidget>

#include <optional>
#include <set>

namespace {

// The hosts' interfaces Qt made so far, by window. Never destroyed: Qt's
// cache may delete a host while the program's statics go away.
std::map<const QWidget*, CAccessibleHost*>& Registry() {
    static auto* registry = new std::map<const QWidget*, CAccessibleHost*>();
    return *registry;
}

std::set<const QWidget*>& HeldWindows() {
    static std::set<const QWidget*> held;
    return held;
}

CAccessibleHost::EventSink& Sink() {
    static CAccessibleHost::EventSink sink;
    return sink;
}

QAccessible::State StateOf(const AccessNode& node) {
    QAccessible::State state;
    state.disabled = node.disabled;
    state.checkable = node.checkable;
    state.checked = node.checked;
    state.selectable = node.selectable;
    state.selected = node.selected;
    return state;
}

} // namespace

CAccessibleHost::CAccessibleHost(QWidget* widget, QAccessible::Role role)
    : QAccessibleWidget(widget, role) {
    Registry()[widget] = this;
    // A reader follows the keyboard: each move of the focus is told at once.
    // Through the registry, not `this`: the interface may go before the
    // window and its dispatcher do.
    if (CControlDispatcher* dispatcher = Dispatcher()) {
        dispatcher->SetFocusObserver([widget](const FocusStop*) {
            if (CAccessibleHost* host = Existing(widget)) {
                host->Announce();
            }
        });
    }
}

CAccessibleHost::~CAccessibleHost() {
    auto& registry = Registry();
    for (auto it = registry.begin(); it != registry.end();) {
        it = it->second == this ? registry.erase(it) : std::next(it);
    }
    std::map<AccessKey, Seen> seen;
    seen.swap(m_seen);
    for (const auto& [key, node] : seen) {
        QAccessible::deleteAccessibleInterface(node.id);
    }
}

void CAccessibleHost::SetEventSink(EventSink sink) {
    Sink() = std::move(sink);
}

void CAccessibleHost::SetHeld(const QWidget* widget, bool held) {
    if (held) {
        HeldWindows().insert(widget);
    } else {
        HeldWindows().erase(widget);
    }
}

void CAccessibleHost::Send(QAccessibleEvent& event) {
    if (Sink()) {
        Sink()(&event);
    } else {
        QAccessible::updateAccessibility(&event);
    }
}

CAccessibleHost* CAccessibleHost::Existing(const QWidget* widget) {
    const auto found = Registry().find(widget);
    return found != Registry().end() ? found->second : nullptr;
}

CControlDispatcher* CAccessibleHost::Dispatcher() const {
    auto* host = dynamic_cast<IControlHost*>(widget());
    return host != nullptr ? host->HostDispatcher() : nullptr;
}

QString CAccessibleHost::text(QAccessible::Text type) const {
    QString text = QAccessibleWidget::text(type);
    if (type == QAccessible::Name && text.isEmpty() && widget() != nullptr) {
        text = widget()->window()->windowTitle();
    }
    return text;
}

QStringList CAccessibleHost::HostTexts() const {
    const auto* dialog = qobject_cast<const CDialogBase*>(widget());
    return dialog != nullptr ? dialog->ShownTexts() : QStringList();
}

std::vector<AccessKey> CAccessibleHost::Children(const AccessKey& key) const {
    const CControlDispatcher* dispatcher = Dispatcher();
    if (dispatcher == nullptr || key.part == AccessKey::kHostText ||
        HeldWindows().count(widget()) != 0) {
        return {};
    }
    std::vector<AccessKey> children = AccessTree::Children(key, dispatcher->Controls());
    // Controls are kept in drawing order; a reader goes through a window or a
    // page as the keyboard does, in reading order. Days and columns keep
    // their own order.
    if (key.control == nullptr || key.part == AccessKey::kTabHeader) {
        std::map<AccessKey, QRect> rects;
        for (const AccessKey& child : children) {
            rects[child] = AccessTree::Describe(child).rect;
        }
        SortInReadingOrder(children, [&](const AccessKey& child) { return rects[child]; });
    }
    if (key.control == nullptr) {
        const int texts = static_cast<int>(HostTexts().size());
        for (int i = 0; i < texts; ++i) {
            children.push_back({nullptr, AccessKey::kHostText, i});
        }
    }
    return children;
}

AccessNode CAccessibleHost::Describe(const AccessKey& key) const {
    if (key.control != nullptr || key.part != AccessKey::kHostText) {
        return AccessTree::Describe(key);
    }
    AccessNode node;
    const QStringList texts = HostTexts();
    node.role = QAccessible::StaticText;
    node.name = key.index >= 0 && key.index < texts.size() ? texts[key.index] : QString();
    node.rect = widget() != nullptr ? widget()->rect() : QRect();
    return node;
}

bool CAccessibleHost::Find(const AccessKey& key, const AccessKey& under, AccessKey& parent) const {
    for (const AccessKey& child : Children(under)) {
        if (child == key) {
            parent = under;
            return true;
        }
        if (Find(key, child, parent)) {
            return true;
        }
    }
    return false;
}

bool CAccessibleHost::Contains(const AccessKey& key) const {
    AccessKey parent;
    return Find(key, AccessKey(), parent);
}

AccessKey CAccessibleHost::FocusedKey() const {
    // The keyboard focus of the drawn controls is the dispatcher's to keep;
    // while it keeps none, the window itself has the focus.
    CControlDispatcher* dispatcher = Dispatcher();
    const std::optional<FocusStop> stop =
        dispatcher != nullptr ? dispatcher->FocusedStop() : std::nullopt;
    if (!stop || stop->control == nullptr || HeldWindows().count(widget()) != 0) {
        return AccessKey();
    }
    // The stop only names its control; the tree needs it to look the node up.
    auto* control = const_cast<CCustomCtrlBase*>(stop->control);
    if (dynamic_cast<CCustomCtrlTab*>(control) != nullptr) {
        return {control, AccessKey::kTabHeader, stop->part};
    }
    if (dynamic_cast<CCustomCtrlCalendar*>(control) != nullptr) {
        return {control, AccessKey::kCalendarDay, stop->part};
    }
    if (dynamic_cast<CCustomCtrlGraph*>(control) != nullptr) {
        return {control, AccessKey::kGraphColumn, stop->part};
    }
    return {control, AccessKey::kControl, 0};
}

QAccessibleInterface* CAccessibleHost::focusChild() const {
    const AccessKey focused = FocusedKey();
    AccessKey parent;
    if (focused.control != nullptr && Find(focused, AccessKey(), parent)) {
        return Interface(focused, parent);
    }
    return QAccessibleWidget::focusChild();
}

int CAccessibleHost::DrawnCount() const {
    return static_cast<int>(Children(AccessKey()).size());
}

int CAccessibleHost::childCount() const {
    return DrawnCount() + QAccessibleWidget::childCount();
}

QAccessibleInterface* CAccessibleHost::child(int index) const {
    if (index < 0) {
        return nullptr;
    }
    const std::vector<AccessKey> drawn = Children(AccessKey());
    if (index < static_cast<int>(drawn.size())) {
        return Interface(drawn[static_cast<size_t>(index)], AccessKey());
    }
    return QAccessibleWidget::child(index - static_cast<int>(drawn.size()));
}

int CAccessibleHost::indexOfChild(const QAccessibleInterface* child) const {
    if (child == nullptr) {
        return -1;
    }
    if (child->object() == nullptr) {
        const auto* item = dynamic_cast<const CAccessibleItem*>(child);
        if (item == nullptr || item->HostWidget() != widget()) {
            return -1;
        }
        const std::vector<AccessKey> drawn = Children(AccessKey());
        for (size_t i = 0; i < drawn.size(); ++i) {
            if (drawn[i] == item->Key()) {
                return static_cast<int>(i);
            }
        }
        return -1;
    }
    const int index = QAccessibleWidget::indexOfChild(child);
    return index < 0 ? -1 : index + DrawnCount();
}

QAccessibleInterface* CAccessibleHost::childAt(int x, int y) const {
    const std::vector<AccessKey> drawn = Children(AccessKey());
    // Later controls are drawn over earlier ones.
    for (auto it = drawn.rbegin(); it != drawn.rend(); ++it) {
        if (ScreenRect(Describe(*it).rect).contains(x, y)) {
            return Interface(*it, AccessKey());
        }
    }
    return QAccessibleWidget::childAt(x, y);
}

QAccessibleInterface* CAccessibleHost::Interface(const AccessKey& key,
                                                 const AccessKey& parent) const {
    const auto found = m_seen.find(key);
    if (found != m_seen.end()) {
        if (QAccessibleInterface* known = QAccessible::accessibleInterface(found->second.id)) {
            return known;
        }
        m_seen.erase(found);
    }
    auto* item = new CAccessibleItem(widget(), key, parent);
    Seen seen;
    seen.parent = parent;
    seen.id = QAccessible::registerAccessibleInterface(item);
    const AccessNode node = Describe(key);
    seen.name = node.name;
    seen.description = node.description;
    seen.state = StateOf(node);
    m_seen.emplace(key, seen);
    return item;
}

QRect CAccessibleHost::ScreenRect(const QRect& logical) const {
    if (widget() == nullptr) {
        return QRect();
    }
    return QRect(widget()->mapToGlobal(logical.topLeft()), logical.size());
}

bool CAccessibleHost::Press(const QPoint& logical) const {
    CControlDispatcher* dispatcher = Dispatcher();
    return dispatcher != nullptr && dispatcher->Press(logical);
}

void CAccessibleHost::Announce() {
    // The tree as it is now, with each node's parent.
    std::map<AccessKey, AccessKey> parents;
    std::vector<AccessKey> pending{AccessKey()};
    while (!pending.empty()) {
        const AccessKey under = pending.back();
        pending.pop_back();
        for (const AccessKey& child : Children(under)) {
            if (parents.emplace(child, under).second) {
                pending.push_back(child);
            }
        }
    }
    // Nodes that went: told, then deleted.
    for (auto it = m_seen.begin(); it != m_seen.end();) {
        const auto now = parents.find(it->first);
        if (now != parents.end() && now->second == it->second.parent) {
            ++it;
            continue;
        }
        if (QAccessibleInterface* gone = QAccessible::accessibleInterface(it->second.id)) {
            QAccessibleEvent event(gone, QAccessible::ObjectDestroyed);
            Send(event);
        }
        QAccessible::deleteAccessibleInterface(it->second.id);
        it = m_seen.erase(it);
    }
    // Changed names and states of the nodes assistive technology knows.
    for (auto& [key, seen] : m_seen) {
        QAccessibleInterface* iface = QAccessible::accessibleInterface(seen.id);
        if (iface == nullptr) {
            continue;
        }
        const AccessNode node = Describe(key);
        if (node.name != seen.name) {
            seen.name = node.name;
            QAccessibleEvent event(iface, QAccessible::NameChanged);
            Send(event);
        }
        if (node.description != seen.description) {
            seen.description = node.description;
            QAccessibleEvent event(iface, QAccessible::DescriptionChanged);
            Send(event);
        }
        const QAccessible::State state = StateOf(node);
        if (!(state == seen.state)) {
            QAccessible::State changed;
            changed.disabled = state.disabled != seen.state.disabled;
            changed.checked = state.checked != seen.state.checked;
            changed.selected = state.selected != seen.state.selected;
            seen.state = state;
            QAccessibleStateChangeEvent event(iface, changed);
            Send(event);
        }
    }
    const AccessKey focused = FocusedKey();
    if (!(focused == m_focused)) {
        m_focused = focused;
        const auto now = parents.find(focused);
        if (now != parents.end()) {
            QAccessibleEvent event(Interface(focused, now->second), QAccessible::Focus);
            Send(event);
        }
    }
    // Nodes that came under a node it knows.
    std::set<AccessKey> known;
    for (const auto& [key, seen] : m_seen) {
        known.insert(key);
    }
    for (const auto& [key, parent] : parents) {
        const bool parentKnown = parent.control == nullptr || known.count(parent) != 0;
        if (parentKnown && known.count(key) == 0) {
            QAccessibleEvent event(Interface(key, parent), QAccessible::ObjectCreated);
            Send(event);
        }
    }
}
