#pragma once

#include "ui/controls/CCustomCtrlBase.h"
#include "ui/controls/CHitRect.h"

#include <QColor>
#include <QRect>
#include <QString>

// A value field that opens the popup list: the viewed year (kind 0), month
// (kind 1) or the monthly target (kind 2), read from the data manager on
// every Render. A press asks the host (0x8007) to open the popup anchored at
// the field's lower right corner, or upper right for the target.
class CCustomCtrlSelectItem : public CCustomCtrlBase {
public:
    enum Kind { kYear = 0, kMonth = 1, kTarget = 2 };
    static constexpr int kHeight = 29;

    explicit CCustomCtrlSelectItem(int kind, CCustomCtrlBase* parentControl = nullptr, int id = -1);

    // Bold text in (textLeft, 0, textLeft + textWidth, 25).
    void CreateSelectItem(int width, int y, int textLeft, IControlHost* host, CDrawSurface* canvas,
                          int x, int stripPictureId, int textWidth, int fontSize, bool rightAligned,
                          const CHitRect& hitRect);

    bool OnMessage(uint32_t message, uintptr_t wParam, intptr_t lParam, intptr_t& result) override;
    void Render() override;
    // Its hit rectangle while shown, enabled and created.
    void AddFocusStops(std::vector<FocusStop>& stops) const override;
    void RemakeSurfaces() override;

    int Kind() const { return m_kind; }
    bool IsHover() const { return m_hover; }
    // 3 disabled, 1 hovered, 0 otherwise.
    int FrameIndex() const;
    // What the field shows now (empty without a data manager).
    QString Text() const;
    // The 0x8007 anchor for the current position and hit rectangle.
    intptr_t PopupAnchor() const;
    const QRect& TextRect() const { return m_textRect; }
    const CHitRect& HitRect() const { return m_hitRect; }
    QColor TextColour() const { return m_textColour; }
    void SetTextColour(const QColor& colour) { m_textColour = colour; }

private:
    int m_kind;
    bool m_hover = false;
    CDrawSurface m_strip;
    CHitRect m_hitRect;
    QRect m_textRect;
    bool m_rightAligned = false;
    QColor m_textColour = QColor(0, 0, 0);
};
