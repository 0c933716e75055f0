#pragma once

#include "ui/access/AccessTree.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAccessibleInterface>
#include <QPointer>
#include <QWidget>

class CAccessibleHost;

// The accessible interface of one drawn node (a control or a part of one),
// owned by its window's CAccessibleHost. It keeps only the window and the
// node's key and asks the host for everything, so it answers nothing (and
// touches no control) once the window or the node is gone. A node with a
// press point offers the press action, which clicks there through the
// window's dispatcher; the calendar answers as a table of its day cells.
class CAccessibleItem : public QAccessibleInterface,
                        public QAccessibleActionInterface,
                        public QAccessibleTableInterface,
                        public QAccessibleTableCellInterface {
public:
    CAccessibleItem(QWidget* host, const AccessKey& key, const AccessKey& parent);

    const AccessKey& Key() const { return m_key; }
    QWidget* HostWidget() const { return m_host.data(); }

    // QAccessibleInterface
    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QString text(QAccessible::Text type) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    // QAccessibleActionInterface
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    // QAccessibleTableInterface (the calendar)
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int columnCount() const override;
    int rowCount() const override;
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int column) const override;
    QString rowDescription(int) const override { return QString(); }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

    // QAccessibleTableCellInterface (a calendar day)
    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override;
    int rowIndex() const override;
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    // The host's interface while the window lives and the node is in its
    // tree; null otherwise.
    CAccessibleHost* LiveHost() const;
    AccessNode Node() const;

    QPointer<QWidget> m_host;
    AccessKey m_key;
    AccessKey m_parent;
};
