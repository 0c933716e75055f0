#pragma once

#include <QStringList>

// The words of a one-point advice picture (CPictureTexts) as its painter
// takes them: a short lead line and two or three lines that explain it.
class CAdviceTexts {
public:
    struct Advice {
        QString lead;
        QStringList body;
    };
    // The advice of picture `id`; an empty lead when the id carries none.
    static Advice For(int id);
};
