#pragma once

#include <QRect>

#include <algorithm>
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

// Sorts items as a page is read: line by line from the top (items whose
// heights overlap the first item of a line share that line), each line from
// the left. Stable, so parts that tie keep the control's order. `rectOf`
// gives an item's rectangle.
template <class Item, class RectOf>
void SortInReadingOrder(std::vector<Item>& items, RectOf rectOf) {
    std::stable_sort(items.begin(), items.end(), [&](const Item& a, const Item& b) {
        return rectOf(a).top() < rectOf(b).top();
    });
    // A button a few pixels lower than the field beside it still reads after
    // it, not on a line of its own.
    auto line = items.begin();
    while (line != items.end()) {
        const int lineBottom = rectOf(*line).top() + rectOf(*line).height();
        auto end = line + 1;
        while (end != items.end() && rectOf(*end).top() < lineBottom) {
            ++end;
        }
        std::stable_sort(line, end, [&](const Item& a, const Item& b) {
            return rectOf(a).left() < rectOf(b).left();
        });
        line = end;
    }
}

inline void SortInReadingOrder(std::vector<FocusStop>& stops) {
    SortInReadingOrder(stops, [](const FocusStop& stop) { return stop.rect; });
}
