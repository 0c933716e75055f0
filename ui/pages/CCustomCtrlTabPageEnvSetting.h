#pragma once

#include "ui/controls/CCustomCtrlButton.h"
#include "ui/controls/CCustomCtrlStatic.h"
#include "ui/pages/CCustomCtrlEnvSettingPage1.h"
#include "ui/pages/CCustomCtrlEnvSettingPage2.h"
#include "ui/pages/CCustomCtrlEnvSettingPage3.h"
#include "ui/pages/CCustomCtrlEnvSettingPage4.h"
#include "ui/pages/CCustomCtrlEnvSettingPage5.h"
#include "ui/pages/CCustomCtrlTabPageMainBase.h"

#include <array>

// The settings-check tab of the main window: the five pages of settings last
// read from the selected air conditioner, one shown at a time, with the
// previous/next buttons and the "n / 5 ページ" line above them. The buttons post
// their ids (30, 31) to the main window, which hands the command back here
// through OnMessage.
class CCustomCtrlTabPageEnvSetting : public CCustomCtrlTabPageMainBase {
public:
    static constexpr int kPageId = 29;
    static constexpr int kTitleStringId = 13300; // "エアコン設定確認"
    static constexpr int kHeaderWidth = 158;
    static constexpr int kBackgroundPicture = 350;
    static constexpr int kPreviousButtonId = 30;
    static constexpr int kNextButtonId = 31;
    static constexpr int kPreviousStrip = 258;
    static constexpr int kNextStrip = 257;
    static constexpr int kPageCount = 5;

    explicit CCustomCtrlTabPageEnvSetting(CCustomCtrlBase* parentControl = nullptr);
    ~CCustomCtrlTabPageEnvSetting() override;

    // The main page frame, the five pages at (x + 70, y + 45), the two
    // buttons and the four labels, then the navigation state.
    void CreatePage(IControlHost* host, CDrawSurface* canvas, int x, int y, int width,
                    int height) override;
    // Renders itself, then updates every child (the pages refill their rows).
    void Update() override;
    // The children first; then the page commands 30 and 31.
    bool OnMessage(uint32_t message, uintptr_t wParam, intptr_t lParam, intptr_t& result) override;
    // The labels are written in white onto the canvas.
    void Draw() override;

    int CurrentIndex() const { return m_currentIndex; }
    CCustomCtrlEnvSetting& Page(int index) { return *m_pages[static_cast<size_t>(index)]; }
    CCustomCtrlButton& PreviousButton() { return m_previousButton; }
    CCustomCtrlButton& NextButton() { return m_nextButton; }
    CCustomCtrlStatic& PageNumberLabel() { return m_pageNumberLabel; }
    CCustomCtrlStatic& SlashLabel() { return m_slashLabel; }
    CCustomCtrlStatic& PageCountLabel() { return m_pageCountLabel; }
    CCustomCtrlStatic& PageWordLabel() { return m_pageWordLabel; }

private:
    // Shows the current page only, enables the buttons that lead somewhere and
    // writes the page number.
    void UpdateNavigation();
    // One page back (-1) or on (+1); false at either end.
    bool ChangePage(int step);

    CCustomCtrlEnvSettingPage1 m_page1;
    CCustomCtrlEnvSettingPage2 m_page2;
    CCustomCtrlEnvSettingPage3 m_page3;
    CCustomCtrlEnvSettingPage4 m_page4;
    CCustomCtrlEnvSettingPage5 m_page5;
    CCustomCtrlButton m_previousButton;
    CCustomCtrlButton m_nextButton;
    CCustomCtrlStatic m_pageNumberLabel;
    CCustomCtrlStatic m_slashLabel;
    CCustomCtrlStatic m_pageCountLabel;
    CCustomCtrlStatic m_pageWordLabel;
    std::array<CCustomCtrlEnvSetting*, kPageCount> m_pages;
    int m_currentIndex = 0;
};
