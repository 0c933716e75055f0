// The main window's device poll and read command against simulated remote
// controllers, its date line and season picture, and its redraw.
#include "AppTestSupport.h"
#include "app/CMainWindowDialogs.h"
#include "data/CDataManager.h"
#include "data/FixedClock.h"
#include "dialogs/CDialogUpdateBase.h"
#include "sim/CRemoconSimulator.h"
#include "ui/CWndCustom.h"
#include "ui/controls/CCustomCtrlStatic.h"
#include "ui/controls/UiMessages.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace {
class WndCustomTest : public ::testing::Test {
protected:
    void TearDown() override {
        m_window.reset();
        m_manager.reset();
        m_sim.reset();
    }

    static SimUnitConfig Unit(int n) {
        SimUnitConfig unit;
        unit.mac = {0x00, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, static_cast<uint8_t>(n)};
        unit.model = "SIM-" + std::to_string(n);
        unit.year = 2015;
        unit.month = 3;
        unit.day = 13;
        return unit;
    }

    // A window on a fresh database with `units` plugged in, set up (which
    // reads them behind the splash).
    void Open(int units) {
        m_sim = std::make_unique<CRemoconSimulator>(m_dir.File("sim"));
        for (int n = 1; n <= units; ++n) {
            std::string error;
            ASSERT_GE(m_sim->AddUnit(Unit(n), error), 0) << error;
        }
        m_manager = std::make_unique<CDataManager>(
            m_clock, TestPortOptions(m_dir, m_sim->SysfsRoot(), m_sim->DevRoot()));
        ASSERT_EQ(m_manager->Initialize(m_dir.File("tvraircon.sdf")), 0);
        m_window = std::make_unique<CWndCustom>(
            m_manager.get(), std::make_unique<CMainWindowDialogs>(), ShortTimings());
        m_window->SetProgressDialogHook([this](CDialogUpdateBase& dialog) {
            ++m_dialogs;
            if (m_holdJob) {
                dialog.SetBeforeJobHook(m_holdJob);
            }
        });
        m_window->Setup();
        m_manager->LoadRemoConList();
    }

    std::string DevicePath(int index) { return m_sim->Unit(index)->DevicePath(); }

    TempDir m_dir;
    MessageRecorder m_messages;
    FixedClock m_clock{2015, 3, 14};
    std::unique_ptr<CRemoconSimulator> m_sim;
    std::unique_ptr<CDataManager> m_manager;
    std::unique_ptr<CWndCustom> m_window;
    std::function<void()> m_holdJob;
    int m_dialogs = 0;
};

TEST_F(WndCustomTest, SetupReadsEveryUnitBehindTheSplashAndStartsBothTimers) {
    ASSERT_NO_FATAL_FAILURE(Open(2));
    EXPECT_EQ(m_dialogs, 1); // the splash
    EXPECT_EQ(m_manager->GetRemoConCount(), 2);
    EXPECT_EQ(m_manager->GetLeftPage(), 9);
    EXPECT_EQ(m_manager->GetCurrentPage(), 20);
    EXPECT_TRUE(m_window->IsDevicePollRunning());
    EXPECT_TRUE(m_window->IsDateTimerRunning());
    // 12:00 local: the next midnight is twelve hours away.
    EXPECT_EQ(m_window->DateTimerIntervalMs(), 12 * 60 * 60 * 1000);
    EXPECT_EQ(m_window->DateText(), QStringLiteral("2015年3月14日 (土)"));
    EXPECT_EQ(m_window->ReadJobCount(), 0);
    EXPECT_TRUE(m_messages.Requests().empty());
}

TEST_F(WndCustomTest, ReadCommandCountsUnitsUnlessThePollSentIt) {
    struct Case {
        int units;
        intptr_t fromPoll;
        int reads;
        bool message;
    };
    const Case cases[] = {{0, 0, 0, true}, {0, 1, 1, false}, {1, 0, 1, false}, {1, 1, 1, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.units << " units, lParam " << c.fromPoll);
        TearDown();
        MessageRecorder messages;
        ASSERT_NO_FATAL_FAILURE(Open(c.units));
        UiSend(m_window.get(), UiMsg::kCommand, CWndCustom::kCommandRead, c.fromPoll);
        EXPECT_EQ(m_window->ReadJobCount(), c.reads);
        EXPECT_FALSE(m_window->IsReading());
        if (c.message) {
            ASSERT_EQ(messages.Requests().size(), 1u);
            EXPECT_EQ(messages.Requests()[0].text,
                      QStringLiteral("リモコンが接続されていません。"));
            EXPECT_EQ(messages.Requests()[0].owner, m_window.get());
            EXPECT_NE(messages.Requests()[0].flags & CMessageBox::kTopmost, 0u);
        } else {
            EXPECT_TRUE(messages.Requests().empty());
        }
    }
}

TEST_F(WndCustomTest, ArrivalWhileIdleStartsAReadWithoutCounting) {
    // Nothing plugged in: a count would find none and refuse.
    ASSERT_NO_FATAL_FAILURE(Open(0));
    ASSERT_GE(m_manager->PortManager().RecordDeviceChange(
                  "/sys/devices/usb1/1-1:1.0/USB#VID_08BA&PID_0002#TEVSIMX", 0),
              0);
    QTRY_COMPARE(m_window->ReadJobCount(), 1);
    QTRY_VERIFY(!m_window->IsReading());
    EXPECT_TRUE(m_messages.Requests().empty());
    EXPECT_EQ(m_window->MaxProgressDepth(), 1);
}

TEST_F(WndCustomTest, ArrivalDuringAReadStartsNoSecondReadAndIsTakenAfterIt) {
    ASSERT_NO_FATAL_FAILURE(Open(1));
    std::string error;
    SimUnitConfig second = Unit(2);
    std::atomic<int> holds{0};
    std::atomic<bool> release{false};
    m_holdJob = [&] {
        ++holds;
        while (!release) {
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
    };
    int readsDuringJob = -1;
    bool readingDuringJob = false;
    // While the read is held: plug in another unit and let many polls pass.
    QTimer::singleShot(0, m_window.get(), [&] {
        ASSERT_GE(m_sim->AddUnit(second, error), 0) << error;
        ASSERT_GE(m_manager->PortManager().RecordDeviceChange(DevicePath(1).c_str(), 0), 0);
    });
    QTimer::singleShot(200, m_window.get(), [&] {
        readsDuringJob = m_window->ReadJobCount();
        readingDuringJob = m_window->IsReading();
        m_holdJob = nullptr;
        release = true;
    });
    UiSend(m_window.get(), UiMsg::kCommand, CWndCustom::kCommandRead, 0);
    EXPECT_EQ(readsDuringJob, 1);
    EXPECT_TRUE(readingDuringJob);
    EXPECT_EQ(m_window->ReadJobCount(), 1);
    // The first poll after the read takes the arrival and reads again.
    QTRY_COMPARE(m_window->ReadJobCount(), 2);
    QTRY_VERIFY(!m_window->IsReading());
    EXPECT_EQ(m_window->MaxProgressDepth(), 1);
    m_manager->LoadRemoConList();
    EXPECT_EQ(m_manager->GetRemoConCount(), 2);
    EXPECT_TRUE(m_messages.Requests().empty());
}

TEST_F(WndCustomTest, RemovalRefreshesTheConnectionStateWithoutARead) {
    ASSERT_NO_FATAL_FAILURE(Open(2));
    m_manager->RefreshConnectedFlags();
    ASSERT_TRUE(m_manager->GetRemoConList().at(0).connected);
    ASSERT_TRUE(m_manager->GetRemoConList().at(1).connected);
    const std::string removed = DevicePath(0);
    ASSERT_TRUE(m_sim->Unplug(0));
    ASSERT_GE(m_manager->PortManager().RecordDeviceChange(removed.c_str(), 1), 0);
    QTRY_VERIFY(!m_manager->GetRemoConList().at(0).connected);
    EXPECT_TRUE(m_manager->GetRemoConList().at(1).connected);
    EXPECT_EQ(m_window->ReadJobCount(), 0);
}

TEST_F(WndCustomTest, DateLineAndSeasonPictureAdvanceAtMidnightWithoutUserAction) {
    m_clock.Set(2015, 12, 25, 23, 59, 59);
    ASSERT_NO_FATAL_FAILURE(Open(0));
    EXPECT_EQ(m_window->DateText(), QStringLiteral("2015年12月25日 (金)"));
    EXPECT_EQ(m_window->SeasonPicture(), 349);
    EXPECT_EQ(m_window->DateTimerIntervalMs(), 1000);
    m_clock.Set(2015, 12, 26, 0, 0, 1);
    QTRY_COMPARE(m_window->DateText(), QStringLiteral("2015年12月26日 (土)"));
    EXPECT_EQ(m_window->SeasonPicture(), 344);
    int32_t year = 0, month = 0, day = 0;
    m_manager->GetToday(year, month, day);
    EXPECT_EQ(day, 26);
    EXPECT_TRUE(m_window->IsDateTimerRunning());
}

TEST_F(WndCustomTest, SeasonPictureFollowsTheDate) {
    struct Case {
        int month, day, picture;
    };
    const Case cases[] = {{1, 1, 345},   {1, 5, 345},   {1, 6, 333},   {2, 24, 334},  {2, 25, 346},
                          {3, 3, 346},   {3, 4, 335},   {4, 28, 336},  {4, 29, 347},  {5, 5, 347},
                          {5, 6, 337},   {6, 15, 338},  {7, 1, 339},   {8, 31, 340},  {9, 9, 341},
                          {10, 24, 342}, {10, 25, 348}, {11, 30, 343}, {12, 18, 344}, {12, 19, 349},
                          {12, 25, 349}, {12, 26, 344}, {0, 1, 332},   {13, 1, 332}};
    for (const Case& c : cases) {
        EXPECT_EQ(CWndCustom::SeasonPictureId(c.month, c.day), c.picture)
            << c.month << "/" << c.day;
    }
}

TEST_F(WndCustomTest, DateTextCarriesTheWeekday) {
    const std::tuple<int, int, int, QString> cases[] = {
        {2015, 3, 14, QStringLiteral("2015年3月14日 (土)")},
        {2015, 3, 15, QStringLiteral("2015年3月15日 (日)")},
        {2010, 1, 1, QStringLiteral("2010年1月1日 (金)")},
        {2099, 12, 31, QStringLiteral("2099年12月31日 (木)")},
        {2015, 13, 1, QStringLiteral("2015年13月1日 ()")}};
    for (const auto& [year, month, day, text] : cases) {
        EXPECT_EQ(CWndCustom::MakeDateText(year, month, day), text);
    }
}

TEST_F(WndCustomTest, FullRedrawPaintsTheButtonFaceWhereNoPictureLies) {
    ASSERT_NO_FATAL_FAILURE(Open(0));
    m_window->Canvas().Fill(QColor(1, 2, 3));
    UiSend(m_window.get(), UiMsg::kFullRedraw);
    const QColor face = m_window->palette().color(QPalette::Active, QPalette::Button);
    // The season picture is 1012 × 569: the right and bottom edges stay bare.
    EXPECT_EQ(QColor(m_window->Canvas().Image().pixel(1016, 300)).rgb(), face.rgb());
    EXPECT_EQ(QColor(m_window->Canvas().Image().pixel(500, 575)).rgb(), face.rgb());
    const QImage shown = m_window->grab().toImage();
    EXPECT_EQ(QColor(shown.pixel(1016, 300)).rgb(), face.rgb());
}

TEST_F(WndCustomTest, DateLineIsDrawnInItsRectangleOnly) {
    ASSERT_NO_FATAL_FAILURE(Open(0));
    // After the left and the main tab control, before the about picture.
    ASSERT_EQ(m_window->Dispatcher().Controls().size(), 4u);
    auto* dateLine = dynamic_cast<CCustomCtrlStatic*>(m_window->Dispatcher().Controls()[2]);
    ASSERT_NE(dateLine, nullptr);
    EXPECT_EQ(QRect(dateLine->X(), dateLine->Y(), dateLine->Width(), dateLine->Height()),
              QRect(207, 58, 200, 20));
    EXPECT_EQ(dateLine->FontSize(), 13);
    const QString text = dateLine->Text();
    m_window->FullRedraw();
    const QImage withText = m_window->Canvas().Image().copy();
    dateLine->SetText(QString());
    m_window->FullRedraw();
    const QImage without = m_window->Canvas().Image().copy();
    dateLine->SetText(text);
    const QRect box(207, 58, 200, 20);
    int changedInside = 0;
    int changedOutside = 0;
    for (int y = 0; y < withText.height(); ++y) {
        for (int x = 0; x < withText.width(); ++x) {
            if (withText.pixel(x, y) != without.pixel(x, y)) {
                ++(box.contains(x, y) ? changedInside : changedOutside);
            }
        }
    }
    EXPECT_GT(changedInside, 100);
    EXPECT_EQ(changedOutside, 0);
}
} // namespace
