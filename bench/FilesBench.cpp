// Data files on a realistic full installation: 7 air conditioners with 10 years
// of daily use each (25,550 run-state rows) and 120 monthly targets each (840).

#include "data/CDataManager.h"
#include "data/CSystemClock.h"
#include "files/CDataInfoAppProfile.h"
#include "files/CFileJobs.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

namespace {

constexpr int kUnits = 7;
constexpr int kYears = 10;
constexpr int kDaysPerUnit = 365 * kYears;

class BenchFolder {
public:
    BenchFolder() {
        std::string pattern = "/tmp/tevaro-bench-XXXXXX";
        if (mkdtemp(pattern.data()) != nullptr) {
            m_path = pattern;
        }
    }
    ~BenchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    BenchFolder(const BenchFolder&) = delete;
    BenchFolder& operator=(const BenchFolder&) = delete;
    std::string File(const std::string& name) const { return m_path + "/" + name; }
    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};

std::unique_ptr<CDataManager> NewManager(const BenchFolder& folder, const std::string& name) {
    CSerialPortManager::Options options;
    options.sysfsRoot = folder.File("no-sys");
    options.devRoot = folder.File("no-dev");
    auto manager = std::make_unique<CDataManager>(CSystemClock::Instance(), options);
    if (manager->Initialize(folder.File(name)) != 0) {
        return nullptr;
    }
    return manager;
}

// The .dat file of the full installation.
void WriteFullFile(const std::string& path) {
    static const char* const kRooms[] = {"L", "C", "B", "J", "D", "O", "L"};
    CDataInfoAppProfile profile;
    for (int unit = 0; unit < kUnits; ++unit) {
        char mac[17];
        std::snprintf(mac, sizeof mac, "00112233445566%02X", unit);
        profile.m_modelInfo.push_back({mac, "RAS-X" + std::to_string(unit), kRooms[unit]});
        profile.m_settingInfo.push_back(
            {mac, {1,  2,  1,  1,  3,  1,  1,  25, 1,  0,  2,  0,  -1,
                   -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1}});
        int year = 2010;
        int month = 1;
        int day = 1;
        for (int i = 0; i < kDaysPerUnit; ++i) {
            char date[40];
            std::snprintf(date, sizeof date, "%04d%02d%02d", year, month, day);
            profile.m_runState.push_back({mac, date, 60 + i % 600, 10 + (i * 7 + unit) % 400,
                                          20 + i % 10, i % 37 - 5, i % 2});
            static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
            const bool leap = year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
            if (++day > kDays[month - 1] + (month == 2 && leap ? 1 : 0)) {
                day = 1;
                if (++month > 12) {
                    month = 1;
                    ++year;
                }
            }
        }
        for (int m = 0; m < kYears * 12; ++m) {
            char yyyymm[40];
            std::snprintf(yyyymm, sizeof yyyymm, "%04d%02d", 2010 + m / 12, m % 12 + 1);
            profile.m_targetElectricity.push_back({mac, yyyymm, 3000 + m});
        }
    }
    profile.Write(path);
}

void BM_ImportFullFile(benchmark::State& state) {
    BenchFolder folder;
    WriteFullFile(folder.File("full.dat"));
    int run = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto manager = NewManager(folder, "import" + std::to_string(run++) + ".sdf");
        if (!manager) {
            state.SkipWithError("database did not open");
            break;
        }
        state.ResumeTiming();
        const int32_t result = CFileJobs(manager.get()).RunImportJob(folder.File("full.dat"));
        if (result != CFileJobs::kImportOk) {
            state.SkipWithError("import failed");
            break;
        }
    }
}
BENCHMARK(BM_ImportFullFile)->Unit(benchmark::kMillisecond)->Iterations(3);

// One filled database for the export and the CSV.
struct FilledDatabase {
    BenchFolder folder;
    std::unique_ptr<CDataManager> manager;
    FilledDatabase() {
        WriteFullFile(folder.File("full.dat"));
        manager = NewManager(folder, "filled.sdf");
        if (manager && CFileJobs(manager.get()).RunImportJob(folder.File("full.dat")) != 0) {
            manager.reset();
        }
    }
};

FilledDatabase& Filled() {
    static FilledDatabase filled;
    return filled;
}

// The filled database, or null (the benchmark skipped) when it failed.
FilledDatabase* FilledOrSkip(benchmark::State& state) {
    FilledDatabase& db = Filled();
    if (!db.manager) {
        state.SkipWithError("setup failed");
        return nullptr;
    }
    return &db;
}

void BM_ExportAllUnits(benchmark::State& state) {
    FilledDatabase* filled = FilledOrSkip(state);
    if (filled == nullptr) {
        return;
    }
    FilledDatabase& db = *filled;
    CFileJobs jobs(db.manager.get());
    for (auto _ : state) {
        if (jobs.RunExportJob({0, 1, 2, 3, 4, 5, 6}, db.folder.File("out.dat")) != 0) {
            state.SkipWithError("export failed");
            break;
        }
    }
}
BENCHMARK(BM_ExportAllUnits)->Unit(benchmark::kMillisecond);

void BM_CsvAllDataAllUnits(benchmark::State& state) {
    FilledDatabase* filled = FilledOrSkip(state);
    if (filled == nullptr) {
        return;
    }
    FilledDatabase& db = *filled;
    CFileJobs jobs(db.manager.get());
    for (auto _ : state) {
        if (jobs.RunCsvJob(db.folder.Path(), {0, 1, 2, 3, 4, 5, 6}, 0, 0) != 0) {
            state.SkipWithError("CSV failed");
            break;
        }
    }
}
BENCHMARK(BM_CsvAllDataAllUnits)->Unit(benchmark::kMillisecond);

} // namespace
