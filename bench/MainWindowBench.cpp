// Main window speed on a full installation (seven units, ten years of days):
// the full redraw with the calendar and with the graph page on show, and
// month navigation (command 25 or 23: rebuild of the view data, then the full
// redraw), each within a frame's 16 ms. Offscreen Qt, no remote controller.
// Each runs at device pixel ratio 1 and 2 (the argument "ratio": a window of
// its own on the same installation, surfaces of 2040 × 1156 device pixels).

#include "app/CMainWindowDialogs.h"
#include "bench/BenchSupport.h"
#include "bench/GuiBenchMain.h"
#include "data/CDataManager.h"
#include "support/TempDir.h"
#include "ui/CWndCustom.h"
#include "ui/controls/UiMessages.h"
#include "ui/draw/CDrawSurface.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <map>
#include <memory>

namespace {

struct Installation {
    TempDir dir;
    // 10 December 2019, the last of the ten seeded years.
    FixedClock clock{2019, 12, 10};
    std::unique_ptr<CDataManager> manager;
    // One window per device pixel ratio, made on first use.
    std::map<int, std::unique_ptr<CWndCustom>> windows;
    bool ready = false;

    Installation() {
        manager = OpenBenchUnits(dir, clock, 7);
        if (manager == nullptr) {
            return;
        }
        for (int unit = 0; unit < 7; ++unit) {
            const std::string mac = BenchUnitMac(unit);
            for (int year = 2010; year <= 2019; ++year) {
                for (int month = 1; month <= 12; ++month) {
                    const int days = CDataManager::GetDaysInMonth(year, month);
                    for (int day = 1; day <= days; ++day) {
                        char date[24];
                        std::snprintf(date, sizeof(date), "%04d%02d%02d", year, month, day);
                        CDbRunStateData row;
                        row.macAddress = mac;
                        row.date = date;
                        row.useTime = 30 + 11 * day;
                        row.electricityBill = 40 + (day * 37 + unit * 53 + month) % 300;
                        row.indoorTemperature = 24;
                        row.outdoorTemperature = 12;
                        manager->SetRunStateInfo(row);
                    }
                }
            }
        }
        ready = true;
    }

    // The window at `ratio`, the surfaces' ratio set to it (pictures a redraw
    // loads come at the window's ratio).
    CWndCustom& WindowAt(int ratio) {
        CDrawSurface::SetDevicePixelRatio(ratio);
        std::unique_ptr<CWndCustom>& window = windows[ratio];
        if (window == nullptr) {
            CUiTimings timings;
            timings.splashMinimumMs = 1;
            timings.progressMinimumMs = 1;
            window = std::make_unique<CWndCustom>(manager.get(),
                                                  std::make_unique<CMainWindowDialogs>(), timings);
            window->Setup();
            window->StopTimers();
        }
        return *window;
    }
};

Installation& Shared() {
    static Installation installation;
    return installation;
}

// The shared installation's window at the benchmark's ratio on the page of
// the main tab at `tabIndex`; null (the benchmark skipped) when the
// installation could not be set up.
CWndCustom* OnPage(benchmark::State& state, int tabIndex) {
    Installation& installation = Shared();
    if (!installation.ready) {
        state.SkipWithError("installation not ready");
        return nullptr;
    }
    CWndCustom& window = installation.WindowAt(static_cast<int>(state.range(0)));
    // The window's set-up loads the units.
    if (installation.manager->GetRemoConCount() != 7) {
        state.SkipWithError("installation not ready");
        return nullptr;
    }
    window.MainTab().SelectPage(tabIndex);
    QCoreApplication::processEvents();
    return &window;
}

void FullRedraw(benchmark::State& state, int tabIndex) {
    CWndCustom* window = OnPage(state, tabIndex);
    if (window == nullptr) {
        return;
    }
    for (auto _ : state) {
        window->FullRedraw();
        benchmark::DoNotOptimize(window->Canvas().Image().constBits());
    }
}

void BM_FullRedrawCalendar(benchmark::State& state) {
    FullRedraw(state, 0);
}
BENCHMARK(BM_FullRedrawCalendar)
    ->ArgName("ratio")
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_FullRedrawGraph(benchmark::State& state) {
    FullRedraw(state, 1);
}
BENCHMARK(BM_FullRedrawGraph)
    ->ArgName("ratio")
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The pointer crossing the calendar: each move to another day repaints the
// window, which composes its canvas afresh (target: well under 8 ms).
void BM_PointerOverCalendar(benchmark::State& state) {
    CWndCustom* window = OnPage(state, 0);
    if (window == nullptr) {
        return;
    }
    CCustomCtrlCalendar& calendar = window->MainTab().CalendarPage().Calendar();
    size_t cell = 0;
    for (auto _ : state) {
        const CALENDAR_DAY_INFO& day = calendar.Cells()[cell++ % calendar.Cells().size()];
        window->Dispatcher().Offer(
            UiMsg::kMouseMove, 0,
            MakePointParam(calendar.X() + day.left + 5, calendar.Y() + day.top + 5));
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(window->Canvas().Image().constBits());
    }
}
BENCHMARK(BM_PointerOverCalendar)
    ->ArgName("ratio")
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// Next month and back again, one command per iteration, on the calendar.
void BM_MonthCommand(benchmark::State& state) {
    CWndCustom* window = OnPage(state, 0);
    if (window == nullptr) {
        return;
    }
    bool forward = false;
    for (auto _ : state) {
        forward = !forward;
        UiSend(window, UiMsg::kCommand, forward ? 23 : 25);
        benchmark::DoNotOptimize(window->Canvas().Image().constBits());
    }
}
BENCHMARK(BM_MonthCommand)
    ->ArgName("ratio")
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv) {
    return RunGuiBenchmarks<QApplication>(argc, argv, [] { Shared().windows.clear(); });
}
