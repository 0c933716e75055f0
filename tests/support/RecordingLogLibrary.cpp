// A stand-in for DebugLogLibrary.so that keeps every call in memory, so tests
// can read back exactly what reached the library (see LogCapture) and see
// whether two calls were ever inside it at the same time.

#include <atomic>
#include <chrono>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace {
std::mutex g_lock;
std::vector<std::wstring> g_names;
std::vector<std::wstring> g_lines;
std::atomic<int> g_inside{0};
std::atomic<int> g_overlaps{0};
} // namespace

extern "C" {

__attribute__((visibility("default"))) void Log(const wchar_t* name, const wchar_t* line) {
    // Counted before the lock, so the library notices callers that do not
    // serialise their calls.
    if (g_inside.fetch_add(1) != 0) {
        g_overlaps.fetch_add(1);
    }
    {
        std::lock_guard guard(g_lock);
        g_names.emplace_back(name);
        g_lines.emplace_back(line);
    }
    std::this_thread::sleep_for(std::chrono::microseconds(20));
    g_inside.fetch_sub(1);
}

__attribute__((visibility("default"))) size_t RecordedCount() {
    std::lock_guard guard(g_lock);
    return g_lines.size();
}

// Copies, so a caller never holds a reference into a growing vector.
__attribute__((visibility("default"))) size_t RecordedLine(size_t i, wchar_t* out,
                                                           size_t capacity) {
    std::lock_guard guard(g_lock);
    const std::wstring& line = g_lines.at(i);
    const size_t n = std::min(line.size(), capacity - 1);
    line.copy(out, n);
    out[n] = L'\0';
    return n;
}

__attribute__((visibility("default"))) size_t RecordedName(size_t i, wchar_t* out,
                                                           size_t capacity) {
    std::lock_guard guard(g_lock);
    const std::wstring& name = g_names.at(i);
    const size_t n = std::min(name.size(), capacity - 1);
    name.copy(out, n);
    out[n] = L'\0';
    return n;
}

__attribute__((visibility("default"))) int RecordedOverlaps() {
    return g_overlaps.load();
}
}
