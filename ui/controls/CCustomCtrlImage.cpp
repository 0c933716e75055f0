#include "ui/controls/CCustomCtrlImage.h"

CCustomCtrlImage::CCustomCtrlImage(CCustomCtrlBase* parentControl, int id, bool usesDataManager)
    : CCustomCtrlBase(parentControl, id, usesDataManager) {}

QString CCustomCtrlImage::LabelText() {
    return QString::fromUtf8("リリース 2013.02.19");
}

void CCustomCtrlImage::CreateImage(IControlHost* host, CDrawSurface* canvas, int x, int y,
                                   int pictureId) {
    m_pictureId = pictureId;
    // No surface of its own size: the picture decides it.
    Create(host, canvas, x, y, 0, 0, 0, false);
    m_surface.LoadSurface(pictureId);
}

void CCustomCtrlImage::Draw() {
    if (m_canvas == nullptr || !IsShown()) {
        return;
    }
    m_canvas->DrawSurface(m_surface, m_x, m_y);
    m_canvas->DrawText(LabelText(), LabelRect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                       CDrawSurface::MakeFont(kLabelPoints, true), LabelColour());
}

void CCustomCtrlImage::Render() {}
