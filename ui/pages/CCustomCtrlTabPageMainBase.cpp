#include "ui/pages/CCustomCtrlTabPageMainBase.h"

#include "ui/pages/CCustomCtrlTab.h"

namespace {

constexpr int kBottomRowTop = 430;
constexpr int kButtonHeight = 29;

} // namespace

CCustomCtrlTabPageMainBase::BottomStrips
CCustomCtrlTabPageMainBase::BottomStrips::ForPage(int pageId) {
    switch (pageId) {
    case 20:
        return {241, 243, 380, 242};
    case 26:
        return {245, 244, 381, 246};
    case 29:
        return {247, 249, 382, 248};
    default:
        return {};
    }
}

CCustomCtrlTabPageMainBase::CCustomCtrlTabPageMainBase(CCustomCtrlBase* parentControl, int pageId,
                                                       int titleStringId, int headerWidth,
                                                       int backgroundPictureId)
    : CCustomCtrlTabPageMainBase(parentControl, pageId, titleStringId, headerWidth,
                                 backgroundPictureId, BottomStrips::ForPage(pageId)) {}

CCustomCtrlTabPageMainBase::CCustomCtrlTabPageMainBase(CCustomCtrlBase* parentControl, int pageId,
                                                       int titleStringId, int headerWidth,
                                                       int backgroundPictureId,
                                                       const BottomStrips& strips)
    : CCustomCtrlTabPage(parentControl, pageId, titleStringId, headerWidth, backgroundPictureId),
      m_adviceButton(this, kCommandAdvice), m_readButton(this, kCommandRead),
      m_printButton(this, kCommandPrint), m_helpButton(this, kCommandHelp), m_strips(strips) {
    AddChild(&m_readButton);
    AddChild(&m_printButton);
    AddChild(&m_helpButton);
    AddChild(&m_adviceButton);
}

CCustomCtrlTabPageMainBase::~CCustomCtrlTabPageMainBase() = default;

void CCustomCtrlTabPageMainBase::CreatePage(IControlHost* host, CDrawSurface* canvas, int x, int y,
                                            int width, int height) {
    CCustomCtrlTabPage::CreatePage(host, canvas, x, y, width, height);
    const int top = y + kBottomRowTop;
    m_readButton.CreateButton(0, kButtonHeight, 84, host, canvas, x + 284, top, m_strips.read,
                              {0, 0, 80, 25});
    m_printButton.CreateButton(0, kButtonHeight, 84, host, canvas, x + 374, top, m_strips.print,
                               {0, 0, 80, 25});
    m_helpButton.CreateButton(0, kButtonHeight, 99, host, canvas, x + 465, top, m_strips.help,
                              {0, 0, 95, 25});
    m_adviceButton.CreateButton(0, kButtonHeight, 165, host, canvas, x + 601, top, m_strips.advice,
                                {0, 0, 162, 25});
    Render();
}

void CCustomCtrlTabPageMainBase::Render() {
    // The children draw on surfaces of their own, so the page's pixels do not
    // depend on them.
    for (CCustomCtrlBase* child : m_children) {
        child->Render();
    }
    // The tab control draws the same picture from its own origin, a header
    // strip higher than the page; taking the part under the page keeps the two
    // copies on the same pixels instead of showing the picture twice, shifted.
    // The tab's current picture is taken when it has one: for a variant-C unit
    // the settings tab shows 451-453, not the page's own 350.
    const auto* tab = dynamic_cast<const CCustomCtrlTab*>(m_parentControl);
    const CDrawSurface& picture =
        tab != nullptr && !tab->HeaderPicture().IsEmpty() ? tab->HeaderPicture() : m_background;
    const QByteArray key = QByteArray::number(CDrawSurface::DpiFactor()) + ',' +
                           QByteArray::number(picture.Image().cacheKey()) + ',' +
                           QByteArray::number(picture.Width()) + ',' +
                           QByteArray::number(picture.Height()) + ',' + ForegroundKey();
    if (!CDrawSurface::HasTextObserver() && m_surface.HoldsContent(key)) {
        return;
    }
    m_surface.ReplaceWith(
        picture, 0, 0,
        QRect(0, kBackgroundTop, picture.Width(), picture.Height() - kBackgroundTop));
    RenderForeground();
    m_surface.SetContentKey(key);
}
