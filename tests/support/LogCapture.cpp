#include "support/LogCapture.h"

#include "debuglog/AppLog.h"
#include "util/Utf8.h"

#include <algorithm>
#include <dlfcn.h>
#include <stdexcept>

namespace {

struct RecordingLibrary {
    size_t (*count)() = nullptr;
    size_t (*line)(size_t, wchar_t*, size_t) = nullptr;
};

const RecordingLibrary& Library() {
    static const RecordingLibrary library = [] {
        AppLog().InitializeWithLibrary(kAppLogName, LogCapture::LibraryPath());
        // A second handle to the library the log loaded; it stays for the
        // life of the process.
        void* handle = dlopen(LogCapture::LibraryPath(), RTLD_NOW);
        if (handle == nullptr || !AppLog().IsOn()) {
            throw std::runtime_error(std::string("recording log library not usable: ") +
                                     LogCapture::LibraryPath());
        }
        RecordingLibrary found;
        found.count = reinterpret_cast<size_t (*)()>(dlsym(handle, "RecordedCount"));
        found.line =
            reinterpret_cast<size_t (*)(size_t, wchar_t*, size_t)>(dlsym(handle, "RecordedLine"));
        if (found.count == nullptr || found.line == nullptr) {
            throw std::runtime_error("recording log library lacks its accessors");
        }
        return found;
    }();
    return library;
}

} // namespace

const char* LogCapture::LibraryPath() {
    return TEVARO_RECORDING_LOG_LIBRARY;
}

LogCapture::LogCapture() : m_start(Library().count()), m_taken(m_start) {}

std::vector<std::string> LogCapture::Range(size_t from) const {
    std::vector<std::string> lines;
    const size_t end = Library().count();
    wchar_t buffer[1024];
    for (size_t i = from; i < end; ++i) {
        const size_t n = Library().line(i, buffer, std::size(buffer));
        lines.push_back(WideToUtf8(std::wstring_view(buffer, n)));
    }
    return lines;
}

std::vector<std::string> LogCapture::Take() {
    std::vector<std::string> lines = Range(m_taken);
    m_taken += lines.size();
    return lines;
}

std::vector<std::string> LogCapture::Lines() const {
    return Range(m_start);
}

bool LogCapture::Has(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

bool LogCapture::HasInOrder(const std::vector<std::string>& lines, const std::string& first,
                            const std::string& second) {
    const auto at = std::find(lines.begin(), lines.end(), first);
    return at != lines.end() && std::find(at + 1, lines.end(), second) != lines.end();
}
