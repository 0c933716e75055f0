// Data manager speed: the month rebuild over 7 units x 10 years of daily rows
// (all units and one unit), the day-detail read, and one whole read of a
// simulated remote controller without the protocol's pauses.

#include "bench/BenchSupport.h"
#include "data/CDataManager.h"
#include "sim/CRemoconSimulator.h"
#include "support/TempDir.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>

namespace {

std::string Mac(int n) {
    char text[17];
    std::snprintf(text, sizeof(text), "A1B2C3D4E5F600%02X", n);
    return text;
}

CSerialPortManager::Options NoPorts(const TempDir& dir) {
    std::filesystem::create_directories(dir.File("sys/class/tty"));
    CSerialPortManager::Options options;
    options.sysfsRoot = dir.File("sys");
    options.devRoot = dir.File("dev");
    options.answerPauseMs = 0;
    return options;
}

// One installation shared by the view benchmarks: seven units, every day of
// 2014-03-01 .. 2024-03-19 stored for each.
struct Installation {
    TempDir dir;
    // A clock fixed in March 2024, so ten years of rows lie before "today".
    FixedClock clock{2024, 3, 20};
    std::unique_ptr<CDataManager> manager;
    bool ready = false;

    Installation() {
        manager = std::make_unique<CDataManager>(clock, NoPorts(dir));
        if (manager->Initialize(dir.File("tvraircon.sdf")) != 0) {
            return;
        }
        manager->Db().BeginTransaction();
        for (int unit = 0; unit < 7; ++unit) {
            CDbModelInfoData model;
            model.macAddress = Mac(unit);
            model.model = "RAS-BENCH";
            model.roomCode = "L";
            manager->SetModelInfo(model);
            CDbSettingInfoData settings;
            settings.macAddress = Mac(unit);
            settings.values = {0,  0,  0,  0,  3,  0,  0,  27, 0,  0,  1,  0,  -1,
                               -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
            manager->SetSettingInfo(settings);
            CDbRunStateData row;
            row.macAddress = Mac(unit);
            row.indoorTemperature = 24;
            int year = 2014, month = 3, day = 1;
            while (year * 10000 + month * 100 + day < 20240320) {
                char date[40];
                std::snprintf(date, sizeof(date), "%04d%02d%02d", year, month, day);
                row.date = date;
                row.electricityBill = (day * 37 + unit * 11) % 400;
                row.useTime = (day * 13) % 600;
                row.outdoorTemperature = day % 30;
                manager->SetRunStateInfo(row);
                if (++day > CDataManager::GetDaysInMonth(year, month)) {
                    day = 1;
                    if (++month > 12) {
                        month = 1;
                        ++year;
                    }
                }
            }
        }
        manager->Db().CommitTransaction();
        manager->LoadRemoConList();
        ready = true;
    }
};

Installation& Shared() {
    static Installation installation;
    return installation;
}

void RefreshView(benchmark::State& state, int32_t selection) {
    Installation& installation = Shared();
    if (!installation.ready) {
        state.SkipWithError("database not prepared");
        return;
    }
    CDataManager& manager = *installation.manager;
    manager.SetRequestedSelection(selection);
    manager.SetViewYear(2024);
    manager.SetViewMonth(2);
    for (auto _ : state) {
        manager.RefreshViewData();
        benchmark::DoNotOptimize(manager.GetMonthTotal());
    }
    if (manager.GetMonthTotal() == 0 || manager.IsMonthIncomplete()) {
        state.SkipWithError("the month was not aggregated");
    }
}

void BM_RefreshViewDataAllUnits(benchmark::State& state) {
    RefreshView(state, CDataManager::kAllAircons);
}
BENCHMARK(BM_RefreshViewDataAllUnits)->Unit(benchmark::kMillisecond);

void BM_RefreshViewDataOneUnit(benchmark::State& state) {
    RefreshView(state, 3);
}
BENCHMARK(BM_RefreshViewDataOneUnit)->Unit(benchmark::kMillisecond);

void BM_GetOneDayInfo(benchmark::State& state) {
    Installation& installation = Shared();
    if (!installation.ready) {
        state.SkipWithError("database not prepared");
        return;
    }
    CDataManager& manager = *installation.manager;
    manager.SetRequestedSelection(CDataManager::kAllAircons);
    manager.RefreshViewData();
    for (auto _ : state) {
        const CEleBillDayInfo day = manager.GetOneDayInfo(2023, 7, 14);
        benchmark::DoNotOptimize(day.entries.size());
    }
}
BENCHMARK(BM_GetOneDayInfo)->Unit(benchmark::kMillisecond);

void BM_Update4RemoconOneUnit(benchmark::State& state) {
    TempDir dir;
    CRemoconSimulator simulator(dir.File("sim"));
    SimUnitConfig unit;
    std::string error;
    if (simulator.AddUnit(unit, error) < 0) {
        state.SkipWithError(error.c_str());
        return;
    }
    CSerialPortManager::Options options;
    options.sysfsRoot = simulator.SysfsRoot();
    options.devRoot = simulator.DevRoot();
    options.answerPauseMs = 0; // the protocol's 250 ms pauses are not ours to speed up
    FixedClock clock{2024, 3, 20};
    CDataManager manager(clock, options);
    if (manager.Initialize(dir.File("tvraircon.sdf")) != 0) {
        state.SkipWithError("open failed");
        return;
    }
    for (auto _ : state) {
        manager.Update4Remocon();
    }
    if (manager.GetRemoConCount() != 1 || !manager.GetRemoCon(0)->connected) {
        state.SkipWithError("the unit was not read");
    }
}
BENCHMARK(BM_Update4RemoconOneUnit)->Unit(benchmark::kMillisecond);

} // namespace
