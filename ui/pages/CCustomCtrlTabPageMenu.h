#pragma once

#include "ui/controls/CCustomCtrlButton.h"
#include "ui/pages/CCustomCtrlTabPage.h"

#include <array>

// The file-management menu of the left tab control (id 2): six large buttons
// whose labels are in their pictures: import (3), export (4), delete (5), CSV
// output (6), help (7) and about (8). Each click posts its id; the main
// window runs the command. Export, delete and CSV output need at least one
// registered air conditioner.
class CCustomCtrlTabPageMenu : public CCustomCtrlTabPage {
public:
    static constexpr int kPageId = 2;
    static constexpr int kTitleString = 12100;
    static constexpr int kHeaderWidth = 78;
    static constexpr int kBackgroundPicture = 278;
    static constexpr int kButtonCount = 6;
    static constexpr int kTopMargin = 10;
    static constexpr int kButtonPitch = 59;
    static constexpr int kButtonWidth = 149;
    static constexpr int kButtonHeight = 49;

    // Button ids in order, with their strip pictures.
    static constexpr std::array<int, kButtonCount> kButtonIds = {3, 4, 5, 6, 7, 8};
    static constexpr std::array<int, kButtonCount> kStripPictures = {255, 250, 252, 253, 254, 251};
    // Whether the button of `id` may be used with `unitCount` registered units.
    static bool IsButtonEnabled(int id, int unitCount);

    explicit CCustomCtrlTabPageMenu(CCustomCtrlBase* parentControl = nullptr);
    ~CCustomCtrlTabPageMenu() override;

    // The page; with a data manager, the six buttons stacked from the top.
    void CreatePage(IControlHost* host, CDrawSurface* canvas, int x, int y, int width,
                    int height) override;
    // The children's Update, then the enabled states from the unit count.
    void Update() override;

    // The button at position `index` (0..5, in id order).
    CCustomCtrlButton& Button(int index) { return m_buttons[static_cast<size_t>(index)]; }

private:
    std::array<CCustomCtrlButton, kButtonCount> m_buttons;
};
