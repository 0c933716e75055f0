#pragma once

#include <QAccessible>
#include <QPoint>
#include <QRect>
#include <QString>

#include <optional>
#include <tuple>
#include <vector>

class CCustomCtrlBase;

// What assistive technology sees of the drawn controls, as plain values: the
// one place that maps a control class to a role, a name and a press point, so
// the window's and the dialogs' accessible interfaces (CAccessibleHost,
// CAccessibleItem) only relay it. The names are the texts the window shows,
// made by the same functions the controls draw them with.

// One node of the tree: a control, or one part of a composite control (a tab
// header, a calendar day, a graph column, a bill-box value, a settings row).
// A null control is the host window itself.
struct AccessKey {
    enum Part {
        kControl,
        kTabHeader,
        kCalendarDay,
        kGraphColumn,
        kBillValue,
        kSettingRow,
        kForecast, // the month-end forecast a bill page writes above its box
        kHostText, // a text the host draws itself (a dialog's), with a null control
    };

    CCustomCtrlBase* control = nullptr;
    Part part = kControl;
    int index = 0;

    auto Tie() const { return std::tie(control, part, index); }
    bool operator==(const AccessKey& other) const { return Tie() == other.Tie(); }
    bool operator<(const AccessKey& other) const { return Tie() < other.Tie(); }
};

struct AccessNode {
    QAccessible::Role role = QAccessible::NoRole;
    QString name;
    QString description;
    QRect rect; // logical, in the host window's coordinates
    bool disabled = false;
    bool checkable = false;
    bool checked = false;
    bool selectable = false;
    bool selected = false;
    // Where a press clicks, in the host's coordinates; none: no press action.
    std::optional<QPoint> pressAt;
    // Table cells: their place in the table.
    int row = -1;
    int column = -1;
};

namespace AccessTree {

// The shown nodes under `key`, in drawing order; under the host key (null
// control) those of `topLevel`, the host's top-level controls. Hidden controls
// and pages are left out; controls without a role of their own (pages, plain
// containers) give their children instead.
std::vector<AccessKey> Children(const AccessKey& key,
                                const std::vector<CCustomCtrlBase*>& topLevel);

// What the node shows now. `key` must be a node of the current tree.
AccessNode Describe(const AccessKey& key);

// The rows and columns of a table node (the calendar); 0 for any other node.
int TableRows(const AccessKey& key);
int TableColumns(const AccessKey& key);

} // namespace AccessTree
