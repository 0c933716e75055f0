// Database throughput: run-state insert-or-update through CDbAccess, and the
// month bill sums the bill box reads, over 7 units x 10 years of daily rows.

#include "db/CDbAccess.h"
#include "support/TempDir.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <ctime>

namespace {

std::string Mac(int n) {
    char text[40];
    std::snprintf(text, sizeof text, "A1B2C3D4E5F600%02X", n);
    return text;
}

std::string DateText(int year, int dayOfYear) {
    tm t{};
    t.tm_year = year - 1900;
    t.tm_mday = 1 + dayOfYear;
    t.tm_hour = 12;
    mktime(&t);
    char text[40];
    std::snprintf(text, sizeof text, "%04d%02d%02d", t.tm_year + 1900, t.tm_mon + 1, t.tm_mday);
    return text;
}

void RegisterUnits(CDbAccess& db) {
    for (int u = 0; u < 7; ++u) {
        CDbModelInfoData model;
        model.macAddress = Mac(u);
        model.model = "RAS-BENCH";
        model.roomCode = "L";
        db.SetModelInfo(model);
    }
}

void BM_SetRunStateInfo(benchmark::State& state) {
    TempDir dir;
    CDbAccess db;
    if (db.Open(dir.File("tvraircon.sdf")) != 0) {
        state.SkipWithError("open failed");
        return;
    }
    RegisterUnits(db);
    int i = 0;
    for (auto _ : state) {
        CDbRunStateData day;
        day.macAddress = Mac(i % 7);
        day.date = DateText(2010, (i / 7) % 3650);
        day.electricityBill = i % 500;
        day.useTime = i % 1440;
        if (db.SetRunStateInfo(day) != 0) {
            state.SkipWithError("write failed");
            break;
        }
        ++i;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SetRunStateInfo)->Unit(benchmark::kMicrosecond);

class TenYears : public benchmark::Fixture {
public:
    void SetUp(const benchmark::State&) override {
        if (m_db.IsOpen()) {
            return;
        }
        m_dir = std::make_unique<TempDir>();
        m_db.Open(m_dir->File("tvraircon.sdf"));
        RegisterUnits(m_db);
        m_db.BeginTransaction();
        for (int u = 0; u < 7; ++u) {
            for (int d = 0; d < 3650; ++d) {
                CDbRunStateData day;
                day.macAddress = Mac(u);
                day.date = DateText(2010, d);
                day.electricityBill = (d * 7 + u) % 400;
                m_db.SetRunStateInfo(day);
            }
        }
        m_db.CommitTransaction();
    }

protected:
    std::unique_ptr<TempDir> m_dir;
    CDbAccess m_db;
};

BENCHMARK_F(TenYears, GetEleBillSumMonthAllUnits)(benchmark::State& state) {
    int32_t total = 0;
    int32_t count = 0;
    for (auto _ : state) {
        m_db.GetEleBillSum("", "20150601", "20150630", total, count);
        benchmark::DoNotOptimize(total);
    }
    state.counters["rows"] = count;
}

BENCHMARK_F(TenYears, GetEleBillSumMonthOneUnit)(benchmark::State& state) {
    int32_t total = 0;
    int32_t count = 0;
    for (auto _ : state) {
        m_db.GetEleBillSum(Mac(3), "20150601", "20150630", total, count);
        benchmark::DoNotOptimize(total);
    }
    state.counters["rows"] = count;
}

BENCHMARK_F(TenYears, GetEleBillSumYearAllUnits)(benchmark::State& state) {
    int32_t total = 0;
    int32_t count = 0;
    for (auto _ : state) {
        m_db.GetEleBillSum("", "20150101", "20151231", total, count);
        benchmark::DoNotOptimize(total);
    }
    state.counters["rows"] = count;
}

} // namespace
