#pragma once

#include "ui/pages/CCustomCtrlTab.h"
#include "ui/pages/CCustomCtrlTabPageMenu.h"
#include "ui/pages/CCustomCtrlTabPageSelectDevice.h"

// The left tab control of the main window: the select-device page (id 9) and
// the file-management menu (id 2), in this tab order. The page on show is
// the data manager's left page, which decides whether the main tab control or
// the about picture is shown.
class CCustomCtrlTabLeft : public CCustomCtrlTab {
public:
    static constexpr int kPictureSelectDevice = 280;
    static constexpr int kPictureSelectDeviceMenuHovered = 360;
    static constexpr int kPictureMenu = 278;
    static constexpr int kPictureMenuSelectDeviceHovered = 359;

    // The header picture for the page on show and the page id under the
    // pointer (−1 none); −1 for an unknown page.
    static int HeaderPictureFor(int selectedPageId, int hoveredPageId);

    explicit CCustomCtrlTabLeft(CCustomCtrlBase* parentControl = nullptr);
    ~CCustomCtrlTabLeft() override;

    int GetHeaderPicture() override;
    // Stores the page id as the data manager's left page first, so the menu's
    // Update sees it.
    void SelectPage(int index) override;

    CCustomCtrlTabPageSelectDevice& SelectDevicePage() { return m_selectDevicePage; }
    CCustomCtrlTabPageMenu& MenuPage() { return m_menuPage; }

private:
    CCustomCtrlTabPageSelectDevice m_selectDevicePage;
    CCustomCtrlTabPageMenu m_menuPage;
};
