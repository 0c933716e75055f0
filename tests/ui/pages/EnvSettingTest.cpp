// The fixture's MAC text fits for every unit number a test uses; GCC cannot
// see that from here and warns at -O2.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-truncation"
#include "data/DataManagerFixture.h"
#pragma GCC diagnostic pop
#include "ui/RecordingHost.h"

#include "data/CDataManagerConvert.h"
#include "support/SimSettingValues.h"
#include "ui/controls/UiMessages.h"
#include "ui/draw/CPictureStore.h"
#include "ui/pages/CCustomCtrlTabPageEnvSetting.h"

#include <QColor>
#include <QImage>

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

namespace {

constexpr int kTabX = 206;
constexpr int kTabY = 85;
constexpr int kPagesX = kTabX + 70;
constexpr int kPagesY = kTabY + 45;

using Page = CCustomCtrlEnvSetting;

// Every picture the pages use, with its stand-in size.
struct PictureSize {
    int first;
    int last;
    int width;
    int height;
};
const std::vector<PictureSize>& StandInSizes() {
    static const std::vector<PictureSize> sizes = {
        {227, 239, 36, 36},  {441, 446, 36, 36},  {383, 384, 36, 36}, {390, 404, 120, 40},
        {447, 450, 120, 40}, {405, 422, 372, 78}, {437, 440, 372, 78}};
    return sizes;
}

// A distinct opaque colour per picture id, never the key colour and never dark,
// so the dark value text stands out on every picture.
QColor ColourOf(int pictureId) {
    return QColor(160 + (pictureId * 37) % 90, 160 + (pictureId * 53) % 90,
                  160 + (pictureId * 71) % 90);
}

const QColor kBackground(210, 210, 210);
const QColor kValueBox(250, 240, 200);
const QColor kTallValueBox(200, 240, 250);
const QColor kTabBackground(0, 0, 80);

QImage Solid(int width, int height, const QColor& colour) {
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}

QColor PixelOf(const CCustomCtrlBase& control, int x, int y) {
    return control.Surface().Image().pixelColor(x, y);
}

// The pixels of value text: far darker than every picture behind it.
bool IsText(const QColor& colour) {
    return colour.alpha() == 255 && qGray(colour.rgb()) < 150;
}

// Bounding box of the text pixels inside `area` of the control's surface;
// empty without text.
QRect TextBounds(const CCustomCtrlBase& control, const QRect& area) {
    QRect bounds;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (IsText(PixelOf(control, x, y))) {
                bounds = bounds.united(QRect(x, y, 1, 1));
            }
        }
    }
    return bounds;
}

// What each row of the five pages shows, page by page: the value text, or
// null for a hidden row.
using PagesExpect = std::vector<std::vector<const char*>>;

class EnvSettingTest : public DataManagerFixture {
protected:
    void SetUp() override {
        DataManagerFixture::SetUp();
        CDrawSurface::SetDpiFactor(1.0);
        CPictureStore::Clear();
        for (const PictureSize& size : StandInSizes()) {
            for (int id = size.first; id <= size.last; ++id) {
                CPictureStore::InsertForTest(id, Solid(size.width, size.height, ColourOf(id)));
            }
        }
        CPictureStore::InsertForTest(Page::kBackgroundPicture, Solid(698, 380, kBackground));
        CPictureStore::InsertForTest(Page::kValueBoxPicture, Solid(142, 38, kValueBox));
        CPictureStore::InsertForTest(Page::kTallValueBoxPicture, Solid(142, 74, kTallValueBox));
        // A dark tab background and button strips, so the white labels show.
        CPictureStore::InsertForTest(CCustomCtrlTabPageEnvSetting::kBackgroundPicture,
                                     Solid(796, 490, kTabBackground));
        CPictureStore::InsertForTest(257, Solid(336, 29, kTabBackground));
        CPictureStore::InsertForTest(258, Solid(336, 29, kTabBackground));
        m_host = std::make_unique<RecordingHost>(m_manager.get());
        ASSERT_TRUE(m_canvas.CreateSurface(1020, 578));
        m_tab.CreatePage(m_host.get(), &m_canvas, kTabX, kTabY, 802, 472);
        m_host->Take();
    }
    void TearDown() override { CPictureStore::Clear(); }

    // The settings record the simulator sends for `variant`, edited, as the
    // data manager stores it.
    SettingValues SimSettings(char variant,
                              const std::function<void(std::vector<uint8_t>&)>& edit = {}) {
        return SimSettingValues(variant, m_clock, edit);
    }

    // Registers unit n with those settings and selects it.
    void SelectUnit(int n, const SettingValues& values, const std::string& roomCode = "L") {
        CDbModelInfoData model;
        model.macAddress = Mac(n);
        model.model = "RAS-" + std::to_string(n);
        model.roomCode = roomCode;
        ASSERT_EQ(m_manager->SetModelInfo(model), 0);
        CDbSettingInfoData settings;
        settings.macAddress = Mac(n);
        settings.values = values;
        ASSERT_EQ(m_manager->SetSettingInfo(settings), 0);
        Reload();
        ASSERT_TRUE(m_manager->SetRequestedSelection(IndexOf(Mac(n))));
        m_tab.Update();
    }

    // A record as the pages would get it, without the database.
    static CRemoConInfo Record(const SettingValues& values, const std::string& room = "リビング1") {
        CRemoConInfo record;
        record.macAddress = "0011223344556601";
        record.roomName = room;
        record.settings = values;
        return record;
    }

    const EnvSettingRow& RowOf(int page, int row) { return m_tab.Page(page - 1).Row(row - 1); }

    void ExpectRows(const PagesExpect& pages, const std::string& context) {
        ASSERT_EQ(pages.size(), 5u);
        for (int page = 1; page <= 5; ++page) {
            const std::vector<const char*>& rows = pages[static_cast<size_t>(page - 1)];
            ASSERT_EQ(static_cast<int>(rows.size()), m_tab.Page(page - 1).RowCount());
            for (int row = 1; row <= static_cast<int>(rows.size()); ++row) {
                const char* value = rows[static_cast<size_t>(row - 1)];
                const std::string where =
                    context + " page " + std::to_string(page) + " row " + std::to_string(row);
                EXPECT_EQ(RowOf(page, row).shown, value != nullptr) << where;
                if (value != nullptr) {
                    EXPECT_EQ(RowOf(page, row).value.toStdString(), value) << where;
                }
            }
        }
    }

    void FillAll(const CRemoConInfo* record) {
        for (int page = 0; page < CCustomCtrlTabPageEnvSetting::kPageCount; ++page) {
            m_tab.Page(page).Fill(record);
        }
    }

    // Every shown row of every page: none shows "---".
    void ExpectNoMissingValue(const std::string& context) {
        for (int page = 1; page <= CCustomCtrlTabPageEnvSetting::kPageCount; ++page) {
            for (int row = 1; row <= m_tab.Page(page - 1).RowCount(); ++row) {
                if (RowOf(page, row).shown) {
                    EXPECT_NE(RowOf(page, row).value, QStringLiteral("---"))
                        << context << " page " << page << " row " << row;
                }
            }
        }
    }

    std::unique_ptr<RecordingHost> m_host;
    CDrawSurface m_canvas;
    CCustomCtrlTabPageEnvSetting m_tab;
};

TEST_F(EnvSettingTest, SimulatorRecordsFillEveryRowWithItsTextsAndPictures) {
    struct Case {
        char variant;
        Page::Variant expected;
        const char* room;
        PagesExpect pages;
        // Icons of 2-4 and 4-1, explanations of 1-1, 1-2 and 3-1.
        std::array<int, 5> pictures;
    };
    // clang-format off
    const std::vector<Case> cases = {
        {'A', Page::Variant::kA, "L",
         {{"操作時表示", "オートオフ３時間", "入", "入"}, {"標準", "入", "3/7", nullptr},
          {"27円", "切", "切", "中央"}, {"リビング", nullptr, nullptr},
          {"標準", nullptr, nullptr, nullptr}},
         {383, 238, 420, 422, 421}},
        {'B', Page::Variant::kB, "B",
         {{"表示する", "オートオフ 長め", "切", "入"}, {nullptr, "入", "3/7", "入"},
          {"10:00～ 7:00 30円\n\n上記以外の時間帯 27円", "切", "切", "中央"},
          {"寝室部屋", "低電力", nullptr}, {"標準", nullptr, nullptr, nullptr}},
         {383, 238, 409, 408, 410}},
        {'C', Page::Variant::kC, "O",
         {{"表示する", "オートオフ 長め", "切", "入"}, {nullptr, "入", "3/7", "入"},
          {"10:00～ 7:00 75円\n\n上記以外の時間帯 60円", "切", "切", "中央"},
          {"その他", "低電力", nullptr}, {"標準", "入", "切", "再熱除湿"}},
         {445, 444, 409, 408, 410}}};
    // clang-format on
    int unit = 1;
    for (const Case& c : cases) {
        const std::string context = std::string("variant ") + c.variant;
        SelectUnit(unit++, SimSettings(c.variant), c.room);
        ExpectRows(c.pages, context);
        ExpectNoMissingValue(context);
        for (int page = 0; page < CCustomCtrlTabPageEnvSetting::kPageCount; ++page) {
            EXPECT_EQ(m_tab.Page(page).CurrentVariant(), c.expected) << context;
            for (int row = 0; row < m_tab.Page(page).RowCount(); ++row) {
                EXPECT_EQ(m_tab.Page(page).Row(row).variant.toStdString(),
                          std::string(1, c.variant))
                    << context;
            }
        }
        const std::array<int, 5> chosen = {
            RowOf(2, 4).iconId, RowOf(4, 1).iconId, m_tab.Page(0).ExplanationIdOf(0),
            m_tab.Page(0).ExplanationIdOf(1), m_tab.Page(2).ExplanationIdOf(0)};
        EXPECT_EQ(chosen, c.pictures) << context;
        EXPECT_EQ(RowOf(3, 1).label.toStdString(), "電気代単価[kWh]");
        EXPECT_TRUE(RowOf(3, 2).label.isEmpty());
    }
    // Back from C, the ordinary icons return.
    SelectUnit(unit++, SimSettings('B'));
    EXPECT_EQ(RowOf(2, 4).iconId, 383);
    EXPECT_EQ(RowOf(4, 1).iconId, 238);

    // Every accepted value of a byte, one edit at a time: a shown row never
    // falls back to "---" where the record holds a value.
    struct Edit {
        char variant;
        size_t byte;
        std::vector<uint8_t> values;
    };
    const std::vector<Edit> edits = {{'A', 0, {0, 1, 7, 0xFF}},
                                     {'A', 1, {0, 0xFF}},
                                     {'A', 2, {1, 2}},
                                     {'A', 7, {1}},
                                     {'A', 8, {0, 2}},
                                     {'A', 9, {1, 50}},
                                     {'A', 10, {1, 3}},
                                     {'A', 11, {0, 2}},
                                     {'B', 2, {1, 2, 3}},
                                     {'B', 8, {2}},
                                     {'B', 9, {1}},
                                     {'B', 11, {0, 2}},
                                     {'B', 15, {0, 2}},
                                     {'B', 12, {0xFF}},
                                     {'C', 11, {0xFF}},
                                     {'C', 15, {0, 2}},
                                     {'C', 20, {1}},
                                     {'C', 21, {0, 0xFF}},
                                     {'C', 23, {1, 0xFF}},
                                     {'C', 7, {0}},
                                     {'C', 1, {0xFF}}};
    for (const Edit& edit : edits) {
        for (const uint8_t value : edit.values) {
            m_manager->DeleteModelData(Mac(unit - 1)); // stay below seven units
            SelectUnit(unit++, SimSettings(edit.variant, [&](std::vector<uint8_t>& record) {
                           record[edit.byte] = value;
                       }));
            ExpectNoMissingValue(std::string("variant ") + edit.variant + " byte " +
                                 std::to_string(edit.byte) + " = " + std::to_string(value));
        }
    }
}

TEST_F(EnvSettingTest, WithoutSettingsEveryValueIsMissingAndTheVariantRowsAreHidden) {
    const PagesExpect noVariant = {{"---", "---", "---", "---"},
                                   {nullptr, "---", "---", nullptr},
                                   {"---", "---", "---", "---"},
                                   {"---", nullptr, nullptr},
                                   {nullptr, nullptr, nullptr, nullptr}};
    SelectUnit(1, SimSettings('C'));
    // All air conditioners together: a record without settings.
    ASSERT_TRUE(m_manager->SetRequestedSelection(CDataManager::kAllAircons));
    m_tab.Update();
    ExpectRows(noVariant, "all air conditioners");
    for (int page = 0; page < CCustomCtrlTabPageEnvSetting::kPageCount; ++page) {
        EXPECT_EQ(m_tab.Page(page).CurrentVariant(), Page::Variant::kNone);
        for (int row = 0; row < m_tab.Page(page).RowCount(); ++row) {
            EXPECT_TRUE(m_tab.Page(page).Row(row).variant.isEmpty());
            EXPECT_EQ(m_tab.Page(page).ExplanationIdOf(row),
                      m_tab.Page(page).Row(row).explanationAId);
        }
    }
    EXPECT_FALSE(m_tab.Page(2).LayoutOf(0).tall);

    // No record at all: the same, not what the unit before showed.
    SelectUnit(2, SimSettings('C'));
    FillAll(nullptr);
    ExpectRows(noVariant, "no record");
}

TEST_F(EnvSettingTest, EachValueIsWordedOrHiddenAsItsRowSays) {
    struct Case {
        char variant;
        SettingColumn column;
        int32_t value;
        int page, row;
        const char* text; // null: the row is hidden
    };
    // clang-format off
    const std::vector<Case> cases = {
        {'A', kEleBillDisplay, 0, 1, 1, "常時表示"}, {'A', kEleBillDisplay, 2, 1, 1, "表示しない"},
        {'A', kEleBillDisplay, 3, 1, 1, "---"}, {'B', kEleBillDisplay, 1, 1, 1, "---"},
        {'C', kEleBillDisplay, 2, 1, 1, "表示しない"}, {'A', kEcoSwitch, 1, 1, 2, "オートセーブ"},
        {'A', kEcoSwitch, 2, 1, 2, "オートオフ１時間"}, {'A', kEcoSwitch, 3, 1, 2, "---"},
        {'B', kEcoSwitch, 2, 1, 2, "オートオフ 短め"}, {'C', kEcoSwitch, 3, 1, 2, "オートオンオフ"},
        {'C', kEcoSwitch, 4, 1, 2, "---"}, {'B', kPlasmaIon, 2, 1, 3, "---"},
        {'C', kInternalClean, 0, 1, 4, "切"}, {'A', kCurrentSwitch, 1, 2, 1, "控えめ"},
        {'A', kCurrentSwitch, 2, 2, 1, "---"}, {'B', kVoice, 255, 2, 2, nullptr},
        {'C', kVoice, 2, 2, 2, "---"}, {'A', kVolume, 0, 2, 3, "消音"},
        {'B', kVolume, 5, 2, 3, "5/7"}, {'A', kVolume, 254, 2, 3, "254/7"},
        {'A', kVolume, 255, 2, 3, nullptr}, {'B', kVolume, 300, 2, 3, nullptr},
        {'C', kVolume, -1, 2, 3, "---"}, {'C', kVolume, -5, 2, 3, "---"},
        {'B', kRemoconSensor, 0, 2, 4, "切"}, {'A', kRemoconSensor, 1, 2, 4, nullptr},
        {'A', kEleBillPlice, 1, 3, 1, "1円"}, {'A', kEleBillPlice, -1, 3, 1, "---"},
        {'B', kEleBillPatern, 0, 3, 1, "標準 27円"}, {'C', kEleBillPatern, 0, 3, 1, "標準 60円"},
        {'B', kEleBillPatern, 3, 3, 1, "---"}, {'A', kEnergyFan, 1, 3, 2, "入"},
        {'B', kEleBillPatern, 2, 3, 1, " 7:00～17:00 27円\n10:00～22:00 30円\n"
                                      "上記以外の時間帯 20円"},
        {'C', kAutomaticPowerful, -1, 3, 3, "---"}, {'A', kInstPos, 1, 3, 4, "右"},
        {'B', kInstPos, 3, 3, 4, "左"}, {'C', kInstPos, 0, 3, 4, "---"},
        {'B', kReceivingMode, 1, 4, 2, "標準"}, {'C', kReceivingMode, 2, 4, 2, "---"},
        {'A', kReceivingMode, 0, 4, 2, nullptr}, {'C', kRemoconDisplayTime, 0, 4, 3, nullptr},
        {'A', kMaintenance, 0, 5, 1, "短め"}, {'B', kMaintenance, 2, 5, 1, "長め"},
        {'C', kMaintenance, 255, 5, 1, nullptr}, {'C', kMaintenance, 3, 5, 1, "---"},
        {'C', kSideFan, 0, 5, 2, "切"}, {'C', kSideFan, 255, 5, 2, nullptr},
        {'B', kSideFan, 1, 5, 2, nullptr}, {'C', kOutdoorUnitSound, 1, 5, 3, "入"},
        {'C', kDehumidificationMode, 1, 5, 4, "弱冷房除湿"},
        {'C', kDehumidificationMode, 255, 5, 4, nullptr},
        {'C', kDehumidificationMode, 2, 5, 4, "---"},
        {'A', kDehumidificationMode, 0, 5, 4, nullptr}};
    // clang-format on
    for (const Case& c : cases) {
        SettingValues values = SimSettings(c.variant);
        values[c.column] = c.value;
        const CRemoConInfo record = Record(values);
        m_tab.Page(c.page - 1).Fill(&record);
        const EnvSettingRow& row = RowOf(c.page, c.row);
        const std::string context = std::string("variant ") + c.variant + " column " +
                                    std::to_string(c.column) + " = " + std::to_string(c.value);
        EXPECT_EQ(row.shown, c.text != nullptr) << context;
        if (c.text != nullptr) {
            EXPECT_EQ(row.value.toStdString(), c.text) << context;
        }
    }
    // The room: the first room name inside the room text.
    const std::vector<std::pair<std::string, std::string>> rooms = {{"リビング1", "リビング"},
                                                                    {"子供部屋2", "子供部屋"},
                                                                    {"寝室部屋3", "寝室部屋"},
                                                                    {"和室4", "和室"},
                                                                    {"ダイニング5", "ダイニング"},
                                                                    {"その他6", "その他"},
                                                                    {"---7", "---"},
                                                                    {"", "---"},
                                                                    {"和室リビング", "リビング"}};
    for (const auto& [room, shown] : rooms) {
        const CRemoConInfo record = Record(SimSettings('B'), room);
        m_tab.Page(3).Fill(&record);
        EXPECT_TRUE(RowOf(4, 1).shown) << room;
        EXPECT_EQ(RowOf(4, 1).value.toStdString(), shown) << room;
    }
}

TEST_F(EnvSettingTest, RowsDrawIconNameBoxTextAndExplanationInTheirRowAreas) {
    SelectUnit(1, SimSettings('A'));
    Page& page = m_tab.Page(1); // current switch, voice and volume shown; sensor hidden
    EXPECT_EQ(PixelOf(page, 2, 2), kBackground);
    for (int row = 0; row < 3; ++row) {
        SCOPED_TRACE(row);
        const int top = Page::RowTop(row);
        const EnvSettingRow& entry = page.Row(row);
        // 36-pixel icon at x 12, 40-pixel name at x 52, centred in the 82 rows.
        EXPECT_EQ(PixelOf(page, 12, top + 23), ColourOf(entry.iconId));
        EXPECT_EQ(PixelOf(page, 47, top + 58), ColourOf(entry.iconId));
        EXPECT_EQ(PixelOf(page, 11, top + 23), kBackground);
        EXPECT_EQ(PixelOf(page, 12, top + 22), kBackground);
        EXPECT_EQ(PixelOf(page, 52, top + 21), ColourOf(entry.namePictureId));
        EXPECT_EQ(PixelOf(page, 52, top + 20), kBackground);
        EXPECT_EQ(PixelOf(page, 177, top + 22), kValueBox);
        EXPECT_EQ(PixelOf(page, 177, top + 21), kBackground);
        EXPECT_EQ(PixelOf(page, 176, top + 22), kBackground);
        // 78-pixel explanation at x 321.
        EXPECT_EQ(PixelOf(page, 321, top + 2), ColourOf(page.ExplanationIdOf(row)));
        EXPECT_EQ(PixelOf(page, 320, top + 2), kBackground);
        // The text within x 178..318, centred on the row's middle.
        const QRect text = TextBounds(page, QRect(170, top, 150, 82));
        ASSERT_FALSE(text.isEmpty());
        EXPECT_GE(text.left(), 178);
        EXPECT_LE(text.right(), 318);
        EXPECT_NEAR(text.center().x(), 248, 3);
        EXPECT_NEAR(text.center().y(), top + 41, 4);
    }
    for (const int x : {20, 60, 200, 400}) {
        EXPECT_EQ(PixelOf(page, x, Page::RowTop(3) + 40), kBackground) << "hidden row " << x;
    }
    // RGB(51, 51, 51) where a stroke covers a pixel, at 11 points.
    SettingValues values = SimSettings('A');
    values[kCurrentSwitch] = 1;
    const CRemoConInfo record = Record(values);
    page.Fill(&record);
    page.Render();
    const QRect area(178, Page::RowTop(0), 140, 82);
    bool exact = false;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            exact = exact || PixelOf(page, x, y) == QColor(51, 51, 51);
        }
    }
    EXPECT_TRUE(exact);
    const QFont font11 = CDrawSurface::MakeFont(11, false);
    EXPECT_NEAR(TextBounds(page, area).width(), page.Surface().TextWidth("控えめ", &font11), 5);
}

TEST_F(EnvSettingTest, UnitPricePatternsChooseTheBoxTheHeadingAndTheTextSize) {
    struct Case {
        char variant;
        int pattern;         // byte 15 of B and C; -1 leaves the record as it is
        const char* heading; // null: the normal box
    };
    const std::vector<Case> cases = {
        {'A', -1, nullptr}, {'B', 0, nullptr},    {'B', 1, "深夜電力"},  {'B', 2, "オール電化"},
        {'C', 0, nullptr},  {'C', 1, "深夜電力"}, {'C', 2, "オール電化"}};
    const QFont font9 = CDrawSurface::MakeFont(9, false);
    const int top = Page::RowTop(0);
    const int bottom = Page::RowBottom(0);
    int unit = 1;
    for (const Case& c : cases) {
        const std::string context =
            std::string("variant ") + c.variant + " pattern " + std::to_string(c.pattern);
        SelectUnit(unit++, SimSettings(c.variant, [&](std::vector<uint8_t>& record) {
                       if (c.pattern >= 0) {
                           record[15] = static_cast<uint8_t>(c.pattern);
                       }
                   }));
        Page& page = m_tab.Page(2);
        const Page::ValueLayout layout = page.LayoutOf(0);
        EXPECT_EQ(layout.tall, c.heading != nullptr) << context;
        if (c.heading != nullptr) {
            EXPECT_EQ(layout.heading.toStdString(), c.heading) << context;
            EXPECT_EQ(layout.boxPicture, 389) << context;
            EXPECT_EQ(layout.boxAt, QPoint(177, top + 4)) << context;
            EXPECT_EQ(layout.headingRect, QRect(178, bottom - 136, 140, 136)) << context;
            EXPECT_EQ(layout.valueRect, QRect(178, bottom - 100, 140, 100)) << context;
            EXPECT_EQ(layout.valuePoints, 9) << context;
            EXPECT_EQ(PixelOf(page, 177, top + 4), kTallValueBox) << context;
            EXPECT_EQ(PixelOf(page, 177, top + 3), kBackground) << context;
            // The heading in the box's top part, then the price lines below
            // it, the first where a single line would be centred.
            const QRect heading = TextBounds(page, QRect(170, top + 4, 150, 18));
            ASSERT_FALSE(heading.isEmpty()) << context;
            EXPECT_NEAR(heading.center().x(), 248, 3) << context;
            EXPECT_NEAR(heading.width(), page.Surface().TextWidth(layout.heading, &font9), 5)
                << context;
            const QRect value = TextBounds(page, QRect(170, top + 23, 150, 59));
            ASSERT_FALSE(value.isEmpty()) << context;
            EXPECT_GT(value.top(), heading.bottom()) << context;
            EXPECT_NEAR(value.top(), top + 26, 4) << context;
            EXPECT_GT(value.height(), 2 * 12) << context;
        } else {
            EXPECT_TRUE(layout.heading.isEmpty()) << context;
            EXPECT_EQ(layout.boxPicture, 388) << context;
            EXPECT_EQ(layout.boxAt, QPoint(177, top + 22)) << context;
            EXPECT_EQ(layout.valueRect, QRect(178, top, 140, 82)) << context;
            EXPECT_EQ(layout.valuePoints, 11) << context;
            EXPECT_EQ(PixelOf(page, 177, top + 22), kValueBox) << context;
            EXPECT_EQ(PixelOf(page, 177, top + 10), kBackground) << context;
            EXPECT_TRUE(TextBounds(page, QRect(170, top, 150, 18)).isEmpty()) << context;
            EXPECT_NEAR(TextBounds(page, QRect(170, top, 150, 82)).center().y(), top + 41, 4)
                << context;
        }
    }
    // An unknown pattern: "---" in the normal box, under no heading.
    SettingValues unknown = SimSettings('B');
    unknown[kEleBillPatern] = 5;
    const CRemoConInfo record = Record(unknown);
    m_tab.Page(2).Fill(&record);
    EXPECT_EQ(RowOf(3, 1).value.toStdString(), "---");
    EXPECT_FALSE(m_tab.Page(2).LayoutOf(0).tall);
}

TEST_F(EnvSettingTest, TheTabPlacesItsPagesButtonsAndWhiteLabels) {
    auto rect = [](const CCustomCtrlBase& control) {
        return QRect(control.X(), control.Y(), control.Width(), control.Height());
    };
    for (int i = 0; i < CCustomCtrlTabPageEnvSetting::kPageCount; ++i) {
        EXPECT_EQ(rect(m_tab.Page(i)), QRect(kPagesX, kPagesY, 698, 380)) << i;
        EXPECT_EQ(m_tab.Page(i).ParentControl(), &m_tab) << i;
        EXPECT_EQ(m_tab.Page(i).RowCount(), i == 3 ? 3 : 4) << i;
    }
    EXPECT_EQ(m_tab.PageId(), 29);
    EXPECT_EQ(m_tab.Title().toStdString(), "エアコン設定確認");
    EXPECT_EQ(m_tab.HeaderWidth(), 158);
    EXPECT_EQ(m_tab.BackgroundPictureId(), 350);
    for (auto [button, id, x] : {std::tuple{&m_tab.PreviousButton(), 30, kTabX + 267},
                                 std::tuple{&m_tab.NextButton(), 31, kTabX + 471}}) {
        EXPECT_EQ(button->Id(), id);
        EXPECT_EQ(rect(*button), QRect(x, kTabY + 6, 84, 29)) << id;
        const CHitRect hit = button->HitRect();
        EXPECT_EQ(QRect(QPoint(hit.left, hit.top), QPoint(hit.right, hit.bottom)),
                  QRect(QPoint(0, 0), QPoint(81, 25)))
            << id;
        EXPECT_EQ(button->FrameWidth(), 84) << id;
    }
    struct Label {
        CCustomCtrlStatic* label;
        int x, width, points, align;
        const char* text;
    };
    for (const Label& l : {Label{&m_tab.PageNumberLabel(), 363, 14, 14, 1, "1"},
                           Label{&m_tab.SlashLabel(), 377, 20, 12, 1, "/"},
                           Label{&m_tab.PageCountLabel(), 397, 12, 12, 1, "5"},
                           Label{&m_tab.PageWordLabel(), 409, 60, 14, 0, "ページ"}}) {
        EXPECT_EQ(rect(*l.label), QRect(kTabX + l.x, kTabY + 6, l.width, 29)) << l.text;
        EXPECT_EQ(l.label->FontSize(), l.points) << l.text;
        EXPECT_EQ(l.label->Align(), l.align) << l.text;
        EXPECT_EQ(l.label->Text().toStdString(), l.text);
    }
    // Written in white; the canvas keeps its own text colour.
    m_canvas.SetTextColour(QColor(1, 2, 3));
    m_canvas.Fill(kTabBackground);
    m_tab.Draw();
    EXPECT_EQ(m_canvas.TextColour(), QColor(1, 2, 3));
    int white = 0;
    for (int y = kTabY + 6; y < kTabY + 35; ++y) {
        for (int x = kTabX + 363; x < kTabX + 469; ++x) {
            white += m_canvas.Image().pixelColor(x, y) == QColor(255, 255, 255) ? 1 : 0;
        }
    }
    EXPECT_GT(white, 20);
    EXPECT_EQ(m_canvas.Image().pixelColor(kPagesX + 2, kPagesY + 2), kBackground);
}

TEST_F(EnvSettingTest, ThePageButtonsStepThroughThePagesAndStopAtTheEnds) {
    auto command = [&](uintptr_t id) {
        intptr_t result = 0;
        return m_tab.OnMessage(UiMsg::kCommand, id, 0, result);
    };
    auto mouse = [&](uint32_t message, int x, int y) {
        intptr_t result = 0;
        m_tab.OnMessage(message, 0, MakePointParam(x, y), result);
    };
    auto click = [&](int buttonX) {
        const int x = kTabX + buttonX + 40;
        const int y = kTabY + 6 + 12;
        mouse(UiMsg::kMouseMove, x, y);
        mouse(UiMsg::kLButtonDown, x, y);
        mouse(UiMsg::kLButtonUp, x, y);
        mouse(UiMsg::kMouseMove, 0, 0);
    };
    // The posted messages: repaints, and the ids of commands.
    auto posted = [&] {
        std::vector<uintptr_t> seen;
        for (const RecordedMessage& message : m_host->Take()) {
            if (!message.sent && message.message == UiMsg::kRepaint) {
                seen.push_back(0x8001);
            } else if (message.message == UiMsg::kCommand) {
                seen.push_back(message.wParam);
            }
        }
        return seen;
    };
    auto expectPage = [&](int index, const std::string& context) {
        EXPECT_EQ(m_tab.CurrentIndex(), index) << context;
        for (int i = 0; i < CCustomCtrlTabPageEnvSetting::kPageCount; ++i) {
            EXPECT_EQ(m_tab.Page(i).IsVisible(), i == index) << context << " page " << i;
        }
        EXPECT_EQ(m_tab.PreviousButton().IsEnabled(), index != 0) << context;
        EXPECT_EQ(m_tab.NextButton().IsEnabled(), index != 4) << context;
        EXPECT_EQ(m_tab.PreviousButton().FrameIndex() == 3, index == 0) << context;
        EXPECT_EQ(m_tab.NextButton().FrameIndex() == 3, index == 4) << context;
        EXPECT_EQ(m_tab.PageNumberLabel().Text(), QString::number(index + 1)) << context;
        EXPECT_EQ(m_tab.PageCountLabel().Text().toStdString(), "5") << context;
    };
    using Posted = std::vector<uintptr_t>;

    SelectUnit(1, SimSettings('C'));
    m_host->Take();
    expectPage(0, "created");
    click(267); // the disabled previous button
    EXPECT_EQ(posted(), Posted{});
    EXPECT_FALSE(command(30));
    EXPECT_FALSE(command(32));
    expectPage(0, "previous on the first page");
    EXPECT_EQ(posted(), Posted{});

    click(471);
    ASSERT_EQ(posted(), Posted{31});
    for (int index = 1; index <= 4; ++index) {
        EXPECT_TRUE(command(31)) << index;
        expectPage(index, "next to " + std::to_string(index));
        EXPECT_EQ(posted(), Posted{0x8001}) << index;
    }
    // The page now shown carries the unit's values and is on the canvas.
    EXPECT_EQ(RowOf(5, 4).value.toStdString(), "再熱除湿");
    EXPECT_EQ(m_canvas.Image().pixelColor(kPagesX + 12, kPagesY + Page::RowTop(3) + 23),
              ColourOf(441));
    EXPECT_FALSE(command(31));
    expectPage(4, "next on the last page");
    EXPECT_EQ(posted(), Posted{});

    click(267);
    ASSERT_EQ(posted(), Posted{30});
    EXPECT_TRUE(command(30));
    expectPage(3, "previous from the last");
    EXPECT_EQ(posted(), Posted{0x8001});

    // The page stays through updates and a change of the unit.
    SelectUnit(2, SimSettings('A'));
    expectPage(3, "after selecting another unit");
    EXPECT_FALSE(RowOf(4, 2).shown);
}

TEST_F(EnvSettingTest, PagesWorkWithoutAnyOfTheirPictures) {
    CPictureStore::Clear();
    for (int id = 170; id <= 454; ++id) {
        CPictureStore::InsertForTest(id, QImage());
    }
    CCustomCtrlTabPageEnvSetting tab;
    tab.CreatePage(m_host.get(), &m_canvas, kTabX, kTabY, 802, 472);
    SelectUnit(1, SimSettings('C'));
    tab.Update();
    EXPECT_EQ(tab.Page(4).Row(3).value.toStdString(), "再熱除湿");
    EXPECT_TRUE(tab.Page(4).Row(3).shown);
    EXPECT_EQ(tab.Page(1).Row(3).iconId, 445);
    EXPECT_TRUE(tab.Page(1).Row(3).icon.IsEmpty());
    EXPECT_EQ(tab.Page(0).Width(), 698);
    EXPECT_FALSE(TextBounds(tab.Page(0), QRect(178, Page::RowTop(0), 140, 82)).isEmpty());
    intptr_t result = 0;
    EXPECT_TRUE(tab.OnMessage(UiMsg::kCommand, 31, 0, result));
    EXPECT_EQ(tab.CurrentIndex(), 1);
    tab.Draw();
}

} // namespace
