#pragma once

#include "resources/art/CPictureTable.h"

#include <QColor>
#include <QFont>

// The one look of every picture: the calm colours the program itself uses, the
// colour scheme of each place a picture is shown, and the font. Every painter
// takes its colours from here so later pictures match the first ones.
class CArtPalette {
public:
    static const QColor kCream;    // RGB(255, 253, 237)
    static const QColor kPink;     // RGB(236, 177, 207)
    static const QColor kBlue;     // RGB(156, 210, 223)
    static const QColor kGreyBlue; // RGB(212, 229, 232)
    static const QColor kText;     // RGB(51, 51, 51)
    static const QColor kKey;      // RGB(255, 0, 255)
    static const QColor kDialog;   // RGB(233, 229, 231), the dialogs' face colour
    static const QColor kWhite;

    // The graph colour of list entry 0..6 (also the colour of its list icon).
    static QColor EntryColour(int position);
    static constexpr int kEntryCount = 7;

    // `a` moved towards `b` by `t` (0 = a, 1 = b).
    static QColor Mix(const QColor& a, const QColor& b, double t);
    // Deeper shade of a pale colour, for borders and marks.
    static QColor Deep(const QColor& c, double t = 0.45) { return Mix(c, kText, t); }
    static QColor Pale(const QColor& c, double t = 0.55) { return Mix(c, kWhite, t); }
    // Colour that reads well on `fill`: white on dark fills, text colour else.
    static QColor InkOn(const QColor& fill);

    // The face colours of a place.
    struct Scheme {
        QColor faceTop;    // gradient start of a button face
        QColor faceBottom; // gradient end
        QColor border;     // one-pixel outline
        QColor accent;     // selection border and highlights
        QColor panel;      // plain background behind text
        QColor motif;      // small pictures
    };
    static Scheme SchemeFor(ArtRole role);

    // The picture font: {"Meiryo UI", "Noto Sans CJK JP", "IPAGothic"} at a
    // pixel size (pictures are pixels, not points).
    static QFont Font(int pixelSize, bool bold);
};
