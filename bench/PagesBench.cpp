// Calendar and graph page speed: a full redraw (the bill page's update, the
// chart's layout, render and composition onto the canvas) of a six-week
// month with seven units shown together, and the two charts on their own.
// Offscreen Qt; the pictures are whatever the build embedded.

#include "bench/BenchSupport.h"
#include "bench/GuiBenchMain.h"
#include "data/CDataManager.h"
#include "support/TempDir.h"
#include "ui/controls/IControlHost.h"
#include "ui/draw/CDrawSurface.h"
#include "ui/pages/CCustomCtrlTabPageCalendar.h"
#include "ui/pages/CCustomCtrlTabPageGraph.h"

#include <QGuiApplication>
#include <QObject>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <memory>

namespace {

class BenchHost : public IControlHost {
public:
    explicit BenchHost(CDataManager* manager) : m_manager(manager) {}
    QObject* HostObject() override { return &m_receiver; }
    CDataManager* HostDataManager() override { return m_manager; }

private:
    QObject m_receiver;
    CDataManager* m_manager;
};

// Seven units with a row for every day of July and August 2015, viewed as
// August (26 July .. 5 September, 42 cells) with all units selected.
struct Installation {
    TempDir dir;
    // 10 September 2015: July and August lie wholly in the past.
    FixedClock clock{2015, 9, 10};
    std::unique_ptr<CDataManager> manager;
    bool ready = false;

    Installation() {
        manager = OpenBenchUnits(dir, clock, 7);
        if (manager == nullptr) {
            return;
        }
        for (int unit = 0; unit < 7; ++unit) {
            const std::string mac = BenchUnitMac(unit);
            for (int month = 7; month <= 8; ++month) {
                for (int day = 1; day <= 31; ++day) {
                    char date[9];
                    std::snprintf(date, sizeof(date), "2015%02d%02d", month, day);
                    CDbRunStateData row;
                    row.macAddress = mac;
                    row.date = date;
                    row.useTime = 30 + 11 * day;
                    row.electricityBill = 40 + (day * 37 + unit * 53) % 300;
                    row.indoorTemperature = 24;
                    row.outdoorTemperature = 28;
                    manager->SetRunStateInfo(row);
                }
            }
        }
        manager->LoadRemoConList();
        manager->SetRequestedSelection(CDataManager::kAllAircons);
        manager->SetViewMonth(8);
        manager->RefreshViewData();
        ready = manager->GetRemoConCount() == 7 && manager->GetDayCount() == 42;
    }
};

Installation& Shared() {
    static Installation installation;
    return installation;
}

template <typename Page>
struct PageRig {
    BenchHost host;
    CDrawSurface canvas;
    Page page;

    explicit PageRig(CDataManager* manager) : host(manager) {
        canvas.CreateSurface(1020, 578);
        page.CreatePage(&host, &canvas, 206, 85, 802, 472);
    }
};

template <typename Page>
void PageRedraw(benchmark::State& state) {
    Installation& installation = Shared();
    if (!installation.ready) {
        state.SkipWithError("installation not ready");
        return;
    }
    PageRig<Page> rig(installation.manager.get());
    for (auto _ : state) {
        rig.page.Update();
        rig.page.Draw();
        benchmark::DoNotOptimize(rig.canvas.Image().constBits());
    }
}

void BM_CalendarPageRedraw(benchmark::State& state) {
    PageRedraw<CCustomCtrlTabPageCalendar>(state);
}
BENCHMARK(BM_CalendarPageRedraw)->Unit(benchmark::kMillisecond);

void BM_GraphPageRedraw(benchmark::State& state) {
    PageRedraw<CCustomCtrlTabPageGraph>(state);
}
BENCHMARK(BM_GraphPageRedraw)->Unit(benchmark::kMillisecond);

// The charts alone: layout, render and composition.
void BM_CalendarUpdate(benchmark::State& state) {
    Installation& installation = Shared();
    if (!installation.ready) {
        state.SkipWithError("installation not ready");
        return;
    }
    PageRig<CCustomCtrlTabPageCalendar> rig(installation.manager.get());
    for (auto _ : state) {
        rig.page.Calendar().Update();
        benchmark::DoNotOptimize(rig.canvas.Image().constBits());
    }
}
BENCHMARK(BM_CalendarUpdate)->Unit(benchmark::kMillisecond);

void BM_GraphUpdate(benchmark::State& state) {
    Installation& installation = Shared();
    if (!installation.ready) {
        state.SkipWithError("installation not ready");
        return;
    }
    PageRig<CCustomCtrlTabPageGraph> rig(installation.manager.get());
    for (auto _ : state) {
        rig.page.Graph().Update();
        benchmark::DoNotOptimize(rig.canvas.Image().constBits());
    }
}
BENCHMARK(BM_GraphUpdate)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return RunGuiBenchmarks<QGuiApplication>(argc, argv);
}
