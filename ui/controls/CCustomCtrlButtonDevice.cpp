#include "ui/controls/CCustomCtrlButtonDevice.h"

#include <QColor>

namespace {

constexpr int kFirstEntryId = 11;
constexpr int kLastEntryId = 17;
constexpr int kMarkSize = 24;

// Left, top, right, bottom as the face's layout gives them.
QRect Box(int left, int top, int right, int bottom) {
    return QRect(left, top, right - left, bottom - top);
}

} // namespace

CCustomCtrlButtonDevice::CCustomCtrlButtonDevice(CCustomCtrlBase* parentControl, int id,
                                                 bool usesDataManager)
    : CCustomCtrlButton(parentControl, id, usesDataManager) {}

int CCustomCtrlButtonDevice::IconPictureFor(int id) {
    if (id >= kFirstEntryId && id <= kLastEntryId) {
        return 192 + (id - kFirstEntryId);
    }
    return 199;
}

void CCustomCtrlButtonDevice::CreateButtonDevice(IControlHost* host, CDrawSurface* canvas, int x,
                                                 int y, int stripPictureId,
                                                 const CHitRect& hitRect) {
    const bool entry = m_id >= kFirstEntryId && m_id <= kLastEntryId;
    m_iconWidth = entry ? 26 : 28;
    m_iconHeight = entry ? 14 : 18;
    m_icon.LoadSurface(IconPictureFor(m_id));
    m_mark.LoadSurface(m_markPictureId);
    CreateButton(kFontSize, kHeight, kWidth, host, canvas, x, y, stripPictureId, hitRect);
}

void CCustomCtrlButtonDevice::SetMarkPictureId(int pictureId) {
    if (pictureId == m_markPictureId) {
        return;
    }
    m_markPictureId = pictureId;
    if (m_host != nullptr) {
        m_mark.LoadSurface(pictureId);
    }
}

int CCustomCtrlButtonDevice::IconFrame() const {
    if (!m_enabled) {
        return 2;
    }
    return m_selected ? 0 : 1;
}

QString CCustomCtrlButtonDevice::DisplayedCaption() const {
    QString text = m_caption.trimmed();
    while (!text.isEmpty() && m_surface.TextWidth(text) >= kCaptionWidthLimit) {
        // Whole characters only: a character outside the basic plane is two
        // UTF-16 units.
        const int size = static_cast<int>(text.size());
        const bool pair =
            size >= 2 && text.at(size - 1).isLowSurrogate() && text.at(size - 2).isHighSurrogate();
        text.chop(pair ? 2 : 1);
    }
    return text;
}

void CCustomCtrlButtonDevice::Render() {
    RenderFrame();
    const int height = Height();
    const int width = Width();
    m_surface.DrawSurface(m_icon, (34 - m_iconWidth) / 2 + 2, (height - m_iconHeight) / 2,
                          QRect(IconFrame() * m_iconWidth, 0, m_iconWidth, m_iconHeight));
    m_surface.SetTextColour(QColor(51, 51, 51));
    if (m_id < kFirstEntryId) {
        m_surface.DrawTextBox(m_secondText, CDrawSurface::kAlignLeft, true, Box(42, 10, 113, 41));
    } else {
        const QFont bold = CDrawSurface::MakeFont(kFontSize, true);
        m_surface.DrawTextBox(m_secondText, CDrawSurface::kAlignLeft, true, Box(36, 8, 116, 24),
                              &bold);
        m_surface.DrawTextBox(DisplayedCaption(), CDrawSurface::kAlignLeft, true,
                              Box(36, 22, 116, 41));
    }
    if (!m_mark.IsEmpty() && m_connected) {
        m_surface.DrawSurface(m_mark, width - 36, (height - 20) / 2 - 4,
                              QRect((m_selected ? 1 : 0) * kMarkSize, 0, kMarkSize, kMarkSize));
    }
}

bool CCustomCtrlButtonDevice::GetTipInfo(int x, int y, int& id, QString& text) {
    if (!HitTestButton(x, y)) {
        return false;
    }
    id = m_id;
    text = m_caption.trimmed();
    return true;
}

void CCustomCtrlButtonDevice::RemakeSurfaces() {
    CCustomCtrlButton::RemakeSurfaces();
    m_icon.Remake();
    m_mark.Remake();
}
