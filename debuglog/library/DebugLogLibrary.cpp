// The optional diagnostics library. Copy DebugLogLibrary.so beside the tevaro
// program (or tevaro-cli) to turn the trace on; remove it to turn it off.
// Each line is appended, with a local timestamp, to
// $XDG_STATE_HOME/tevaro/<channel name>.log (default ~/.local/state/tevaro/).

#include "util/Utf8.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <mutex>
#include <string>
#include <sys/stat.h>
#include <sys/time.h>

namespace {

std::string StateFolder() {
    const char* state = std::getenv("XDG_STATE_HOME");
    if (state != nullptr && *state == '/') {
        return std::string(state) + "/tevaro";
    }
    const char* home = std::getenv("HOME");
    if (home == nullptr || *home == '\0') {
        return {};
    }
    return std::string(home) + "/.local/state/tevaro";
}

bool MakeFolders(const std::string& path) {
    for (size_t pos = 1; pos != std::string::npos;) {
        pos = path.find('/', pos + 1);
        const std::string part = path.substr(0, pos);
        if (mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) {
            return false;
        }
    }
    return true;
}

std::string SafeFileName(const std::string& name) {
    std::string out;
    for (const char c : name) {
        out.push_back(c == '/' || c == '\0' ? '_' : c);
    }
    return out.empty() ? std::string("tevaro") : out;
}

std::mutex g_fileLock;

} // namespace

extern "C" __attribute__((visibility("default"))) void Log(const wchar_t* name,
                                                           const wchar_t* line) {
    if (name == nullptr || line == nullptr) {
        return;
    }
    const std::string folder = StateFolder();
    if (folder.empty() || !MakeFolders(folder)) {
        return;
    }
    std::string text = WideToUtf8(line);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) {
        text.pop_back();
    }

    timeval now{};
    gettimeofday(&now, nullptr);
    tm local{};
    localtime_r(&now.tv_sec, &local);
    char stamp[96];
    std::snprintf(stamp, sizeof stamp, "%04d-%02d-%02d %02d:%02d:%02d.%03ld ", local.tm_year + 1900,
                  local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec,
                  static_cast<long>(now.tv_usec / 1000));

    std::lock_guard guard(g_fileLock);
    const std::string path = folder + "/" + SafeFileName(WideToUtf8(name)) + ".log";
    FILE* file = std::fopen(path.c_str(), "a");
    if (file == nullptr) {
        return;
    }
    std::fputs(stamp, file);
    std::fputs(text.c_str(), file);
    std::fputc('\n', file);
    std::fclose(file);
}
