#pragma once

#include "support/TempDir.h"

#include <cstdlib>
#include <filesystem>

// Points tevaro-cli, run in-process, at the data folder under `dir` (made
// here) and at device trees there with nothing plugged in.
inline void PointCliAt(const TempDir& dir) {
    std::filesystem::create_directories(dir.File("data/Morvane/aircon"));
    setenv("TEVARO_DATA_DIR", dir.File("data").c_str(), 1);
    setenv("TEVARO_SYSFS_ROOT", dir.File("no-sys").c_str(), 1);
    setenv("TEVARO_DEV_ROOT", dir.File("no-dev").c_str(), 1);
}
