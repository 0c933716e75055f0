// The main window and the dialogs worked from the keyboard alone: Tab order
// over the drawn controls, pressing with Enter and Space, the calendar's
// arrows, the focus frame's pixels, and Tab between a dialog's own widgets and
// its drawn buttons.
#include "AppTestSupport.h"
#include "MainWindowFakes.h"
#include "app/CMainWindowDialogs.h"
#include "data/CDataManager.h"
#include "data/FixedClock.h"
#include "dialogs/CDialogDay.h"
#include "dialogs/CDialogDeviceDataOutput.h"
#include "support/TestUnits.h"
#include "ui/CMainWindowCommands.h"
#include "ui/CWndCustom.h"
#include "ui/controls/CCustomCtrlSelectItem.h"
#include "ui/controls/UiMessages.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>

namespace {
using Commands = CMainWindowCommands;

class KeyboardTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_manager = std::make_unique<CDataManager>(m_clock, TestPortOptions(m_dir));
        ASSERT_EQ(m_manager->Initialize(m_dir.File("tvraircon.sdf")), 0);
        for (int n = 1; n <= 2; ++n) {
            char mac[17];
            std::snprintf(mac, sizeof(mac), "00112233445566%02X", n);
            ASSERT_TRUE(RegisterLivingRoomUnit(*m_manager, mac, "RAS-" + std::to_string(n)));
            for (int day = 1; day <= 14; ++day) {
                CDbRunStateData run;
                run.macAddress = mac;
                char date[9];
                std::snprintf(date, sizeof(date), "201503%02d", day);
                run.date = date;
                run.useTime = 60 * n;
                run.electricityBill = 30 * n + day;
                ASSERT_EQ(m_manager->SetRunStateInfo(run), 0);
            }
        }
        m_window = OpenTestWindow(m_manager.get(), m_dialogs, &m_frame, ShortTimings());
    }

    void TearDown() override { m_window.reset(); }

    static void Key(QWidget* target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QKeyEvent press(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, key, modifiers);
        QApplication::sendEvent(target, &release);
        QCoreApplication::processEvents();
    }
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        Key(m_window.get(), key, modifiers);
    }
    void Command(int32_t id) {
        UiSend(m_window.get(), UiMsg::kCommand, static_cast<uintptr_t>(id));
        QCoreApplication::processEvents();
    }
    std::optional<FocusStop> Focus() { return m_window->Dispatcher().FocusedStop(); }

    // Tab until `control` (its `part`, when not −1) has the focus.
    bool TabTo(const CCustomCtrlBase* control, int part = -1) {
        for (int i = 0; i < 100; ++i) {
            Key(Qt::Key_Tab);
            const std::optional<FocusStop> focus = Focus();
            if (focus && focus->control == control && (part < 0 || focus->part == part)) {
                return true;
            }
        }
        return false;
    }

    // The stops Tab visits once round, starting after none.
    std::vector<FocusStop> TabCycle(bool backward) {
        m_window->Dispatcher().ClearFocus();
        std::vector<FocusStop> cycle;
        for (int i = 0; i < 200; ++i) {
            Key(backward ? Qt::Key_Backtab : Qt::Key_Tab);
            const std::optional<FocusStop> focus = Focus();
            if (!focus || (!cycle.empty() && focus->SamePlace(cycle.front()))) {
                break;
            }
            cycle.push_back(*focus);
        }
        return cycle;
    }

    TempDir m_dir;
    FixedClock m_clock{2015, 3, 14};
    FakeDialogs m_dialogs;
    MessageRecorder m_messages;
    FrameStub m_frame;
    std::unique_ptr<CDataManager> m_manager;
    std::unique_ptr<CWndCustom> m_window;
};

TEST_F(KeyboardTest, TabVisitsEveryPressableControlInReadingOrder) {
    struct Row {
        const char* page;
        std::function<void()> open;
    };
    CCustomCtrlTabMain& main = m_window->MainTab();
    const Row rows[] = {
        {"calendar", [] {}},
        {"graph", [&] { main.SelectPage(1); }},
        {"settings check", [&] { Command(Commands::kCommandAllUnits + 1), main.SelectPage(2); }},
        {"menu", [&] { m_window->LeftTab().SelectPage(1); }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.page);
        row.open();
        QCoreApplication::processEvents();
        const std::vector<FocusStop> forward = TabCycle(false);
        std::vector<FocusStop> backward = TabCycle(true);
        std::reverse(backward.begin(), backward.end());
        ASSERT_EQ(forward.size(), backward.size());
        for (size_t i = 0; i < forward.size(); ++i) {
            EXPECT_TRUE(forward[i].SamePlace(backward[i])) << i;
        }
        // Every shown, enabled and created button and field, found by walking
        // the controls.
        std::vector<const CCustomCtrlBase*> pressable;
        std::function<void(const CCustomCtrlBase*)> walk = [&](const CCustomCtrlBase* control) {
            if (!control->IsShown() || !control->IsEnabled() || control->Host() == nullptr) {
                return;
            }
            if (dynamic_cast<const CCustomCtrlButton*>(control) != nullptr ||
                dynamic_cast<const CCustomCtrlSelectItem*>(control) != nullptr) {
                pressable.push_back(control);
            }
            for (const CCustomCtrlBase* child : control->Children()) {
                walk(child);
            }
        };
        for (const CCustomCtrlBase* control : m_window->Dispatcher().Controls()) {
            walk(control);
        }
        ASSERT_FALSE(pressable.empty());
        for (const CCustomCtrlBase* control : pressable) {
            EXPECT_EQ(std::count_if(forward.begin(), forward.end(),
                                    [&](const FocusStop& stop) { return stop.control == control; }),
                      1)
                << control->Id() << " at " << control->X() << "," << control->Y();
        }
        // The main tab's headers open its area; after them its page reads
        // line by line from the top, each line from the left.
        const auto headers = std::find_if(forward.begin(), forward.end(),
                                          [&](const FocusStop& s) { return s.control == &main; });
        EXPECT_EQ(headers != forward.end(), main.IsShown());
        for (auto it = headers; main.IsShown() && it + 1 < forward.end(); ++it) {
            const QRect a = it->rect;
            const QRect b = (it + 1)->rect;
            if (it->control == &main || (it + 1)->control == &main) {
                EXPECT_TRUE(it->control == &main && b.top() >= a.top());
                continue;
            }
            const bool lower = b.top() >= a.top() + a.height() / 2;
            const bool rightOnTheLine = b.left() > a.left() && b.top() < a.bottom();
            EXPECT_TRUE(lower || rightOnTheLine)
                << a.x() << "," << a.y() << " → " << b.x() << "," << b.y();
        }
    }
}

TEST_F(KeyboardTest, EnterAndSpacePressTheFocusedControl) {
    CCustomCtrlTabMain& main = m_window->MainTab();
    CCustomCtrlTabPageCalendar& calendar = main.CalendarPage();
    struct Row {
        const char* name;
        std::function<void()> before;
        std::function<const CCustomCtrlBase*()> target;
        int part;
        int key;
        std::function<bool()> done;
    };
    const Row rows[] = {
        {"this month", [&] { Command(Commands::kCommandPreviousMonth); },
         [&] { return &calendar.CurrentMonthButton(); }, -1, Qt::Key_Return,
         [&] { return m_manager->GetViewMonth() == 3; }},
        {"next month", [] {}, [&] { return &calendar.NextMonthButton(); }, -1, Qt::Key_Space,
         [&] { return m_manager->GetViewMonth() == 4; }},
        {"year list", [] {}, [&] { return &calendar.YearField(); }, -1, Qt::Key_Enter,
         [&] { return m_dialogs.popupOpens == 1; }},
        {"graph header", [] {}, [&] { return &main; }, 1, Qt::Key_Space,
         [&] { return m_manager->GetCurrentPage() == CDataManager::kPageGraph; }},
        {"scale", [] {}, [&] { return &main.GraphPage().Graph().ScaleUpButton(); }, -1,
         Qt::Key_Return, [&] { return m_manager->GetGraphScale() == 1; }},
        {"unit", [] {}, [&] { return &m_window->LeftTab().SelectDevicePage().Button(1); }, -1,
         Qt::Key_Space, [&] { return m_manager->GetRequestedSelection() == 1; }},
        {"settings header", [] {}, [&] { return &main; }, 2, Qt::Key_Return,
         [&] { return m_manager->GetCurrentPage() == CDataManager::kPageSettingsCheck; }},
        {"settings page", [] {}, [&] { return &main.SettingsPage().NextButton(); }, -1,
         Qt::Key_Space, [&] { return main.SettingsPage().CurrentIndex() == 1; }},
        {"menu header", [] {}, [&] { return &m_window->LeftTab(); }, 1, Qt::Key_Return,
         [&] { return m_manager->GetLeftPage() == CDataManager::kPageMenu; }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        row.before();
        ASSERT_TRUE(TabTo(row.target(), row.part));
        EXPECT_FALSE(row.done());
        Key(row.key);
        EXPECT_TRUE(row.done());
    }
}

TEST_F(KeyboardTest, ArrowsWalkTheCalendarAndEnterOpensTheDay) {
    const CCustomCtrlCalendar& calendar = m_window->MainTab().CalendarPage().Calendar();
    // Entered first at today (14 March 2015, the second Saturday; the month
    // starts on a Sunday), then walked back to the first cell.
    ASSERT_TRUE(TabTo(&calendar));
    ASSERT_EQ(Focus()->part, 13);
    for (int i = 0; i < 13; ++i) {
        Key(Qt::Key_Left);
    }
    ASSERT_EQ(Focus()->part, 0);
    const struct {
        int key;
        int part;
    } steps[] = {{Qt::Key_Left, 0}, {Qt::Key_Up, 0},    {Qt::Key_Right, 1},
                 {Qt::Key_Down, 8}, {Qt::Key_Down, 15}, {Qt::Key_Left, 14},
                 {Qt::Key_Up, 7},   {Qt::Key_Right, 8}, {Qt::Key_Down, 15}};
    for (const auto& step : steps) {
        Key(step.key);
        EXPECT_EQ(Focus()->part, step.part) << step.key;
    }
    // Out and back in: the calendar keeps its day.
    Key(Qt::Key_Tab);
    EXPECT_NE(Focus()->control, &calendar);
    Key(Qt::Key_Tab, Qt::ShiftModifier);
    ASSERT_EQ(Focus()->control, &calendar);
    EXPECT_EQ(Focus()->part, 15);
    const int rows = static_cast<int>(calendar.Cells().size()) / 7;
    for (int i = 0; i < rows + 1; ++i) {
        Key(Qt::Key_Down);
    }
    EXPECT_GE(Focus()->part, (rows - 1) * 7);
    Key(Qt::Key_Up, Qt::NoModifier);
    const int part = Focus()->part;
    const std::optional<CEleBillDayInfo> record =
        m_manager->GetDayInfo(calendar.Cells()[static_cast<size_t>(part)].index);
    ASSERT_TRUE(record.has_value());
    Key(Qt::Key_Return);
    ASSERT_EQ(m_dialogs.dayDetails.size(), 1u);
    EXPECT_EQ(m_dialogs.dayDetails[0], record->year * 10000 + record->month * 100 + record->day);
}

TEST_F(KeyboardTest, FrameShowsAfterAKeyAndGoesWithTheMouse) {
    const QImage before = m_window->grab().toImage();
    const QImage canvas = m_window->Canvas().Image().copy();
    // Each key moves the frame; nothing else on the window changes.
    const int keys[] = {Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Down};
    for (const int key : keys) {
        Key(key);
        const std::optional<FocusStop> focus = Focus();
        ASSERT_TRUE(focus.has_value());
        const QImage framed = m_window->grab().toImage();
        const QRect around = focus->rect.adjusted(-4, -4, 4, 4);
        int inside = 0;
        int outside = 0;
        for (int y = 0; y < framed.height(); ++y) {
            for (int x = 0; x < framed.width(); ++x) {
                if (framed.pixel(x, y) != m_window->Canvas().Image().pixel(x, y)) {
                    ++(around.contains(x, y) ? inside : outside);
                }
            }
        }
        EXPECT_GT(inside, 2 * (focus->rect.width() + focus->rect.height())) << key;
        EXPECT_EQ(outside, 0) << key;
    }
    // The canvas, which printing uses, never holds the frame.
    EXPECT_EQ(m_window->Canvas().Image(), canvas);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(1015, 575),
                      m_window->mapToGlobal(QPointF(1015, 575)), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(m_window.get(), &press);
    EXPECT_FALSE(m_window->Dispatcher().IsKeyboardMode());
    EXPECT_EQ(m_window->grab().toImage(), before);
    // Without keyboard mode Enter presses nothing.
    Key(Qt::Key_Return);
    EXPECT_EQ(m_manager->GetLeftPage(), CDataManager::kPageSelectDevice);
}

TEST_F(KeyboardTest, DialogsTakeTheKeyboard) {
    CDialogDay day(m_manager.get(), 2015, 3, 10, nullptr);
    day.show();
    Key(&day, Qt::Key_Return); // no focus yet: Enter keeps its meaning, none here
    EXPECT_TRUE(day.isVisible());
    Key(&day, Qt::Key_Tab);
    Key(&day, Qt::Key_Return);
    EXPECT_EQ(day.Day(), 9);
    Key(&day, Qt::Key_Tab);
    Key(&day, Qt::Key_Space);
    Key(&day, Qt::Key_Space);
    EXPECT_EQ(day.Day(), 11);
    EXPECT_TRUE(day.isVisible());
    Key(&day, Qt::Key_Escape);
    EXPECT_FALSE(day.isVisible());

    // Qt's widgets first, then on past them to the drawn unit buttons and back.
    CDialogDeviceDataOutput units;
    bool reached = false;
    bool ticked = false;
    bool leftAgain = false;
    QTimer::singleShot(0, &units, [&] {
        for (int i = 0; i < 20 && !reached; ++i) {
            QWidget* focused = QApplication::focusWidget();
            Key(focused != nullptr ? focused : &units, Qt::Key_Tab);
            const std::optional<FocusStop> focus = units.Dispatcher().FocusedStop();
            reached = focus && focus->control == units.ShownButtons().front() &&
                      QApplication::focusWidget() == &units;
        }
        Key(&units, Qt::Key_Space);
        ticked = units.IsTicked(0);
        Key(&units, Qt::Key_Tab, Qt::ShiftModifier);
        leftAgain = QApplication::focusWidget() != &units;
        units.reject();
    });
    units.Run(m_manager.get());
    EXPECT_TRUE(reached);
    EXPECT_TRUE(ticked);
    EXPECT_TRUE(leftAgain);
}

} // namespace
