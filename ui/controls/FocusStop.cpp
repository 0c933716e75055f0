#include "ui/controls/FocusStop.h"

#include <algorithm>

void SortInReadingOrder(std::vector<FocusStop>& stops) {
    std::stable_sort(stops.begin(), stops.end(), [](const FocusStop& a, const FocusStop& b) {
        return a.rect.top() < b.rect.top();
    });
    // A button a few pixels lower than the field beside it still reads after
    // it, not on a line of its own.
    auto line = stops.begin();
    while (line != stops.end()) {
        const int lineBottom = line->rect.top() + line->rect.height();
        auto end = line + 1;
        while (end != stops.end() && end->rect.top() < lineBottom) {
            ++end;
        }
        std::stable_sort(line, end, [](const FocusStop& a, const FocusStop& b) {
            return a.rect.left() < b.rect.left();
        });
        line = end;
    }
}
