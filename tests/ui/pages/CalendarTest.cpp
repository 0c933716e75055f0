// The month calendar and the calendar page, drawn offscreen over a real data
// manager on a seeded database: grid arithmetic, colours, value texts and
// their fonts, the frames, and what a double click asks for.
#include "data/DataManagerFixture.h"
#include "ui/RecordingHost.h"
#include "ui/controls/CMessageBox.h"
#include "ui/controls/UiMessages.h"
#include "ui/pages/CCustomCtrlCalendar.h"
#include "ui/pages/CCustomCtrlTabPageCalendar.h"

#include <QImage>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr int kX = 20; // where the tests put the calendar on the canvas
constexpr int kY = 30;
const QColor kCanvasColour(10, 20, 30);

struct ExpectedText {
    QString text;
    int points;
    bool bold;
    int align;
    bool centerV;
    QRect rect;
    QColor colour = QColor(0, 0, 0);
};

QRect Ltrb(int left, int top, int right, int bottom) {
    return QRect(left, top, right - left, bottom - top);
}

int CountColour(const QImage& image, const QColor& colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) == colour) {
                ++count;
            }
        }
    }
    return count;
}

// Pixels in `region` that are not `background`: the ink of whatever was
// written there.
int Ink(const QImage& image, const QRect& region, const QColor& background) {
    int count = 0;
    for (int y = region.top(); y <= region.bottom(); ++y) {
        for (int x = region.left(); x <= region.right(); ++x) {
            if (image.pixelColor(x, y) != background) {
                ++count;
            }
        }
    }
    return count;
}

// Whether `region` of `actual` shows exactly `texts` written on a plain
// `background`, as the description places them.
bool RegionShows(const QImage& actual, const QRect& region, const QColor& background,
                 const std::vector<ExpectedText>& texts) {
    CDrawSurface reference;
    reference.CreateSurface(actual.width(), actual.height());
    reference.Fill(region, background);
    for (const ExpectedText& text : texts) {
        const QFont font = CDrawSurface::MakeFont(text.points, text.bold);
        reference.SetTextColour(text.colour);
        reference.DrawTextBox(text.text, text.align, text.centerV, text.rect, &font);
    }
    for (int y = region.top(); y <= region.bottom(); ++y) {
        for (int x = region.left(); x <= region.right(); ++x) {
            if (reference.Image().pixelColor(x, y) != actual.pixelColor(x, y)) {
                return false;
            }
        }
    }
    return true;
}

class CalendarTest : public DataManagerFixture {
protected:
    void SetUp() override {
        DataManagerFixture::SetUp();
        m_canvas.CreateSurface(800, 500);
        CMessageBox::SetHandler([this](const CMessageBox::Request& request) {
            m_boxes.push_back(request);
            return CMessageBox::kIdOk;
        });
    }
    void TearDown() override { CMessageBox::SetHandler({}); }

    // A calendar on the current data manager, updated once.
    void Build() {
        m_host = std::make_unique<RecordingHost>(m_manager.get());
        m_calendar = std::make_unique<CCustomCtrlCalendar>();
        m_calendar->SetDayDetailOpener(
            [this](int32_t year, int32_t month, int32_t day, CDataManager* manager) {
                m_opened.push_back(year * 10000 + month * 100 + day);
                EXPECT_EQ(manager, m_manager.get());
            });
        m_calendar->Create(m_host.get(), &m_canvas, kX, kY, 581, 380, 10, false);
        Redraw();
    }
    void Redraw() {
        m_canvas.Fill(kCanvasColour);
        m_calendar->Update();
        m_host->Take();
    }
    const QImage& Surface() const { return m_calendar->Surface().Image(); }
    const CALENDAR_DAY_INFO& CellOf(int index) const {
        return m_calendar->Cells()[static_cast<size_t>(index)];
    }
    CALENDAR_DAY_INFO CellOfDay(int day) const {
        return CellOf(m_manager->GetFirstDayIndex() + day - 1);
    }
    bool Send(uint32_t message, int x, int y) {
        intptr_t result = 0;
        return m_calendar->OnMessage(message, 0, MakePointParam(x, y), result);
    }
    // The value area of a cell: below the day badge, inside the text margins.
    static QRect ValueArea(const CALENDAR_DAY_INFO& cell) {
        return Ltrb(cell.left + 2, cell.top + 21, cell.right - 2, cell.bottom - 2);
    }
    // The texts a past day's values are written as, in the cell's metrics.
    static std::vector<ExpectedText> ValueTexts(const CALENDAR_DAY_INFO& cell, const QString& bill,
                                                int billPoints, const QString& time,
                                                const QString& unit) {
        const int l = cell.left + 2;
        const int r = cell.right - 2;
        const int t = cell.top + 2;
        const int b = cell.bottom - 2;
        const int third = (b - t) / 3;
        return {
            {bill, billPoints, true, CDrawSurface::kAlignRight, false,
             Ltrb(l, t + third, r - 25, b)},
            {QStringLiteral("円"), 8, false, CDrawSurface::kAlignRight, false,
             Ltrb(r - 25, t + third + 5, r, b)},
            {time, 12, true, CDrawSurface::kAlignRight, false, Ltrb(l, t + third + 16, r - 25, b)},
            {unit, 8, false, CDrawSurface::kAlignRight, false, Ltrb(r - 25, t + third + 21, r, b)},
        };
    }

    CDrawSurface m_canvas;
    std::unique_ptr<RecordingHost> m_host;
    std::unique_ptr<CCustomCtrlCalendar> m_calendar;
    std::vector<CMessageBox::Request> m_boxes;
    std::vector<int> m_opened;
};

TEST_F(CalendarTest, GridOfFourFiveAndSixWeeksFillsTheControl) {
    struct Case {
        int year, month, rows, cellHeight;
    };
    for (const Case& c : {Case{2015, 2, 4, 90}, Case{2015, 3, 5, 72}, Case{2015, 8, 6, 60}}) {
        SCOPED_TRACE(c.year * 100 + c.month);
        ShowMonth(c.year, c.month);
        Build();
        EXPECT_EQ(m_calendar->Rows(), c.rows);
        EXPECT_EQ(m_calendar->CellWidth(), 82);
        EXPECT_EQ(m_calendar->CellHeight(), c.cellHeight);
        EXPECT_EQ(m_calendar->GridWidth(), 578);
        EXPECT_EQ(m_calendar->GridHeight(), c.rows * c.cellHeight + 20);
        ASSERT_EQ(m_calendar->Cells().size(), static_cast<size_t>(c.rows * 7));
        for (int i = 0; i < c.rows * 7; ++i) {
            const CALENDAR_DAY_INFO& cell = CellOf(i);
            ASSERT_EQ(cell.index, i);
            ASSERT_EQ(cell.left, (i % 7) * 82 + 3);
            ASSERT_EQ(cell.top, (i / 7) * c.cellHeight + 19);
            ASSERT_EQ(cell.right, (i % 7 + 1) * 82 + 1);
            ASSERT_EQ(cell.bottom, (i / 7 + 1) * c.cellHeight + 17);
            // The cell's own colour reaches its right and bottom edges; the
            // 2-pixel gaps beyond them stay transparent.
            const std::optional<CEleBillDayInfo> day = m_manager->GetDayInfo(i);
            ASSERT_TRUE(day.has_value());
            const QColor fill = day->inMonth ? CCustomCtrlCalendar::kMonthCellColour
                                             : CCustomCtrlCalendar::kNeighbourCellColour;
            const int midY = (cell.top + cell.bottom) / 2;
            ASSERT_EQ(Surface().pixelColor(cell.right - 1, midY), fill) << i;
            ASSERT_EQ(Surface().pixelColor(cell.left, midY), fill) << i;
            ASSERT_EQ(Surface().pixelColor(cell.left + 40, cell.bottom - 1), fill) << i;
            ASSERT_EQ(Surface().pixelColor(cell.left + 40, cell.top), fill) << i;
            // Rounded: the corner pixels are left out.
            ASSERT_EQ(qAlpha(Surface().pixel(cell.left, cell.top)), 0) << i;
            ASSERT_EQ(qAlpha(Surface().pixel(cell.right - 1, cell.bottom - 1)), 0) << i;
            ASSERT_EQ(Surface().pixelColor(cell.left + 1, cell.top), fill) << i;
            ASSERT_EQ(qAlpha(Surface().pixel(cell.right, midY)), 0) << i;
            ASSERT_EQ(qAlpha(Surface().pixel(cell.right + 1, midY)), 0) << i;
            ASSERT_EQ(qAlpha(Surface().pixel(cell.left + 40, cell.bottom)), 0) << i;
            ASSERT_EQ(qAlpha(Surface().pixel(cell.left + 40, cell.bottom + 1)), 0) << i;
        }
        // Composed onto the canvas at the control's position.
        const CALENDAR_DAY_INFO& last = CellOf(c.rows * 7 - 1);
        EXPECT_EQ(m_canvas.Image().pixelColor(kX + last.right - 1, kY + last.bottom - 3),
                  Surface().pixelColor(last.right - 1, last.bottom - 3));
        EXPECT_EQ(m_canvas.Image().pixelColor(kX + last.right, kY + last.bottom - 3),
                  kCanvasColour);
    }
}

TEST_F(CalendarTest, HeaderAndBadgesTakeTheColoursOfTheirColumns) {
    ShowMonth(2015, 8); // 26 July .. 5 September
    Build();
    const QColor sunday = CCustomCtrlCalendar::kSundayColour;
    const QColor saturday = CCustomCtrlCalendar::kSaturdayColour;
    const QColor plain = CCustomCtrlCalendar::kHeaderOuterColour;
    const std::vector<QColor> inner = {sunday, plain, plain, plain, plain, plain, saturday};
    const std::vector<QString> names = {"日", "月", "火", "水", "木", "金", "土"};
    for (int column = 0; column < 7; ++column) {
        SCOPED_TRACE(column);
        const int x = 2 + column * 82;
        EXPECT_EQ(Surface().pixelColor(x + 2, 2), plain);
        EXPECT_EQ(Surface().pixelColor(x + 2, 16), plain);
        EXPECT_EQ(Surface().pixelColor(x + 5, 5), inner[static_cast<size_t>(column)]);
        EXPECT_EQ(Surface().pixelColor(x + 78, 13), inner[static_cast<size_t>(column)]);
        EXPECT_EQ(qAlpha(Surface().pixel(x + 40, 18)), 0);
        // The name, bold 9 points, centred in the outer box; the inner box is
        // plain in mid-week columns, so the whole box can be compared there.
        EXPECT_GT(Ink(Surface(), Ltrb(x + 30, 2, x + 52, 16), inner[static_cast<size_t>(column)]),
                  10);
        if (column > 0 && column < 6) {
            EXPECT_TRUE(
                RegionShows(Surface(), Ltrb(x + 2, 2, x + 80, 16), plain,
                            {{names[static_cast<size_t>(column)], 9, true,
                              CDrawSurface::kAlignCenter, true, Ltrb(x + 1, 1, x + 81, 17)}}));
        }
    }

    struct Badge {
        int cell;
        QColor colour;
        QColor background;
        int day;
        QColor text;
    };
    const QColor month = CCustomCtrlCalendar::kMonthCellColour;
    const QColor neighbour = CCustomCtrlCalendar::kNeighbourCellColour;
    const QColor black(0, 0, 0);
    const QColor grey = CCustomCtrlCalendar::kNeighbourTextColour;
    for (const Badge& b :
         {Badge{0, sunday, neighbour, 26, grey},
          Badge{1, CCustomCtrlCalendar::kNeighbourBadgeColour, neighbour, 27, grey},
          Badge{6, saturday, month, 1, black}, Badge{7, sunday, month, 2, black},
          Badge{8, CCustomCtrlCalendar::kMonthBadgeColour, month, 3, black},
          Badge{41, saturday, neighbour, 5, grey}}) {
        SCOPED_TRACE(b.cell);
        const CALENDAR_DAY_INFO& cell = CellOf(b.cell);
        EXPECT_EQ(Surface().pixelColor(cell.left + 12, cell.top + 4), b.colour);
        EXPECT_EQ(Surface().pixelColor(cell.left + 3, cell.top + 12), b.background);
        EXPECT_EQ(Surface().pixelColor(cell.left + 23, cell.top + 12), b.background);
        // The day number in the calendar font, centred in the badge.
        const QRect badge = Ltrb(cell.left + 4, cell.top + 3, cell.left + 22, cell.top + 21);
        EXPECT_TRUE(RegionShows(Surface(), badge.adjusted(1, 1, -1, -1), b.colour,
                                {{QString::number(b.day), 10, false, CDrawSurface::kAlignCenter,
                                  true, badge, b.text}}));
    }
}

TEST_F(CalendarTest, PastDaysShowBillAndTimeWithTheirFontsAndUnits) {
    const std::string a = AddUnit(1);
    const std::string b = AddUnit(2);
    AddDay(a, 2015, 3, 2, 6000, 60);
    AddDay(b, 2015, 3, 2, 6345, 29); // 12,345円, 89 minutes: 1時間
    AddDay(a, 2015, 3, 3, 5000, 20);
    AddDay(b, 2015, 3, 3, 4999, 25); // 9,999円, 45分
    AddDay(a, 2015, 3, 14, 100);     // today: not shown
    Reload();
    Select(CDataManager::kAllAircons);
    Build();
    const QColor month = CCustomCtrlCalendar::kMonthCellColour;

    struct Case {
        int day;
        QString bill;
        int points;
        QString time;
        QString unit;
    };
    for (const Case& c : {Case{2, "12,345", 10, "1", "時間"}, Case{3, "9,999", 12, "45", "分"},
                          Case{4, "---", 12, "---", "時間"}}) {
        SCOPED_TRACE(c.day);
        const CALENDAR_DAY_INFO cell = CellOfDay(c.day);
        EXPECT_TRUE(RegionShows(Surface(), ValueArea(cell), month,
                                ValueTexts(cell, c.bill, c.points, c.time, c.unit)));
        // The other size would put other pixels there.
        EXPECT_FALSE(RegionShows(Surface(), ValueArea(cell), month,
                                 ValueTexts(cell, c.bill, 22 - c.points, c.time, c.unit)));
    }
    // Today and later: only the day number.
    for (int day : {14, 15, 31}) {
        EXPECT_EQ(Ink(Surface(), ValueArea(CellOfDay(day)), month), 0) << day;
    }
}

TEST_F(CalendarTest, DayMissingOneOfTwoUnitsIsMarked) {
    const std::string a = AddUnit(1);
    const std::string b = AddUnit(2);
    AddDay(a, 2015, 3, 10, 100);
    AddDay(a, 2015, 3, 11, 100);
    AddDay(b, 2015, 3, 11, 100);
    Reload();
    Select(CDataManager::kAllAircons);
    Build();
    const QColor month = CCustomCtrlCalendar::kMonthCellColour;
    auto corner = [](const CALENDAR_DAY_INFO& cell) {
        const int r = cell.right - 2;
        const int t = cell.top + 2;
        return Ltrb(r - 25, t + 2, r - 2, t + (cell.bottom - 2 - t) / 3);
    };
    const CALENDAR_DAY_INFO partial = CellOfDay(10);
    const CALENDAR_DAY_INFO whole = CellOfDay(11);
    EXPECT_GT(Ink(Surface(), corner(partial), month), 0);
    EXPECT_TRUE(RegionShows(
        Surface(), corner(partial), month,
        {{"*", 12, false, CDrawSurface::kAlignRight, false,
          Ltrb(partial.right - 27, partial.top + 4, partial.right - 4, partial.bottom - 2)}}));
    EXPECT_EQ(Ink(Surface(), corner(whole), month), 0);

    // One unit alone never lacks a day.
    Select(IndexOf(a));
    Redraw();
    EXPECT_EQ(Ink(Surface(), corner(CellOfDay(10)), month), 0);
}

TEST_F(CalendarTest, TodaysFrameAlsoMarksANeighbouringMonthsCell) {
    struct Case {
        int todayMonth, todayDay, viewMonth, cell;
    };
    // 31 March in the leading days of April; 2 April in the trailing days of
    // March; 14 March in its own month.
    for (const Case& c : {Case{3, 31, 4, 2}, Case{4, 2, 3, 32}, Case{3, 14, 3, 13}}) {
        SCOPED_TRACE(c.cell);
        m_clock.Set(2015, c.todayMonth, c.todayDay);
        Create();
        ShowMonth(2015, c.viewMonth);
        Build();
        const CALENDAR_DAY_INFO& cell = CellOf(c.cell);
        const QImage& canvas = m_canvas.Image();
        const QColor orange = CCustomCtrlCalendar::kTodayColour;
        const int w = cell.right - cell.left + 2;
        const int h = cell.bottom - cell.top + 2;
        EXPECT_EQ(CountColour(canvas, orange), w * h - (w - 4) * (h - 4));
        const int left = kX + cell.left;
        const int top = kY + cell.top;
        const int right = kX + cell.right;
        const int bottom = kY + cell.bottom;
        const int midX = (left + right) / 2;
        const int midY = (top + bottom) / 2;
        for (int x : {left - 1, left, right - 1, right}) {
            EXPECT_EQ(canvas.pixelColor(x, midY), orange) << x;
        }
        for (int y : {top - 1, top, bottom - 1, bottom}) {
            EXPECT_EQ(canvas.pixelColor(midX, y), orange) << y;
        }
        EXPECT_NE(canvas.pixelColor(left + 1, midY), orange);
        EXPECT_NE(canvas.pixelColor(left - 2, midY), orange);
        EXPECT_NE(canvas.pixelColor(right + 1, midY), orange);
        EXPECT_NE(canvas.pixelColor(midX, bottom + 1), orange);
    }
}

TEST_F(CalendarTest, PointerFrameFollowsTheCellUnderThePointer) {
    ShowMonth(2015, 3);
    Build();
    const CALENDAR_DAY_INFO& cell = CellOf(9);
    const QColor grey = CCustomCtrlCalendar::kPointerColour;
    const int w = cell.right - cell.left + 2;
    const int h = cell.bottom - cell.top + 2;

    EXPECT_TRUE(Send(UiMsg::kMouseMove, kX + cell.left + 10, kY + cell.top + 10));
    EXPECT_EQ(m_calendar->HoverCell(), 9);
    EXPECT_EQ(m_host->TakeNumbers(), std::vector<uint32_t>{UiMsg::kRepaint});
    // A 3-pixel pen centred on the cell's outline.
    EXPECT_EQ(CountColour(m_canvas.Image(), grey), w * h - (w - 6) * (h - 6));
    EXPECT_EQ(m_canvas.Image().pixelColor(kX + cell.left - 1, kY + cell.top + 30), grey);
    EXPECT_EQ(m_canvas.Image().pixelColor(kX + cell.left + 1, kY + cell.top + 30), grey);
    EXPECT_NE(m_canvas.Image().pixelColor(kX + cell.left + 2, kY + cell.top + 30), grey);
    EXPECT_EQ(m_canvas.Image().pixelColor(kX + cell.right, kY + cell.top + 30), grey);

    // Moving within the cell changes nothing.
    EXPECT_FALSE(Send(UiMsg::kMouseMove, kX + cell.left + 30, kY + cell.top + 30));
    EXPECT_TRUE(m_host->TakeNumbers().empty());
    // Cells reach one pixel into each gap: the gap's first column still
    // belongs to the cell, its second to the next one.
    EXPECT_FALSE(Send(UiMsg::kMouseMove, kX + cell.right, kY + cell.top + 30));
    EXPECT_TRUE(Send(UiMsg::kMouseMove, kX + cell.right + 1, kY + cell.top + 30));
    EXPECT_EQ(m_calendar->HoverCell(), 10);
    // Above the cells (the header) and outside the control: none.
    EXPECT_TRUE(Send(UiMsg::kMouseMove, kX + 100, kY + 5));
    EXPECT_EQ(m_calendar->HoverCell(), -1);
    EXPECT_FALSE(Send(UiMsg::kMouseMove, kX + 700, kY + 5));
    m_host->Take();
    // The hover survives a rebuild until the pointer moves.
    EXPECT_TRUE(Send(UiMsg::kMouseMove, kX + cell.left + 10, kY + cell.top + 10));
    Redraw();
    EXPECT_EQ(m_calendar->HoverCell(), 9);
    EXPECT_EQ(CountColour(m_canvas.Image(), grey), w * h - (w - 6) * (h - 6));
    // A press on a cell redraws; off the cells it is not taken.
    EXPECT_TRUE(Send(UiMsg::kLButtonDown, kX + cell.left + 10, kY + cell.top + 10));
    EXPECT_EQ(m_host->TakeNumbers(), std::vector<uint32_t>{UiMsg::kRepaint});
    EXPECT_FALSE(Send(UiMsg::kLButtonDown, kX + 100, kY + 5));
    EXPECT_FALSE(Send(UiMsg::kLButtonUp, kX + cell.left + 10, kY + cell.top + 10));
}

TEST_F(CalendarTest, DoubleClickOpensTheDayOrRefusesDatesOutsideTheRange) {
    struct Case {
        int viewYear, viewMonth, cell, date; // date 0: out of range
    };
    for (const Case& c : {Case{2010, 1, 0, 0},          // 27 December 2009
                          Case{2010, 1, 5, 20100101},   // Friday 1 January 2010
                          Case{2099, 12, 34, 0},        // 2 January 2100
                          Case{2099, 12, 32, 20991231}, // the last day
                          Case{2015, 4, 2, 20150331}}) {
        SCOPED_TRACE(c.cell);
        ShowMonth(c.viewYear, c.viewMonth);
        Build();
        m_boxes.clear();
        m_opened.clear();
        const CALENDAR_DAY_INFO& cell = CellOf(c.cell);
        ASSERT_TRUE(Send(UiMsg::kMouseMove, kX + cell.left + 10, kY + cell.top + 10));
        m_host->Take();
        const bool taken = Send(UiMsg::kLButtonDblClk, kX + cell.left + 10, kY + cell.top + 10);
        if (c.date == 0) {
            EXPECT_FALSE(taken);
            ASSERT_EQ(m_boxes.size(), 1u);
            EXPECT_EQ(m_boxes[0].text, "選択した日付は有効範囲外です。");
            EXPECT_EQ(m_boxes[0].caption, "おしえて「テヴァロ」");
            EXPECT_EQ(m_boxes[0].owner, nullptr);
            EXPECT_EQ(m_boxes[0].flags, CMessageBox::kTopmost);
            EXPECT_TRUE(m_opened.empty());
            EXPECT_EQ(m_calendar->HoverCell(), c.cell);
            EXPECT_TRUE(m_host->TakeNumbers().empty());
        } else {
            EXPECT_TRUE(taken);
            EXPECT_TRUE(m_boxes.empty());
            EXPECT_EQ(m_opened, std::vector<int>{c.date});
            EXPECT_EQ(m_calendar->HoverCell(), -1);
            EXPECT_EQ(m_host->TakeNumbers(), std::vector<uint32_t>{UiMsg::kRepaint});
        }
    }
    EXPECT_TRUE(CCustomCtrlCalendar::IsDetailDate(2010, 1, 1));
    EXPECT_FALSE(CCustomCtrlCalendar::IsDetailDate(2009, 12, 31));
    EXPECT_TRUE(CCustomCtrlCalendar::IsDetailDate(2099, 12, 31));
    EXPECT_FALSE(CCustomCtrlCalendar::IsDetailDate(2100, 1, 1));
}

TEST_F(CalendarTest, WithoutAGridNothingButTheHeaderIsDrawn) {
    Build(); // the manager has not built its grid yet
    EXPECT_TRUE(m_calendar->Cells().empty());
    EXPECT_EQ(Surface().pixelColor(2 + 5, 5), CCustomCtrlCalendar::kSundayColour);
    EXPECT_EQ(qAlpha(Surface().pixel(100, 100)), 0);
    EXPECT_FALSE(Send(UiMsg::kMouseMove, kX + 100, kY + 100));
    EXPECT_FALSE(Send(UiMsg::kLButtonDblClk, kX + 100, kY + 100));
    EXPECT_TRUE(m_boxes.empty());
}

TEST_F(CalendarTest, PageRunsTheBillPageUpdateThenTheCalendars) {
    ShowMonth(2010, 1);
    RecordingHost host(m_manager.get());
    CCustomCtrlTabPageCalendar page;
    EXPECT_EQ(page.PageId(), 20);
    EXPECT_EQ(page.Title(), "カレンダー");
    EXPECT_EQ(page.HeaderWidth(), 158);
    EXPECT_EQ(page.BackgroundPictureId(), 283);
    ASSERT_FALSE(page.Children().empty());
    EXPECT_EQ(page.Children().back(), &page.Calendar());
    page.CreatePage(&host, &m_canvas, 6, 20, 796, 472);
    EXPECT_EQ(page.Calendar().X(), 6 + 201);
    EXPECT_EQ(page.Calendar().Y(), 20 + 45);
    EXPECT_EQ(page.Calendar().Width(), 581);
    EXPECT_EQ(page.Calendar().Height(), 380);
    EXPECT_TRUE(page.Calendar().Cells().empty());

    m_canvas.Fill(kCanvasColour);
    page.Update();
    // The bill page's navigation states were set (January 2010: no earlier
    // month) and the calendar laid out and composed over the page.
    EXPECT_FALSE(page.PreviousMonthButton().IsEnabled());
    ASSERT_EQ(page.Calendar().Cells().size(), 42u);
    const CALENDAR_DAY_INFO& cell = page.Calendar().Cells()[10];
    EXPECT_EQ(m_canvas.Image().pixelColor(6 + 201 + cell.right - 1, 20 + 45 + cell.bottom - 3),
              CCustomCtrlCalendar::kMonthCellColour);
}

} // namespace
