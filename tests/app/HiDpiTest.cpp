// The main window at device pixel ratios above 1: the layout stays in logical
// pixels (1020 × 578, every control where it was at ratio 1) while text, shapes
// and pictures are drawn at the screen's resolution, pictures come from their
// @2x drawing, and the pointer still hits controls by logical position. The
// pixel tests of ratio 1 are the other suites'.
#include "AppTestSupport.h"
#include "MainWindowFakes.h"
#include "app/CMainWindowDialogs.h"
#include "data/CDataManager.h"
#include "data/FixedClock.h"
#include "resources/art/CPictureTable.h"
#include "ui/CWndCustom.h"
#include "ui/draw/CDrawSurface.h"
#include "ui/draw/CPictureStore.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <memory>
#include <string>

namespace {

// Aligned 2 × 2 blocks of `image` inside `device` whose four pixels are not all
// the same: none in an image scaled up by pixel doubling, many where edges
// were drawn at the finer resolution.
int MixedBlocks(const QImage& image, const QRect& device) {
    const QRect area = device.intersected(image.rect());
    int mixed = 0;
    for (int y = area.top() & ~1; y + 1 <= area.bottom(); y += 2) {
        for (int x = area.left() & ~1; x + 1 <= area.right(); x += 2) {
            const QRgb p = image.pixel(x, y);
            mixed += image.pixel(x + 1, y) != p || image.pixel(x, y + 1) != p ||
                     image.pixel(x + 1, y + 1) != p;
        }
    }
    return mixed;
}

// The 2 × 2 blocks in which `twice` differs from `once` doubled pixel by pixel.
int BlocksUnlikeDoubled(const QImage& twice, const QImage& once) {
    int differing = 0;
    for (int y = 0; y < once.height(); ++y) {
        for (int x = 0; x < once.width(); ++x) {
            const QRgb p = once.pixel(x, y);
            differing += twice.pixel(2 * x, 2 * y) != p || twice.pixel(2 * x + 1, 2 * y) != p ||
                         twice.pixel(2 * x, 2 * y + 1) != p ||
                         twice.pixel(2 * x + 1, 2 * y + 1) != p;
        }
    }
    return differing;
}

// Mean absolute grey difference (levels) between `ratioImage` brought back to
// `once`'s size by area averaging and `once`: small when everything lies
// where it lay at ratio 1.
double MeanGreyDifference(const QImage& ratioImage, const QImage& once) {
    QImage back = ratioImage;
    back.setDevicePixelRatio(1.0);
    back = back.scaled(once.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
               .convertToFormat(QImage::Format_RGB32);
    const QImage base = once.convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    for (int y = 0; y < base.height(); ++y) {
        for (int x = 0; x < base.width(); ++x) {
            sum += std::abs(qGray(back.pixel(x, y)) - qGray(base.pixel(x, y)));
        }
    }
    return sum / (base.width() * base.height());
}

QRect Device(const QRect& logical, int ratio) {
    return QRect(logical.topLeft() * ratio, logical.size() * ratio);
}

QRect Bounds(const CCustomCtrlBase& control) {
    return QRect(control.X(), control.Y(), control.Width(), control.Height());
}

class HiDpiTest : public ::testing::Test {
protected:
    void TearDown() override {
        Close();
        CDrawSurface::SetDevicePixelRatio(1.0);
    }

    void Close() {
        m_window.reset();
        m_frame.reset();
        m_manager.reset();
    }

    // A set-up window at `ratio` on a fresh database with one unit and the
    // first half of March 2015.
    void Open(double ratio) {
        Close();
        CDrawSurface::SetDevicePixelRatio(ratio);
        m_manager = std::make_unique<CDataManager>(m_clock, TestPortOptions(m_dir));
        ASSERT_EQ(m_manager->Initialize(m_dir.File("db" + std::to_string(m_opened++) + ".sdf")), 0);
        CDbModelInfoData model;
        model.macAddress = "0011223344556601";
        model.model = "RAS-1";
        model.roomCode = "L";
        ASSERT_EQ(m_manager->SetModelInfo(model), 0);
        for (int day = 1; day <= 14; ++day) {
            CDbRunStateData run;
            run.macAddress = model.macAddress;
            char date[9];
            std::snprintf(date, sizeof(date), "201503%02d", day);
            run.date = date;
            run.useTime = 60 + day;
            run.electricityBill = 30 + day;
            run.indoorTemperature = 22;
            run.outdoorTemperature = 10;
            ASSERT_EQ(m_manager->SetRunStateInfo(run), 0);
        }
        m_frame = std::make_unique<FrameStub>();
        m_window = OpenTestWindow(m_manager.get(), m_dialogs, m_frame.get(), ShortTimings());
    }

    QImage Canvas() const { return m_window->Canvas().Image().copy(); }

    CCustomCtrlTabPageCalendar& CalendarPage() { return m_window->MainTab().CalendarPage(); }

    // The badge of the first day of the month, in window coordinates.
    QRect FirstDayBadge() {
        const CCustomCtrlCalendar& calendar = CalendarPage().Calendar();
        for (const CALENDAR_DAY_INFO& cell : calendar.Cells()) {
            const std::optional<CEleBillDayInfo> record = m_manager->GetDayInfo(cell.index);
            if (record && record->inMonth && record->day == 1) {
                return QRect(calendar.X() + cell.left + 4, calendar.Y() + cell.top + 3, 18, 18);
            }
        }
        return QRect();
    }

    TempDir m_dir;
    int m_opened = 0;
    FixedClock m_clock{2015, 3, 14};
    FakeDialogs m_dialogs;
    MessageRecorder m_messages;
    std::unique_ptr<CDataManager> m_manager;
    std::unique_ptr<FrameStub> m_frame;
    std::unique_ptr<CWndCustom> m_window;
};

TEST_F(HiDpiTest, EveryRatioKeepsTheLogicalLayoutAndDrawsItsOwnDevicePixels) {
    const struct {
        double ratio;
        QSize device;
        double maxGreyDifference; // against ratio 1, brought back to 1020 × 578
    } kRatios[] = {{1.0, {1020, 578}, 0.0},
                   {1.25, {1275, 723}, 4.5},
                   {1.5, {1530, 867}, 4.5},
                   {2.0, {2040, 1156}, 2.5}};
    QImage once;
    QRect button;
    QRect calendar;
    for (const auto& r : kRatios) {
        SCOPED_TRACE(r.ratio);
        ASSERT_NO_FATAL_FAILURE(Open(r.ratio));
        const CDrawSurface& canvas = m_window->Canvas();
        EXPECT_EQ(QSize(canvas.Width(), canvas.Height()), QSize(1020, 578));
        EXPECT_EQ(canvas.Image().size(), r.device);
        EXPECT_EQ(canvas.Image().devicePixelRatio(), r.ratio);
        EXPECT_EQ(m_window->size(), QSize(1020, 578));
        // A picture strip's control and a drawn control keep their places.
        const QRect nowButton = Bounds(CalendarPage().PreviousMonthButton());
        const QRect nowCalendar = Bounds(CalendarPage().Calendar());
        if (r.ratio == 1.0) {
            once = Canvas();
            button = nowButton;
            calendar = nowCalendar;
            continue;
        }
        EXPECT_EQ(nowButton, button);
        EXPECT_EQ(nowCalendar, calendar);
        EXPECT_LE(MeanGreyDifference(Canvas(), once), r.maxGreyDifference);
    }
}

TEST_F(HiDpiTest, TextShapesAndPicturesHaveEdgesInsideTheBlocksOfRatioTwo) {
    ASSERT_NO_FATAL_FAILURE(Open(1.0));
    const QImage once = Canvas();
    const QRect badge = FirstDayBadge();
    ASSERT_FALSE(badge.isEmpty());
    ASSERT_NO_FATAL_FAILURE(Open(2.0));
    const QImage twice = Canvas();
    ASSERT_EQ(twice.size(), QSize(2040, 1156));
    ASSERT_EQ(FirstDayBadge(), badge);

    const struct {
        const char* what;
        QRect logical;
        int minimum; // mixed 2 × 2 blocks at ratio 2
    } kAreas[] = {
        {"date line", QRect(207, 58, 200, 20), 400},
        {"day number on its badge", badge, 14},
        {"previous-month button picture", Bounds(CalendarPage().PreviousMonthButton()), 150},
        {"main tab headers", QRect(206, 59, 400, 26), 1000},
    };
    const QImage doubled = once.scaled(once.size() * 2);
    for (const auto& a : kAreas) {
        SCOPED_TRACE(a.what);
        EXPECT_EQ(MixedBlocks(doubled, Device(a.logical, 2)), 0); // what 2x2 copies look like
        EXPECT_GE(MixedBlocks(twice, Device(a.logical, 2)), a.minimum);
    }

    // The store hands out the @2x drawings at the 1x pictures' logical sizes.
    for (const int id : {171, 204, 250, 386}) {
        SCOPED_TRACE(id);
        const QImage base = CPictureStore::Get(id);
        const CPictureStore::Picture picture = CPictureStore::Get(id, 2.0);
        ASSERT_FALSE(base.isNull());
        EXPECT_EQ(picture.size, base.size());
        EXPECT_EQ(picture.image.size(), base.size() * 2);
        EXPECT_EQ(picture.image.devicePixelRatio(), 2.0);
        EXPECT_GT(BlocksUnlikeDoubled(picture.image, base), base.width() + base.height());
        const CPictureStore::Picture between = CPictureStore::Get(id, 1.5);
        EXPECT_EQ(between.size, base.size());
        EXPECT_EQ(between.image.size(),
                  QSize(std::lround(base.width() * 1.5), std::lround(base.height() * 1.5)));
    }
}

TEST_F(HiDpiTest, AWindowMovedToAScreenOfAnotherRatioDrawsAsOneOpenedThere) {
    for (const int page : {0, 1}) {
        ASSERT_NO_FATAL_FAILURE(Open(2.0));
        m_window->MainTab().SelectPage(page);
        QCoreApplication::processEvents();
        const QImage there = Canvas();
        ASSERT_NO_FATAL_FAILURE(Open(1.0));
        m_window->MainTab().SelectPage(page);
        QCoreApplication::processEvents();
        m_window->SetDevicePixelRatio(2.0);
        QCoreApplication::processEvents();
        EXPECT_EQ(Canvas(), there) << page;
    }
}

TEST_F(HiDpiTest, ThePointerHitsControlsByTheirLogicalPositions) {
    for (const double ratio : {1.0, 2.0}) {
        SCOPED_TRACE(ratio);
        ASSERT_NO_FATAL_FAILURE(Open(ratio));
        ASSERT_EQ(m_manager->GetViewMonth(), 3);
        const QPoint previous = Bounds(CalendarPage().PreviousMonthButton()).center();
        QTest::mouseClick(m_window.get(), Qt::LeftButton, {}, previous);
        QCoreApplication::processEvents();
        EXPECT_EQ(m_manager->GetViewYear() * 100 + m_manager->GetViewMonth(), 201502);
        const QPoint next = Bounds(CalendarPage().NextMonthButton()).center();
        QTest::mouseClick(m_window.get(), Qt::LeftButton, {}, next);
        QCoreApplication::processEvents();
        EXPECT_EQ(m_manager->GetViewYear() * 100 + m_manager->GetViewMonth(), 201503);

        const QPoint badge = FirstDayBadge().center();
        QMouseEvent move(QEvent::MouseMove, badge, m_window->mapToGlobal(badge), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(m_window.get(), &move);
        QCoreApplication::processEvents();
        const CCustomCtrlCalendar& calendar = CalendarPage().Calendar();
        ASSERT_GE(calendar.HoverCell(), 0);
        const CALENDAR_DAY_INFO& cell = calendar.Cells()[static_cast<size_t>(calendar.HoverCell())];
        EXPECT_EQ(m_manager->GetDayInfo(cell.index)->day, 1);
    }
}

TEST_F(HiDpiTest, SurfacesBlitStripFramesAndShapeWindowsInLogicalPixels) {
    // A 2-frame strip, 12 × 4 logical: in each frame two key-colour columns,
    // then frame 0 red, frame 1 blue.
    QImage strip(12, 4, QImage::Format_RGB32);
    for (int x = 0; x < 12; ++x) {
        const QRgb colour =
            x % 6 < 2 ? qRgb(255, 0, 255) : (x < 6 ? qRgb(255, 0, 0) : qRgb(0, 0, 255));
        for (int y = 0; y < 4; ++y) {
            strip.setPixel(x, y, colour);
        }
    }
    constexpr int kStripId = 9901;
    for (const double ratio : {1.0, 1.5, 2.0}) {
        SCOPED_TRACE(ratio);
        CPictureStore::InsertForTest(kStripId, strip);
        CDrawSurface::SetDevicePixelRatio(ratio);
        CDrawSurface picture;
        ASSERT_TRUE(picture.LoadSurface(kStripId));
        EXPECT_EQ(QSize(picture.Width(), picture.Height()), QSize(12, 4));
        CDrawSurface target;
        ASSERT_TRUE(target.CreateSurface(12, 8));
        EXPECT_EQ(target.Image().size(), QSize(std::lround(12 * ratio), std::lround(8 * ratio)));
        target.Fill(QColor(0, 255, 0));
        // Frame 1 at logical (2, 2): its key columns leave the green showing.
        target.DrawSurface(picture, 2, 2, QRect(6, 0, 6, 4));
        // Sampled inside 2-pixel bands: a picture scaled smoothly (the test
        // strip has no @2x drawing) keeps its colours there.
        const QImage& image = target.Image();
        const auto is = [&](double x, double y, QColor expected) {
            const QColor c(image.pixel(int(x * ratio), int(y * ratio)));
            return std::abs(c.red() - expected.red()) <= 8 &&
                   std::abs(c.green() - expected.green()) <= 8 &&
                   std::abs(c.blue() - expected.blue()) <= 8;
        };
        EXPECT_TRUE(is(3.0, 3.5, QColor(0, 255, 0))); // the key columns
        EXPECT_TRUE(is(6.0, 3.5, QColor(0, 0, 255)));
        EXPECT_TRUE(is(6.0, 5.0, QColor(0, 0, 255)));
        EXPECT_TRUE(is(9.0, 3.5, QColor(0, 255, 0))); // right of the frame
        EXPECT_TRUE(is(6.0, 7.0, QColor(0, 255, 0))); // below it

        // A window's shape: logical pixels, covered where any device pixel is.
        CDrawSurface shaped;
        ASSERT_TRUE(shaped.CreateSurface(10, 8));
        shaped.Fill(QRect(2, 2, 2, 2), QColor(0, 0, 0));
        const QImage mask = shaped.CoverageMask();
        EXPECT_EQ(mask.size(), QSize(10, 8));
        int covered = 0;
        for (int y = 0; y < 8; ++y) {
            for (int x = 0; x < 10; ++x) {
                covered += qAlpha(mask.pixel(x, y)) == 255;
            }
        }
        EXPECT_EQ(covered, 4);
        EXPECT_EQ(qAlpha(mask.pixel(2, 2)), 255);
        EXPECT_EQ(qAlpha(mask.pixel(3, 3)), 255);
        CPictureStore::Clear();
    }
}

} // namespace
