#pragma once

#include "FixedClock.h"
#include "data/CDataManager.h"
#include "support/TempDir.h"
#include "support/TestUnits.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

// A data manager on a fresh database in a temporary folder, no remote
// controller plugged in (empty device roots), and a clock the test sets.
class DataManagerFixture : public ::testing::Test {
protected:
    void SetUp() override { Create(); }

    // Without roots: nothing is plugged in.
    void Create(const std::string& sysfsRoot = {}, const std::string& devRoot = {}) {
        m_manager.reset();
        // A system with serial support but nothing plugged in.
        std::filesystem::create_directories(m_dir.File("no-sys/class/tty"));
        std::filesystem::create_directories(m_dir.File("no-dev"));
        CSerialPortManager::Options options;
        options.sysfsRoot = sysfsRoot.empty() ? m_dir.File("no-sys") : sysfsRoot;
        options.devRoot = devRoot.empty() ? m_dir.File("no-dev") : devRoot;
        options.answerPauseMs = 0;
        // A silent remote controller costs a second, not 15 s; a loaded machine
        // still answers well within it.
        options.timeouts.readIntervalMs = 1000;
        options.timeouts.readTotalConstantMs = 1000;
        options.timeouts.idleLimitMs = 1000;
        options.timeouts.emptyReadPauseMs = 10;
        m_manager = std::make_unique<CDataManager>(m_clock, options);
        ASSERT_EQ(m_manager->Initialize(m_dir.File("tvraircon.sdf")), 0);
    }

    static std::string Mac(int n) {
        char text[17];
        std::snprintf(text, sizeof(text), "00112233445566%02X", n);
        return text;
    }

    // Registers unit n (model "RAS-<n>", living room) with variant-A settings.
    std::string AddUnit(int n) {
        const std::string mac = Mac(n);
        EXPECT_TRUE(RegisterLivingRoomUnit(*m_manager, mac, "RAS-" + std::to_string(n)));
        return mac;
    }

    void AddDay(const std::string& mac, int year, int month, int day, int bill, int minutes = 60,
                int outdoor = 20) {
        CDbRunStateData row;
        row.macAddress = mac;
        char date[9];
        std::snprintf(date, sizeof(date), "%04d%02d%02d", year, month, day);
        row.date = date;
        row.useTime = minutes;
        row.electricityBill = bill;
        row.indoorTemperature = 24;
        row.outdoorTemperature = outdoor;
        ASSERT_EQ(m_manager->SetRunStateInfo(row), 0) << date;
    }

    void AddDays(const std::string& mac, int year, int month, int firstDay, int lastDay, int bill) {
        for (int day = firstDay; day <= lastDay; ++day) {
            AddDay(mac, year, month, day, bill);
        }
    }

    int32_t IndexOf(const std::string& mac) const {
        const auto& list = m_manager->GetRemoConList();
        for (size_t i = 0; i < list.size(); ++i) {
            if (list[i].macAddress == mac) {
                return static_cast<int32_t>(i);
            }
        }
        return -2;
    }

    void Reload() {
        m_manager->LoadRemoConList();
        m_manager->RefreshViewData();
    }

    void Select(int32_t selection) {
        ASSERT_TRUE(m_manager->SetRequestedSelection(selection));
        m_manager->RefreshViewData();
    }

    void ShowMonth(int32_t year, int32_t month) {
        m_manager->SetViewYear(year);
        m_manager->SetViewMonth(month);
        m_manager->RefreshViewData();
    }

    CEleBillDayInfo Cell(int32_t index) const {
        const auto cell = m_manager->GetDayInfo(index);
        EXPECT_TRUE(cell.has_value()) << index;
        return cell.value_or(CEleBillDayInfo{});
    }

    // The cell of day `day` of the viewed month.
    CEleBillDayInfo Day(int32_t day) const { return Cell(m_manager->GetFirstDayIndex() + day - 1); }

    TempDir m_dir;
    FixedClock m_clock{2015, 3, 14};
    std::unique_ptr<CDataManager> m_manager;
};
