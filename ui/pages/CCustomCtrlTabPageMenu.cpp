#include "ui/pages/CCustomCtrlTabPageMenu.h"

#include "data/CDataManager.h"

namespace {

constexpr int kColumnWidth = 169;
constexpr int kCommandExport = 4;
constexpr int kCommandDelete = 5;
constexpr int kCommandCsv = 6;

} // namespace

bool CCustomCtrlTabPageMenu::IsButtonEnabled(int id, int unitCount) {
    if (id == kCommandExport || id == kCommandDelete || id == kCommandCsv) {
        return unitCount > 0;
    }
    return true;
}

CCustomCtrlTabPageMenu::CCustomCtrlTabPageMenu(CCustomCtrlBase* parentControl)
    : CCustomCtrlTabPage(parentControl, kPageId, kTitleString, kHeaderWidth, kBackgroundPicture),
      m_buttons{CCustomCtrlButton(this, kButtonIds[0]), CCustomCtrlButton(this, kButtonIds[1]),
                CCustomCtrlButton(this, kButtonIds[2]), CCustomCtrlButton(this, kButtonIds[3]),
                CCustomCtrlButton(this, kButtonIds[4]), CCustomCtrlButton(this, kButtonIds[5])} {
    for (CCustomCtrlButton& button : m_buttons) {
        AddChild(&button);
    }
}

CCustomCtrlTabPageMenu::~CCustomCtrlTabPageMenu() = default;

void CCustomCtrlTabPageMenu::CreatePage(IControlHost* host, CDrawSurface* canvas, int x, int y,
                                        int width, int height) {
    CCustomCtrlTabPage::CreatePage(host, canvas, x, y, width, height);
    if (m_dataManager == nullptr) {
        return;
    }
    const int left = x + (width - kColumnWidth) / 2;
    for (int k = 0; k < kButtonCount; ++k) {
        m_buttons[static_cast<size_t>(k)].CreateButton(
            0, kButtonHeight, kButtonWidth, host, canvas, left, y + kTopMargin + kButtonPitch * k,
            kStripPictures[static_cast<size_t>(k)], {0, 0, 148, 48});
    }
    Render();
}

void CCustomCtrlTabPageMenu::Update() {
    CCustomCtrlTabPage::Update();
    const int count = m_dataManager == nullptr ? 0 : m_dataManager->GetRemoConCount();
    for (CCustomCtrlButton& button : m_buttons) {
        button.SetEnabled(IsButtonEnabled(button.Id(), count));
    }
}
