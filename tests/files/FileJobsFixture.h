#pragma once

#include "data/CDataManager.h"
#include "data/FixedClock.h"
#include "files/CFileJobs.h"
#include "support/LogCapture.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

// A data manager on a fresh database in a temporary folder, no remote
// controller plugged in, a clock fixed in December 2026, and the file jobs on it.
class FileJobsFixture : public ::testing::Test {
protected:
    void SetUp() override { m_manager = NewManager("a.sdf"); }

    std::unique_ptr<CDataManager> NewManager(const std::string& databaseName) {
        CSerialPortManager::Options options;
        options.sysfsRoot = m_dir.File("no-sys");
        options.devRoot = m_dir.File("no-dev");
        options.answerPauseMs = 0;
        auto manager = std::make_unique<CDataManager>(m_clock, options);
        EXPECT_EQ(manager->Initialize(m_dir.File(databaseName)), 0);
        return manager;
    }

    static std::string Mac(int n) {
        char text[17];
        std::snprintf(text, sizeof text, "00112233445566%02X", n);
        return text;
    }

    static SettingValues VariantA() {
        return {1,  2,  1,  1,  3,  1,  1,  25, 1,  0,  2,  0,  -1,
                -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
    }

    // Registers a unit with variant-A settings and reloads the unit list.
    void AddUnit(CDataManager& manager, const std::string& mac, const std::string& model,
                 const std::string& room = "L") {
        CDbModelInfoData record;
        record.macAddress = mac;
        record.model = model;
        record.roomCode = room;
        ASSERT_EQ(manager.SetModelInfo(record), 0);
        ASSERT_EQ(manager.SetSettingInfo({mac, VariantA()}), 0);
        manager.LoadRemoConList();
    }

    void AddDay(CDataManager& manager, const std::string& mac, const std::string& date, int bill,
                int minutes = 60, int outdoor = 20) {
        CDbRunStateData day;
        day.macAddress = mac;
        day.date = date;
        day.useTime = minutes;
        day.electricityBill = bill;
        day.indoorTemperature = 25;
        day.outdoorTemperature = outdoor;
        day.absentEco = 0;
        ASSERT_EQ(manager.SetRunStateInfo(day), 0);
    }

    void AddTarget(CDataManager& manager, const std::string& mac, const std::string& month,
                   int yen) {
        ASSERT_EQ(manager.SetTargetEleBillInfo({mac, month, yen}), 0);
    }

    TempDir m_dir;
    FixedClock m_clock{2026, 12, 7};
    std::unique_ptr<CDataManager> m_manager;
};
