// The tab controls: header layout, the header picture of every state, hover
// and press routing, SelectPage with its redraw request, what the left and
// main tab controls tell the data manager, and the main pages' background
// lying on the same pixels as the tab control's picture.
#include "PagesFixture.h"

#include "ui/pages/CCustomCtrlTab.h"
#include "ui/pages/CCustomCtrlTabLeft.h"
#include "ui/pages/CCustomCtrlTabMain.h"
#include "ui/pages/CCustomCtrlTabPageMainBase.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace {

using Variant = CCustomCtrlTabPage::Variant;

// The main window's places of the two tab controls.
constexpr int kLeftX = 3;
constexpr int kLeftY = 58;
constexpr int kMainX = 206;
constexpr int kMainY = 59;

TEST(TabLayoutTest, HeadersRunFromTheOffsetTwoPixelsApart) {
    struct Case {
        std::vector<int> widths;
        int offset;
        bool column;
        std::vector<QRect> expected;
    };
    const Case cases[] = {
        {{78, 78}, 5, false, {QRect(5, 0, 78, 26), QRect(85, 0, 78, 26)}},
        {{158, 158, 158},
         295,
         false,
         {QRect(295, 0, 158, 26), QRect(455, 0, 158, 26), QRect(615, 0, 158, 26)}},
        {{40, 60}, 0, true, {QRect(0, 0, 26, 40), QRect(0, 42, 26, 60)}},
        {{}, 5, false, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CCustomCtrlTab::LayoutHeaders(c.widths, c.offset, c.column), c.expected)
            << c.offset;
    }
}

TEST(TabHeaderPictureTest, LeftTabByShownPageAndPointer) {
    const std::tuple<int, int, int> cases[] = {
        {9, -1, 280}, {9, 9, 280}, {9, 2, 360}, {2, -1, 278}, {2, 2, 278}, {2, 9, 359}, {5, -1, -1},
    };
    for (const auto& [selected, hovered, picture] : cases) {
        EXPECT_EQ(CCustomCtrlTabLeft::HeaderPictureFor(selected, hovered), picture)
            << selected << " " << hovered;
    }
}

TEST(TabHeaderPictureTest, MainTabByShownPagePointerSettingsAndVariant) {
    struct Case {
        int selected;
        int hovered;
        bool settingsEnabled;
        Variant variant;
        int picture;
    };
    const Case cases[] = {
        {20, 26, true, Variant::kA, 352},     {20, 26, false, Variant::kNone, 353},
        {20, 29, true, Variant::kC, 351},     {20, -1, true, Variant::kA, 283},
        {20, 20, true, Variant::kA, 283},     {20, -1, false, Variant::kNone, 287},
        {26, 20, true, Variant::kB, 355},     {26, 20, false, Variant::kNone, 356},
        {26, 29, true, Variant::kA, 354},     {26, -1, true, Variant::kA, 295},
        {26, 26, false, Variant::kNone, 298}, {29, 20, true, Variant::kC, 451},
        {29, 26, true, Variant::kC, 452},     {29, -1, true, Variant::kC, 453},
        {29, 29, true, Variant::kC, 453},     {29, 20, true, Variant::kA, 358},
        {29, 26, true, Variant::kB, 357},     {29, -1, true, Variant::kNone, 350},
        {29, -1, true, Variant::kA, 350},     {7, -1, true, Variant::kA, -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CCustomCtrlTabMain::HeaderPictureFor(c.selected, c.hovered, c.settingsEnabled,
                                                       c.variant),
                  c.picture)
            << c.selected << " " << c.hovered << " " << c.settingsEnabled;
    }
}

TEST(TabHeaderPictureTest, SettingsVariantFromTheReportedValues) {
    struct Case {
        int currentSwitch;
        int outdoorSound;
        int price1;
        Variant variant;
    };
    const Case cases[] = {
        {0, 0, 0, Variant::kA},   {1, -1, -1, Variant::kA},  {-1, 0, 0, Variant::kC},
        {-1, 2, -1, Variant::kC}, {-1, -1, 27, Variant::kB}, {-1, -1, -1, Variant::kNone},
    };
    for (const Case& c : cases) {
        SettingValues values = UnreportedSettings();
        values[kCurrentSwitch] = c.currentSwitch;
        values[kOutdoorUnitSound] = c.outdoorSound;
        values[kEleBillPlice1] = c.price1;
        EXPECT_EQ(CCustomCtrlTabPage::SettingsVariant(values), c.variant)
            << c.currentSwitch << " " << c.outdoorSound << " " << c.price1;
    }
}

class TabControlTest : public PagesFixture {
protected:
    void CreateLeft() {
        m_left.Create(m_host.get(), &m_canvas, kLeftX, kLeftY, 200, 498, 10, false);
        m_host->Take();
    }
    void CreateMain() {
        m_main.Create(m_host.get(), &m_canvas, kMainX, kMainY, 802, 498, 10, false);
        m_main.Update();
        m_main.Render();
        m_host->Take();
    }
    // A canvas point inside header `index` of a tab control at (x, y).
    static QPoint InHeader(const CCustomCtrlTab& tab, int index) {
        const QRect& rect = tab.HeaderRects()[static_cast<size_t>(index)];
        return {tab.X() + rect.left() + 10, tab.Y() + rect.top() + 10};
    }

    CCustomCtrlTabLeft m_left;
    CCustomCtrlTabMain m_main;
};

TEST_F(TabControlTest, PagesLieBelowTheHeadersAndOnlyTheFirstIsShown) {
    CreateLeft();
    CreateMain();
    struct Case {
        CCustomCtrlTab* tab;
        int x;
        int y;
        int firstLeft;
    };
    for (const Case& c : {Case{&m_left, kLeftX, kLeftY, 5}, Case{&m_main, kMainX, kMainY, 295}}) {
        ASSERT_GT(c.tab->PageCount(), 1);
        EXPECT_EQ(c.tab->SelectedIndex(), 0);
        EXPECT_EQ(c.tab->HeaderRects().front().left(), c.firstLeft);
        for (int i = 0; i < c.tab->PageCount(); ++i) {
            const CCustomCtrlTabPage* page = c.tab->Page(i);
            EXPECT_EQ(QRect(page->X(), page->Y(), page->Width(), page->Height()),
                      QRect(c.x, c.y + 26, c.tab->Width(), 472))
                << page->PageId();
            EXPECT_EQ(page->IsVisible(), i == 0) << page->PageId();
            EXPECT_EQ(c.tab->HeaderRects()[static_cast<size_t>(i)].width(), page->HeaderWidth());
        }
    }
    EXPECT_EQ(m_left.Page(0)->PageId(), 9);
    EXPECT_EQ(m_left.Page(1)->PageId(), 2);
    EXPECT_EQ(m_main.Page(0)->PageId(), 20);
    EXPECT_EQ(m_main.Page(1)->PageId(), 26);
    EXPECT_EQ(m_main.Page(2)->PageId(), 29);
    EXPECT_EQ(m_left.Page(0)->Title(), QString::fromUtf8("エアコン選択"));
    EXPECT_EQ(m_main.Page(2)->Title(), QString::fromUtf8("エアコン設定確認"));
    EXPECT_EQ(m_left.LoadedHeaderPicture(), 280);
    EXPECT_EQ(m_main.LoadedHeaderPicture(), 287); // nothing registered: all, settings disabled
}

TEST_F(TabControlTest, HoverOverAHeaderCapturesTheMouseAndChangesThePicture) {
    CreateLeft();
    const QPoint menu = InHeader(m_left, 1);

    EXPECT_TRUE(Mouse(m_left, UiMsg::kMouseMove, menu.x(), menu.y()));
    std::vector<RecordedMessage> messages = m_host->Take();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].message, UiMsg::kCapture);
    EXPECT_EQ(messages[0].wParam, m_left.ControlParam());
    EXPECT_TRUE(messages[0].sent);
    EXPECT_EQ(messages[1].message, UiMsg::kRedrawNow);
    EXPECT_EQ(m_left.HoveredPageId(), 2);
    EXPECT_EQ(m_left.LoadedHeaderPicture(), 360);

    // Within the same header nothing changes and nothing is asked.
    EXPECT_TRUE(Mouse(m_left, UiMsg::kMouseMove, menu.x() + 20, menu.y()));
    EXPECT_TRUE(m_host->TakeNumbers().empty());

    // Down into the page area: the hover goes and the mouse is given back.
    EXPECT_FALSE(Mouse(m_left, UiMsg::kMouseMove, menu.x(), kLeftY + 300));
    EXPECT_EQ(m_host->TakeNumbers(),
              (std::vector<uint32_t>{UiMsg::kReleaseCapture, UiMsg::kRedrawNow}));
    EXPECT_EQ(m_left.HoveredPageId(), -1);
    EXPECT_EQ(m_left.LoadedHeaderPicture(), 280);

    // Leaving the control from a header releases too.
    EXPECT_TRUE(Mouse(m_left, UiMsg::kMouseMove, menu.x(), menu.y()));
    m_host->Take();
    EXPECT_FALSE(Mouse(m_left, UiMsg::kMouseMove, 600, 300));
    EXPECT_EQ(m_host->TakeNumbers(),
              (std::vector<uint32_t>{UiMsg::kReleaseCapture, UiMsg::kRedrawNow}));
    EXPECT_EQ(m_left.HoveredPageId(), -1);

    // Losing activation drops a header hover like a move away.
    EXPECT_TRUE(Mouse(m_left, UiMsg::kMouseMove, menu.x(), menu.y()));
    m_host->Take();
    intptr_t result = 0;
    m_left.OnMessage(UiMsg::kResetHover, 0, 0, result);
    EXPECT_EQ(m_host->TakeNumbers(),
              (std::vector<uint32_t>{UiMsg::kReleaseCapture, UiMsg::kRedrawNow}));
    EXPECT_EQ(m_left.HoveredPageId(), -1);
    EXPECT_EQ(m_left.LoadedHeaderPicture(), 280);

    // Outside without a hover: the page sees it, the tab asks nothing.
    EXPECT_FALSE(Mouse(m_left, UiMsg::kMouseMove, 600, 300));
    EXPECT_TRUE(m_host->TakeNumbers().empty());
}

TEST_F(TabControlTest, PressOnAnotherHeaderSelectsItAndAsksForAFullRedraw) {
    AddUnitsAndShowAll(1);
    CreateLeft();
    const QPoint menu = InHeader(m_left, 1);
    const QPoint devices = InHeader(m_left, 0);

    // The shown page's own header: consumed, nothing happens.
    EXPECT_TRUE(Mouse(m_left, UiMsg::kLButtonDown, devices.x(), devices.y()));
    EXPECT_FALSE(Has(m_host->TakeNumbers(), UiMsg::kFullRedraw));

    EXPECT_TRUE(Mouse(m_left, UiMsg::kLButtonDown, menu.x(), menu.y()));
    std::vector<RecordedMessage> messages = m_host->Take();
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages.back().message, UiMsg::kFullRedraw);
    EXPECT_FALSE(messages.back().sent);
    EXPECT_EQ(m_left.SelectedIndex(), 1);
    EXPECT_FALSE(m_left.Page(0)->IsVisible());
    EXPECT_TRUE(m_left.Page(1)->IsVisible());
    EXPECT_EQ(m_manager->GetLeftPage(), 2);
    EXPECT_EQ(m_left.LoadedHeaderPicture(), 278);

    EXPECT_TRUE(Mouse(m_left, UiMsg::kLButtonDown, devices.x(), devices.y()));
    EXPECT_TRUE(Has(m_host->TakeNumbers(), UiMsg::kFullRedraw));
    EXPECT_EQ(m_manager->GetLeftPage(), 9);
    EXPECT_TRUE(m_left.Page(0)->IsVisible());
    EXPECT_FALSE(m_left.Page(1)->IsVisible());
}

TEST_F(TabControlTest, PageAreaInputGoesToTheShownPage) {
    AddUnitsAndShowAll(1);
    CreateLeft();
    m_left.Update();
    const CCustomCtrlBase& button = m_left.SelectDevicePage().Button(0);
    const int x = button.X() + 40;
    const int y = button.Y() + 20;

    // The page hears the move (its answer is its last child's, the all
    // button, which the pointer is not over).
    Mouse(m_left, UiMsg::kMouseMove, x, y);
    EXPECT_EQ(m_host->TakeNumbers().front(), UiMsg::kCapture);
    EXPECT_TRUE(m_left.SelectDevicePage().Button(0).IsHover());
    EXPECT_EQ(m_left.HoveredPageId(), -1);

    // Press and release on the device button: its command, no page change.
    EXPECT_TRUE(Mouse(m_left, UiMsg::kLButtonDown, x, y));
    Mouse(m_left, UiMsg::kLButtonUp, x, y);
    std::vector<RecordedMessage> messages = m_host->Take();
    const auto command =
        std::find_if(messages.begin(), messages.end(),
                     [](const RecordedMessage& m) { return m.message == UiMsg::kCommand; });
    ASSERT_NE(command, messages.end());
    EXPECT_EQ(command->wParam, 11u);
    EXPECT_EQ(m_left.SelectedIndex(), 0);

    // Any other message reaches the page too: the reset drops the hover.
    intptr_t result = 0;
    m_left.OnMessage(UiMsg::kResetHover, 0, 0, result);
    EXPECT_FALSE(m_left.SelectDevicePage().Button(0).IsHover());
}

TEST_F(TabControlTest, MainTabEnablesTheSettingsCheckOnlyForOneUnit) {
    AddUnit(1);
    Reload(); // the first load selects entry 0
    CreateMain();
    EXPECT_TRUE(m_main.SettingsPage().IsEnabled());
    EXPECT_EQ(m_main.LoadedHeaderPicture(), 283);

    Select(CDataManager::kAllAircons);
    m_main.Update();
    m_main.Render();
    EXPECT_FALSE(m_main.SettingsPage().IsEnabled());
    EXPECT_EQ(m_main.LoadedHeaderPicture(), 287);

    // A disabled header neither hovers nor selects.
    const QPoint settings = InHeader(m_main, 2);
    EXPECT_FALSE(Mouse(m_main, UiMsg::kMouseMove, settings.x(), settings.y()));
    EXPECT_EQ(m_main.HoveredPageId(), -1);
    EXPECT_TRUE(Mouse(m_main, UiMsg::kLButtonDown, settings.x(), settings.y()));
    EXPECT_EQ(m_main.SelectedIndex(), 0);
    EXPECT_FALSE(Has(m_host->TakeNumbers(), UiMsg::kFullRedraw));

    const QPoint graph = InHeader(m_main, 1);
    EXPECT_TRUE(Mouse(m_main, UiMsg::kMouseMove, graph.x(), graph.y()));
    EXPECT_EQ(m_main.LoadedHeaderPicture(), 353);
    EXPECT_TRUE(Mouse(m_main, UiMsg::kLButtonDown, graph.x(), graph.y()));
    EXPECT_TRUE(Has(m_host->TakeNumbers(), UiMsg::kFullRedraw));
    EXPECT_EQ(m_main.SelectedIndex(), 1);
    EXPECT_EQ(m_manager->GetCurrentPage(), 26);
    EXPECT_EQ(m_main.LoadedHeaderPicture(), 298);
}

TEST_F(TabControlTest, SettingsCheckPicturesFollowTheSelectedUnitsVariant) {
    const std::string mac = AddUnit(1); // variant A
    Reload();
    CreateMain();
    m_main.SelectPage(2);
    EXPECT_EQ(m_manager->GetCurrentPage(), 29);
    EXPECT_EQ(m_main.LoadedHeaderPicture(), 350);

    // The same unit's remote controller now reports the variant-C values.
    CDbSettingInfoData settings;
    settings.macAddress = mac;
    settings.values = m_manager->GetRemoConList().front().settings;
    settings.values[kCurrentSwitch] = kSettingNotReported;
    settings.values[kOutdoorUnitSound] = 0;
    settings.values[kSideFan] = 0;
    ASSERT_EQ(m_manager->SetSettingInfo(settings), 0);
    Reload();
    m_main.Render();
    EXPECT_EQ(m_main.LoadedHeaderPicture(), 453);
    const QPoint calendar = InHeader(m_main, 0);
    EXPECT_TRUE(Mouse(m_main, UiMsg::kMouseMove, calendar.x(), calendar.y()));
    EXPECT_EQ(m_main.LoadedHeaderPicture(), 451);
}

// A tab control that always shows one picture, over a main page.
class PictureTab : public CCustomCtrlTab {
public:
    explicit PictureTab(int pictureId) : m_pictureId(pictureId) {}
    int GetHeaderPicture() override { return m_pictureId; }

private:
    int m_pictureId;
};

// The page copies the tab's current picture, also where it is not the page's
// own background (the settings page of a variant-C unit: tab 453, page 350).
TEST_F(TabControlTest, MainPageBackgroundLiesOnTheTabPicturesPixels) {
    const QImage picture = PositionPicture(796, 490);
    QImage other(796, 490, QImage::Format_ARGB32_Premultiplied);
    other.fill(QColor(9, 99, 199));
    const struct {
        int tabPicture;
        int pageBackground;
    } cases[] = {{283, 283}, {453, 350}};
    for (const auto& c : cases) {
        CPictureStore::Clear();
        CPictureStore::InsertForTest(c.tabPicture, picture);
        if (c.pageBackground != c.tabPicture) {
            CPictureStore::InsertForTest(c.pageBackground, other);
        }
        PictureTab tab(c.tabPicture);
        CCustomCtrlTabPageMainBase page(&tab, 20, 13100, 158, c.pageBackground);
        tab.AddPage(&page);
        tab.Create(m_host.get(), &m_canvas, kMainX, kMainY, 802, 498, 10, false);
        m_canvas.Fill(QColor(1, 2, 3));
        tab.Draw();

        // Points of the page area clear of its buttons: the page's own copy and
        // the canvas both show the picture pixel at the point's place in the tab.
        for (const QPoint local :
             {QPoint(0, 0), QPoint(30, 200), QPoint(795, 300), QPoint(700, 463), QPoint(5, 10)}) {
            const QColor expected = picture.pixelColor(local.x(), local.y() + 26);
            EXPECT_EQ(page.Surface().Image().pixelColor(local), expected)
                << c.tabPicture << " " << local.x() << "," << local.y();
            EXPECT_EQ(m_canvas.Image().pixelColor(kMainX + local.x(), kMainY + 26 + local.y()),
                      expected)
                << c.tabPicture << " " << local.x() << "," << local.y();
        }
        // The header strip comes from the tab control alone.
        EXPECT_EQ(m_canvas.Image().pixelColor(kMainX + 300, kMainY + 5),
                  picture.pixelColor(300, 5));
        // Below the picture's last row the page leaves the canvas alone.
        EXPECT_EQ(m_canvas.Image().pixelColor(kMainX + 30, kMainY + 26 + 470), QColor(1, 2, 3));
    }
}

} // namespace
