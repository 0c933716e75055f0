// The main window's pixels follow from its state alone. After seeded random
// sequences of pointer moves, clicks, double clicks, keys, commands, popup
// choices and dialogs, the canvas equals that of a window freshly built over
// the same database and brought to the same state (selection, pages, month,
// scale, settings page, about picture), except inside the one control under
// the pointer. Sequences with keys of the keyboard's focus also keep the
// focus on a place the fresh window has, and its frame is the only thing the
// screen shows over the canvas. And no page or dialog cuts one of its fixed
// texts.
#include "AppTestSupport.h"
#include "MainWindowFakes.h"
#include "app/CMainWindowDialogs.h"
#include "data/CDataManager.h"
#include "data/FixedClock.h"
#include "dialogs/CDialogConnectError.h"
#include "dialogs/CDialogDay.h"
#include "dialogs/CDialogDeviceDataDelete.h"
#include "dialogs/CDialogDeviceDataExport.h"
#include "dialogs/CDialogDeviceDataOutput.h"
#include "dialogs/CDialogOnePoint.h"
#include "support/SimSettingValues.h"
#include "ui/CMainWindowCommands.h"
#include "ui/CWndCustom.h"
#include "ui/controls/UiMessages.h"
#include "ui/draw/CDrawSurface.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <sstream>
#include <tuple>

namespace {
using Commands = CMainWindowCommands;

std::string Mac(int n) {
    char text[17];
    std::snprintf(text, sizeof(text), "00112233445566%02X", n);
    return text;
}

// What the window's pixels may depend on, read from the window under test.
struct WindowState {
    int32_t requested = 0;
    int32_t applied = 0;
    int32_t leftPage = 0;
    int32_t currentPage = 0;
    int settingsPage = 0;
    int32_t year = 0;
    int32_t month = 0;
    int32_t scale = 0;
    bool about = false;
    int targets = 0; // targets written so far: the database's part

    auto Key() const {
        return std::tuple(requested, applied, leftPage, currentPage, settingsPage, year, month,
                          scale, about, targets);
    }
    bool operator<(const WindowState& other) const { return Key() < other.Key(); }
    std::string Text() const {
        std::ostringstream out;
        out << "selection " << requested << "/" << applied << " pages " << leftPage << "/"
            << currentPage << "/" << settingsPage << " month " << year << "-" << month << " scale "
            << scale << " about " << about << " targets " << targets;
        return out.str();
    }
};

class WindowStateTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_manager = std::make_unique<CDataManager>(m_clock, TestPortOptions(m_dir));
        ASSERT_EQ(m_manager->Initialize(m_dir.File("tvraircon.sdf")), 0);
        // Variants A, B and C, and a unit imported without its settings.
        AddUnit(1, "RAS-LIVING", SimSettings('A'));
        AddUnit(2, "RAS-BEDROOM-WITH-A-LONG-NAME", SimSettings('B'));
        AddUnit(3, "RAS-KIDS", SimSettings('C'));
        AddUnit(4, "RAS-NOSETTINGS", std::nullopt);
        CDbEleBillTgtData target;
        target.macAddress = Mac(1);
        target.month = "201503";
        target.target = 3000;
        ASSERT_EQ(m_manager->SetTargetEleBillInfo(target), 0);

        m_reference = std::make_unique<CDataManager>(m_clock, TestPortOptions(m_dir));
        ASSERT_EQ(m_reference->Initialize(m_dir.File("tvraircon.sdf")), 0);
        m_frame = std::make_unique<FrameStub>();
        m_window = Build(*m_manager);
    }

    void TearDown() override {
        m_window.reset();
        m_frame.reset();
    }

    SettingValues SimSettings(char variant) { return SimSettingValues(variant, m_clock); }

    void AddUnit(int n, const std::string& model, std::optional<SettingValues> values) {
        CDbModelInfoData row;
        row.macAddress = Mac(n);
        row.model = model;
        row.roomCode = n % 2 == 0 ? "B" : "L";
        ASSERT_EQ(m_manager->SetModelInfo(row), 0);
        if (values) {
            CDbSettingInfoData settings;
            settings.macAddress = Mac(n);
            settings.values = *values;
            ASSERT_EQ(m_manager->SetSettingInfo(settings), 0);
        }
        for (int month = 2; month <= 3; ++month) {
            for (int day = 1; day <= (month == 3 ? 13 : 28); day += n) {
                CDbRunStateData run;
                run.macAddress = Mac(n);
                char date[9];
                std::snprintf(date, sizeof(date), "2015%02d%02d", month, day);
                run.date = date;
                run.useTime = 40 * n + day;
                run.electricityBill = 35 * n + 9 * day;
                run.indoorTemperature = 22;
                run.outdoorTemperature = n == 2 ? 127 : 9;
                ASSERT_EQ(m_manager->SetRunStateInfo(run), 0);
            }
        }
    }

    std::unique_ptr<CWndCustom> Build(CDataManager& manager) {
        CUiTimings timings = ShortTimings();
        timings.splashMinimumMs = 0;
        auto window = OpenTestWindow(&manager, m_dialogs, m_frame.get(), timings);
        return window;
    }

    WindowState StateOf(CWndCustom& window, CDataManager& manager) const {
        WindowState state;
        state.requested = manager.GetRequestedSelection();
        state.applied = manager.GetAppliedSelection();
        state.leftPage = manager.GetLeftPage();
        state.currentPage = manager.GetCurrentPage();
        state.settingsPage = window.MainTab().SettingsPage().CurrentIndex();
        state.year = manager.GetViewYear();
        state.month = manager.GetViewMonth();
        state.scale = manager.GetGraphScale();
        // The flag shows only on the menu page.
        state.about = window.IsAboutShown() && state.leftPage == CDataManager::kPageMenu;
        state.targets = m_targets;
        return state;
    }

    // A window built afresh over the same database and brought to a state by
    // the person's own commands: its canvas and where the keyboard can stand.
    struct Fresh {
        QImage image;
        std::vector<QRect> stops;
    };

    // One per state.
    const Fresh& FreshWindow(const WindowState& state) {
        const auto found = m_fresh.find(state);
        if (found != m_fresh.end()) {
            return found->second;
        }
        CDataManager& manager = *m_reference;
        manager.LoadRemoConList();
        manager.SetViewYear(state.year);
        manager.SetViewMonth(state.month);
        manager.SetRequestedSelection(state.applied);
        manager.RefreshViewData();
        std::unique_ptr<CWndCustom> window = Build(manager);
        const auto command = [&](int32_t id) {
            UiSend(window.get(), UiMsg::kCommand, static_cast<uintptr_t>(id));
            QCoreApplication::processEvents();
        };
        const int pages[] = {CDataManager::kPageCalendar, CDataManager::kPageGraph,
                             CDataManager::kPageSettingsCheck};
        for (int index = 0; index < 3; ++index) {
            if (pages[index] == state.currentPage && index != 0) {
                window->MainTab().SelectPage(index);
                QCoreApplication::processEvents();
            }
        }
        while (manager.GetGraphScale() != state.scale) {
            command(manager.GetGraphScale() < state.scale ? Commands::kCommandScaleUp
                                                          : Commands::kCommandScaleDown);
        }
        for (int step = 0; step < state.settingsPage; ++step) {
            command(CCustomCtrlTabPageEnvSetting::kNextButtonId);
        }
        if (state.requested != state.applied) {
            // Chosen on the settings check, which keeps the shown unit's data.
            command(state.requested < 0 ? Commands::kCommandAllUnits
                                        : Commands::kCommandAllUnits + 1 + state.requested);
        }
        if (state.leftPage == CDataManager::kPageMenu) {
            window->LeftTab().SelectPage(1);
            QCoreApplication::processEvents();
            if (state.about) {
                command(Commands::kCommandAbout);
            }
        }
        window->FullRedraw();
        const WindowState reached = StateOf(*window, manager);
        EXPECT_EQ(reached.Text(), state.Text()) << "the fresh window did not reach the state";
        Fresh fresh{window->Canvas().Image().copy(), {}};
        for (const FocusStop& stop : window->Dispatcher().FocusStops()) {
            fresh.stops.push_back(stop.rect);
        }
        return m_fresh.emplace(state, std::move(fresh)).first->second;
    }

    // Where the control under the pointer may differ from a fresh window: its
    // hover frame, its pressed face, a tab header's picture.
    QRect PointerRegion(QPoint pointer) {
        constexpr int kFrameMargin = 4;
        CCustomCtrlCalendar& calendar = m_window->MainTab().CalendarPage().Calendar();
        CCustomCtrlGraph& graph = m_window->MainTab().GraphPage().Graph();
        // The innermost shown control at the pointer; the graph counts as one
        // where none of its buttons is.
        CCustomCtrlBase* leaf = nullptr;
        std::function<void(CCustomCtrlBase*)> visit = [&](CCustomCtrlBase* control) {
            if (!control->IsShown()) {
                return;
            }
            const QRect box(control->X(), control->Y(), control->Width(), control->Height());
            if (!box.contains(pointer)) {
                return;
            }
            if (control->Children().empty() || control == &graph) {
                leaf = control;
            }
            for (CCustomCtrlBase* child : control->Children()) {
                visit(child);
            }
        };
        for (CCustomCtrlBase* control : m_window->Dispatcher().Controls()) {
            visit(control);
        }
        QRect region;
        for (CCustomCtrlTab* tab :
             std::initializer_list<CCustomCtrlTab*>{&m_window->LeftTab(), &m_window->MainTab()}) {
            const QRect headers(tab->X(), tab->Y(), tab->Width(), CCustomCtrlTab::kHeaderThickness);
            if (tab->IsShown() && headers.contains(pointer)) {
                region = headers;
            }
        }
        if (leaf == &calendar) {
            for (const CALENDAR_DAY_INFO& cell : calendar.Cells()) {
                const QRect box(calendar.X() + cell.left, calendar.Y() + cell.top,
                                cell.right - cell.left, cell.bottom - cell.top);
                if (box.adjusted(-kFrameMargin, -kFrameMargin, kFrameMargin, kFrameMargin)
                        .contains(pointer)) {
                    region |= box;
                }
            }
        } else if (leaf == &graph) {
            // The pointer frame spans the plot's height around the column.
            for (const GRAPH_DAY_INFO& column : graph.Columns()) {
                const QRect box(graph.X() + column.left, graph.Y() + graph.PlotTop(),
                                column.right - column.left, graph.PlotBottom() - graph.PlotTop());
                if (box.adjusted(-kFrameMargin, 0, kFrameMargin, 0)
                        .contains(pointer.x(), box.y())) {
                    region |= box;
                }
            }
        } else if (leaf != nullptr) {
            region |= QRect(leaf->X(), leaf->Y(), leaf->Width(), leaf->Height());
        }
        return region.isNull()
                   ? region
                   : region.adjusted(-kFrameMargin, -kFrameMargin, kFrameMargin, kFrameMargin);
    }

    // Pixels that differ outside `allowed`; the first one's place.
    static int Differences(const QImage& a, const QImage& b, const QRect& allowed, QPoint& first) {
        int count = 0;
        for (int y = 0; y < a.height(); ++y) {
            const auto* lineA = reinterpret_cast<const QRgb*>(a.constScanLine(y));
            const auto* lineB = reinterpret_cast<const QRgb*>(b.constScanLine(y));
            for (int x = 0; x < a.width(); ++x) {
                if (lineA[x] != lineB[x] && !allowed.contains(x, y)) {
                    if (count++ == 0) {
                        first = QPoint(x, y);
                    }
                }
            }
        }
        return count;
    }

    void Mouse(QEvent::Type type, QPoint point, Qt::MouseButton button, Qt::MouseButtons buttons) {
        QMouseEvent event(type, QPointF(point), m_window->mapToGlobal(QPointF(point)), button,
                          buttons, Qt::NoModifier);
        QApplication::sendEvent(m_window.get(), &event);
    }

    // A place worth pointing at: a shown control's middle, a calendar cell,
    // a graph column, a tab header, or anywhere.
    QPoint PickPoint(std::mt19937& random) {
        std::vector<QPoint> places;
        std::function<void(CCustomCtrlBase*)> collect = [&](CCustomCtrlBase* control) {
            if (!control->IsShown()) {
                return;
            }
            places.emplace_back(control->X() + control->Width() / 2,
                                control->Y() + control->Height() / 2);
            for (CCustomCtrlBase* child : control->Children()) {
                collect(child);
            }
        };
        for (CCustomCtrlBase* control : m_window->Dispatcher().Controls()) {
            collect(control);
        }
        CCustomCtrlCalendar& calendar = m_window->MainTab().CalendarPage().Calendar();
        for (const CALENDAR_DAY_INFO& cell : calendar.Cells()) {
            places.emplace_back(calendar.X() + cell.left + 5, calendar.Y() + cell.top + 5);
        }
        for (CCustomCtrlTab* tab :
             std::initializer_list<CCustomCtrlTab*>{&m_window->LeftTab(), &m_window->MainTab()}) {
            for (const QRect& header : tab->HeaderRects()) {
                places.push_back(header.translated(tab->X(), tab->Y()).center());
            }
        }
        std::uniform_int_distribution<size_t> pick(0, places.size() + places.size() / 3);
        const size_t chosen = pick(random);
        if (chosen < places.size()) {
            return places[chosen];
        }
        return QPoint(std::uniform_int_distribution<int>(0, CWndCustom::kWidth - 1)(random),
                      std::uniform_int_distribution<int>(0, CWndCustom::kHeight - 1)(random));
    }

    // One random step; its description. With `keyboard` a fifth of the steps
    // are the focus keys; without, the steps are those of the mouse-only
    // sequences as they always were.
    std::string Step(std::mt19937& random, bool keyboard) {
        std::ostringstream said;
        if (keyboard && std::uniform_int_distribution<int>(0, 4)(random) == 0) {
            const int keys[] = {Qt::Key_Tab,   Qt::Key_Backtab, Qt::Key_Left,
                                Qt::Key_Right, Qt::Key_Up,      Qt::Key_Down,
                                Qt::Key_Tab,   Qt::Key_Return,  Qt::Key_Space};
            const int key =
                keys[std::uniform_int_distribution<size_t>(0, std::size(keys) - 1)(random)];
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
            QApplication::sendEvent(m_window.get(), &press);
            QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
            QApplication::sendEvent(m_window.get(), &release);
            QCoreApplication::processEvents();
            said << "focus key " << key;
            return said.str();
        }
        const int kind = std::uniform_int_distribution<int>(0, 99)(random);
        if (kind < 40) {
            const QPoint point = PickPoint(random);
            Mouse(QEvent::MouseMove, point, Qt::NoButton, Qt::NoButton);
            m_pointer = point;
            said << "move " << point.x() << "," << point.y();
        } else if (kind < 60) {
            const QPoint point = PickPoint(random);
            Mouse(QEvent::MouseMove, point, Qt::NoButton, Qt::NoButton);
            Mouse(QEvent::MouseButtonPress, point, Qt::LeftButton, Qt::LeftButton);
            Mouse(QEvent::MouseButtonRelease, point, Qt::LeftButton, Qt::NoButton);
            m_pointer = point;
            said << "click " << point.x() << "," << point.y();
        } else if (kind < 64) {
            const QPoint point = PickPoint(random);
            Mouse(QEvent::MouseMove, point, Qt::NoButton, Qt::NoButton);
            Mouse(QEvent::MouseButtonPress, point, Qt::LeftButton, Qt::LeftButton);
            Mouse(QEvent::MouseButtonRelease, point, Qt::LeftButton, Qt::NoButton);
            Mouse(QEvent::MouseButtonDblClick, point, Qt::LeftButton, Qt::LeftButton);
            Mouse(QEvent::MouseButtonRelease, point, Qt::LeftButton, Qt::NoButton);
            m_pointer = point;
            said << "double click " << point.x() << "," << point.y();
        } else if (kind < 72) {
            const int keys[] = {Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Home, Qt::Key_F1};
            const int key = keys[std::uniform_int_distribution<int>(0, 3)(random)];
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
            QApplication::sendEvent(m_window.get(), &press);
            QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
            QApplication::sendEvent(m_window.get(), &release);
            said << "key " << key;
        } else if (kind < 84) {
            const int32_t commands[] = {10,
                                        11,
                                        12,
                                        13,
                                        14,
                                        Commands::kCommandPreviousMonth,
                                        Commands::kCommandNextMonth,
                                        Commands::kCommandPreviousYear,
                                        Commands::kCommandNextYear,
                                        Commands::kCommandThisMonth,
                                        Commands::kCommandScaleUp,
                                        Commands::kCommandScaleDown,
                                        Commands::kCommandAbout,
                                        Commands::kCommandAdvice,
                                        Commands::kCommandImport,
                                        Commands::kCommandMenuHelp,
                                        CCustomCtrlTabPageEnvSetting::kPreviousButtonId,
                                        CCustomCtrlTabPageEnvSetting::kNextButtonId};
            const int32_t command =
                commands[std::uniform_int_distribution<size_t>(0, std::size(commands) - 1)(random)];
            UiPost(m_window.get(), UiMsg::kCommand, static_cast<uintptr_t>(command));
            said << "command " << command;
        } else if (kind < 90) {
            const int popup = std::uniform_int_distribution<int>(0, 2)(random);
            const int values[3][4] = {
                {2013, 2014, 2015, 2016}, {1, 2, 3, 12}, {0, 1000, 3000, 20000}};
            const int value = values[popup][std::uniform_int_distribution<int>(0, 3)(random)];
            if (popup == 2 && m_manager->GetAppliedSelection() != CDataManager::kAllAircons) {
                ++m_targets;
            }
            UiPost(m_window.get(), UiMsg::kPopupSelect, static_cast<uintptr_t>(popup), value);
            said << "popup " << popup << " " << value;
        } else if (kind < 95) {
            QEvent leave(QEvent::Leave);
            QApplication::sendEvent(m_window.get(), &leave);
            m_pointer.reset();
            said << "leave";
        } else {
            // Another window (a dialog, the help) took the activation and the
            // pointer: the frame tells the window so.
            UiPost(m_window.get(), UiMsg::kResetHover);
            m_pointer.reset();
            said << "dialog";
        }
        QCoreApplication::processEvents();
        return said.str();
    }

    // Outside the focus frame the screen shows the canvas; the frame only in
    // keyboard mode. False with `problem` said otherwise.
    bool FrameOnlyAroundFocus(std::string& problem) {
        const QImage screen = m_window->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage canvas = m_window->Canvas().Image().convertToFormat(QImage::Format_RGB32);
        const std::optional<FocusStop> focus = m_window->Dispatcher().FocusedStop();
        QRect frame;
        if (m_window->Dispatcher().IsKeyboardMode() && focus) {
            frame = focus->rect.adjusted(-4, -4, 4, 4);
        }
        QPoint first;
        const int outside = Differences(screen, canvas, frame, first);
        const int inside = screen == canvas ? 0 : 1;
        if (outside != 0 || (frame.isNull() ? inside != 0 : inside == 0)) {
            std::ostringstream said;
            said << outside << " pixels differ outside the frame " << frame.x() << "," << frame.y()
                 << " " << frame.width() << "x" << frame.height()
                 << (frame.isNull() ? ""
                     : inside == 0  ? ", no frame drawn"
                                    : "");
            problem = said.str();
            return false;
        }
        return true;
    }

    void RunSequence(unsigned seed, int steps, bool keyboard = false) {
        std::mt19937 random(seed);
        std::vector<std::string> done;
        for (int i = 0; i < steps; ++i) {
            done.push_back(Step(random, keyboard));
            const WindowState state = StateOf(*m_window, *m_manager);
            const Fresh& freshWindow = FreshWindow(state);
            const QImage& fresh = freshWindow.image;
            const QRect allowed = m_pointer ? PointerRegion(*m_pointer) : QRect();
            QPoint first;
            const int differing = Differences(m_window->Canvas().Image(), fresh, allowed, first);
            if (differing != 0) {
                // WINDOW_STATE_DUMP=/tmp/x saves both canvases for a look.
                if (const char* dump = std::getenv("WINDOW_STATE_DUMP")) {
                    m_window->Canvas().Image().save(QString::fromUtf8(dump) + "-window.png");
                    fresh.save(QString::fromUtf8(dump) + "-fresh.png");
                }
                std::ostringstream steps;
                for (const std::string& step : done) {
                    steps << "\n  " << step;
                }
                FAIL() << "seed " << seed << ", step " << i << ": " << differing
                       << " pixels differ from a fresh window, the first at " << first.x() << ","
                       << first.y() << "; state " << state.Text() << "; steps:" << steps.str();
            }
            const std::optional<FocusStop> focus = m_window->Dispatcher().FocusedStop();
            std::string problem;
            if (focus && std::find(freshWindow.stops.begin(), freshWindow.stops.end(),
                                   focus->rect) == freshWindow.stops.end()) {
                problem = "the focus stands where a fresh window has no stop";
            }
            if (problem.empty() && (keyboard || i + 1 == steps)) {
                FrameOnlyAroundFocus(problem);
            }
            if (!problem.empty()) {
                std::ostringstream steps;
                for (const std::string& step : done) {
                    steps << "\n  " << step;
                }
                FAIL() << "seed " << seed << ", step " << i << ": " << problem << "; state "
                       << state.Text() << "; steps:" << steps.str();
            }
        }
    }

    TempDir m_dir;
    FixedClock m_clock{2015, 3, 14};
    FakeDialogs m_dialogs;
    MessageRecorder m_messages;
    std::unique_ptr<CDataManager> m_manager;
    std::unique_ptr<CDataManager> m_reference;
    std::unique_ptr<FrameStub> m_frame;
    std::unique_ptr<CWndCustom> m_window;
    std::map<WindowState, Fresh> m_fresh;
    std::optional<QPoint> m_pointer;
    int m_targets = 0;
};

// Every page for each settings variant, the menu with the about picture, and
// every dialog with text of its own: no fixed text box cuts its text.
TEST_F(WindowStateTest, NoPageOrDialogCutsAText) {
    std::vector<CDrawSurface::DrawnText> cut;
    int drawn = 0;
    CDrawSurface::SetTextObserver([&](const CDrawSurface::DrawnText& text) {
        ++drawn;
        if (!text.fits) {
            cut.push_back(text);
        }
    });
    const auto command = [&](int32_t id) {
        UiSend(m_window.get(), UiMsg::kCommand, static_cast<uintptr_t>(id));
        QCoreApplication::processEvents();
    };
    for (int32_t unit = -1; unit < 4; ++unit) {
        command(Commands::kCommandAllUnits + 1 + unit);
        for (int page = 0; page < (unit < 0 ? 2 : 3); ++page) {
            m_window->MainTab().SelectPage(page);
            QCoreApplication::processEvents();
            for (int step = 0; page == 2 && step < CCustomCtrlTabPageEnvSetting::kPageCount;
                 ++step) {
                command(CCustomCtrlTabPageEnvSetting::kNextButtonId);
            }
        }
        m_window->MainTab().SelectPage(0);
    }
    m_window->LeftTab().SelectPage(1);
    command(Commands::kCommandAbout);

    CDialogDay day(m_manager.get(), 2015, 3, 2, nullptr);
    day.Redraw();
    CDialogOnePoint advice(m_manager.get(), nullptr);
    advice.Redraw();
    for (const int32_t picture : {362, 363, 364, 454}) {
        CDialogConnectError error(picture, nullptr);
        error.Redraw();
    }
    CDialogDeviceDataExport exportUnits;
    CDialogDeviceDataDelete deleteUnits;
    CDialogDeviceDataOutput csvUnits;
    for (CDialogDeviceData* dialog :
         std::initializer_list<CDialogDeviceData*>{&exportUnits, &deleteUnits, &csvUnits}) {
        QTimer::singleShot(0, dialog, &QDialog::reject);
        dialog->Run(m_manager.get());
    }
    CDrawSurface::SetTextObserver(nullptr);
    EXPECT_GT(drawn, 500);
    for (const CDrawSurface::DrawnText& text : cut) {
        ADD_FAILURE() << "cut: " << text.text.toStdString() << " in " << text.rect.width() << "x"
                      << text.rect.height() << " at " << text.pointSize << " pt";
    }
}

// Each seed starts from a new window; a failure names its seed and steps.
class WindowSequenceTest : public WindowStateTest,
                           public ::testing::WithParamInterface<unsigned> {};

TEST_P(WindowSequenceTest, LeavesNoTraceOutsideTheControlUnderThePointer) {
    m_dialogs.fileOk = false;
    RunSequence(GetParam(), 500);
}

INSTANTIATE_TEST_SUITE_P(Seeds, WindowSequenceTest, ::testing::Values(1u, 2u, 3u, 4u));

// The same with the focus keys among the steps.
class WindowKeySequenceTest : public WindowSequenceTest {};

TEST_P(WindowKeySequenceTest, KeepsTheFocusOnAShownStop) {
    m_dialogs.fileOk = false;
    RunSequence(GetParam(), 500, true);
}

INSTANTIATE_TEST_SUITE_P(Seeds, WindowKeySequenceTest, ::testing::Values(5u, 6u));

} // namespace
