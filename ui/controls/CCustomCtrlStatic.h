#pragma once

#include "ui/controls/CCustomCtrlBase.h"

#include <QString>

// A text label written straight onto the canvas (the date line): bold, in
// the canvas's current text colour, so it follows whatever the owner set for
// the rest of its drawing. Takes no input.
class CCustomCtrlStatic : public CCustomCtrlBase {
public:
    explicit CCustomCtrlStatic(CCustomCtrlBase* parentControl = nullptr, int id = -1,
                               bool usesDataManager = true);

    // The label's rectangle; the surface only carries its size.
    void CreateStatic(IControlHost* host, int x, int y, CDrawSurface* canvas, int width,
                      int height);

    void Draw() override;

    const QString& Text() const { return m_text; }
    void SetText(const QString& text) { m_text = text; }
    int Align() const { return m_align; }
    // CDrawSurface::Align: 0 left, 1 centre, 2 right.
    void SetAlign(int align) { m_align = align; }
    bool IsCenterV() const { return m_centerV; }
    void SetCenterV(bool centerV) { m_centerV = centerV; }
    int FontSize() const { return m_fontSize; }
    // Points before the DPI division; set before CreateStatic.
    void SetFontSize(int points) { m_fontSize = points; }

private:
    QString m_text;
    int m_align = CDrawSurface::kAlignLeft;
    bool m_centerV = true;
    int m_fontSize = CDrawSurface::kDefaultFontSize;
};
