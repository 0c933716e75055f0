#pragma once

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <functional>

// The main of a benchmark program that draws: Qt offscreen unless a platform
// is asked for, the benchmarks, then `beforeExit` while the application still
// exists (windows made by the benchmarks go there).
template <typename Application>
int RunGuiBenchmarks(int argc, char** argv, const std::function<void()>& beforeExit = {}) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    Application app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    if (beforeExit) {
        beforeExit();
    }
    benchmark::Shutdown();
    return 0;
}
