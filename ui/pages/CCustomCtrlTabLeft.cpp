#include "ui/pages/CCustomCtrlTabLeft.h"

#include "data/CDataManager.h"

int CCustomCtrlTabLeft::HeaderPictureFor(int selectedPageId, int hoveredPageId) {
    if (selectedPageId == CCustomCtrlTabPageSelectDevice::kPageId) {
        return hoveredPageId == CCustomCtrlTabPageMenu::kPageId ? kPictureSelectDeviceMenuHovered
                                                                : kPictureSelectDevice;
    }
    if (selectedPageId == CCustomCtrlTabPageMenu::kPageId) {
        return hoveredPageId == CCustomCtrlTabPageSelectDevice::kPageId
                   ? kPictureMenuSelectDeviceHovered
                   : kPictureMenu;
    }
    return -1;
}

CCustomCtrlTabLeft::CCustomCtrlTabLeft(CCustomCtrlBase* parentControl)
    : CCustomCtrlTab(parentControl), m_selectDevicePage(this), m_menuPage(this) {
    AddPage(&m_selectDevicePage);
    AddPage(&m_menuPage);
}

CCustomCtrlTabLeft::~CCustomCtrlTabLeft() = default;

int CCustomCtrlTabLeft::GetHeaderPicture() {
    const CCustomCtrlTabPage* page = SelectedPage();
    return page == nullptr ? -1 : HeaderPictureFor(page->PageId(), m_hoveredPageId);
}

void CCustomCtrlTabLeft::SelectPage(int index) {
    const CCustomCtrlTabPage* page = Page(index);
    if (page == nullptr) {
        return;
    }
    if (m_dataManager != nullptr) {
        m_dataManager->SetLeftPage(page->PageId());
    }
    CCustomCtrlTab::SelectPage(index);
}
