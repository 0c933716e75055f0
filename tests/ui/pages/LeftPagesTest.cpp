// The two pages of the left tab control: the select-device page's buttons
// filled and stacked from the data manager's list, its all button and the
// selection mark; the menu page's six buttons with their pictures and the
// rule that export, delete and CSV output need a registered unit.
#include "PagesFixture.h"

#include "ui/pages/CCustomCtrlTabLeft.h"
#include "ui/pages/CCustomCtrlTabPageMenu.h"
#include "ui/pages/CCustomCtrlTabPageSelectDevice.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using SelectDevice = CCustomCtrlTabPageSelectDevice;
using Menu = CCustomCtrlTabPageMenu;

// The left tab's page origin on the canvas and the buttons' column.
constexpr int kPageX = 3;
constexpr int kPageY = 84;
constexpr int kColumnX = kPageX + 15;

TEST(LeftPageRulesTest, StripsAndConnectionMarks) {
    for (int id = 11; id <= 17; ++id) {
        EXPECT_EQ(SelectDevice::StripPictureFor(id), 170 + id);
    }
    EXPECT_EQ(SelectDevice::StripPictureFor(10), 188);
    struct Case {
        int currentSwitch, outdoorSound, price1;
        int mark;
    };
    for (const Case c : {Case{0, -1, -1, 240}, Case{-1, 0, -1, 426}, Case{-1, -1, 5, 240},
                         Case{-1, -1, -1, 240}, Case{1, 1, 1, 240}}) {
        SettingValues values = UnreportedSettings();
        values[kCurrentSwitch] = c.currentSwitch;
        values[kOutdoorUnitSound] = c.outdoorSound;
        values[kEleBillPlice1] = c.price1;
        EXPECT_EQ(SelectDevice::MarkPictureFor(values), c.mark);
    }
}

TEST(LeftPageRulesTest, MenuButtonsNeedingAUnit) {
    const bool withoutUnits[] = {true, false, false, false, true, true};
    for (size_t k = 0; k < Menu::kButtonIds.size(); ++k) {
        EXPECT_EQ(Menu::IsButtonEnabled(Menu::kButtonIds[k], 0), withoutUnits[k]) << k;
        EXPECT_TRUE(Menu::IsButtonEnabled(Menu::kButtonIds[k], 1)) << k;
        EXPECT_TRUE(Menu::IsButtonEnabled(Menu::kButtonIds[k], 7)) << k;
    }
}

class LeftPagesTest : public PagesFixture {
protected:
    void CreateSelectDevice() {
        m_devices.CreatePage(m_host.get(), &m_canvas, kPageX, kPageY, 200, 472);
    }
    SelectDevice m_devices;
};

TEST_F(LeftPagesTest, DeviceButtonsStackFromTheListWithTheAllButtonBelow) {
    for (const int count : {0, 1, 3, 7}) {
        for (int n = m_manager->GetRemoConCount() + 1; n <= count; ++n) {
            AddUnit(n);
        }
        Reload();
        Select(CDataManager::kAllAircons);
        CreateSelectDevice();
        for (int k = 0; k < SelectDevice::kUnitButtons; ++k) {
            CCustomCtrlButtonDevice& button = m_devices.Button(k);
            EXPECT_EQ(button.Id(), 11 + k);
            EXPECT_EQ(button.IsVisible(), k < count) << count << " " << k;
            if (k < count) {
                EXPECT_EQ(QPoint(button.X(), button.Y()), QPoint(kColumnX, kPageY + 8 + 57 * k));
                EXPECT_EQ(QSize(button.Width(), button.Height()), QSize(149, 49));
                const CRemoConInfo& unit = m_manager->GetRemoConList()[static_cast<size_t>(k)];
                EXPECT_EQ(button.Caption(), QString::fromStdString(unit.model));
                EXPECT_EQ(button.SecondText(), QString::fromStdString(unit.roomName));
                EXPECT_FALSE(button.SecondText().isEmpty());
                EXPECT_FALSE(button.IsConnected());
            }
        }
        CCustomCtrlButtonDevice& all = m_devices.Button(-1);
        EXPECT_EQ(all.Id(), 10);
        EXPECT_TRUE(all.IsVisible());
        EXPECT_EQ(QPoint(all.X(), all.Y()), QPoint(kColumnX, kPageY + 8 + 57 * count)) << count;
        EXPECT_TRUE(all.SecondText().isEmpty());
        EXPECT_EQ(all.HasStrip(), count > 0) << count;
        // Below the all button: a hint in dark text while nothing is
        // registered, nothing once a unit is.
        m_devices.Render();
        const QImage page = m_devices.Surface().Image();
        int dark = 0;
        for (int y = 8 + 49 + 8; y < page.height(); ++y) {
            for (int x = 0; x < page.width(); ++x) {
                const QColor pixel = page.pixelColor(x, y);
                dark += pixel.alpha() > 128 && pixel.lightness() < 100 ? 1 : 0;
            }
        }
        EXPECT_EQ(dark > 200, count == 0) << count << " units, " << dark << " dark pixels";
    }
    // Seven units: from page y + 8 to y + 350, the all button at y + 407.
    EXPECT_EQ(m_devices.Button(6).Y() - kPageY, 350);
    EXPECT_EQ(m_devices.Button(-1).Y() - kPageY, 407);
    EXPECT_EQ(m_devices.Button(0).Caption(), QString::fromLatin1("RAS-1"));
}

TEST_F(LeftPagesTest, TheRequestedSelectionIsTheSelectedButton) {
    for (int n = 1; n <= 3; ++n) {
        AddUnit(n);
    }
    Reload();
    CreateSelectDevice();
    for (const int selection : {0, 2, CDataManager::kAllAircons, 1}) {
        Select(selection);
        m_devices.Update();
        m_devices.Render();
        for (const CCustomCtrlBase* child : m_devices.Children()) {
            const auto* button = static_cast<const CCustomCtrlButtonDevice*>(child);
            EXPECT_EQ(button->IsSelected(), button->Id() == selection + 11)
                << selection << " " << button->Id();
        }
    }
}

TEST_F(LeftPagesTest, OnTheSettingsCheckTheAllButtonLosesItsFaceButStillWorks) {
    CPictureStore::InsertForTest(188, StripPicture(149, 49, 7));
    AddUnitsAndShowAll(2);
    CreateSelectDevice();
    CCustomCtrlButtonDevice& all = m_devices.Button(-1);
    struct Case {
        int page;
        bool face;
    };
    for (const Case c : {Case{20, true}, Case{29, false}, Case{26, true}}) {
        m_manager->SetCurrentPage(c.page);
        m_devices.Update();
        m_devices.Render();
        m_canvas.Fill(QColor(1, 2, 3));
        m_devices.Draw();
        EXPECT_EQ(all.HasStrip(), c.face) << c.page;
        // Frame 4 (selected) fills the corner when the face is drawn.
        EXPECT_EQ(m_canvas.Image().pixelColor(all.X() + 2, all.Y() + 2) == StripColour(4), c.face)
            << c.page;
    }
    m_manager->SetCurrentPage(29);
    m_devices.Update();
    m_host->Take();
    EXPECT_TRUE(Mouse(m_devices, UiMsg::kMouseMove, all.X() + 60, all.Y() + 20) || all.IsHover());
    Mouse(m_devices, UiMsg::kLButtonDown, all.X() + 60, all.Y() + 20);
    Mouse(m_devices, UiMsg::kLButtonUp, all.X() + 60, all.Y() + 20);
    std::vector<uint32_t> commands;
    for (const RecordedMessage& m : m_host->Take()) {
        if (m.message == UiMsg::kCommand) {
            commands.push_back(static_cast<uint32_t>(m.wParam));
        }
    }
    EXPECT_EQ(commands, (std::vector<uint32_t>{10}));
}

TEST_F(LeftPagesTest, MenuButtonsStackWithTheirPicturesAndEnableByUnits) {
    // Each strip in a colour of its own, so the face tells the picture.
    for (const int picture : Menu::kStripPictures) {
        QImage strip(596, 49, QImage::Format_ARGB32);
        strip.fill(QColor(picture - 200, 10, 10));
        CPictureStore::InsertForTest(picture, strip);
    }
    Menu menu;
    menu.CreatePage(m_host.get(), &m_canvas, kPageX, kPageY, 200, 472);
    for (int k = 0; k < Menu::kButtonCount; ++k) {
        CCustomCtrlButton& button = menu.Button(k);
        EXPECT_EQ(button.Id(), 3 + k);
        EXPECT_EQ(QRect(button.X(), button.Y(), button.Width(), button.Height()),
                  QRect(kColumnX, kPageY + 10 + 59 * k, 149, 49));
        EXPECT_EQ(button.HitRect().right, 148);
        EXPECT_EQ(button.HitRect().bottom, 48);
        EXPECT_EQ(button.Surface().Image().pixelColor(5, 5),
                  QColor(Menu::kStripPictures[static_cast<size_t>(k)] - 200, 10, 10));
    }
    EXPECT_EQ(menu.Button(0).Y() - kPageY, 10);
    EXPECT_EQ(menu.Button(5).Y() - kPageY, 305);

    struct Case {
        int units;
        std::vector<bool> enabled;
    };
    for (const Case& c : {Case{0, {true, false, false, false, true, true}},
                          Case{1, {true, true, true, true, true, true}}}) {
        for (int n = m_manager->GetRemoConCount() + 1; n <= c.units; ++n) {
            AddUnit(n);
        }
        Reload();
        menu.Update();
        for (int k = 0; k < Menu::kButtonCount; ++k) {
            EXPECT_EQ(menu.Button(k).IsEnabled(), c.enabled[static_cast<size_t>(k)])
                << c.units << " " << k;
        }
    }
}

TEST_F(LeftPagesTest, MenuWithoutADataManagerHasNoButtons) {
    RecordingHost bare;
    Menu menu;
    menu.CreatePage(&bare, &m_canvas, kPageX, kPageY, 200, 472);
    for (int k = 0; k < Menu::kButtonCount; ++k) {
        EXPECT_TRUE(menu.Button(k).Surface().IsEmpty()) << k;
    }
}

TEST_F(LeftPagesTest, SelectingTheMenuAppliesItsEnabledRule) {
    CCustomCtrlTabLeft left;
    left.Create(m_host.get(), &m_canvas, 3, 58, 200, 498, 10, false);
    left.SelectPage(1);
    EXPECT_EQ(m_manager->GetLeftPage(), 2);
    EXPECT_FALSE(left.MenuPage().Button(1).IsEnabled());
    EXPECT_FALSE(left.MenuPage().Button(2).IsEnabled());
    EXPECT_FALSE(left.MenuPage().Button(3).IsEnabled());
    EXPECT_TRUE(left.MenuPage().Button(0).IsEnabled());

    AddUnit(1);
    Reload();
    left.SelectPage(0);
    left.SelectPage(1);
    for (int k = 0; k < Menu::kButtonCount; ++k) {
        EXPECT_TRUE(left.MenuPage().Button(k).IsEnabled()) << k;
    }
}

} // namespace
