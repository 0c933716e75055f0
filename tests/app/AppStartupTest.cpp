// Start-up of the application object: its refusals, the frame it shows, the
// single-instance rule inside one process and the close request.
#include "AppTestSupport.h"
#include "app/CMainFrame.h"
#include "app/CSingleInstance.h"
#include "data/FixedClock.h"
#include "dialogs/CDialogUpdateBase.h"
#include "ui/CWndCustom.h"
#include "ui/controls/UiMessages.h"
#include "ui/draw/CDrawSurface.h"
#include "ui/draw/CPictureStore.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <mutex>

namespace {
const QString kCaption = QStringLiteral("おしえて「テヴァロ」");

class StartupTest : public ::testing::Test {
protected:
    void TearDown() override { CDrawSurface::SetDpiFactor(1.0); }

    TempDir m_dir;
    MessageRecorder m_messages;
};

TEST_F(StartupTest, ClockYearDecidesWhetherTheProgramStarts) {
    struct Case {
        int year, month, day;
        bool starts;
    };
    const Case cases[] = {
        {2009, 12, 31, false}, {2010, 1, 1, true}, {2099, 12, 31, true}, {2100, 1, 1, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.year << "-" << c.month << "-" << c.day);
        TempDir dir;
        MessageRecorder messages;
        FixedClock clock(c.year, c.month, c.day, 23, 59, 59);
        Ctevaro_worldApp app(clock, TestPortOptions(dir), TestAppOptions(dir));
        ASSERT_EQ(app.InitInstance(), c.starts);
        if (!c.starts) {
            ASSERT_EQ(messages.Requests().size(), 1u);
            const CMessageBox::Request& shown = messages.Requests().front();
            EXPECT_EQ(shown.text, QStringLiteral("日付が有効範囲外です。"));
            EXPECT_EQ(shown.caption, kCaption);
            EXPECT_EQ(shown.owner, nullptr);
            EXPECT_NE(shown.flags & CMessageBox::kTopmost, 0u);
            EXPECT_EQ(app.Frame(), nullptr);
            EXPECT_FALSE(app.DataManager().Db().IsOpen());
            continue;
        }
        EXPECT_TRUE(messages.Requests().empty()) << messages.Texts().join(", ").toStdString();
        ASSERT_NE(app.Frame(), nullptr);
        EXPECT_TRUE(app.Frame()->isVisible());
        EXPECT_EQ(app.Frame()->windowTitle(), kCaption);
        EXPECT_EQ(app.Caption(), kCaption);
        EXPECT_TRUE(app.DataManager().Db().IsOpen());
        EXPECT_EQ(app.DataManager().GetLeftPage(), 9);
        EXPECT_EQ(app.DataManager().GetCurrentPage(), 20);
        app.Frame()->RequestClose();
        EXPECT_TRUE(app.Frame()->HasClosed());
        EXPECT_FALSE(app.DataManager().Db().IsOpen());
    }
}

TEST_F(StartupTest, YearRangeIsOneUnsignedComparison) {
    const std::pair<int, bool> years[] = {{0, false},   {-1, false},  {2009, false}, {2010, true},
                                          {2055, true}, {2099, true}, {2100, false}, {9999, false}};
    for (const auto& [year, supported] : years) {
        EXPECT_EQ(Ctevaro_worldApp::IsSupportedYear(year), supported) << year;
    }
}

TEST_F(StartupTest, DatabaseThatCannotOpenStopsWithTheInitialisationMessage) {
    std::filesystem::create_directories(m_dir.File("a-folder"));
    const std::string paths[] = {m_dir.File("missing-folder/tvraircon.sdf"),
                                 m_dir.File("a-folder")};
    for (const std::string& path : paths) {
        SCOPED_TRACE(path);
        MessageRecorder messages;
        FixedClock clock(2015, 3, 14);
        Ctevaro_worldApp::Options options = TestAppOptions(m_dir);
        options.databasePath = path;
        Ctevaro_worldApp app(clock, TestPortOptions(m_dir), options);
        EXPECT_FALSE(app.InitInstance());
        ASSERT_EQ(messages.Requests().size(), 1u);
        EXPECT_EQ(messages.Requests()[0].text, QStringLiteral("初期化に失敗しました。"));
        EXPECT_EQ(messages.Requests()[0].caption, kCaption);
        EXPECT_EQ(messages.Requests()[0].owner, nullptr);
        EXPECT_NE(messages.Requests()[0].flags & CMessageBox::kTopmost, 0u);
        EXPECT_FALSE(app.DataManager().Db().IsOpen());
        EXPECT_EQ(app.Frame(), nullptr);
    }
}

TEST_F(StartupTest, FrameHasTheFixedClientWithTheMainWindowAndTheDpiFactor) {
    FixedClock clock(2015, 3, 14);
    Ctevaro_worldApp::Options options = TestAppOptions(m_dir);
    options.dpiFactor = 1.5;
    Ctevaro_worldApp app(clock, TestPortOptions(m_dir), options);
    ASSERT_TRUE(app.InitInstance());
    CMainFrame* frame = app.Frame();
    EXPECT_EQ(frame->size(), QSize(1020, 578));
    EXPECT_EQ(frame->minimumSize(), frame->maximumSize());
    EXPECT_FALSE(frame->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    ASSERT_NE(frame->MainWindow(), nullptr);
    EXPECT_EQ(frame->MainWindow()->geometry(), QRect(0, 0, 1020, 578));
    EXPECT_EQ(frame->MainWindow()->Canvas().Width(), 1020);
    EXPECT_EQ(frame->MainWindow()->Canvas().Height(), 578);
    EXPECT_DOUBLE_EQ(app.DpiFactor(), 1.5);
    EXPECT_DOUBLE_EQ(CDrawSurface::DpiFactor(), 1.5);
    // A 12-point font of the drawn controls is made as 8 points at 144 dpi.
    EXPECT_EQ(CDrawSurface::MakeFont(12, false).pointSize(), 8);
    EXPECT_EQ(frame->windowIcon().isNull(), !CPictureStore::Exists(129));
    EXPECT_TRUE(frame->MainWindow()->IsDevicePollRunning());
    EXPECT_TRUE(frame->MainWindow()->IsDateTimerRunning());
}

TEST_F(StartupTest, StandardButtonsReadJapanese) {
    ASSERT_TRUE(Ctevaro_worldApp::LoadJapaneseTranslation());
    QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Yes |
                         QDialogButtonBox::No);
    const std::pair<QDialogButtonBox::StandardButton, QString> expected[] = {
        {QDialogButtonBox::Ok, QStringLiteral("OK")},
        {QDialogButtonBox::Cancel, QStringLiteral("キャンセル")},
        {QDialogButtonBox::Yes, QStringLiteral("はい")},
        {QDialogButtonBox::No, QStringLiteral("いいえ")}};
    for (const auto& [button, text] : expected) {
        QString shown = box.button(button)->text();
        shown.remove(QRegularExpression(QStringLiteral("\\(&.\\)|&")));
        EXPECT_EQ(shown, text);
    }
}

TEST_F(StartupTest, FramePositionCentresTheOuterFrameOnThePrimaryScreen) {
    const std::pair<QSize, QPoint> cases[] = {
        {QSize(1280, 800), QPoint(128, 100)},  {QSize(1024, 600), QPoint(0, 0)},
        {QSize(800, 600), QPoint(-112, 0)},    {QSize(800, 480), QPoint(-112, -60)},
        {QSize(1920, 1080), QPoint(448, 240)}, {QSize(1025, 601), QPoint(0, 0)}};
    for (const auto& [screen, position] : cases) {
        EXPECT_EQ(CMainFrame::FramePosition(screen), position) << screen.width();
    }
}

TEST_F(StartupTest, SecondCopyIsRefusedSilentlyAndRestoresTheFirst) {
    FixedClock clock(2015, 3, 14);
    Ctevaro_worldApp first(clock, TestPortOptions(m_dir), TestAppOptions(m_dir));
    ASSERT_TRUE(first.InitInstance());
    QSignalSpy raised(first.Instance(), &CSingleInstance::raiseRequested);
    first.Frame()->showMinimized();
    ASSERT_TRUE(first.Frame()->isMinimized());

    TempDir other;
    Ctevaro_worldApp::Options options = TestAppOptions(m_dir);
    options.databasePath = other.File("tvraircon.sdf");
    Ctevaro_worldApp second(clock, TestPortOptions(other), options);
    EXPECT_FALSE(second.InitInstance());
    EXPECT_EQ(second.Frame(), nullptr);
    EXPECT_FALSE(second.DataManager().Db().IsOpen());
    EXPECT_TRUE(m_messages.Requests().empty());

    QTRY_COMPARE(raised.count(), 1);
    EXPECT_FALSE(first.Frame()->isMinimized());
    EXPECT_TRUE(first.Frame()->isVisible());
    EXPECT_FALSE(first.Frame()->HasClosed());
}

class CloseRequestTest : public StartupTest {
protected:
    void Start() {
        m_app = std::make_unique<Ctevaro_worldApp>(m_clock, TestPortOptions(m_dir),
                                                   TestAppOptions(m_dir));
        ASSERT_TRUE(m_app->InitInstance());
        m_frame = m_app->Frame();
    }

    FixedClock m_clock{2015, 3, 14};
    std::unique_ptr<Ctevaro_worldApp> m_app;
    CMainFrame* m_frame = nullptr;
};

TEST_F(CloseRequestTest, NothingOpenClosesAtOnceAndClosesTheDatabase) {
    ASSERT_NO_FATAL_FAILURE(Start());
    ASSERT_TRUE(m_app->DataManager().Db().IsOpen());
    EXPECT_TRUE(UiSend(m_frame, UiMsg::kCloseRequest));
    EXPECT_TRUE(m_frame->HasClosed());
    EXPECT_FALSE(m_frame->IsClosePollRunning());
    EXPECT_FALSE(m_frame->isVisible());
    EXPECT_FALSE(m_frame->MainWindow()->IsDevicePollRunning());
    EXPECT_FALSE(m_app->DataManager().Db().IsOpen());
}

TEST_F(CloseRequestTest, SocketCommandCloses) {
    ASSERT_NO_FATAL_FAILURE(Start());
    ASSERT_TRUE(CSingleInstance::SendCommand(m_app->Instance()->Folder(), "close"));
    QTRY_VERIFY(m_frame->HasClosed());
    EXPECT_FALSE(m_app->DataManager().Db().IsOpen());
}

TEST_F(CloseRequestTest, MessageBoxOfTheWindowIsDismissedFirst) {
    ASSERT_NO_FATAL_FAILURE(Start());
    auto* box = new QMessageBox(QMessageBox::Information, kCaption, QStringLiteral("x"),
                                QMessageBox::Ok, m_frame->MainWindow());
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
    ASSERT_TRUE(box->isVisible());
    m_frame->RequestClose();
    EXPECT_FALSE(m_frame->HasClosed());
    EXPECT_TRUE(m_frame->IsClosePollRunning());
    QTRY_VERIFY(m_frame->HasClosed());
    EXPECT_FALSE(m_frame->IsClosePollRunning());
}

TEST_F(CloseRequestTest, RunningJobClosesTheFrameOnlyAfterItsWorkerEnded) {
    ASSERT_NO_FATAL_FAILURE(Start());
    CWndCustom* window = m_frame->MainWindow();
    std::mutex lock;
    std::condition_variable wake;
    bool released = false;
    std::atomic<bool> jobStarted{false};
    window->SetProgressDialogHook([&](CDialogUpdateBase& dialog) {
        dialog.SetBeforeJobHook([&] {
            jobStarted = true;
            std::unique_lock<std::mutex> guard(lock);
            wake.wait(guard, [&] { return released; });
        });
    });

    bool closedWhileRunning = true;
    bool pollWhileRunning = false;
    int readsWhileRunning = -1;
    QTimer::singleShot(0, m_frame, [&] { UiPost(m_frame, UiMsg::kCloseRequest); });
    // Many close polls later the job still holds the frame open.
    QTimer::singleShot(150, m_frame, [&] {
        closedWhileRunning = m_frame->HasClosed();
        pollWhileRunning = m_frame->IsClosePollRunning();
        readsWhileRunning = window->ReadJobCount();
        std::lock_guard<std::mutex> guard(lock);
        released = true;
        wake.notify_all();
    });
    // Runs the read's progress dialog modally; returns when the dialog ended.
    UiSend(window, UiMsg::kCommand, CWndCustom::kCommandRead, 1);
    EXPECT_TRUE(jobStarted);
    EXPECT_FALSE(closedWhileRunning);
    EXPECT_TRUE(pollWhileRunning);
    EXPECT_EQ(readsWhileRunning, 1);
    QTRY_VERIFY(m_frame->HasClosed());
    EXPECT_FALSE(m_app->DataManager().Db().IsOpen());
}
} // namespace
