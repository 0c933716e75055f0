#include "ui/access/CAccessibleItem.h"

#include "ui/access/CAccessibleHost.h"

#include <QWindow>

CAccessibleItem::CAccessibleItem(QWidget* host, const AccessKey& key, const AccessKey& parent)
    : m_host(host), m_key(key), m_parent(parent) {}

CAccessibleHost* CAccessibleItem::LiveHost() const {
    if (m_host.isNull()) {
        return nullptr;
    }
    CAccessibleHost* host = CAccessibleHost::Existing(m_host.data());
    return host != nullptr && host->Contains(m_key) ? host : nullptr;
}

AccessNode CAccessibleItem::Node() const {
    CAccessibleHost* host = LiveHost();
    return host != nullptr ? host->Describe(m_key) : AccessNode();
}

bool CAccessibleItem::isValid() const {
    return !m_host.isNull() && CAccessibleHost::Existing(m_host.data()) != nullptr;
}

QWindow* CAccessibleItem::window() const {
    return m_host.isNull() ? nullptr : m_host->window()->windowHandle();
}

QAccessibleInterface* CAccessibleItem::parent() const {
    CAccessibleHost* host = m_host.isNull() ? nullptr : CAccessibleHost::Existing(m_host.data());
    if (host == nullptr) {
        return nullptr;
    }
    if (m_parent.control == nullptr) {
        return host;
    }
    return host->Interface(m_parent, AccessKey());
}

QAccessibleInterface* CAccessibleItem::child(int index) const {
    CAccessibleHost* host = LiveHost();
    if (host == nullptr || index < 0) {
        return nullptr;
    }
    const std::vector<AccessKey> children = host->Children(m_key);
    if (index >= static_cast<int>(children.size())) {
        return nullptr;
    }
    return host->Interface(children[static_cast<size_t>(index)], m_key);
}

int CAccessibleItem::childCount() const {
    CAccessibleHost* host = LiveHost();
    return host != nullptr ? static_cast<int>(host->Children(m_key).size()) : 0;
}

int CAccessibleItem::indexOfChild(const QAccessibleInterface* child) const {
    const auto* item = dynamic_cast<const CAccessibleItem*>(child);
    CAccessibleHost* host = LiveHost();
    if (item == nullptr || host == nullptr || item->m_host != m_host) {
        return -1;
    }
    const std::vector<AccessKey> children = host->Children(m_key);
    for (size_t i = 0; i < children.size(); ++i) {
        if (children[i] == item->m_key) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

QAccessibleInterface* CAccessibleItem::childAt(int x, int y) const {
    CAccessibleHost* host = LiveHost();
    if (host == nullptr) {
        return nullptr;
    }
    const std::vector<AccessKey> children = host->Children(m_key);
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        if (host->ScreenRect(host->Describe(*it).rect).contains(x, y)) {
            return host->Interface(*it, m_key);
        }
    }
    return nullptr;
}

QString CAccessibleItem::text(QAccessible::Text type) const {
    switch (type) {
    case QAccessible::Name:
        return Node().name;
    case QAccessible::Description:
        return Node().description;
    default:
        return QString();
    }
}

QRect CAccessibleItem::rect() const {
    CAccessibleHost* host = LiveHost();
    return host != nullptr ? host->ScreenRect(host->Describe(m_key).rect) : QRect();
}

QAccessible::Role CAccessibleItem::role() const {
    return Node().role;
}

QAccessible::State CAccessibleItem::state() const {
    QAccessible::State state;
    CAccessibleHost* host = LiveHost();
    if (host == nullptr) {
        state.invisible = true;
        return state;
    }
    const AccessNode node = host->Describe(m_key);
    state.disabled = node.disabled;
    state.checkable = node.checkable;
    state.checked = node.checked;
    state.selectable = node.selectable;
    state.selected = node.selected;
    state.focusable = node.pressAt.has_value();
    state.focused = host->FocusedKey() == m_key;
    state.hasPopup = node.role == QAccessible::ComboBox;
    return state;
}

void* CAccessibleItem::interface_cast(QAccessible::InterfaceType type) {
    switch (type) {
    case QAccessible::ActionInterface:
        return static_cast<QAccessibleActionInterface*>(this);
    case QAccessible::TableInterface:
        return m_key.part == AccessKey::kControl && AccessTree::TableRows(m_key) > 0 &&
                       LiveHost() != nullptr
                   ? static_cast<QAccessibleTableInterface*>(this)
                   : nullptr;
    case QAccessible::TableCellInterface:
        return m_key.part == AccessKey::kCalendarDay
                   ? static_cast<QAccessibleTableCellInterface*>(this)
                   : nullptr;
    default:
        return nullptr;
    }
}

QStringList CAccessibleItem::actionNames() const {
    const AccessNode node = Node();
    if (!node.pressAt || node.disabled) {
        return {};
    }
    return {node.role == QAccessible::ComboBox ? showMenuAction() : pressAction()};
}

void CAccessibleItem::doAction(const QString& actionName) {
    CAccessibleHost* host = LiveHost();
    if (host == nullptr || !actionNames().contains(actionName)) {
        return;
    }
    const std::optional<QPoint> at = host->Describe(m_key).pressAt;
    if (at) {
        host->Press(*at);
    }
}

QAccessibleInterface* CAccessibleItem::cellAt(int row, int column) const {
    CAccessibleHost* host = LiveHost();
    if (host == nullptr || row < 0 || column < 0 || column >= columnCount() || row >= rowCount()) {
        return nullptr;
    }
    return child(row * columnCount() + column);
}

int CAccessibleItem::columnCount() const {
    return LiveHost() != nullptr ? AccessTree::TableColumns(m_key) : 0;
}

int CAccessibleItem::rowCount() const {
    return LiveHost() != nullptr ? AccessTree::TableRows(m_key) : 0;
}

QString CAccessibleItem::columnDescription(int column) const {
    QAccessibleInterface* first = cellAt(0, column);
    if (first == nullptr) {
        return QString();
    }
    // The weekday of the column, as its first day's name gives it.
    const QString name = first->text(QAccessible::Name);
    const int open = name.indexOf(QStringLiteral("（"));
    const int close = name.indexOf(QStringLiteral("）"));
    return open >= 0 && close > open ? name.mid(open + 1, close - open - 1) : QString();
}

int CAccessibleItem::columnIndex() const {
    return Node().column;
}

int CAccessibleItem::rowIndex() const {
    return Node().row;
}
