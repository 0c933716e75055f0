#pragma once

#include "ui/access/AccessTree.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include <functional>
#include <map>
#include <vector>

class CControlDispatcher;
class QWidget;

// The accessible interface of a window that draws its controls (the main
// window, every CDialogBase): its children are the drawn controls, as
// AccessTree lays them out, followed by the window's real child widgets.
//
// It owns the interfaces of the drawn nodes (CAccessibleItem): one per node,
// made when first asked for, registered with QAccessible so assistive
// technology keeps one id per node, and deleted with the window or when their
// node is gone (Announce). Every question is answered from the tree as it is
// now, so a node of a page that went away is never followed.
class CAccessibleHost : public QAccessibleWidget {
public:
    // `widget` must be an IControlHost with a dispatcher.
    CAccessibleHost(QWidget* widget, QAccessible::Role role);
    ~CAccessibleHost() override;
    CAccessibleHost(const CAccessibleHost&) = delete;
    CAccessibleHost& operator=(const CAccessibleHost&) = delete;

    // The interface Qt keeps for `widget`, when one was made and it is a
    // drawing window's; null otherwise (nobody asked: nothing to announce).
    static CAccessibleHost* Existing(const QWidget* widget);

    QString text(QAccessible::Text type) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    // The node of the control that holds the keyboard focus; the host key
    // (none) while the dispatcher keeps no focused control. Announce tells a
    // change of it.
    AccessKey FocusedKey() const;

    // The tree below a node (a null control: this window).
    std::vector<AccessKey> Children(const AccessKey& key) const;
    // What the node shows now: the drawn controls as AccessTree says, the
    // dialog's own texts from the dialog.
    AccessNode Describe(const AccessKey& key) const;
    // Whether the node is in the tree now.
    bool Contains(const AccessKey& key) const;
    // The node's interface, made and registered on first use; `parent` is the
    // node it hangs under.
    QAccessibleInterface* Interface(const AccessKey& key, const AccessKey& parent) const;
    // The node's rectangle on the screen.
    QRect ScreenRect(const QRect& logical) const;
    // Clicks at a point of the window, as the pointer would. False when no
    // control took it.
    bool Press(const QPoint& logical) const;

    // Tells assistive technology what changed since the last call: names,
    // states, nodes that came and went. Interfaces of nodes that went are
    // deleted.
    void Announce();

    // Test seam: where Announce sends its events; empty restores Qt's
    // QAccessible::updateAccessibility (which drops them while no assistive
    // technology listens).
    using EventSink = std::function<void(QAccessibleEvent*)>;
    static void SetEventSink(EventSink sink);

    // A held window lists none of its drawn nodes (Accessibility::Hold).
    static void SetHeld(const QWidget* widget, bool held);

private:
    struct Seen {
        AccessKey parent;
        QAccessible::Id id = 0;
        QString name;
        QString description;
        QAccessible::State state;
    };

    static void Send(QAccessibleEvent& event);
    CControlDispatcher* Dispatcher() const;
    QStringList HostTexts() const;
    // Whether `key` lies below `under`; `parent` learns the node it hangs under.
    bool Find(const AccessKey& key, const AccessKey& under, AccessKey& parent) const;
    int DrawnCount() const;

    // Every node that has an interface, with what it last told.
    mutable std::map<AccessKey, Seen> m_seen;
    AccessKey m_focused;
};
