#pragma once

#include "ui/controls/CCustomCtrlButtonDevice.h"
#include "ui/pages/CCustomCtrlTabPage.h"

#include <array>

// The select-device page of the left tab control (id 9): one large button per
// registered air conditioner (ids 11..17 for list entries 0..6), stacked from
// the top, and below them the button for all air conditioners together (id
// 10). The button of the data manager's requested selection is the selected
// one; a click posts its id and the main window changes the selection.
class CCustomCtrlTabPageSelectDevice : public CCustomCtrlTabPage {
public:
    static constexpr int kPageId = 9;
    static constexpr int kTitleString = 12200;
    static constexpr int kHeaderWidth = 78;
    static constexpr int kBackgroundPicture = 280;
    static constexpr int kAllButtonId = 10;
    static constexpr int kFirstUnitButtonId = 11;
    static constexpr int kUnitButtons = 7;
    static constexpr int kTopMargin = 8;
    static constexpr int kButtonPitch = 57;
    static constexpr int kMarkPicture = 240;
    static constexpr int kMarkPictureVariantC = 426;

    // 181..187 for ids 11..17, 188 for the all button.
    static int StripPictureFor(int buttonId);
    // The connection mark for a remote controller's settings.
    static int MarkPictureFor(const SettingValues& settings);

    explicit CCustomCtrlTabPageSelectDevice(CCustomCtrlBase* parentControl = nullptr);
    ~CCustomCtrlTabPageSelectDevice() override;

    // The page, then the eight buttons at the page origin; then Update.
    void CreatePage(IControlHost* host, CDrawSurface* canvas, int x, int y, int width,
                    int height) override;
    // Fills and places the buttons from the data manager's list: the
    // registered units from the top, 57 pixels apart, the all button below the
    // last of them.
    void Update() override;
    // Marks the button of the requested selection, then renders the page.
    void Render() override;

    // Button of list entry `index` (0..6), or the all button for −1.
    CCustomCtrlButtonDevice& Button(int index);

private:
    std::array<CCustomCtrlButtonDevice, kUnitButtons> m_unitButtons;
    CCustomCtrlButtonDevice m_allButton;
};
