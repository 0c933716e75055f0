#include "link/LinkRoots.h"

#include <cstdlib>

namespace {
std::string FromEnvironment(const char* name, const char* fallback) {
    const char* value = std::getenv(name);
    return (value != nullptr && *value != '\0') ? std::string(value) : std::string(fallback);
}
} // namespace

std::string DefaultSysfsRoot() {
    return FromEnvironment("TEVARO_SYSFS_ROOT", "/sys");
}

std::string DefaultDevRoot() {
    return FromEnvironment("TEVARO_DEV_ROOT", "/dev");
}
