#include "LogCapture.h"

#include "debuglog/AppLog.h"

#include <algorithm>
#include <dlfcn.h>
#include <stdexcept>

namespace {
const std::string kLibraryPath = std::string(TEVARO_BINARY_DIR) + "/tests/data/DataLogCapture.so";
}

LogCapture::LogCapture() {
    AppLog().InitializeWithLibrary(kAppLogName, kLibraryPath);
    // The log already holds the library; this second handle only finds the
    // accessor and keeps the library loaded as long as the process runs.
    void* handle = dlopen(kLibraryPath.c_str(), RTLD_NOW);
    if (handle == nullptr || !AppLog().IsOn()) {
        throw std::runtime_error("log capture library not found: " + kLibraryPath);
    }
    m_take = reinterpret_cast<TakeFunction>(dlsym(handle, "TakeCapturedLines"));
    if (m_take == nullptr) {
        throw std::runtime_error("log capture library has no accessor");
    }
}

std::vector<std::string> LogCapture::Take() {
    std::vector<std::string> lines;
    m_take(&lines);
    return lines;
}

bool LogCapture::Has(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

bool LogCapture::HasInOrder(const std::vector<std::string>& lines, const std::string& first,
                            const std::string& second) {
    const auto at = std::find(lines.begin(), lines.end(), first);
    return at != lines.end() && std::find(at + 1, lines.end(), second) != lines.end();
}
