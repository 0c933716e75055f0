#pragma once

#include "ui/controls/CCustomCtrlBase.h"

#include <QColor>
#include <QRect>

// One picture at its position (the about screen), composed with its alpha,
// with the release label written over the canvas after it. Takes no input.
class CCustomCtrlImage : public CCustomCtrlBase {
public:
    static constexpr int kLabelPoints = 12;
    static QString LabelText();
    static QColor LabelColour() { return QColor(61, 58, 57, 254); }
    // On the canvas, whatever the picture's position.
    static QRect LabelRect() { return QRect(560, 278, 300, 20); }

    explicit CCustomCtrlImage(CCustomCtrlBase* parentControl = nullptr, int id = -1,
                              bool usesDataManager = true);

    // Takes the picture's size; a missing picture leaves the control empty
    // (only the label is written).
    void CreateImage(IControlHost* host, CDrawSurface* canvas, int x, int y, int pictureId);

    void Draw() override;
    // The picture is the control's face: nothing to redraw.
    void Render() override;

    int PictureId() const { return m_pictureId; }

private:
    int m_pictureId = -1;
};
