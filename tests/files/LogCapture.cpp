#include "LogCapture.h"

#include "debuglog/AppLog.h"
#include "support/TempDir.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace {
// Lines start with "YYYY-MM-DD hh:mm:ss.mmm ".
constexpr size_t kStampLength = 24;

const std::string& StateFolder() {
    static TempDir folder;
    static const bool initialised = [] {
        setenv("XDG_STATE_HOME", folder.Path().c_str(), 1);
        AppLog().InitializeWithLibrary(kAppLogName, TEVARO_DEBUG_LOG_LIBRARY);
        return true;
    }();
    (void)initialised;
    return folder.Path();
}
} // namespace

LogCapture::LogCapture() : m_file(StateFolder() + "/tevaro/tvrairconFileImportLog.log") {
    std::remove(m_file.c_str());
}

std::vector<std::string> LogCapture::Lines() const {
    std::vector<std::string> lines;
    std::ifstream in(m_file);
    std::string line;
    while (std::getline(in, line)) {
        lines.push_back(line.size() >= kStampLength ? line.substr(kStampLength) : line);
    }
    return lines;
}
