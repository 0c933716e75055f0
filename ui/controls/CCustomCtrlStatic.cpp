#include "ui/controls/CCustomCtrlStatic.h"

CCustomCtrlStatic::CCustomCtrlStatic(CCustomCtrlBase* parentControl, int id, bool usesDataManager)
    : CCustomCtrlBase(parentControl, id, usesDataManager) {}

void CCustomCtrlStatic::CreateStatic(IControlHost* host, int x, int y, CDrawSurface* canvas,
                                     int width, int height) {
    Create(host, canvas, x, y, width, height, m_fontSize, false);
}

void CCustomCtrlStatic::Draw() {
    if (m_canvas == nullptr || !IsShown()) {
        return;
    }
    const QFont font = CDrawSurface::MakeFont(m_fontSize, true);
    m_canvas->DrawTextBox(m_text, m_align, m_centerV, QRect(m_x, m_y, Width(), Height()), &font);
}
