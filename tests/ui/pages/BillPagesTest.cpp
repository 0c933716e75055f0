// The main page bases and the electricity-bill box: where every control of
// the page lies, the month total's font by the length of its text, the
// comparison rows with their "*" marks and the footnote, the target level
// picture, the target field's enabled rule and the navigation row's enabled
// rules, which show on the canvas as soon as the page is updated.
#include "PagesFixture.h"

#include "ui/pages/CCustomCtrlEleBillInfoBox.h"
#include "ui/pages/CCustomCtrlTabPageMainBaseEleBill.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include <string>
#include <vector>

namespace {

using Box = CCustomCtrlEleBillInfoBox;
using Page = CCustomCtrlTabPageMainBaseEleBill;

constexpr int kPageX = 206; // the main tab's page origin on the canvas
constexpr int kPageY = 85;
constexpr int kRight = Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine;
constexpr int kCentre = Qt::AlignCenter | Qt::TextSingleLine;

QRect Ltrb(int left, int top, int right, int bottom) {
    return QRect(left, top, right - left, bottom - top);
}

TEST(BillBoxRulesTest, MonthTotalPointsByTextLength) {
    const int expected[] = {14, 14, 14, 14, 14, 14, 14, 11, 10, 10, 10, 10};
    for (int characters = 0; characters < 12; ++characters) {
        EXPECT_EQ(Box::MonthTotalPoints(characters), expected[characters]) << characters;
    }
}

TEST(BillBoxRulesTest, PicturesByLevelAndPage) {
    const int levels[][2] = {{0, -1},  {1, 290}, {2, 291}, {3, 292},
                             {4, 293}, {5, 289}, {6, -1},  {-1, -1}};
    for (const auto& [level, picture] : levels) {
        EXPECT_EQ(Box::LevelPicture(level), picture) << level;
    }
    EXPECT_EQ(Box::BackgroundPicture(20), 216);
    EXPECT_EQ(Box::BackgroundPicture(26), 217);
    EXPECT_EQ(Box::TargetStripPicture(20), 214);
    EXPECT_EQ(Box::TargetStripPicture(26), 215);
}

TEST(BillBoxRulesTest, NavigationEnabledByViewedAndCurrentMonth) {
    struct Case {
        int year, month, nowYear, nowMonth;
        Page::NavigationState state;
    };
    const Case cases[] = {
        {2010, 1, 2015, 3, {false, true, true}},  {2010, 2, 2015, 3, {true, true, true}},
        {2099, 12, 2015, 3, {true, false, true}}, {2099, 11, 2015, 3, {true, true, true}},
        {2015, 3, 2015, 3, {true, true, false}},  {2015, 4, 2015, 3, {true, true, true}},
        {2014, 3, 2015, 3, {true, true, true}},   {2010, 1, 2010, 1, {false, true, false}},
        {2009, 12, 2015, 3, {false, true, true}}, {2100, 1, 2015, 3, {true, false, true}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Page::NavigationFor(c.year, c.month, c.nowYear, c.nowMonth), c.state)
            << c.year << "-" << c.month;
    }
}

class BillPageTest : public PagesFixture {
protected:
    // A plain white box background whatever the art draws, so what the box
    // writes can be compared with a reference.
    void CreatePage(int pageId = 20) {
        QImage plain(Box::kWidth, Box::kHeight, QImage::Format_ARGB32);
        plain.fill(QColor(255, 255, 255));
        CPictureStore::InsertForTest(Box::BackgroundPicture(pageId), plain);
        m_page = std::make_unique<Page>(nullptr, pageId, 13100, 158, 283);
        m_page->CreatePage(m_host.get(), &m_canvas, kPageX, kPageY, 802, 472);
        m_page->SetVisible(true);
    }

    // Spreads `total` yen over every day of the month for units 1..units.
    void SeedMonth(int units, int year, int month, int total) {
        const int days = CDataManager::GetDaysInMonth(year, month);
        const int slotCount = units * days;
        int slot = 0;
        for (int unit = 1; unit <= units; ++unit) {
            for (int day = 1; day <= days; ++day, ++slot) {
                const int bill = total / slotCount + (slot == 0 ? total % slotCount : 0);
                AddDay(Mac(unit), year, month, day, bill);
            }
        }
    }

    std::unique_ptr<Page> m_page;
};

TEST_F(BillPageTest, ControlsLieWhereThePageFrameSaysWithTheirIds) {
    CreatePage();
    struct Case {
        CCustomCtrlBase* control;
        int id;
        QRect rect; // page coordinates
    };
    Page& p = *m_page;
    const Case cases[] = {
        {&p.ReadButton(), 32, QRect(284, 430, 84, 29)},
        {&p.PrintButton(), 33, QRect(374, 430, 84, 29)},
        {&p.HelpButton(), 34, QRect(465, 430, 99, 29)},
        {&p.AdviceButton(), 19, QRect(601, 430, 165, 29)},
        {&p.YearField(), -1, QRect(271, 10, 121, 29)},
        {&p.PreviousMonthButton(), 23, QRect(415, 10, 29, 29)},
        {&p.MonthField(), -1, QRect(445, 10, 173, 29)},
        {&p.NextMonthButton(), 25, QRect(619, 10, 29, 29)},
        {&p.CurrentMonthButton(), 24, QRect(685, 10, 84, 29)},
        {&p.BillBox(), -1, QRect(70, 45, 117, 376)},
        {&p.BillBox().TargetField(), -1, QRect(82, 391, 99, 29)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(QRect(c.control->X() - kPageX, c.control->Y() - kPageY, c.control->Width(),
                        c.control->Height()),
                  c.rect)
            << c.id;
        if (c.id >= 0) {
            EXPECT_EQ(c.control->Id(), c.id);
        }
    }
    // Children in the order they are offered input and drawn.
    std::vector<int> ids;
    for (const CCustomCtrlBase* child : p.Children()) {
        ids.push_back(child->Id());
    }
    EXPECT_EQ(ids, (std::vector<int>{32, 33, 34, 19, 21, -1, 22, 23, -1, 24, 25, -1}));
    EXPECT_EQ(p.YearField().Kind(), CCustomCtrlSelectItem::kYear);
    EXPECT_EQ(p.MonthField().Kind(), CCustomCtrlSelectItem::kMonth);
    EXPECT_EQ(p.BillBox().TargetField().Kind(), CCustomCtrlSelectItem::kTarget);
    EXPECT_EQ(p.BillBox().PageId(), 20);
    // The year buttons exist but are never created: no surface, no hit.
    EXPECT_TRUE(p.PreviousYearButton().Surface().IsEmpty());
    EXPECT_TRUE(p.NextYearButton().Surface().IsEmpty());
    EXPECT_EQ(p.BillBox().UpperArea(), Ltrb(0, 0, 117, 312));
    EXPECT_EQ(p.BillBox().TargetArea(), Ltrb(0, 314, 117, 376));
}

TEST_F(BillPageTest, MonthTotalFontFollowsTheLengthOfItsText) {
    // January 2015 for four units together; October and November 2014 for
    // unit 1 alone.
    for (int n = 1; n <= 4; ++n) {
        AddUnit(n);
    }
    SeedMonth(4, 2015, 1, 1234567);
    SeedMonth(1, 2014, 10, 123456);
    SeedMonth(1, 2014, 11, 99999);
    Reload();
    CreatePage();
    struct Case {
        int selection, year, month;
        const char* text;
        int points;
    };
    const Case cases[] = {
        {CDataManager::kAllAircons, 2015, 1, "1,234,567", 10},
        {0, 2014, 10, "123,456", 11},
        {0, 2014, 11, "99,999", 14},
    };
    for (const Case& c : cases) {
        Select(c.selection);
        ShowMonth(c.year, c.month);
        m_page->Update();
        const Box::Content content = m_page->BillBox().Compose();
        ASSERT_TRUE(content.hasData);
        ASSERT_GE(content.texts.size(), 2u);
        const Box::TextItem& total = content.texts[0];
        EXPECT_EQ(total.text, QString::fromLatin1(c.text));
        EXPECT_EQ(total.points, c.points) << c.text;
        EXPECT_TRUE(total.bold);
        EXPECT_EQ(total.rect, Ltrb(8, 56, 87, 85));
        EXPECT_EQ(total.flags, kRight);
        EXPECT_EQ(content.texts[1], (Box::TextItem{QString::fromUtf8("円"), Ltrb(87, 62, 100, 85),
                                                   8, false, kRight}));

        // The box shows the figure in that font and no other.
        const QImage& shown = m_page->BillBox().Surface().Image();
        for (const int points : {10, 11, 14}) {
            CDrawSurface reference;
            reference.CreateSurface(Box::kWidth, Box::kHeight);
            reference.Fill(QColor(255, 255, 255));
            reference.DrawText(total.text, total.rect, kRight, CDrawSurface::MakeFont(points, true),
                               QColor(0, 0, 0));
            bool same = true;
            for (int y = total.rect.top(); y <= total.rect.bottom() && same; ++y) {
                for (int x = total.rect.left(); x <= total.rect.right(); ++x) {
                    if (reference.Image().pixelColor(x, y) != shown.pixelColor(x, y)) {
                        same = false;
                        break;
                    }
                }
            }
            EXPECT_EQ(same, points == c.points) << c.text << " at " << points;
        }
    }
}

TEST_F(BillPageTest, RowsMarksAndFootnoteFollowTheIncompleteTotals) {
    AddUnit(1);
    // February 2015 without the 10th; its totals are marked.
    for (int day = 1; day <= 28; ++day) {
        if (day != 10) {
            AddDay(Mac(1), 2015, 2, day, 100);
        }
    }
    SeedMonth(1, 2015, 1, 31000);
    Reload();
    CreatePage();
    ShowMonth(2015, 2);
    m_page->Update();

    const Box::Content content = m_page->BillBox().Compose();
    ASSERT_TRUE(content.hasData);
    const QString star = QString::fromUtf8("*");
    const QString yen = QString::fromUtf8("円");
    auto find = [&](const QRect& rect) -> const Box::TextItem* {
        for (const Box::TextItem& item : content.texts) {
            if (item.rect == rect) {
                return &item;
            }
        }
        return nullptr;
    };

    // Month total: February lacks a day.
    const Box::TextItem* monthStar = find(Ltrb(100, 61, 111, 85));
    ASSERT_NE(monthStar, nullptr);
    EXPECT_EQ(*monthStar, (Box::TextItem{star, Ltrb(100, 61, 111, 85), 10, false, kCentre}));

    // The four rows, each with its own figure and mark as the data manager
    // reports them.
    struct Row {
        int kind, top, right;
    };
    int marks = monthStar != nullptr ? 1 : 0;
    for (const Row& row :
         {Row{1, 130, 113}, Row{2, 166, 113}, Row{3, 222, 109}, Row{4, 260, 109}}) {
        std::string number;
        bool incomplete = false;
        m_manager->GetTotalText(row.kind, number, incomplete);
        const int t = row.top;
        const int r = row.right;
        const Box::TextItem* figure = find(Ltrb(8, t, r - 26, t + 20));
        ASSERT_NE(figure, nullptr) << row.kind;
        EXPECT_EQ(*figure, (Box::TextItem{QString::fromStdString(number),
                                          Ltrb(8, t, r - 26, t + 20), 10, false, kRight}));
        const Box::TextItem* unit = find(Ltrb(r - 26, t + 2, r - 13, t + 20));
        ASSERT_NE(unit, nullptr) << row.kind;
        EXPECT_EQ(unit->text, yen);
        EXPECT_EQ(unit->points, 8);
        const Box::TextItem* mark = find(Ltrb(r - 13, t, r - 2, t + 20));
        EXPECT_EQ(mark != nullptr, incomplete) << row.kind;
        if (mark != nullptr) {
            EXPECT_EQ(*mark,
                      (Box::TextItem{star, Ltrb(r - 13, t, r - 2, t + 20), 10, false, kCentre}));
            ++marks;
        }
    }
    // January (the previous month) is complete: no mark on its row.
    EXPECT_EQ(find(Ltrb(100, 130, 111, 150)), nullptr);
    EXPECT_EQ(find(Ltrb(8, 130, 87, 150))->text, QString::fromLatin1("31,000"));

    ASSERT_GT(marks, 0);
    EXPECT_TRUE(content.footnote);
    const Box::TextItem* note = find(Ltrb(4, 290, 117, 304));
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(note->text, QString::fromUtf8("*データ未取得日を含む"));
    EXPECT_EQ(note->points, 8);
    EXPECT_EQ(note->colour, QColor(90, 81, 75));
    EXPECT_EQ(note->flags & Qt::AlignLeft, Qt::AlignLeft);

    // The note is written into the box in its colour.
    const QImage& shown = m_page->BillBox().Surface().Image();
    bool noteInk = false;
    for (int y = 290; y < 304 && !noteInk; ++y) {
        for (int x = 4; x < 117; ++x) {
            const QColor pixel = shown.pixelColor(x, y);
            if (pixel.alpha() == 255 && pixel == QColor(90, 81, 75)) {
                noteInk = true;
                break;
            }
        }
    }
    EXPECT_TRUE(noteInk);
}

TEST_F(BillPageTest, LevelPictureShowsHowFarTheTotalStaysBelowTheTarget) {
    CPictureStore::InsertForTest(289, StripPicture(82, 20, 1));
    AddUnit(1);
    for (int day = 1; day <= 13; ++day) {
        AddDay(Mac(1), 2015, 3, day, 50); // 650 yen so far in March
    }
    Reload();
    CreatePage();
    struct Case {
        int target;
        int level;
    };
    for (const Case c :
         {Case{10000, 5}, Case{2000, 4}, Case{1000, 2}, Case{700, 1}, Case{600, 0}, Case{0, 0}}) {
        m_manager->SetMonthTarget(c.target);
        m_page->Update();
        EXPECT_EQ(m_manager->GetTargetLevel(), c.level) << c.target;
        const Box::Content content = m_page->BillBox().Compose();
        EXPECT_EQ(content.levelPicture, Box::LevelPicture(c.level)) << c.target;
        const QColor atPicture = m_page->BillBox().Surface().Image().pixelColor(19 + 40, 88 + 10);
        EXPECT_EQ(atPicture == StripColour(0), c.level == 5) << c.target;
    }
}

TEST_F(BillPageTest, TargetFieldOnlyForOneUnitFromTheCurrentMonthOn) {
    AddUnit(1);
    Reload();
    CreatePage(26);
    struct Case {
        int selection, year, month;
        bool enabled;
    };
    const Case cases[] = {
        {0, 2015, 3, true},
        {0, 2015, 6, true},
        {0, 2016, 1, true},
        {0, 2015, 2, false},
        {0, 2010, 1, false},
        {CDataManager::kAllAircons, 2015, 3, false},
        {CDataManager::kAllAircons, 2015, 6, false},
    };
    for (const Case& c : cases) {
        Select(c.selection);
        ShowMonth(c.year, c.month);
        m_page->Update();
        CCustomCtrlSelectItem& field = m_page->BillBox().TargetField();
        EXPECT_EQ(field.IsEnabled(), c.enabled) << c.selection << " " << c.year << "-" << c.month;
        EXPECT_EQ(field.FrameIndex() == 3, !c.enabled);
        EXPECT_TRUE(field.IsShown());
    }
}

TEST_F(BillPageTest, NavigationButtonsShowTheirStateOnTheCanvasAtOnce) {
    // Strips whose frames each have their own colour: the canvas tells which
    // frame a button shows.
    CPictureStore::InsertForTest(202, StripPicture(29, 29, 4));
    CPictureStore::InsertForTest(200, StripPicture(29, 29, 4));
    CPictureStore::InsertForTest(288, StripPicture(84, 29, 4));
    CreatePage();
    struct Case {
        int year, month;
        bool previous, next, current;
    };
    const Case cases[] = {
        {2010, 1, false, true, true},
        {2099, 12, true, false, true},
        {2015, 3, true, true, false},
        {2012, 7, true, true, true},
    };
    for (const Case& c : cases) {
        ShowMonth(c.year, c.month);
        m_canvas.Fill(QColor(1, 2, 3));
        m_page->Update(); // no Draw of the page afterwards
        const QImage& canvas = m_canvas.Image();
        struct Button {
            CCustomCtrlButton& button;
            bool enabled;
        };
        for (const Button& b : {Button{m_page->PreviousMonthButton(), c.previous},
                                Button{m_page->NextMonthButton(), c.next},
                                Button{m_page->CurrentMonthButton(), c.current}}) {
            EXPECT_EQ(b.button.IsEnabled(), b.enabled) << b.button.Id() << " " << c.year;
            EXPECT_EQ(canvas.pixelColor(b.button.X() + 5, b.button.Y() + 5),
                      StripColour(b.enabled ? 0 : 3))
                << b.button.Id() << " " << c.year << "-" << c.month;
        }
    }
}

} // namespace

// The forecast line: only on the month that holds today, inside its band,
// the warning under it in its colour only while heading over the target.
TEST_F(BillPageTest, ForecastLinesShowForTheCurrentMonthOnly) {
    AddUnit(1);
    for (int day = 1; day <= 13; ++day) {
        AddDay(Mac(1), 2015, 3, day, 50); // 650 so far, 50 a day: 1,550 at the end
    }
    Reload();
    CreatePage();
    const QRect band = Page::kForecastRect;
    const QRect warningLine(band.x(), band.y() + band.height() / 2, band.width(),
                            band.height() / 2);
    // Counts pixels near `colour` inside and outside the band.
    const auto count = [&](const QColor& colour, const QRect& box, bool inside) {
        const QImage& image = m_page->Surface().Image();
        int found = 0;
        for (int y = 0; y < 100; ++y) {
            for (int x = 0; x < 400; ++x) {
                const QColor pixel = image.pixelColor(x, y);
                const bool near = std::abs(pixel.red() - colour.red()) < 24 &&
                                  std::abs(pixel.green() - colour.green()) < 24 &&
                                  std::abs(pixel.blue() - colour.blue()) < 24 &&
                                  pixel.alpha() > 200;
                found += near && box.contains(x, y) == inside ? 1 : 0;
            }
        }
        return found;
    };
    struct Case {
        const char* name;
        int year, month, target;
        bool summary, warning;
    };
    const Case cases[] = {
        {"no target", 2015, 3, 0, true, false},
        {"under the target", 2015, 3, 2000, true, false},
        {"heading over it", 2015, 3, 1000, true, true},
        {"another month", 2015, 2, 1000, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ShowMonth(c.year, c.month);
        m_manager->SetMonthTarget(c.target);
        m_page->Update();
        EXPECT_EQ(count(Page::kForecastColour, band, true) > 30, c.summary);
        EXPECT_EQ(count(Page::kWarningColour, warningLine, true) > 30, c.warning);
        EXPECT_EQ(count(Page::kWarningColour, band, false), 0);
    }
}
