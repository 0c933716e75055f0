#include "ui/controls/CCustomCtrlSelectItem.h"

#include "data/CDataManager.h"
#include "resources/CStringTable.h"
#include "ui/controls/UiMessages.h"
#include "ui/controls/UiText.h"

namespace {

// The table's text with its one "%d" replaced; the text is data, so it is
// never used as a printf format.
QString FormatNumber(int32_t textId, int value) {
    QString text = TableText(textId);
    const qsizetype at = text.indexOf(QStringLiteral("%d"));
    if (at >= 0) {
        text.replace(at, 2, QString::number(value));
    }
    return text;
}

} // namespace

CCustomCtrlSelectItem::CCustomCtrlSelectItem(int kind, CCustomCtrlBase* parentControl, int id)
    : CCustomCtrlBase(parentControl, id, true), m_kind(kind) {}

void CCustomCtrlSelectItem::CreateSelectItem(int width, int y, int textLeft, IControlHost* host,
                                             CDrawSurface* canvas, int x, int stripPictureId,
                                             int textWidth, int fontSize, bool rightAligned,
                                             const CHitRect& hitRect) {
    Create(host, canvas, x, y, width, kHeight, fontSize, true);
    m_strip.LoadSurface(stripPictureId, fontSize, true);
    m_textRect = QRect(textLeft, 0, textWidth, 25);
    m_hitRect = hitRect;
    m_rightAligned = rightAligned;
    m_textColour = QColor(0, 0, 0);
    // Create rendered before the strip and the text box existed.
    Render();
}

int CCustomCtrlSelectItem::FrameIndex() const {
    if (!m_enabled) {
        return 3;
    }
    return m_hover ? 1 : 0;
}

QString CCustomCtrlSelectItem::Text() const {
    if (m_dataManager == nullptr) {
        return QString();
    }
    switch (m_kind) {
    case kYear:
        return FormatNumber(StringId::kYearFormat, m_dataManager->GetViewYear());
    case kMonth:
        return FormatNumber(StringId::kMonthFormat, m_dataManager->GetViewMonth());
    case kTarget:
        return QString::fromStdString(CDataManager::FormatYen(m_dataManager->GetMonthTarget()));
    default:
        return QString();
    }
}

void CCustomCtrlSelectItem::Render() {
    m_surface.FillKey();
    const int width = Width();
    m_surface.CopySurface(m_strip, 0, 0, QRect(FrameIndex() * width, 0, width, m_strip.Height()));
    m_surface.SetTextColour(m_textColour);
    m_surface.DrawTextBox(Text(),
                          m_rightAligned ? CDrawSurface::kAlignRight : CDrawSurface::kAlignCenter,
                          true, m_textRect);
}

void CCustomCtrlSelectItem::AddFocusStops(std::vector<FocusStop>& stops) const {
    AddHitStop(stops, m_hitRect);
}

intptr_t CCustomCtrlSelectItem::PopupAnchor() const {
    return MakePointParam(m_x + m_hitRect.right, m_kind == kTarget ? m_y : m_y + m_hitRect.bottom);
}

bool CCustomCtrlSelectItem::OnMessage(uint32_t message, uintptr_t, intptr_t lParam,
                                      intptr_t& result) {
    if (m_host == nullptr) {
        return false;
    }
    const int x = PointParamX(lParam);
    const int y = PointParamY(lParam);
    const bool inside =
        HitTestOffsets(x, y, m_hitRect.left, m_hitRect.top, m_hitRect.right, m_hitRect.bottom);
    if (message == UiMsg::kMouseMove) {
        if (inside != m_hover) {
            m_hover = inside;
            if (inside) {
                SendToHost(UiMsg::kCapture, ControlParam());
            } else {
                SendToHost(UiMsg::kReleaseCapture, ControlParam());
            }
            Render();
            Draw();
            SendToHost(UiMsg::kRepaint);
        }
        result = m_hover ? 1 : 0;
        return m_hover;
    }
    if (message == UiMsg::kLButtonDown && inside) {
        // Taken: the field holds the capture while the pointer is over it,
        // and a press passed on would reach it again through its page and
        // ask for a second list.
        PostToHost(UiMsg::kPopupOpen, static_cast<uintptr_t>(m_kind), PopupAnchor());
        result = 0;
        return true;
    }
    if (message == UiMsg::kResetHover && m_hover) {
        // Another window took the pointer: the frame must not stay lit until
        // the pointer next crosses this window.
        m_hover = false;
        SendToHost(UiMsg::kReleaseCapture, ControlParam());
        Render();
        Draw();
        SendToHost(UiMsg::kRepaint);
    }
    result = 0;
    return false;
}

void CCustomCtrlSelectItem::RemakeSurfaces() {
    CCustomCtrlBase::RemakeSurfaces();
    m_strip.Remake();
}
