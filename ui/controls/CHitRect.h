#pragma once

// The part of a control that answers the pointer, as offsets from the
// control's top-left corner: left and top included, right and bottom not.
struct CHitRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};
