// Link speed targets:
//  - a complete four-frame run against a simulated unit costs under 20 ms on top
//    of the four mandated 250 ms pauses (counter "overhead_ms");
//  - enumerating 20 tty entries costs under 2 ms of CPU time.
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "link/CPortEnumerator.h"
#include "link/CSerialPortManager.h"
#include "sim/CRemoconSimulator.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;

class NullReceiver : public IRemoconDataReceiver {
public:
    int32_t SetRemoconData(const uint8_t*, const void*, int32_t) override { return 0; }
};

void BM_LinkFullRun(benchmark::State& state) {
    const auto pauseMs = static_cast<int32_t>(state.range(0));
    TempDir dir;
    CRemoconSimulator sim(dir.File("root"));
    std::string error;
    SimUnitConfig config;
    config.variant = 'C';
    if (sim.AddUnit(config, error) < 0) {
        state.SkipWithError(error.c_str());
        return;
    }
    CSerialPortManager::Options options;
    options.sysfsRoot = sim.SysfsRoot();
    options.devRoot = sim.DevRoot();
    options.answerPauseMs = pauseMs;
    CSerialPortManager manager(options);
    NullReceiver receiver;
    manager.InitSetting(&receiver);
    if (manager.GetSerialPort(true) != 1) {
        state.SkipWithError("simulated unit not found");
        return;
    }
    double totalMs = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        if (manager.CommunicationSerialPort(0) != 0) {
            state.SkipWithError("run failed");
            return;
        }
        totalMs +=
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count();
    }
    state.counters["overhead_ms"] =
        totalMs / static_cast<double>(state.iterations()) - 4.0 * pauseMs;
}
BENCHMARK(BM_LinkFullRun)->Arg(250)->Arg(0)->UseRealTime()->Unit(benchmark::kMillisecond);

// Twenty simulated remote controllers; false (the benchmark skipped) when one
// could not be laid down.
bool PlugInTwenty(CRemoconSimulator& sim, benchmark::State& state) {
    for (int i = 0; i < 20; ++i) {
        SimUnitConfig config;
        config.mac[7] = static_cast<uint8_t>(i + 1);
        std::string error;
        if (sim.AddUnit(config, error) < 0) {
            state.SkipWithError(error.c_str());
            return false;
        }
    }
    return true;
}

void BM_LinkEnumerate20(benchmark::State& state) {
    TempDir dir;
    CRemoconSimulator sim(dir.File("root"));
    if (!PlugInTwenty(sim, state)) {
        return;
    }
    const CPortEnumerator enumerator(sim.SysfsRoot());
    std::vector<SerialDeviceEntry> entries;
    for (auto _ : state) {
        enumerator.Enumerate(entries);
        benchmark::DoNotOptimize(entries.data());
    }
    if (entries.size() != 20) {
        state.SkipWithError("expected 20 entries");
    }
}
BENCHMARK(BM_LinkEnumerate20)->Unit(benchmark::kMicrosecond);

void BM_LinkGetSerialPort20(benchmark::State& state) {
    TempDir dir;
    CRemoconSimulator sim(dir.File("root"));
    if (!PlugInTwenty(sim, state)) {
        return;
    }
    CSerialPortManager::Options options;
    options.sysfsRoot = sim.SysfsRoot();
    options.devRoot = sim.DevRoot();
    CSerialPortManager manager(options);
    for (auto _ : state) {
        benchmark::DoNotOptimize(manager.GetSerialPort(true));
    }
}
BENCHMARK(BM_LinkGetSerialPort20)->Unit(benchmark::kMicrosecond);

} // namespace
