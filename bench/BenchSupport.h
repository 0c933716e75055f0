#pragma once

// What the benchmarks share: a clock fixed at noon of one day, and a data
// manager on a fresh database with seven registered units and no ports.

#include "data/CDataManager.h"
#include "data/IClock.h"
#include "support/TempDir.h"

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <memory>
#include <string>

class FixedClock : public IClock {
public:
    FixedClock(int year, int month, int day) {
        std::tm local{};
        local.tm_year = year - 1900;
        local.tm_mon = month - 1;
        local.tm_mday = day;
        local.tm_hour = 12;
        local.tm_isdst = -1;
        m_now = std::mktime(&local);
    }
    std::time_t Now() const override { return m_now; }

private:
    std::time_t m_now;
};

// "A1B2C3D4E5F600<nn>" for unit n.
inline std::string BenchUnitMac(int unit) {
    char mac[24];
    std::snprintf(mac, sizeof(mac), "A1B2C3D4E5F600%02X", static_cast<unsigned>(unit) & 0xFFu);
    return mac;
}

// A data manager on `dir`'s database with `units` units (model RAS-BENCH, the
// living room, variant-A settings); null when the database does not open.
inline std::unique_ptr<CDataManager> OpenBenchUnits(TempDir& dir, const IClock& clock, int units) {
    std::filesystem::create_directories(dir.File("sys/class/tty"));
    CSerialPortManager::Options options;
    options.sysfsRoot = dir.File("sys");
    options.devRoot = dir.File("dev");
    auto manager = std::make_unique<CDataManager>(clock, options);
    if (manager->Initialize(dir.File("tvraircon.sdf")) != 0) {
        return nullptr;
    }
    for (int unit = 0; unit < units; ++unit) {
        CDbModelInfoData model;
        model.macAddress = BenchUnitMac(unit);
        model.model = "RAS-BENCH";
        model.roomCode = "L";
        manager->SetModelInfo(model);
        CDbSettingInfoData settings;
        settings.macAddress = model.macAddress;
        settings.values = {0,  0,  0,  0,  3,  0,  0,  27, 0,  0,  1,  0,  -1,
                           -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
        manager->SetSettingInfo(settings);
    }
    return manager;
}
