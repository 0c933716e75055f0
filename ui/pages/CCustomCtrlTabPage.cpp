#include "ui/pages/CCustomCtrlTabPage.h"

#include "ui/controls/UiText.h"

CCustomCtrlTabPage::Variant CCustomCtrlTabPage::SettingsVariant(const SettingValues& values) {
    if (values[kCurrentSwitch] != kSettingNotReported) {
        return Variant::kA;
    }
    if (values[kOutdoorUnitSound] != kSettingNotReported) {
        return Variant::kC;
    }
    if (values[kEleBillPlice1] != kSettingNotReported) {
        return Variant::kB;
    }
    return Variant::kNone;
}

CCustomCtrlTabPage::CCustomCtrlTabPage(CCustomCtrlBase* parentControl, int pageId,
                                       int titleStringId, int headerWidth, int backgroundPictureId)
    : CCustomCtrlBase(parentControl, pageId), m_title(TableText(titleStringId)),
      m_headerWidth(headerWidth), m_pageId(pageId), m_backgroundPictureId(backgroundPictureId) {}

CCustomCtrlTabPage::~CCustomCtrlTabPage() = default;

void CCustomCtrlTabPage::CreatePage(IControlHost* host, CDrawSurface* canvas, int x, int y,
                                    int width, int height) {
    Create(host, canvas, x, y, width, height, 10, false);
    m_background.LoadSurface(m_backgroundPictureId);
}

void CCustomCtrlTabPage::Draw() {
    if (!IsShown()) {
        return;
    }
    if (m_canvas != nullptr && m_canvas->Ratio() == m_surface.Ratio() && m_surface.IsOpaque()) {
        // A background picture covers the page: a copy lays the same pixels
        // as a composition, at a fraction of the cost.
        m_canvas->CopySurface(m_surface, m_x, m_y);
    } else {
        CCustomCtrlBase::Draw();
    }
    for (CCustomCtrlBase* child : m_children) {
        child->Draw();
    }
}

void CCustomCtrlTabPage::Render() {
    m_surface.FillKey();
    for (CCustomCtrlBase* child : m_children) {
        child->Render();
    }
}

bool CCustomCtrlTabPage::OnMessage(uint32_t message, uintptr_t wParam, intptr_t lParam,
                                   intptr_t& result) {
    // Every child must see a move, also one far from it, so a hover it holds
    // clears.
    bool answer = false;
    for (CCustomCtrlBase* child : m_children) {
        answer = child->OnMessage(message, wParam, lParam, result);
    }
    return answer;
}

void CCustomCtrlTabPage::SetBackgroundPicture(int pictureId) {
    m_backgroundPictureId = pictureId;
    if (!m_surface.IsEmpty()) {
        m_background.LoadSurface(pictureId);
    }
}

void CCustomCtrlTabPage::RemakeSurfaces() {
    CCustomCtrlBase::RemakeSurfaces();
    m_background.Remake();
}
