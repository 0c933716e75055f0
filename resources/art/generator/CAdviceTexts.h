#pragma once

#include <QStringList>

// The words of every one-point advice picture: a short lead line and two or
// three lines that explain it. Tips shown only to some remote controllers
// speak of what those controllers have (the current switch and auto-save of
// the A controllers, the price patterns of B and C, the dehumidification modes
// and outdoor-unit sound of C); the rest hold for any room air conditioner.
class CAdviceTexts {
public:
    struct Advice {
        QString lead;
        QStringList body;
    };
    // The advice of picture `id`; an empty lead when the id carries none.
    static Advice For(int id);
};
