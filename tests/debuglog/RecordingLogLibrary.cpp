// A stand-in for DebugLogLibrary.so that keeps every call in memory, so tests
// can see exactly what reached the library and whether two calls overlapped.

#include <atomic>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

namespace {
std::vector<std::wstring> g_names;
std::vector<std::wstring> g_lines;
std::atomic<int> g_inside{0};
std::atomic<int> g_overlaps{0};
} // namespace

extern "C" {

__attribute__((visibility("default"))) void Log(const wchar_t* name, const wchar_t* line) {
    if (g_inside.fetch_add(1) != 0) {
        g_overlaps.fetch_add(1);
    }
    g_names.emplace_back(name);
    g_lines.emplace_back(line);
    std::this_thread::sleep_for(std::chrono::microseconds(20));
    g_inside.fetch_sub(1);
}

__attribute__((visibility("default"))) size_t RecordedCount() {
    return g_lines.size();
}

__attribute__((visibility("default"))) const wchar_t* RecordedLine(size_t i) {
    return g_lines.at(i).c_str();
}

__attribute__((visibility("default"))) const wchar_t* RecordedName(size_t i) {
    return g_names.at(i).c_str();
}

__attribute__((visibility("default"))) int RecordedOverlaps() {
    return g_overlaps.load();
}
}
