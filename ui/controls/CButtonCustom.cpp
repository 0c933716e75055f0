#include "ui/controls/CButtonCustom.h"

#include <QPalette>

void CButtonCustom::UseFaceColour(QAbstractButton& button) {
    QPalette palette = button.palette();
    for (QPalette::ColorRole role : {QPalette::Button, QPalette::Window, QPalette::Base}) {
        palette.setColor(role, CButtonCustom::FaceColour());
    }
    button.setPalette(palette);
    button.setAutoFillBackground(true);
}

CButtonCustom::CButtonCustom(QWidget* parent) : QPushButton(parent) {
    UseFaceColour(*this);
}

CButtonCustom::CButtonCustom(const QString& text, QWidget* parent) : QPushButton(text, parent) {
    UseFaceColour(*this);
}
