#include "db/CDataLocation.h"

#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace {
std::string FromEnvironment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::string(value) : std::string();
}
} // namespace

std::string CDataLocation::BaseFolder() {
    std::string base = FromEnvironment("TEVARO_DATA_DIR");
    if (!base.empty()) {
        return base;
    }
    base = FromEnvironment("XDG_DATA_HOME");
    // The XDG rules ignore a relative XDG_DATA_HOME.
    if (!base.empty() && base.front() == '/') {
        return base;
    }
    return FromEnvironment("HOME") + "/.local/share";
}

std::string CDataLocation::DatabaseFolder() {
    return BaseFolder() + "/Morvane/aircon";
}

std::string CDataLocation::DatabasePath() {
    return DatabaseFolder() + "/tvraircon.sdf";
}

std::string CDataLocation::RuntimeFolder() {
    const std::string runtime = FromEnvironment("XDG_RUNTIME_DIR");
    struct stat info {};
    if (!runtime.empty() && runtime.front() == '/' && stat(runtime.c_str(), &info) == 0 &&
        S_ISDIR(info.st_mode)) {
        return runtime;
    }
    return "/tmp/tevaro-" + std::to_string(getuid());
}

std::string CDataLocation::InstanceLockPath() {
    return RuntimeFolder() + "/" + std::string(kInstanceName) + ".lock";
}
