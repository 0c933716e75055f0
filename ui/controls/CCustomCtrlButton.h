#pragma once

#include "ui/controls/CCustomCtrlBase.h"
#include "ui/controls/CHitRect.h"

#include <QString>

// A drawn push button: one strip picture with a frame per state (normal,
// hover, pressed, disabled, selected, selected+hover, selected+pressed) and an
// optional caption. It asks the host for the mouse while the pointer is over
// it or it is held, and posts the command 0x8004 with its id when released
// over it. Pages, tab controls and dialogs own their buttons as members.
class CCustomCtrlButton : public CCustomCtrlBase {
public:
    explicit CCustomCtrlButton(CCustomCtrlBase* parentControl = nullptr, int id = -1,
                               bool usesDataManager = true);

    // Create at that size (not bold), keep the hit rectangle, and when
    // `stripPictureId` is not -1 load the strip with frames as wide as the
    // button.
    void CreateButton(int fontSize, int height, int width, IControlHost* host, CDrawSurface* canvas,
                      int x, int y, int stripPictureId, const CHitRect& hitRect);

    bool OnMessage(uint32_t message, uintptr_t wParam, intptr_t lParam, intptr_t& result) override;
    void Render() override;
    // Its hit rectangle while shown, enabled and created.
    void AddFocusStops(std::vector<FocusStop>& stops) const override;
    void RemakeSurfaces() override;

    // The strip frame of the current state.
    int FrameIndex() const;

    // Setters store only; the owner renders when it is done changing.
    const QString& Caption() const { return m_caption; }
    void SetCaption(const QString& caption) { m_caption = caption; }
    bool IsSelected() const { return m_selected; }
    void SetSelected(bool selected) { m_selected = selected; }
    bool IsHover() const { return m_hover; }
    bool IsPressed() const { return m_pressed; }
    bool IsPressedInside() const { return m_pressedInside; }
    bool HasStrip() const { return m_hasStrip; }
    // Hides or shows again the strip frame; the loaded strip is kept.
    void SetHasStrip(bool hasStrip) { m_hasStrip = hasStrip && m_frameWidth > 0; }
    int FrameWidth() const { return m_frameWidth; }
    // The strip the button was created with (its face's words), -1 for none.
    int StripPictureId() const { return m_stripPictureId; }
    const CHitRect& HitRect() const { return m_hitRect; }
    void SetHitRect(const CHitRect& hitRect) { m_hitRect = hitRect; }
    // How long a double click shows the pressed frame (CUiTimings).
    int PressedHoldMs() const { return m_pressedHoldMs; }
    void SetPressedHoldMs(int milliseconds) { m_pressedHoldMs = milliseconds; }

protected:
    // The key colour and the state frame: what every button draws first.
    void RenderFrame();
    bool HitTestButton(int x, int y) const;

    QString m_caption;
    bool m_hasStrip = false;
    CDrawSurface m_strip;
    int m_frameWidth = -1;
    int m_stripPictureId = -1;
    bool m_hover = false;
    bool m_selected = false;
    CHitRect m_hitRect;
    int m_pressedHoldMs;

private:
    bool OnMouseMove(int x, int y);
    bool OnLButtonDown(int x, int y);
    void OnLButtonUp(bool postCommand);
    bool OnLButtonDblClk(int x, int y);
    void OnResetHover();
    void Repaint();
};
