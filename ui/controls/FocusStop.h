#pragma once

#include <QRect>

#include <vector>

class CCustomCtrlBase;

// One place the keyboard can stand on: a control that reacts to a click, or a
// part of one (a tab header, a calendar day, a graph column). The control is
// only ever compared, never followed: a stop stays a value when its control
// goes. Controls list their stops with CCustomCtrlBase::AddFocusStops.
struct FocusStop {
    const CCustomCtrlBase* control = nullptr;
    // Which part of the control; 0 for a control that is one stop.
    int part = 0;
    // Where a click presses it, in logical window coordinates.
    QRect rect;
    // Parts laid out in rows of this many (the calendar's week) are one Tab
    // stop: the arrow keys move between them. 0: a stop of its own.
    int rowLength = 0;
    // The part opens on a double click (a day's detail), so Enter gives one.
    bool doubleClick = false;
    // The part a grid is entered at before the keyboard stood in it (today).
    bool entry = false;

    bool SamePlace(const FocusStop& other) const {
        return control == other.control && part == other.part;
    }
};

// Sorts stops as a page is read: line by line from the top (stops whose
// heights overlap the first stop of a line share that line), each line from
// the left. Stable, so parts that tie keep the control's order.
void SortInReadingOrder(std::vector<FocusStop>& stops);
