// The column chart and the graph page, drawn offscreen over a real data
// manager on a seeded database: the stacking arithmetic, lines and labels at
// their coordinates, the overflow triangle, frames, buttons and input.
#include "data/DataManagerFixture.h"
#include "ui/RecordingHost.h"
#include "ui/controls/UiMessages.h"
#include "ui/draw/CPictureStore.h"
#include "ui/pages/CCustomCtrlGraph.h"
#include "ui/pages/CCustomCtrlTabPageGraph.h"

#include <QImage>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kX = 30; // where the tests put the graph on the canvas
constexpr int kY = 40;
const QColor kCanvasColour(10, 20, 30);
const QColor kBlack(0, 0, 0);
// Plot (75, 50)-(531, 330); 14-pixel slots from x 81.
constexpr int kPlotLeft = 75;
constexpr int kPlotTop = 50;
constexpr int kPlotRight = 531;
constexpr int kPlotBottom = 330;
constexpr int kSlotWidth = 14;
constexpr int SlotLeft(int day) {
    return kPlotLeft + 6 + (day - 1) * kSlotWidth;
}

QRect Ltrb(int left, int top, int right, int bottom) {
    return QRect(left, top, right - left, bottom - top);
}

int CountColour(const QImage& image, const QRect& region, const QColor& colour) {
    int count = 0;
    for (int y = region.top(); y <= region.bottom(); ++y) {
        for (int x = region.left(); x <= region.right(); ++x) {
            if (image.pixelColor(x, y) == colour) {
                ++count;
            }
        }
    }
    return count;
}

int Ink(const QImage& image, const QRect& region, const QColor& background) {
    return region.width() * region.height() - CountColour(image, region, background);
}

struct ExpectedText {
    QString text;
    int align;
    bool centerV;
    QRect rect;
};

// Whether `region` of `actual` shows exactly `texts`, in the graph's 10-point
// font, on the chart background.
bool RegionShows(const QImage& actual, const QRect& region,
                 const std::vector<ExpectedText>& texts) {
    CDrawSurface reference;
    reference.CreateSurface(actual.width(), actual.height());
    reference.Fill(region, CCustomCtrlGraph::kBackgroundColour);
    const QFont font = CDrawSurface::MakeFont(10, false);
    for (const ExpectedText& text : texts) {
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

// A strip of four 29 × 84 frames in colours the tests can tell apart.
QImage Strip(const std::vector<QColor>& frames) {
    QImage image(116, 84, QImage::Format_ARGB32);
    for (int frame = 0; frame < 4; ++frame) {
        for (int y = 0; y < 84; ++y) {
            for (int x = 0; x < 29; ++x) {
                image.setPixelColor(frame * 29 + x, y, frames[static_cast<size_t>(frame)]);
            }
        }
    }
    return image;
}

class GraphTest : public DataManagerFixture {
protected:
    void SetUp() override {
        DataManagerFixture::SetUp();
        m_canvas.CreateSurface(700, 500);
        // The buttons' art is not what these tests look at: without it the
        // buttons draw nothing and every pixel is the graph's own.
        CPictureStore::InsertForTest(CCustomCtrlGraph::kScaleUpPicture, QImage());
        CPictureStore::InsertForTest(CCustomCtrlGraph::kScaleDownPicture, QImage());
    }
    void TearDown() override { CPictureStore::Clear(); }

    // A graph on the current data manager at `scale`, updated once.
    void Build(int scale) {
        m_manager->AddGraphScale(-3);
        m_manager->AddGraphScale(scale);
        m_host = std::make_unique<RecordingHost>(m_manager.get());
        m_graph = std::make_unique<CCustomCtrlGraph>();
        m_graph->SetDayDetailOpener(
            [this](int32_t year, int32_t month, int32_t day, CDataManager* manager) {
                m_opened.push_back(year * 10000 + month * 100 + day);
                EXPECT_EQ(manager, m_manager.get());
            });
        m_graph->CreateGraph(m_host.get(), &m_canvas, kX, kY);
        m_canvas.Fill(kCanvasColour);
        m_graph->Update();
        m_host->Take();
    }
    const QImage& Surface() const { return m_graph->Surface().Image(); }
    QColor At(int x, int y) const { return Surface().pixelColor(x, y); }
    bool Send(uint32_t message, int x, int y) {
        intptr_t result = 0;
        return m_graph->OnMessage(message, 0, MakePointParam(x, y), result);
    }
    // Top row of the bar in the middle of day `day`'s slot (kPlotBottom: none).
    int BarTop(int day) const {
        const int x = SlotLeft(day) + 7;
        int y = kPlotBottom;
        while (y > 0 && At(x, y - 1) != CCustomCtrlGraph::kBackgroundColour &&
               At(x, y - 1) != CCustomCtrlGraph::kStripeColour && At(x, y - 1) != kBlack) {
            --y;
        }
        return y;
    }

    CDrawSurface m_canvas;
    std::unique_ptr<RecordingHost> m_host;
    std::unique_ptr<CCustomCtrlGraph> m_graph;
    std::vector<int> m_opened;
};

TEST_F(GraphTest, SegmentsRoundOnTheirOwnAndTheRemainderCompletesTheColumn) {
    struct Case {
        std::vector<int> bills;
        int maximum;
        std::vector<int> heights;
        int remainder;
        bool cut;
        int total;
    };
    const std::vector<Case> cases = {
        {{33, 33, 34}, 100, {92, 92, 95}, 1, false, 280},
        {{1, 1, 1}, 100, {2, 2, 2}, 2, false, 8},
        {{150}, 100, {280}, 0, true, 280},
        {{50}, 100, {140}, 0, false, 140},
        {{80, 50, 10}, 100, {224, 56, 0}, 0, true, 280}, // cut in the second entry
        {{200, 300, 100}, 600, {93, 140, 46}, 1, false, 280},
        {{0}, 100, {0}, 0, false, 0},
        {{-5, 10}, 100, {0, 28}, 0, false, 28}, // a negative bill counts as none
        {{}, 100, {}, 0, false, 0},
    };
    for (const Case& c : cases) {
        std::vector<ELE_BILL_DEV_DAY_INFO> entries;
        for (size_t i = 0; i < c.bills.size(); ++i) {
            entries.push_back({c.bills[i], 60, 20.0f, static_cast<int32_t>(i) + 2});
        }
        const CCustomCtrlGraph::ColumnStack stack =
            CCustomCtrlGraph::StackColumn(entries, c.maximum, 280);
        std::vector<int> heights;
        for (size_t i = 0; i < stack.segments.size(); ++i) {
            heights.push_back(stack.segments[i].height);
            EXPECT_EQ(stack.segments[i].deviceIndex, static_cast<int>(i) + 2);
        }
        SCOPED_TRACE(testing::PrintToString(c.bills));
        EXPECT_EQ(heights, c.heights);
        EXPECT_EQ(stack.remainder, c.remainder);
        EXPECT_EQ(stack.cut, c.cut);
        EXPECT_EQ(stack.totalHeight, c.total);
        if (!entries.empty()) {
            EXPECT_EQ(stack.remainderDevice, entries.back().deviceIndex);
        }
    }
    EXPECT_EQ(CCustomCtrlGraph::BarColour(0), QColor(139, 207, 219));
    EXPECT_EQ(CCustomCtrlGraph::BarColour(6), QColor(137, 85, 47));
    EXPECT_EQ(CCustomCtrlGraph::BarColour(7), QColor(139, 207, 219));
    EXPECT_EQ(CCustomCtrlGraph::BarColour(-1), QColor(139, 207, 219));
}

TEST_F(GraphTest, TwentyEightColumnsWithLabelsAtFiveStepsAndTheLastDay) {
    ShowMonth(2015, 2);
    Build(0);
    ASSERT_EQ(m_graph->Columns().size(), 28u);
    // The chart background covers the control but its corner pixels.
    EXPECT_EQ(qAlpha(Surface().pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(Surface().pixel(580, 379)), 0);
    EXPECT_EQ(At(1, 0), CCustomCtrlGraph::kBackgroundColour);
    EXPECT_EQ(At(580, 378), CCustomCtrlGraph::kBackgroundColour);
    for (int day = 1; day <= 28; ++day) {
        const GRAPH_DAY_INFO& column = m_graph->Columns()[static_cast<size_t>(day - 1)];
        ASSERT_EQ(column.index, day - 1);
        ASSERT_EQ(column.left, SlotLeft(day));
        ASSERT_EQ(column.right, SlotLeft(day) + kSlotWidth);
        ASSERT_EQ(column.top, kPlotTop);
        ASSERT_EQ(column.bottom, kPlotBottom);
        // Stripes behind the 1st, 3rd, 5th... day, also where no column is.
        const QColor expected =
            day % 2 == 1 ? CCustomCtrlGraph::kStripeColour : CCustomCtrlGraph::kBackgroundColour;
        ASSERT_EQ(At(column.left, kPlotBottom - 1), expected) << day;
        ASSERT_EQ(At(column.right - 1, kPlotTop + 1), expected) << day;
    }
    std::vector<ExpectedText> labels;
    for (int day : {5, 10, 15, 20, 25, 28}) {
        const int centre = SlotLeft(day) + kSlotWidth / 2;
        labels.push_back({QString::number(day), CDrawSurface::kAlignCenter, false,
                          Ltrb(centre - 50, kPlotBottom + 5, centre + 50, 380)});
    }
    const QRect below = Ltrb(kPlotLeft, kPlotBottom + 3, kPlotRight, 378);
    EXPECT_TRUE(RegionShows(Surface(), below, labels));
    for (int day : {2, 3, 7, 8, 12, 13, 17, 18, 22, 23}) {
        EXPECT_EQ(Ink(Surface(),
                      Ltrb(SlotLeft(day), kPlotBottom + 3, SlotLeft(day) + kSlotWidth, 378),
                      CCustomCtrlGraph::kBackgroundColour),
                  0)
            << day;
    }
    struct Label {
        int day, days;
        bool shown;
    };
    for (const Label& l : {Label{5, 28, true}, Label{25, 31, true}, Label{28, 28, true},
                           Label{27, 28, false}, Label{30, 31, false}, Label{30, 30, true},
                           Label{31, 31, true}, Label{1, 28, false}, Label{4, 30, false}}) {
        EXPECT_EQ(CCustomCtrlGraph::HasDayLabel(l.day, l.days), l.shown) << l.day << "/" << l.days;
    }
    // Axis captions, left- and top-aligned.
    EXPECT_TRUE(RegionShows(Surface(), Ltrb(536, 335, 578, 377),
                            {{"(日)", CDrawSurface::kAlignLeft, false, Ltrb(536, 335, 581, 380)}}));
    EXPECT_TRUE(
        RegionShows(Surface(), Ltrb(10, 20, 125, 42),
                    {{"電気代(円)", CDrawSurface::kAlignLeft, false, Ltrb(10, 20, 125, 50)}}));
}

TEST_F(GraphTest, ColumnsAboveTheMaximumAreCutAndMarked) {
    const std::string mac = AddUnit(1);
    AddDay(mac, 2015, 2, 3, 150);
    AddDay(mac, 2015, 2, 4, 50);
    AddDay(mac, 2015, 2, 6, 100);
    Reload();
    ShowMonth(2015, 2);
    Build(0); // 100 yen
    const QColor bar = CCustomCtrlGraph::BarColour(0);
    const QColor triangle = CCustomCtrlGraph::kTriangleColour;
    // 150 yen fills the whole plot; the bar is the slot less 3 pixels a side.
    EXPECT_EQ(BarTop(3), kPlotTop);
    EXPECT_EQ(CountColour(Surface(), Ltrb(SlotLeft(3), kPlotTop, SlotLeft(4), kPlotBottom), bar),
              8 * 280);
    EXPECT_EQ(At(SlotLeft(3) + 3, kPlotBottom - 1), bar);
    EXPECT_EQ(At(SlotLeft(3) + 10, kPlotBottom - 1), bar);
    EXPECT_NE(At(SlotLeft(3) + 2, kPlotBottom - 1), bar);
    EXPECT_NE(At(SlotLeft(3) + 11, kPlotBottom - 1), bar);
    // The triangle: base on row 45 (5 above the column), apex 8 rows higher.
    const int apexX = SlotLeft(3) + 7;
    EXPECT_EQ(At(apexX, 44), triangle);
    EXPECT_EQ(At(apexX, 39), triangle);
    EXPECT_NE(At(apexX, 35), triangle);
    EXPECT_NE(At(apexX, 47), triangle);
    const int triangles = CountColour(Surface(), Ltrb(0, 0, 581, 380), triangle);
    EXPECT_EQ(CountColour(Surface(), Ltrb(SlotLeft(3) + 3, 36, SlotLeft(3) + 11, 46), triangle),
              triangles);
    EXPECT_GT(triangles, 20);
    // 50 yen reaches the half line, 100 the maximum exactly, uncut.
    EXPECT_EQ(BarTop(4), (kPlotBottom - kPlotTop) / 2 + kPlotTop);
    EXPECT_EQ(BarTop(6), kPlotTop);
    EXPECT_EQ(CountColour(Surface(), Ltrb(SlotLeft(6), 0, SlotLeft(7), kPlotTop), triangle), 0);
    // Days without data draw nothing over their stripe.
    EXPECT_EQ(BarTop(5), kPlotBottom);
}

TEST_F(GraphTest, ThreeUnitsTogetherScaleTheMaximumAndItsLabels) {
    std::vector<std::string> macs = {AddUnit(1), AddUnit(2), AddUnit(3)};
    AddDay(macs[0], 2015, 2, 10, 33);
    AddDay(macs[1], 2015, 2, 10, 33);
    AddDay(macs[2], 2015, 2, 10, 34);
    Reload();
    Select(CDataManager::kAllAircons);
    ShowMonth(2015, 2);

    struct Case {
        int scale, maximum;
        bool solid;
    };
    for (const Case& c : {Case{1, 600, false}, Case{0, 300, false}, Case{3, 3000, true}}) {
        SCOPED_TRACE(c.maximum);
        Build(c.scale);
        ASSERT_EQ(m_manager->GetGraphScaleYen(), c.maximum);
        EXPECT_TRUE(RegionShows(
            Surface(), Ltrb(0, 41, 70, 70),
            {{QString::number(c.maximum), CDrawSurface::kAlignRight, true, Ltrb(0, 30, 70, 70)}}));
        const int middle = 190;
        EXPECT_TRUE(RegionShows(Surface(), Ltrb(0, middle - 20, 70, middle + 20),
                                {{QString::number(c.maximum / 2), CDrawSurface::kAlignRight, true,
                                  Ltrb(0, middle - 20, 70, middle + 20)}}));
        // The maximum line: solid only at 1000 yen a unit; the half line is
        // always dotted. Both run from plot left + 5 to plot right.
        for (int x = kPlotLeft + 5; x < kPlotRight; ++x) {
            const bool dot = (x - kPlotLeft - 5) % 2 == 0;
            ASSERT_EQ(At(x, kPlotTop) == kBlack, c.solid || dot) << x;
            ASSERT_EQ(At(x, middle) == kBlack, dot) << x; // the column stays below it
        }
        EXPECT_NE(At(kPlotLeft + 4, kPlotTop), kBlack);
        EXPECT_NE(At(kPlotRight, kPlotTop), kBlack);
    }
    // 33 + 33 + 34 on 300 yen: 30, 30 and 31 pixels and a remainder of
    // 2 pixels in the third unit's colour, so the column is 93 high in all.
    Build(0);
    const int x = SlotLeft(10) + 7;
    EXPECT_EQ(BarTop(10), kPlotBottom - 93);
    EXPECT_EQ(
        CountColour(Surface(), Ltrb(x, 0, x + 1, kPlotBottom), CCustomCtrlGraph::BarColour(0)), 30);
    EXPECT_EQ(
        CountColour(Surface(), Ltrb(x, 0, x + 1, kPlotBottom), CCustomCtrlGraph::BarColour(1)), 30);
    EXPECT_EQ(
        CountColour(Surface(), Ltrb(x, 0, x + 1, kPlotBottom), CCustomCtrlGraph::BarColour(2)), 33);
    EXPECT_EQ(At(x, kPlotBottom - 1), CCustomCtrlGraph::BarColour(0));
    EXPECT_EQ(At(x, kPlotBottom - 93), CCustomCtrlGraph::BarColour(2));
}

TEST_F(GraphTest, AxesTodayAndFutureDays) {
    const std::string mac = AddUnit(1);
    AddDay(mac, 2015, 3, 13, 80);
    AddDay(mac, 2015, 3, 14, 80); // today
    AddDay(mac, 2015, 3, 21, 80); // future: never drawn
    Reload();
    Build(0);
    ASSERT_EQ(m_graph->Columns().size(), 31u);
    // Axes 2 pixels wide, on the plot's left edge and one row below it.
    for (int y : {kPlotTop, 200, kPlotBottom}) {
        EXPECT_EQ(At(kPlotLeft, y), kBlack) << y;
        EXPECT_EQ(At(kPlotLeft - 1, y), kBlack) << y;
        EXPECT_NE(At(kPlotLeft + 1, y), kBlack) << y;
    }
    for (int x : {kPlotLeft + 1, 300, kPlotRight - 1}) {
        EXPECT_EQ(At(x, kPlotBottom + 1), kBlack) << x;
        EXPECT_EQ(At(x, kPlotBottom + 2), kBlack) << x;
        EXPECT_NE(At(x, kPlotBottom), kBlack) << x;
    }
    EXPECT_NE(At(kPlotRight, kPlotBottom + 1), kBlack);
    EXPECT_EQ(At(kPlotLeft - 1, kPlotBottom + 2), kBlack); // the corner is closed
    EXPECT_NE(At(kPlotLeft - 2, kPlotBottom + 2), kBlack);
    EXPECT_EQ(BarTop(13), kPlotBottom - 224);
    EXPECT_EQ(BarTop(14), kPlotBottom);
    EXPECT_EQ(BarTop(21), kPlotBottom);
    EXPECT_EQ(At(SlotLeft(21) + 7, 300), CCustomCtrlGraph::kStripeColour);

    // Today's slot framed on the canvas, one pixel outside it, 2 wide.
    const QImage& canvas = m_canvas.Image();
    const QColor orange = CCustomCtrlGraph::kTodayColour;
    const int w = kSlotWidth + 2;
    const int h = kPlotBottom - kPlotTop + 2;
    EXPECT_EQ(CountColour(canvas, canvas.rect(), orange), w * h - (w - 4) * (h - 4));
    const int left = kX + SlotLeft(14);
    EXPECT_EQ(canvas.pixelColor(left - 1, kY + 200), orange);
    EXPECT_EQ(canvas.pixelColor(left, kY + 200), orange);
    EXPECT_NE(canvas.pixelColor(left + 1, kY + 200), orange);
    EXPECT_EQ(canvas.pixelColor(left + kSlotWidth, kY + 200), orange);
    EXPECT_EQ(canvas.pixelColor(left + 5, kY + kPlotTop - 1), orange);
    EXPECT_EQ(canvas.pixelColor(left + 5, kY + kPlotBottom), orange);
    EXPECT_NE(canvas.pixelColor(left + 5, kY + kPlotBottom + 1), orange);
}

TEST_F(GraphTest, ScaleButtonsAreChildrenDisabledAtTheEndsOfTheScale) {
    const QColor frames[] = {QColor(1, 0, 0), QColor(2, 0, 0), QColor(3, 0, 0), QColor(4, 0, 0)};
    CPictureStore::InsertForTest(206, Strip({frames[0], frames[1], frames[2], frames[3]}));
    CPictureStore::InsertForTest(207, Strip({frames[0], frames[1], frames[2], frames[3]}));
    ShowMonth(2015, 2);
    struct Case {
        int scale;
        bool downEnabled, upEnabled;
    };
    for (const Case& c :
         {Case{0, false, true}, Case{1, true, true}, Case{2, true, true}, Case{3, true, false}}) {
        SCOPED_TRACE(c.scale);
        Build(c.scale);
        CCustomCtrlButton& down = m_graph->ScaleDownButton();
        CCustomCtrlButton& up = m_graph->ScaleUpButton();
        EXPECT_EQ(down.Id(), 28);
        EXPECT_EQ(up.Id(), 27);
        EXPECT_EQ(down.ParentControl(), m_graph.get());
        EXPECT_EQ(up.ParentControl(), m_graph.get());
        EXPECT_EQ(down.X(), kX + 541);
        EXPECT_EQ(down.Y(), kY + 96);
        EXPECT_EQ(up.X(), kX + 541);
        EXPECT_EQ(up.Y(), kY + 200);
        EXPECT_EQ(down.Width(), 29);
        EXPECT_EQ(down.Height(), 84);
        EXPECT_EQ(down.IsEnabled(), c.downEnabled);
        EXPECT_EQ(up.IsEnabled(), c.upEnabled);
        // Drawn over the graph with the frame of their state.
        EXPECT_EQ(m_canvas.Image().pixelColor(kX + 541 + 10, kY + 96 + 40),
                  frames[c.downEnabled ? 0 : 3]);
        EXPECT_EQ(m_canvas.Image().pixelColor(kX + 541 + 10, kY + 200 + 40),
                  frames[c.upEnabled ? 0 : 3]);
    }
    // The upper button takes the pointer before the columns are asked, and a
    // release over it posts its command.
    Build(1);
    EXPECT_TRUE(Send(UiMsg::kMouseMove, kX + 541 + 5, kY + 200 + 5));
    EXPECT_TRUE(m_graph->ScaleUpButton().IsHover());
    EXPECT_TRUE(Send(UiMsg::kLButtonDown, kX + 541 + 5, kY + 200 + 5));
    Send(UiMsg::kLButtonUp, kX + 541 + 5, kY + 200 + 5);
    bool command = false;
    for (const RecordedMessage& m : m_host->Take()) {
        command = command || (m.message == UiMsg::kCommand && m.wParam == 27);
    }
    EXPECT_TRUE(command);
}

TEST_F(GraphTest, PointerFrameAndDoubleClickOnAColumn) {
    ShowMonth(2015, 2);
    Build(0);
    const QColor grey = CCustomCtrlGraph::kPointerColour;
    EXPECT_TRUE(Send(UiMsg::kMouseMove, kX + SlotLeft(7) + 2, kY + 100));
    EXPECT_EQ(m_graph->HoverColumn(), 6);
    EXPECT_EQ(m_host->TakeNumbers(), std::vector<uint32_t>{UiMsg::kRepaint});
    const int w = kSlotWidth + 2;
    const int h = kPlotBottom - kPlotTop + 2;
    EXPECT_EQ(CountColour(m_canvas.Image(), m_canvas.Image().rect(), grey),
              w * h - (w - 6) * (h - 6));
    EXPECT_EQ(m_canvas.Image().pixelColor(kX + SlotLeft(7) + 1, kY + 100), grey);
    EXPECT_NE(m_canvas.Image().pixelColor(kX + SlotLeft(7) + 2, kY + 100), grey);
    EXPECT_FALSE(Send(UiMsg::kMouseMove, kX + SlotLeft(7) + 10, kY + 100));
    // Slots touch: the next pixel belongs to the next day.
    EXPECT_TRUE(Send(UiMsg::kMouseMove, kX + SlotLeft(8), kY + 100));
    EXPECT_EQ(m_graph->HoverColumn(), 7);
    // Above the plot there is no column.
    EXPECT_TRUE(Send(UiMsg::kMouseMove, kX + SlotLeft(8), kY + kPlotTop - 1));
    EXPECT_EQ(m_graph->HoverColumn(), -1);
    m_host->Take();

    EXPECT_TRUE(Send(UiMsg::kMouseMove, kX + SlotLeft(12) + 3, kY + 300));
    m_host->Take();
    EXPECT_TRUE(Send(UiMsg::kLButtonDblClk, kX + SlotLeft(12) + 3, kY + 300));
    EXPECT_EQ(m_opened, std::vector<int>{20150212});
    EXPECT_EQ(m_graph->HoverColumn(), -1);
    EXPECT_EQ(m_host->TakeNumbers(), std::vector<uint32_t>{UiMsg::kRepaint});
    EXPECT_FALSE(Send(UiMsg::kLButtonDblClk, kX + 20, kY + 300));
    EXPECT_EQ(m_opened.size(), 1u);
}

TEST_F(GraphTest, WithoutAGridTheGraphIsEmpty) {
    Build(0); // the manager has not built its grid yet
    EXPECT_TRUE(m_graph->Columns().empty());
    EXPECT_EQ(qAlpha(Surface().pixel(200, 200)), 0);
    EXPECT_FALSE(Send(UiMsg::kLButtonDblClk, kX + SlotLeft(3), kY + 200));
    EXPECT_TRUE(m_opened.empty());
}

TEST_F(GraphTest, PageRunsTheBillPageUpdateThenTheGraphs) {
    ShowMonth(2099, 12);
    RecordingHost host(m_manager.get());
    CCustomCtrlTabPageGraph page;
    EXPECT_EQ(page.PageId(), 26);
    EXPECT_EQ(page.Title(), "グラフ");
    EXPECT_EQ(page.HeaderWidth(), 158);
    EXPECT_EQ(page.BackgroundPictureId(), 295);
    ASSERT_FALSE(page.Children().empty());
    EXPECT_EQ(page.Children().back(), &page.Graph());
    page.CreatePage(&host, &m_canvas, 4, 6, 802, 472);
    EXPECT_EQ(page.Graph().X(), 4 + 204);
    EXPECT_EQ(page.Graph().Y(), 6 + 45);
    EXPECT_EQ(page.Graph().Width(), 581);
    EXPECT_EQ(page.Graph().Height(), 380);
    EXPECT_EQ(page.Graph().ScaleUpButton().X(), 4 + 204 + 541);

    m_canvas.Fill(kCanvasColour);
    page.Update();
    EXPECT_FALSE(page.NextMonthButton().IsEnabled());
    ASSERT_EQ(page.Graph().Columns().size(), 31u);
    EXPECT_EQ(m_canvas.Image().pixelColor(4 + 204 + SlotLeft(1) + 5, 6 + 45 + 200),
              CCustomCtrlGraph::kStripeColour);
}

} // namespace
