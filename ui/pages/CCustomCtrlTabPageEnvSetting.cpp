#include "ui/pages/CCustomCtrlTabPageEnvSetting.h"

#include "ui/controls/UiMessages.h"

#include <QColor>

namespace {

constexpr int kPagesLeft = 70;
constexpr int kPagesTop = 45;
constexpr int kNavigationTop = 6;
constexpr int kNavigationHeight = 29;
constexpr int kButtonWidth = 84;
constexpr int kPreviousButtonLeft = 267;
constexpr int kNextButtonLeft = 471;
constexpr CHitRect kButtonHit = {0, 0, 81, 25};
constexpr int kLabelsLeft = 363;

const QColor kLabelColour(255, 255, 255);

} // namespace

CCustomCtrlTabPageEnvSetting::CCustomCtrlTabPageEnvSetting(CCustomCtrlBase* parentControl)
    : CCustomCtrlTabPageMainBase(parentControl, kPageId, kTitleStringId, kHeaderWidth,
                                 kBackgroundPicture),
      m_page1(this), m_page2(this), m_page3(this), m_page4(this), m_page5(this),
      m_previousButton(this, kPreviousButtonId), m_nextButton(this, kNextButtonId),
      m_pageNumberLabel(this), m_slashLabel(this), m_pageCountLabel(this),
      m_pageWordLabel(this), m_pages{&m_page1, &m_page2, &m_page3, &m_page4, &m_page5} {
    for (CCustomCtrlEnvSetting* page : m_pages) {
        AddChild(page);
    }
    AddChild(&m_previousButton);
    AddChild(&m_nextButton);
    AddChild(&m_pageNumberLabel);
    AddChild(&m_slashLabel);
    AddChild(&m_pageCountLabel);
    AddChild(&m_pageWordLabel);

    m_pageNumberLabel.SetAlign(CDrawSurface::kAlignCenter);
    m_pageNumberLabel.SetFontSize(14);
    m_slashLabel.SetAlign(CDrawSurface::kAlignCenter);
    m_slashLabel.SetFontSize(12);
    m_slashLabel.SetText(QStringLiteral("/"));
    m_pageCountLabel.SetAlign(CDrawSurface::kAlignCenter);
    m_pageCountLabel.SetFontSize(12);
    m_pageWordLabel.SetAlign(CDrawSurface::kAlignLeft);
    m_pageWordLabel.SetFontSize(14);
    m_pageWordLabel.SetText(QStringLiteral("ページ"));
}

CCustomCtrlTabPageEnvSetting::~CCustomCtrlTabPageEnvSetting() = default;

void CCustomCtrlTabPageEnvSetting::CreatePage(IControlHost* host, CDrawSurface* canvas, int x,
                                              int y, int width, int height) {
    CCustomCtrlTabPageMainBase::CreatePage(host, canvas, x, y, width, height);
    for (CCustomCtrlEnvSetting* page : m_pages) {
        page->CreatePage(host, canvas, x + kPagesLeft, y + kPagesTop,
                         CCustomCtrlEnvSetting::kPageWidth, CCustomCtrlEnvSetting::kPageHeight);
    }
    const int top = y + kNavigationTop;
    m_previousButton.CreateButton(0, kNavigationHeight, kButtonWidth, host, canvas,
                                  x + kPreviousButtonLeft, top, kPreviousStrip, kButtonHit);
    m_nextButton.CreateButton(0, kNavigationHeight, kButtonWidth, host, canvas, x + kNextButtonLeft,
                              top, kNextStrip, kButtonHit);
    int left = x + kLabelsLeft;
    for (auto [label, labelWidth] :
         {std::pair{&m_pageNumberLabel, 14}, std::pair{&m_slashLabel, 20},
          std::pair{&m_pageCountLabel, 12}, std::pair{&m_pageWordLabel, 60}}) {
        label->CreateStatic(host, left, top, canvas, labelWidth, kNavigationHeight);
        left += labelWidth;
    }
    UpdateNavigation();
    // The buttons show their enabled state from the start, not only after the
    // first page change.
    Render();
}

void CCustomCtrlTabPageEnvSetting::UpdateNavigation() {
    for (int i = 0; i < kPageCount; ++i) {
        m_pages[static_cast<size_t>(i)]->SetVisible(i == m_currentIndex);
    }
    m_previousButton.SetEnabled(m_currentIndex != 0);
    m_nextButton.SetEnabled(m_currentIndex != kPageCount - 1);
    m_pageNumberLabel.SetText(QString::number(m_currentIndex + 1));
    m_pageCountLabel.SetText(QString::number(kPageCount));
}

void CCustomCtrlTabPageEnvSetting::Update() {
    Render();
    CCustomCtrlTabPageMainBase::Update();
}

bool CCustomCtrlTabPageEnvSetting::OnMessage(uint32_t message, uintptr_t wParam, intptr_t lParam,
                                             intptr_t& result) {
    const bool answer = CCustomCtrlTabPageMainBase::OnMessage(message, wParam, lParam, result);
    if (message != UiMsg::kCommand) {
        return answer;
    }
    if (wParam == static_cast<uintptr_t>(kPreviousButtonId)) {
        return ChangePage(-1);
    }
    if (wParam == static_cast<uintptr_t>(kNextButtonId)) {
        return ChangePage(+1);
    }
    return answer;
}

bool CCustomCtrlTabPageEnvSetting::ChangePage(int step) {
    const int index = m_currentIndex + step;
    if (index < 0 || index >= kPageCount) {
        return false;
    }
    m_currentIndex = index;
    UpdateNavigation();
    Update();
    Render();
    Draw();
    PostToHost(UiMsg::kRepaint);
    return true;
}

void CCustomCtrlTabPageEnvSetting::Draw() {
    if (m_canvas == nullptr) {
        return;
    }
    const QColor previous = m_canvas->TextColour();
    m_canvas->SetTextColour(kLabelColour);
    CCustomCtrlTabPageMainBase::Draw();
    m_canvas->SetTextColour(previous);
}
