// The main window's tab layout, page rules, commands with their result
// messages, popup messages, keyboard and the hold-off of the poll and the
// date check while a job runs; on a seeded database with a fixed clock and a
// scripted dialog seam.
#include "AppTestSupport.h"
#include "MainWindowFakes.h"
#include "app/CMainWindowDialogs.h"
#include "data/CDataManager.h"
#include "data/FixedClock.h"
#include "dialogs/CDialogDay.h"
#include "dialogs/CDialogUpdate.h"
#include "dialogs/CListBoxPopup.h"
#include "ui/CMainWindowCommands.h"
#include "ui/CWndCustom.h"
#include "ui/IMainWindowDialogs.h"
#include "ui/controls/UiMessages.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <memory>
#include <optional>
#include <thread>

namespace {
using Commands = CMainWindowCommands;

class MainWindowTest : public ::testing::Test {
protected:
    void TearDown() override {
        m_window.reset();
        m_frame.reset();
        m_manager.reset();
    }

    static std::string Mac(int n) {
        char text[17];
        std::snprintf(text, sizeof(text), "00112233445566%02X", n);
        return text;
    }

    void AddUnit(int n, const std::string& model) {
        CDbModelInfoData row;
        row.macAddress = Mac(n);
        row.model = model;
        row.roomCode = "L";
        ASSERT_EQ(m_manager->SetModelInfo(row), 0);
        CDbSettingInfoData settings;
        settings.macAddress = Mac(n);
        settings.values = {0,  0,  0,  0,  3,  0,  0,  27, 0,  0,  1,  0,  -1,
                           -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
        ASSERT_EQ(m_manager->SetSettingInfo(settings), 0);
        for (int day = 1; day <= 14; ++day) {
            CDbRunStateData run;
            run.macAddress = Mac(n);
            char date[9];
            std::snprintf(date, sizeof(date), "201503%02d", day);
            run.date = date;
            run.useTime = 60 * n;
            run.electricityBill = 30 * n + day;
            run.indoorTemperature = 22;
            run.outdoorTemperature = 10;
            ASSERT_EQ(m_manager->SetRunStateInfo(run), 0);
        }
    }

    // A set-up window on a database with `units` registered units.
    void Open(int units, const std::vector<std::string>& models = {}) {
        m_manager = std::make_unique<CDataManager>(m_clock, TestPortOptions(m_dir));
        ASSERT_EQ(m_manager->Initialize(m_dir.File("tvraircon.sdf")), 0);
        for (int n = 1; n <= units; ++n) {
            const size_t i = static_cast<size_t>(n - 1);
            ASSERT_NO_FATAL_FAILURE(
                AddUnit(n, i < models.size() ? models[i] : "RAS-" + std::to_string(n) + "  "));
        }
        m_frame = std::make_unique<FrameStub>();
        m_window = OpenTestWindow(m_manager.get(), m_dialogs, m_frame.get(), ShortTimings());
        Record();
    }

    void Command(int32_t id, intptr_t lParam = 0) {
        UiSend(m_window.get(), UiMsg::kCommand, static_cast<uintptr_t>(id), lParam);
        QCoreApplication::processEvents();
    }

    // A fresh recorder (the old one first gives the handler back).
    void Record() {
        m_messages.reset();
        m_messages = std::make_unique<MessageRecorder>();
    }

    QImage Canvas() const { return m_window->Canvas().Image().copy(); }

    static int DiffersIn(const QImage& a, const QImage& b, const QRect& box, bool inside) {
        int count = 0;
        for (int y = 0; y < a.height(); ++y) {
            for (int x = 0; x < a.width(); ++x) {
                if (box.contains(x, y) == inside && a.pixel(x, y) != b.pixel(x, y)) {
                    ++count;
                }
            }
        }
        return count;
    }

    TempDir m_dir;
    FixedClock m_clock{2015, 3, 14};
    FakeDialogs m_dialogs;
    std::unique_ptr<MessageRecorder> m_messages;
    std::unique_ptr<CDataManager> m_manager;
    std::unique_ptr<FrameStub> m_frame;
    std::unique_ptr<CWndCustom> m_window;
};

TEST_F(MainWindowTest, ControlsLieWhereTheLayoutPutsThemInDrawingOrder) {
    ASSERT_NO_FATAL_FAILURE(Open(1));
    const auto& controls = m_window->Dispatcher().Controls();
    ASSERT_EQ(controls.size(), 4u);
    EXPECT_EQ(controls[0], &m_window->LeftTab());
    EXPECT_EQ(controls[1], &m_window->MainTab());
    EXPECT_EQ(controls[3], &m_window->AboutPicture());
    const QRect expected[] = {{3, 58, 200, 498}, {206, 59, 802, 498}, {207, 58, 200, 20}};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(
            QRect(controls[i]->X(), controls[i]->Y(), controls[i]->Width(), controls[i]->Height()),
            expected[i])
            << i;
    }
    EXPECT_EQ(QPoint(m_window->AboutPicture().X(), m_window->AboutPicture().Y()), QPoint(297, 133));
    EXPECT_EQ(m_window->AboutPicture().PictureId(), 170);
    EXPECT_FALSE(m_window->AboutPicture().IsVisible());
    EXPECT_TRUE(m_window->MainTab().IsVisible());
    EXPECT_EQ(m_manager->GetLeftPage(), 9);
    EXPECT_EQ(m_manager->GetCurrentPage(), 20);
}

TEST_F(MainWindowTest, AllUnitsChosenOnTheSettingsCheckReturnsToTheCalendar) {
    ASSERT_NO_FATAL_FAILURE(Open(2));
    Command(12); // the second unit
    EXPECT_EQ(m_manager->GetRequestedSelection(), 1);
    EXPECT_EQ(m_manager->GetAppliedSelection(), 1);
    m_window->MainTab().SelectPage(2);
    QCoreApplication::processEvents();
    ASSERT_EQ(m_manager->GetCurrentPage(), 29);
    const QImage settings = Canvas();
    // Another unit on the settings check: the view data is left alone.
    Command(11);
    EXPECT_EQ(m_manager->GetRequestedSelection(), 0);
    EXPECT_EQ(m_manager->GetAppliedSelection(), 1);
    EXPECT_EQ(m_manager->GetCurrentPage(), 29);
    Command(10);
    EXPECT_EQ(m_manager->GetRequestedSelection(), -1);
    EXPECT_EQ(m_manager->GetAppliedSelection(), -1);
    EXPECT_EQ(m_manager->GetCurrentPage(), 20);
    EXPECT_EQ(m_window->MainTab().SelectedIndex(), 0);
    EXPECT_FALSE(m_window->MainTab().Page(2)->IsEnabled());
    EXPECT_GT(DiffersIn(settings, Canvas(), QRect(206, 85, 802, 472), true), 1000);
    // A unit id beyond the list changes nothing.
    Command(17);
    EXPECT_EQ(m_manager->GetRequestedSelection(), -1);
}

TEST_F(MainWindowTest, MenuHidesTheMainTabsAndTheAboutPictureFollowsItsFlag) {
    ASSERT_NO_FATAL_FAILURE(Open(1));
    const QImage devices = Canvas();
    m_window->LeftTab().SelectPage(1);
    QCoreApplication::processEvents();
    ASSERT_EQ(m_manager->GetLeftPage(), 2);
    EXPECT_FALSE(m_window->MainTab().IsVisible());
    EXPECT_FALSE(m_window->AboutPicture().IsVisible());
    const QImage menu = Canvas();
    EXPECT_GT(DiffersIn(devices, menu, QRect(206, 85, 802, 472), true), 10000);
    Command(Commands::kCommandAbout);
    EXPECT_TRUE(m_window->IsAboutShown());
    EXPECT_TRUE(m_window->AboutPicture().IsVisible());
    const QImage about = Canvas();
    const QRect aboutBox(297, 133, m_window->AboutPicture().Width(),
                         m_window->AboutPicture().Height());
    EXPECT_GT(DiffersIn(menu, about, aboutBox, true), 1000);
    // Only the picture and its release label change.
    EXPECT_EQ(DiffersIn(menu, about, aboutBox.united(QRect(560, 278, 300, 20)), false), 0);
    // Any other menu command hides it again (the file choice is cancelled).
    m_dialogs.fileOk = false;
    Command(Commands::kCommandImport);
    EXPECT_FALSE(m_window->IsAboutShown());
    EXPECT_EQ(DiffersIn(menu, Canvas(), QRect(0, 0, 1020, 578), true), 0);
    // Back on the select-device page the main tabs come back, the picture stays hidden.
    Command(Commands::kCommandAbout);
    m_window->LeftTab().SelectPage(0);
    QCoreApplication::processEvents();
    EXPECT_TRUE(m_window->MainTab().IsVisible());
    EXPECT_FALSE(m_window->AboutPicture().IsVisible());
    EXPECT_EQ(DiffersIn(devices, Canvas(), QRect(0, 0, 1020, 578), true), 0);
}

TEST_F(MainWindowTest, EveryFileCommandShowsTheMessageOfItsResult) {
    struct Case {
        int32_t command;
        int32_t result;
        const char* message; // null: none
        int32_t kind, title, background;
    };
    const Case cases[] = {
        {3, 0, "読み込み処理に成功しました。", 1, 21001, 365},
        {3, 1, "読み込んだデータに誤りがあります。", 1, 21001, 365},
        {3, 2, "ファイルの読み込みに失敗しました。", 1, 21001, 365},
        {3, -1, "登録できるエアコン機種は７台までです。", 1, 21001, 365},
        {3, 7, nullptr, 1, 21001, 365},
        {3, -5, nullptr, 1, 21001, 365},
        {4, 0, "データ複製処理に成功しました。", 2, 21002, 366},
        {4, 1, "データ複製処理に失敗しました。", 2, 21002, 366},
        {5, 0, "機種削除処理に成功しました。", 4, 21003, 367},
        {5, 2, "機種削除処理に失敗した機種がありました。", 4, 21003, 367},
        {6, 0, "CSV書き出し処理に成功しました。", 3, 21004, 368},
        {6, 1, "CSV書き出し処理に失敗した機種がありました。", 3, 21004, 368},
    };
    ASSERT_NO_FATAL_FAILURE(Open(2));
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "command " << c.command << " result " << c.result);
        Record();
        m_dialogs.forcedResult = c.result;
        m_dialogs.positions = {0};
        m_dialogs.macs = {Mac(1)};
        m_dialogs.progressRuns = 0;
        m_window->SetAboutShown(true);
        Command(c.command);
        EXPECT_FALSE(m_window->IsAboutShown());
        EXPECT_EQ(m_dialogs.progressRuns, 1);
        EXPECT_EQ(m_dialogs.jobKind, c.kind);
        EXPECT_EQ(m_dialogs.titleId, c.title);
        EXPECT_EQ(m_dialogs.backgroundId, c.background);
        EXPECT_EQ(m_dialogs.animationX, 154);
        if (c.message == nullptr) {
            EXPECT_TRUE(m_messages->Requests().empty());
        } else {
            ASSERT_EQ(m_messages->Requests().size(), 1u);
            const CMessageBox::Request& shown = m_messages->Requests()[0];
            EXPECT_EQ(shown.text, QString::fromUtf8(c.message));
            EXPECT_EQ(shown.caption, QStringLiteral("おしえて「テヴァロ」"));
            EXPECT_EQ(shown.owner, m_window.get());
            EXPECT_EQ(shown.flags, CMessageBox::kOk);
        }
    }
}

TEST_F(MainWindowTest, CancellingAnyChoiceEndsTheCommandSilently) {
    struct Case {
        int32_t command;
        bool selection, file, folder;
    };
    const Case cases[] = {{3, true, false, true}, {4, false, true, true}, {4, true, false, true},
                          {5, false, true, true}, {6, false, true, true}, {6, true, true, false}};
    ASSERT_NO_FATAL_FAILURE(Open(1));
    m_dialogs.forcedResult = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "command " << c.command);
        m_dialogs.selectionOk = c.selection;
        m_dialogs.fileOk = c.file;
        m_dialogs.folderOk = c.folder;
        m_dialogs.progressRuns = 0;
        Command(c.command);
        EXPECT_EQ(m_dialogs.progressRuns, 0);
        EXPECT_TRUE(m_messages->Requests().empty());
    }
}

TEST_F(MainWindowTest, RealJobsReportTheirResultsThroughTheSameMessages) {
    ASSERT_NO_FATAL_FAILURE(Open(2));
    const QString dat = QString::fromStdString(m_dir.File("copy.dat"));
    struct Case {
        int32_t command;
        QString path;
        std::vector<int32_t> positions;
        const char* message;
    };
    const Case cases[] = {
        {4, dat, {0, 1}, "データ複製処理に成功しました。"},
        {4, QStringLiteral("/nonexistent/folder/x.dat"), {0}, "データ複製処理に失敗しました。"},
        {3, dat, {}, "読み込み処理に成功しました。"},
        {3,
         QString::fromStdString(m_dir.File("missing.dat")),
         {},
         "ファイルの読み込みに失敗しました。"},
        {6, QString(), {0, 1}, "CSV書き出し処理に失敗した機種がありました。"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "command " << c.command << " " << c.path.toStdString());
        Record();
        m_dialogs.filePath = c.path;
        m_dialogs.positions = c.positions;
        Command(c.command);
        ASSERT_EQ(m_messages->Requests().size(), 1u);
        EXPECT_EQ(m_messages->Requests()[0].text, QString::fromUtf8(c.message));
    }
    Record();
    m_dialogs.macs = {Mac(2)};
    Command(Commands::kCommandDelete);
    EXPECT_EQ(m_messages->Texts(), QStringList{QStringLiteral("機種削除処理に成功しました。")});
    EXPECT_EQ(m_manager->GetRemoConCount(), 1);
}

TEST_F(MainWindowTest, ExportSuggestsTheUnitsNameOrTheProductName) {
    CRemoConInfo plain;
    plain.roomName = "リビング1";
    plain.model = "RAS-1   ";
    CRemoConInfo slashed;
    slashed.roomName = "寝室/部屋1";
    slashed.model = "AB/CD\t ";
    const std::vector<CRemoConInfo> list = {plain, slashed};
    struct Case {
        std::vector<int32_t> positions;
        const char* name;
    };
    const Case cases[] = {
        {{0}, "リビング1_RAS-1-20150314.dat"}, {{1}, "寝室_部屋1_AB_CD-20150314.dat"},
        {{0, 1}, "テヴァロ-20150314.dat"},     {{}, "テヴァロ-20150314.dat"},
        {{2}, "テヴァロ-20150314.dat"},        {{-1}, "テヴァロ-20150314.dat"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Commands::ExportFileName(list, c.positions, 2015, 3, 14),
                  QString::fromUtf8(c.name))
            << c.name;
    }
    EXPECT_EQ(Commands::ExportFileName(list, {0}, 2099, 12, 1),
              QStringLiteral("リビング1_RAS-1-20991201.dat"));

    // Through the command: today's date and the registered unit's names.
    ASSERT_NO_FATAL_FAILURE(Open(2, {"RAS-A/B  ", "RAS-2"}));
    m_dialogs.fileOk = false;
    const std::string room = m_manager->GetRemoConList().at(0).roomName;
    const std::pair<std::vector<int32_t>, QString> commands[] = {
        {{0}, QString::fromStdString(room) + QStringLiteral("_RAS-A_B-20150314.dat")},
        {{0, 1}, QStringLiteral("テヴァロ-20150314.dat")}};
    for (const auto& [positions, name] : commands) {
        m_dialogs.positions = positions;
        Command(Commands::kCommandExport);
        EXPECT_FALSE(m_dialogs.lastOpen);
        EXPECT_EQ(m_dialogs.suggestedName, name);
    }
}

TEST_F(MainWindowTest, ReadHelpAndThisMonthRefusalsShowTheirMessages) {
    ASSERT_NO_FATAL_FAILURE(Open(1));
    struct Case {
        int32_t command;
        const char* message;
        bool topmost;
    };
    m_dialogs.helpOk = false;
    const Case cases[] = {{32, "リモコンが接続されていません。", true},
                          {7, "ヘルプファイルを開けませんでした。", false},
                          {34, "ヘルプファイルを開けませんでした。", false}};
    for (const Case& c : cases) {
        Record();
        Command(c.command);
        ASSERT_EQ(m_messages->Requests().size(), 1u) << c.command;
        EXPECT_EQ(m_messages->Requests()[0].text, QString::fromUtf8(c.message));
        EXPECT_EQ((m_messages->Requests()[0].flags & CMessageBox::kTopmost) != 0, c.topmost);
    }
    EXPECT_EQ(m_dialogs.helpOpens, 2);
    m_dialogs.helpOk = true;
    Record();
    Command(34);
    EXPECT_TRUE(m_messages->Requests().empty());

    m_clock.Set(2100, 1, 2);
    // The poll notices the new day first.
    QTRY_COMPARE(m_window->DateText(), QStringLiteral("2100年1月2日 (土)"));
    Command(Commands::kCommandThisMonth);
    EXPECT_EQ(m_messages->Texts(), QStringList{QStringLiteral("現在の日付は有効範囲外です。")});
    EXPECT_EQ(m_manager->GetViewYear(), 2015);
}

TEST_F(MainWindowTest, NavigationAndScaleCommandsMoveTheViewAndRedraw) {
    ASSERT_NO_FATAL_FAILURE(Open(1));
    struct Case {
        int32_t command;
        int32_t year, month;
    };
    const Case cases[] = {{23, 2015, 2}, {23, 2015, 1}, {23, 2014, 12}, {25, 2015, 1},
                          {21, 2014, 1}, {22, 2015, 1}, {24, 2015, 3},  {25, 2015, 4}};
    QImage before = Canvas();
    for (const Case& c : cases) {
        Command(c.command);
        EXPECT_EQ(m_manager->GetViewYear(), c.year) << c.command;
        EXPECT_EQ(m_manager->GetViewMonth(), c.month) << c.command;
        const QImage after = Canvas();
        EXPECT_GT(DiffersIn(before, after, QRect(206, 85, 802, 472), true), 0) << c.command;
        before = after;
    }
    Command(24);
    m_window->MainTab().SelectPage(1);
    QCoreApplication::processEvents();
    const int32_t scale = m_manager->GetGraphScale();
    Command(Commands::kCommandScaleUp);
    EXPECT_EQ(m_manager->GetGraphScale(), scale + 1);
    Command(Commands::kCommandScaleDown);
    EXPECT_EQ(m_manager->GetGraphScale(), scale);
    Command(Commands::kCommandAdvice);
    EXPECT_EQ(m_dialogs.onePoints, 1);
    EXPECT_TRUE(m_messages->Requests().empty());
}

TEST_F(MainWindowTest, SettingsPageStepsReachTheMainTabThroughTheWindow) {
    ASSERT_NO_FATAL_FAILURE(Open(1));
    Command(11);
    m_window->MainTab().SelectPage(2);
    QCoreApplication::processEvents();
    const CCustomCtrlTabPageEnvSetting& page = m_window->MainTab().SettingsPage();
    const int steps[] = {31, 31, 30, 31, 31, 31, 31, 30};
    const int indices[] = {1, 2, 1, 2, 3, 4, 4, 3};
    for (size_t i = 0; i < std::size(steps); ++i) {
        Command(steps[i]);
        EXPECT_EQ(page.CurrentIndex(), indices[i]) << i;
    }
}

TEST_F(MainWindowTest, PopupMessagesSetTheViewAndTheTarget) {
    ASSERT_NO_FATAL_FAILURE(Open(1));
    UiSend(m_window.get(), UiMsg::kPopupOpen, 1, MakePointParam(500, 90));
    EXPECT_EQ(m_dialogs.popupOpens, 1);
    EXPECT_EQ(m_dialogs.popupDestroys, 1); // a window left over goes first
    EXPECT_EQ(m_dialogs.popupKind, 1);
    EXPECT_EQ(m_dialogs.popupValue, 3);
    EXPECT_EQ(m_dialogs.popupYear, 2015);
    m_dialogs.popupClosed = false;
    UiSend(m_window.get(), UiMsg::kPopupOpen, 0, MakePointParam(500, 90));
    UiSend(m_window.get(), UiMsg::kPopupClose);
    EXPECT_EQ(m_dialogs.popupOpens, 1);
    EXPECT_EQ(m_dialogs.popupDestroys, 1);
    m_dialogs.popupClosed = true;
    UiSend(m_window.get(), UiMsg::kPopupClose);
    EXPECT_EQ(m_dialogs.popupDestroys, 2);

    const QImage before = Canvas();
    struct Case {
        uintptr_t kind;
        intptr_t value;
        int32_t year, month;
    };
    const Case cases[] = {{0, 2013, 2013, 3}, {1, 7, 2013, 7}, {1, -1, 2013, 7},  {0, 99, 2013, 7},
                          {1, 13, 2013, 7},   {1, 7, 2013, 7}, {0, 2015, 2015, 7}};
    for (const Case& c : cases) {
        UiSend(m_window.get(), UiMsg::kPopupSelect, c.kind, c.value);
        EXPECT_EQ(m_manager->GetViewYear(), c.year) << c.kind << " " << c.value;
        EXPECT_EQ(m_manager->GetViewMonth(), c.month) << c.kind << " " << c.value;
    }
    EXPECT_GT(DiffersIn(before, Canvas(), QRect(206, 85, 802, 472), true), 0);
    Command(11);
    UiSend(m_window.get(), UiMsg::kPopupSelect, 2, 4500);
    EXPECT_EQ(m_manager->GetMonthTarget(), 4500);
    UiSend(m_window.get(), UiMsg::kPopupOpen, 2, MakePointParam(300, 400));
    EXPECT_EQ(m_dialogs.popupValue, 4500);
    UiSend(m_window.get(), UiMsg::kPopupSelect, 2, -1);
    EXPECT_EQ(m_manager->GetMonthTarget(), 4500);
}

// The top-level widgets of type T that are on screen.
template <typename T>
std::vector<T*> VisibleTopLevels() {
    std::vector<T*> found;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (T* typed = qobject_cast<T*>(widget); typed != nullptr && typed->isVisible()) {
            found.push_back(typed);
        }
    }
    return found;
}

TEST_F(MainWindowTest, DoubleClickOnACalendarDayOpensItsDayDialog) {
    ASSERT_NO_FATAL_FAILURE(Open(1));
    m_window->SetDialogs(nullptr);
    const CCustomCtrlCalendar& calendar = m_window->MainTab().CalendarPage().Calendar();
    QPoint target;
    for (const CALENDAR_DAY_INFO& cell : calendar.Cells()) {
        const std::optional<CEleBillDayInfo> record = m_manager->GetDayInfo(cell.index);
        if (record && record->month == 3 && record->day == 10) {
            target = QPoint(calendar.X() + (cell.left + cell.right) / 2,
                            calendar.Y() + (cell.top + cell.bottom) / 2);
        }
    }
    ASSERT_FALSE(target.isNull());
    int dialogs = 0;
    int32_t year = 0, month = 0, day = 0;
    QTimer::singleShot(0, [&] {
        for (CDialogDay* dialog : VisibleTopLevels<CDialogDay>()) {
            ++dialogs;
            year = dialog->Year();
            month = dialog->Month();
            day = dialog->Day();
            dialog->close();
        }
    });
    QTest::mouseDClick(m_window.get(), Qt::LeftButton, {}, target);
    QCoreApplication::processEvents();
    EXPECT_EQ(dialogs, 1);
    EXPECT_EQ(year * 10000 + month * 100 + day, 20150310);
    EXPECT_TRUE(VisibleTopLevels<CDialogDay>().empty());
}

TEST_F(MainWindowTest, MonthPopupListChoiceSetsTheViewMonth) {
    ASSERT_NO_FATAL_FAILURE(Open(1));
    m_window->SetDialogs(nullptr);
    UiSend(m_window.get(), UiMsg::kPopupOpen, 1, MakePointParam(500, 90));
    // A second request while the list is open is ignored.
    UiSend(m_window.get(), UiMsg::kPopupOpen, 1, MakePointParam(500, 90));
    const std::vector<CListBoxPopup*> lists = VisibleTopLevels<CListBoxPopup>();
    ASSERT_EQ(lists.size(), 1u);
    CListBoxPopup* list = lists.front();
    EXPECT_EQ(list->pos().x() + list->width(), m_window->mapToGlobal(QPoint(500, 90)).x());
    int row = -1;
    for (int i = 0; i < list->count(); ++i) {
        if (list->ValueAt(i) == 7) {
            row = i;
        }
    }
    ASSERT_GE(row, 0);
    list->setCurrentRow(row);
    QTest::keyClick(list, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(m_manager->GetViewMonth(), 7);
    EXPECT_EQ(m_manager->GetViewYear(), 2015);
    EXPECT_TRUE(VisibleTopLevels<CListBoxPopup>().empty()); // 0x8008 destroyed it
}

TEST_F(MainWindowTest, KeysRunTheCommandsOfTheirButtonsUnderTheSameRules) {
    using K = Commands::KeyState;
    struct Case {
        int key;
        bool control;
        K state;
        int32_t command;
    };
    const K march{9, 20, 2015, 3, 2015, 3};
    const K first{9, 26, 2010, 1, 2015, 3};
    const K last{9, 20, 2099, 12, 2015, 3};
    const K settings{9, 29, 2015, 2, 2015, 3};
    const K menu{2, 20, 2015, 2, 2015, 3};
    const Case cases[] = {
        {Qt::Key_PageUp, false, march, 23},
        {Qt::Key_PageDown, false, march, 25},
        {Qt::Key_Home, false, march, -1},
        {Qt::Key_Home, false, first, 24},
        {Qt::Key_PageUp, false, first, -1},
        {Qt::Key_PageDown, false, first, 25},
        {Qt::Key_PageDown, false, last, -1},
        {Qt::Key_PageUp, false, last, 23},
        {Qt::Key_PageUp, false, settings, -1},
        {Qt::Key_Home, false, settings, -1},
        {Qt::Key_PageUp, false, menu, -1},
        {Qt::Key_Home, false, menu, -1},
        {Qt::Key_P, true, march, 33},
        {Qt::Key_P, true, settings, 33},
        {Qt::Key_P, true, menu, -1},
        {Qt::Key_P, false, march, -1},
        {Qt::Key_F1, false, march, 34},
        {Qt::Key_F1, false, menu, 7},
        {Qt::Key_Q, true, menu, Commands::kKeyCloseRequest},
        {Qt::Key_Q, false, march, -1},
        {Qt::Key_A, false, march, -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Commands::KeyCommand(c.key, c.control, c.state), c.command)
            << c.key << " ctrl " << c.control << " page " << c.state.currentPage;
    }

    // Through the window: the key posts the command, as the button would.
    ASSERT_NO_FATAL_FAILURE(Open(1));
    QTest::keyClick(m_window.get(), Qt::Key_PageUp);
    QCoreApplication::processEvents();
    EXPECT_EQ(m_manager->GetViewMonth(), 2);
    QTest::keyClick(m_window.get(), Qt::Key_Home);
    QCoreApplication::processEvents();
    EXPECT_EQ(m_manager->GetViewMonth(), 3);
    m_dialogs.helpOk = false;
    QTest::keyClick(m_window.get(), Qt::Key_F1);
    QCoreApplication::processEvents();
    EXPECT_EQ(m_messages->Texts(),
              QStringList{QStringLiteral("ヘルプファイルを開けませんでした。")});
    QTest::keyClick(m_window.get(), Qt::Key_Q, Qt::ControlModifier);
    QCoreApplication::processEvents();
    EXPECT_EQ(m_frame->closeRequests, 1);
    m_window->LeftTab().SelectPage(1);
    QCoreApplication::processEvents();
    QTest::keyClick(m_window.get(), Qt::Key_PageUp);
    QCoreApplication::processEvents();
    EXPECT_EQ(m_manager->GetViewMonth(), 3);
}

// A modal loop still delivers the window's timers: while a job's worker owns
// the data manager, neither a plugged-in remote controller nor midnight may
// start work of their own; both are taken right after the job.
TEST_F(MainWindowTest, ArrivalsAndMidnightDuringAJobWaitForItsEnd) {
    m_clock.Set(2015, 12, 25, 23, 59, 59);
    ASSERT_NO_FATAL_FAILURE(Open(1));
    ASSERT_EQ(m_window->SeasonPicture(), 349);
    std::atomic<bool> release{false};
    int readsDuringJob = -1;
    QString dateDuringJob;
    QTimer::singleShot(0, m_window.get(), [&] {
        m_clock.Set(2015, 12, 26, 0, 0, 1);
        ASSERT_GE(m_manager->PortManager().RecordDeviceChange(
                      "/sys/devices/usb1/1-1:1.0/USB#VID_08BA&PID_0002#TEVSIMX", 0),
                  0);
    });
    // Many polls and the midnight timer (due after 1 s) pass while the job is held.
    QTimer::singleShot(1300, m_window.get(), [&] {
        readsDuringJob = m_window->ReadJobCount();
        dateDuringJob = m_window->DateText();
        release = true;
    });
    m_window->SetProgressDialogHook([&](CDialogUpdateBase& dialog) {
        dialog.SetBeforeJobHook([&] {
            while (!release) {
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
            }
        });
    });
    m_dialogs.filePath = QString::fromStdString(m_dir.File("missing.dat"));
    Command(Commands::kCommandImport);
    m_window->SetProgressDialogHook({});
    EXPECT_EQ(readsDuringJob, 0);
    EXPECT_EQ(dateDuringJob, QStringLiteral("2015年12月25日 (金)"));
    EXPECT_EQ(m_window->MaxProgressDepth(), 1);
    QTRY_COMPARE(m_window->ReadJobCount(), 1);
    QTRY_COMPARE(m_window->DateText(), QStringLiteral("2015年12月26日 (土)"));
    EXPECT_EQ(m_window->SeasonPicture(), 344);
    EXPECT_EQ(m_window->MaxProgressDepth(), 1);
    EXPECT_TRUE(m_window->IsDateTimerRunning());
    EXPECT_EQ(m_messages->Texts(),
              QStringList{QStringLiteral("ファイルの読み込みに失敗しました。")});
}
} // namespace
