// A stand-in for the outside debug-log library that keeps every line in
// memory, so tests can check the exact lines the data layer writes.
#include "debuglog/Utf8.h"

#include <mutex>
#include <string>
#include <vector>

namespace {
std::mutex g_lock;
std::vector<std::string> g_lines;
} // namespace

extern "C" __attribute__((visibility("default"))) void Log(const wchar_t*, const wchar_t* line) {
    std::lock_guard<std::mutex> guard(g_lock);
    g_lines.push_back(WideToUtf8(line));
}

extern "C" __attribute__((visibility("default"))) void
TakeCapturedLines(std::vector<std::string>* out) {
    std::lock_guard<std::mutex> guard(g_lock);
    out->swap(g_lines);
    g_lines.clear();
}
