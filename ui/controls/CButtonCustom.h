#pragma once

#include <QPushButton>

class QAbstractButton;

// A real push button (dialog check boxes and buttons) whose face is the
// dialogs' background colour instead of the style's.
class CButtonCustom : public QPushButton {
public:
    static QColor FaceColour() { return QColor(233, 229, 231); }
    // Gives any button of a dialog (radio buttons, check boxes) that face.
    static void UseFaceColour(QAbstractButton& button);

    explicit CButtonCustom(QWidget* parent = nullptr);
    explicit CButtonCustom(const QString& text, QWidget* parent = nullptr);
};
