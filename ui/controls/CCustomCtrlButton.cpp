#include "ui/controls/CCustomCtrlButton.h"

#include "ui/controls/UiMessages.h"
#include "ui/controls/UiTimings.h"

#include <chrono>
#include <thread>

CCustomCtrlButton::CCustomCtrlButton(CCustomCtrlBase* parentControl, int id, bool usesDataManager)
    : CCustomCtrlBase(parentControl, id, usesDataManager),
      m_pressedHoldMs(CUiTimings::Defaults().pressedHoldMs) {}

void CCustomCtrlButton::CreateButton(int fontSize, int height, int width, IControlHost* host,
                                     CDrawSurface* canvas, int x, int y, int stripPictureId,
                                     const CHitRect& hitRect) {
    Create(host, canvas, x, y, width, height, fontSize, false);
    m_hitRect = hitRect;
    m_stripPictureId = stripPictureId;
    if (stripPictureId != -1) {
        m_strip.LoadSurface(stripPictureId);
        // A missing strip still counts as loaded: the button keeps working and
        // draws only its caption.
        m_hasStrip = true;
        m_frameWidth = width;
    }
    // Create rendered before the strip existed.
    Render();
}

int CCustomCtrlButton::FrameIndex() const {
    if (!m_enabled) {
        return 3;
    }
    const int base = m_selected ? 4 : 0;
    if (m_pressed && m_pressedInside) {
        return base + 2;
    }
    if (m_hover) {
        return base + 1;
    }
    return base;
}

void CCustomCtrlButton::RenderFrame() {
    m_surface.FillKey();
    if (m_hasStrip && m_frameWidth > 0) {
        m_surface.CopySurface(
            m_strip, 0, 0, QRect(FrameIndex() * m_frameWidth, 0, m_frameWidth, m_strip.Height()));
    }
}

void CCustomCtrlButton::Render() {
    RenderFrame();
    if (!m_caption.isEmpty()) {
        m_surface.DrawTextBox(m_caption, CDrawSurface::kAlignCenter, true,
                              QRect(0, 0, Width(), Height()));
    }
}

void CCustomCtrlButton::AddFocusStops(std::vector<FocusStop>& stops) const {
    AddHitStop(stops, m_hitRect);
}

bool CCustomCtrlButton::HitTestButton(int x, int y) const {
    return HitTestOffsets(x, y, m_hitRect.left, m_hitRect.top, m_hitRect.right, m_hitRect.bottom);
}

void CCustomCtrlButton::Repaint() {
    Render();
    Draw();
}

bool CCustomCtrlButton::OnMessage(uint32_t message, uintptr_t, intptr_t lParam, intptr_t& result) {
    if (m_host == nullptr) {
        return false;
    }
    const int x = PointParamX(lParam);
    const int y = PointParamY(lParam);
    bool consumed = false;
    switch (message) {
    case UiMsg::kMouseMove:
        consumed = OnMouseMove(x, y);
        break;
    case UiMsg::kLButtonDown:
        consumed = OnLButtonDown(x, y);
        break;
    case UiMsg::kLButtonUp:
        if (m_pressed) {
            OnLButtonUp(true);
        }
        break;
    case UiMsg::kLButtonDblClk:
        consumed = OnLButtonDblClk(x, y);
        break;
    case UiMsg::kResetHover:
        OnResetHover();
        break;
    default:
        break;
    }
    result = consumed ? 1 : 0;
    return consumed;
}

bool CCustomCtrlButton::OnMouseMove(int x, int y) {
    const bool inside = HitTestButton(x, y);
    bool changed = false;
    if (inside != m_hover) {
        m_hover = inside;
        changed = true;
        // While held the button keeps the mouse whether the pointer is over it
        // or not.
        if (!m_pressed) {
            if (inside) {
                SendToHost(UiMsg::kCapture, ControlParam());
            } else {
                SendToHost(UiMsg::kReleaseCapture);
            }
        }
    }
    if (m_pressed && inside != m_pressedInside) {
        m_pressedInside = inside;
        changed = true;
    }
    if (changed) {
        Repaint();
        SendToHost(UiMsg::kRedrawNow);
    }
    return m_hover || m_pressed;
}

bool CCustomCtrlButton::OnLButtonDown(int x, int y) {
    if (!HitTestButton(x, y)) {
        return false;
    }
    m_pressed = true;
    m_pressedInside = true;
    Repaint();
    if (!m_hover) {
        SendToHost(UiMsg::kCapture, ControlParam());
    }
    SendToHost(UiMsg::kRedrawNow);
    SendToHost(UiMsg::kForeground);
    return true;
}

void CCustomCtrlButton::OnLButtonUp(bool postCommand) {
    const bool releasedInside = m_pressedInside;
    m_pressed = false;
    m_pressedInside = false;
    Repaint();
    if (!m_hover) {
        SendToHost(UiMsg::kReleaseCapture);
    }
    if (postCommand && releasedInside) {
        PostToHost(UiMsg::kCommand, static_cast<uintptr_t>(m_id));
    }
}

bool CCustomCtrlButton::OnLButtonDblClk(int x, int y) {
    if (!OnLButtonDown(x, y)) {
        return false;
    }
    SendToHost(UiMsg::kRedrawNow);
    // The pressed frame stays up for a moment, as a single click shows it
    // between press and release; nothing else runs meanwhile.
    if (m_pressedHoldMs > 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(m_pressedHoldMs));
    }
    // One command for the double click: the release itself posts none.
    OnLButtonUp(false);
    SendToHost(UiMsg::kRedrawNow);
    PostToHost(UiMsg::kCommand, static_cast<uintptr_t>(m_id));
    return true;
}

void CCustomCtrlButton::OnResetHover() {
    if (!m_pressed && !m_hover) {
        return;
    }
    m_pressed = false;
    m_pressedInside = false;
    m_hover = false;
    Repaint();
    SendToHost(UiMsg::kReleaseCapture);
}

void CCustomCtrlButton::RemakeSurfaces() {
    CCustomCtrlBase::RemakeSurfaces();
    m_strip.Remake();
}
