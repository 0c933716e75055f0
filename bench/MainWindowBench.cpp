// Main window speed on a full installation (seven units, ten years of days):
// the full redraw with the calendar and with the graph page on show, and
// month navigation (command 25 or 23: rebuild of the view data, then the full
// redraw), each within a frame's 16 ms. Offscreen Qt, no remote controller.

#include "app/CMainWindowDialogs.h"
#include "bench/BenchSupport.h"
#include "bench/GuiBenchMain.h"
#include "data/CDataManager.h"
#include "support/TempDir.h"
#include "ui/CWndCustom.h"
#include "ui/controls/UiMessages.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <memory>

namespace {

struct Installation {
    TempDir dir;
    // 10 December 2019, the last of the ten seeded years.
    FixedClock clock{2019, 12, 10};
    std::unique_ptr<CDataManager> manager;
    std::unique_ptr<CWndCustom> window;
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
        CUiTimings timings;
        timings.splashMinimumMs = 1;
        timings.progressMinimumMs = 1;
        window = std::make_unique<CWndCustom>(manager.get(), std::make_unique<CMainWindowDialogs>(),
                                              timings);
        window->Setup();
        window->StopTimers();
        ready = manager->GetRemoConCount() == 7;
    }
};

Installation& Shared() {
    static Installation installation;
    return installation;
}

// The shared window on the page of the main tab at `tabIndex`; null (the
// benchmark skipped) when the installation could not be set up.
Installation* OnPage(benchmark::State& state, int tabIndex) {
    Installation& installation = Shared();
    if (!installation.ready) {
        state.SkipWithError("installation not ready");
        return nullptr;
    }
    installation.window->MainTab().SelectPage(tabIndex);
    QCoreApplication::processEvents();
    return &installation;
}

void FullRedraw(benchmark::State& state, int tabIndex) {
    Installation* shown = OnPage(state, tabIndex);
    if (shown == nullptr) {
        return;
    }
    Installation& installation = *shown;
    for (auto _ : state) {
        installation.window->FullRedraw();
        benchmark::DoNotOptimize(installation.window->Canvas().Image().constBits());
    }
}

void BM_FullRedrawCalendar(benchmark::State& state) {
    FullRedraw(state, 0);
}
BENCHMARK(BM_FullRedrawCalendar)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_FullRedrawGraph(benchmark::State& state) {
    FullRedraw(state, 1);
}
BENCHMARK(BM_FullRedrawGraph)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The pointer crossing the calendar: each move to another day repaints the
// window, which composes its canvas afresh (target: well under 8 ms).
void BM_PointerOverCalendar(benchmark::State& state) {
    Installation* shown = OnPage(state, 0);
    if (shown == nullptr) {
        return;
    }
    Installation& installation = *shown;
    CCustomCtrlCalendar& calendar = installation.window->MainTab().CalendarPage().Calendar();
    size_t cell = 0;
    for (auto _ : state) {
        const CALENDAR_DAY_INFO& day = calendar.Cells()[cell++ % calendar.Cells().size()];
        installation.window->Dispatcher().Offer(
            UiMsg::kMouseMove, 0,
            MakePointParam(calendar.X() + day.left + 5, calendar.Y() + day.top + 5));
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(installation.window->Canvas().Image().constBits());
    }
}
BENCHMARK(BM_PointerOverCalendar)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// Next month and back again, one command per iteration, on the calendar.
void BM_MonthCommand(benchmark::State& state) {
    Installation* shown = OnPage(state, 0);
    if (shown == nullptr) {
        return;
    }
    Installation& installation = *shown;
    bool forward = false;
    for (auto _ : state) {
        forward = !forward;
        UiSend(installation.window.get(), UiMsg::kCommand, forward ? 23 : 25);
        benchmark::DoNotOptimize(installation.window->Canvas().Image().constBits());
    }
}
BENCHMARK(BM_MonthCommand)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv) {
    return RunGuiBenchmarks<QApplication>(argc, argv, [] { Shared().window.reset(); });
}
