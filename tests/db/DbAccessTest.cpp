#include "RawDatabase.h"
#include "db/CDbAccess.h"
#include "db/CDbConnection.h"
#include "model/CCsvDataInfo.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <chrono>

namespace {

std::string Mac(int n) {
    char text[17];
    std::snprintf(text, sizeof text, "00112233445566%02X", n);
    return text;
}

CDbModelInfoData Model(const std::string& mac, const std::string& room,
                       const std::string& model = "RAS-X") {
    CDbModelInfoData data;
    data.macAddress = mac;
    data.model = model;
    data.roomCode = room;
    data.roomNumber = 99; // never used: numbers are assigned
    return data;
}

CDbRunStateData Day(const std::string& mac, const std::string& date, int bill, int use = 60,
                    int indoor = 25, int outdoor = 30, int eco = 0) {
    CDbRunStateData data;
    data.macAddress = mac;
    data.date = date;
    data.useTime = use;
    data.electricityBill = bill;
    data.indoorTemperature = indoor;
    data.outdoorTemperature = outdoor;
    data.absentEco = eco;
    return data;
}

class DbAccessTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(m_db.Open(m_dir.File("tvraircon.sdf")), 0); }

    int32_t RoomNumberOf(const std::string& mac) {
        std::vector<CDbModelInfoData> rows;
        EXPECT_EQ(m_db.GetModelInfo(rows, mac), 0);
        return rows.empty() ? -1 : rows.front().roomNumber;
    }

    size_t CountRows(const std::string& table) {
        m_db.Close();
        size_t count = 0;
        {
            RawDatabase raw(m_dir.File("tvraircon.sdf"));
            count = raw.Rows("SELECT * FROM " + table).size();
        }
        EXPECT_EQ(m_db.Open(m_dir.File("tvraircon.sdf")), 0);
        return count;
    }

    TempDir m_dir;
    CDbAccess m_db;
};

TEST_F(DbAccessTest, RoomNumbersCountUpAndReuseAFreedNumber) {
    ASSERT_EQ(m_db.SetModelInfo(Model(Mac(1), "L")), 0);
    ASSERT_EQ(m_db.SetModelInfo(Model(Mac(2), "L")), 0);
    ASSERT_EQ(m_db.SetModelInfo(Model(Mac(3), "B")), 0);
    EXPECT_EQ(RoomNumberOf(Mac(1)), 1);
    EXPECT_EQ(RoomNumberOf(Mac(2)), 2);
    EXPECT_EQ(RoomNumberOf(Mac(3)), 1);

    ASSERT_EQ(m_db.DeleteModelInfo(Mac(1)), 0);
    ASSERT_EQ(m_db.SetModelInfo(Model(Mac(4), "L")), 0);
    EXPECT_EQ(RoomNumberOf(Mac(4)), 1);
}

TEST_F(DbAccessTest, RoomCodeChangeTakesLowestFreeNumberAndSameCodeKeepsIt) {
    ASSERT_EQ(m_db.SetModelInfo(Model(Mac(1), "L")), 0);
    ASSERT_EQ(m_db.SetModelInfo(Model(Mac(2), "L")), 0);
    ASSERT_EQ(m_db.SetModelInfo(Model(Mac(3), "B")), 0);

    ASSERT_EQ(m_db.SetModelInfo(Model(Mac(2), "L", "NEW-MODEL")), 0);
    EXPECT_EQ(RoomNumberOf(Mac(2)), 2);

    ASSERT_EQ(m_db.SetModelInfo(Model(Mac(1), "B")), 0);
    EXPECT_EQ(RoomNumberOf(Mac(1)), 2);
    std::vector<CDbModelInfoData> rows;
    ASSERT_EQ(m_db.GetModelInfo(rows, Mac(1)), 0);
    EXPECT_EQ(rows.at(0).roomCode, "B");
}

TEST_F(DbAccessTest, AnEighthUnitIsRefusedButTheSevenStayUpdatable) {
    for (int i = 1; i <= 7; ++i) {
        ASSERT_EQ(m_db.SetModelInfo(Model(Mac(i), "O")), 0);
    }
    EXPECT_EQ(m_db.SetModelInfo(Model(Mac(8), "O")), CDbAccess::kUnitLimit);
    std::vector<CDbModelInfoData> rows;
    ASSERT_EQ(m_db.GetModelInfo(rows), 0);
    EXPECT_EQ(rows.size(), 7u);
    EXPECT_EQ(m_db.SetModelInfo(Model(Mac(4), "L", "CHANGED")), 0);
}

TEST_F(DbAccessTest, RegistrationDateNeverChanges) {
    ASSERT_EQ(m_db.SetModelInfo(Model(Mac(1), "L")), 0);
    std::vector<CDbModelInfoData> rows;
    ASSERT_EQ(m_db.GetModelInfo(rows, Mac(1)), 0);
    EXPECT_EQ(rows.at(0).getDate.size(), 19u) << rows.at(0).getDate;
    EXPECT_EQ(rows.at(0).getDate[4], '/');

    m_db.Close();
    {
        RawDatabase raw(m_dir.File("tvraircon.sdf"));
        ASSERT_EQ(raw.Exec("UPDATE MODEL_INFO_TBL SET GET_DATE='2011/01/02 03:04:05'"), SQLITE_OK);
    }
    ASSERT_EQ(m_db.Open(m_dir.File("tvraircon.sdf")), 0);
    CDbModelInfoData again = Model(Mac(1), "B", "OTHER");
    again.getDate = "2020/01/01 00:00:00";
    ASSERT_EQ(m_db.SetModelInfo(again), 0);
    rows.clear();
    ASSERT_EQ(m_db.GetModelInfo(rows, Mac(1)), 0);
    EXPECT_EQ(rows.at(0).getDate, "2011/01/02 03:04:05");
    EXPECT_EQ(rows.at(0).model, "OTHER");
}

TEST_F(DbAccessTest, RunStateReplacesADayAndAddsNewDays) {
    ASSERT_EQ(m_db.SetModelInfo(Model(Mac(1), "L")), 0);
    ASSERT_EQ(m_db.SetRunStateInfo(Day(Mac(1), "20130428", 100)), 0);
    ASSERT_EQ(m_db.SetRunStateInfo(Day(Mac(1), "20130428", 250, 90, 24, 127, 1)), 0);
    ASSERT_EQ(m_db.SetRunStateInfo(Day(Mac(1), "20130429", 50)), 0);

    std::vector<CDbRunStateData> rows;
    ASSERT_EQ(m_db.GetRunStateRange(Mac(1), "20130401", "20130430", rows), 0);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].date, "20130428");
    EXPECT_EQ(rows[0].electricityBill, 250);
    EXPECT_EQ(rows[0].useTime, 90);
    EXPECT_EQ(rows[0].outdoorTemperature, 127);
    EXPECT_EQ(rows[0].absentEco, 1);
    EXPECT_EQ(rows[0].eighth, 24); // the per-unit shape repeats the indoor temperature
    EXPECT_EQ(rows[1].date, "20130429");
}

TEST_F(DbAccessTest, RecordsOfUnregisteredUnitsAreRefused) {
    CDbSettingInfoData setting;
    setting.macAddress = Mac(5);
    EXPECT_EQ(m_db.SetSettingInfo(setting), CDbAccess::kFailed);
    EXPECT_EQ(m_db.SetRunStateInfo(Day(Mac(5), "20130428", 1)), CDbAccess::kFailed);
    EXPECT_EQ(m_db.SetTargetEleBillInfo({Mac(5), "201304", 3000}), CDbAccess::kFailed);
    EXPECT_EQ(CountRows("SETTING_INFO_TBL"), 0u);
    EXPECT_EQ(CountRows("RUN_STATE_TBL"), 0u);
    EXPECT_EQ(CountRows("ELECTRICITY_TARGET_TBL"), 0u);
}

TEST_F(DbAccessTest, UnitListHoldsEveryUnitInRegistrationOrderWithOrWithoutSettings) {
    ASSERT_EQ(m_db.SetModelInfo(Model(Mac(2), "L", "FIRST")), 0);
    ASSERT_EQ(m_db.SetModelInfo(Model(Mac(1), "Z", "SECOND")), 0);
    ASSERT_EQ(m_db.SetModelInfo(Model(Mac(3), "J", "NO-SETTINGS")), 0);
    std::vector<CRemoConInfo> list(5);
    for (const bool withSettings : {false, true}) {
        SCOPED_TRACE(withSettings);
        if (withSettings) {
            CDbSettingInfoData setting;
            for (const int n : {1, 2}) {
                setting.macAddress = Mac(n);
                setting.values[kVolume] = n;
                ASSERT_EQ(m_db.SetSettingInfo(setting), 0);
            }
        }
        m_db.GetRemoConInfo(list);
        // A unit without a setting row is listed all the same: it counts
        // toward the seven and must stay visible and deletable.
        ASSERT_EQ(list.size(), 3u);
        EXPECT_EQ(list[0].model, "FIRST");
        EXPECT_EQ(list[0].roomName, "リビング1");
        EXPECT_EQ(list[0].settings[kVolume], withSettings ? 2 : -1);
        EXPECT_EQ(list[0].settings[kDehumidificationMode], -1);
        EXPECT_EQ(list[1].roomName, "---1");
        EXPECT_FALSE(list[1].connected);
        EXPECT_EQ(list[2].macAddress, Mac(3));
        EXPECT_EQ(list[2].roomName, "和室1");
        EXPECT_EQ(list[2].getDate.size(), 19u);
        EXPECT_EQ(list[2].settings, UnreportedSettings());
    }
}

TEST_F(DbAccessTest, MonthTargetsOfOneUnitAndOfAll) {
    ASSERT_EQ(m_db.SetModelInfo(Model(Mac(1), "L")), 0);
    ASSERT_EQ(m_db.SetModelInfo(Model(Mac(2), "L")), 0);
    int32_t target = -1;
    ASSERT_EQ(m_db.GetTargetEleBillSum("", "201304", target), 0);
    EXPECT_EQ(target, 0);
    ASSERT_EQ(m_db.GetTargetEleBillSum(Mac(1), "201304", target), 0);
    EXPECT_EQ(target, 0);

    ASSERT_EQ(m_db.SetTargetEleBillInfo({Mac(1), "201304", 3000}), 0);
    ASSERT_EQ(m_db.SetTargetEleBillInfo({Mac(1), "201304", 3500}), 0);
    ASSERT_EQ(m_db.SetTargetEleBillInfo({Mac(2), "201304", 2000}), 0);
    ASSERT_EQ(m_db.SetTargetEleBillInfo({Mac(2), "201305", 9000}), 0);
    ASSERT_EQ(m_db.GetTargetEleBillSum(Mac(1), "201304", target), 0);
    EXPECT_EQ(target, 3500);
    ASSERT_EQ(m_db.GetTargetEleBillSum("", "201304", target), 0);
    EXPECT_EQ(target, 5500);
}

TEST_F(DbAccessTest, BillSumsAndPerDayTotals) {
    ASSERT_EQ(m_db.SetModelInfo(Model(Mac(1), "L")), 0);
    ASSERT_EQ(m_db.SetModelInfo(Model(Mac(2), "L")), 0);
    ASSERT_EQ(m_db.SetRunStateInfo(Day(Mac(1), "20130430", 100, 60, 20, -3)), 0);
    ASSERT_EQ(m_db.SetRunStateInfo(Day(Mac(2), "20130430", 50, 30, 127, -2)), 0);
    ASSERT_EQ(m_db.SetRunStateInfo(Day(Mac(2), "20130501", 7)), 0);

    int32_t total = -1;
    int32_t count = -1;
    ASSERT_EQ(m_db.GetEleBillSum("", "20130401", "20130430", total, count), 0);
    EXPECT_EQ(total, 150);
    EXPECT_EQ(count, 2);
    ASSERT_EQ(m_db.GetEleBillSum(Mac(2), "20130401", "20130531", total, count), 0);
    EXPECT_EQ(total, 57);
    EXPECT_EQ(count, 2);
    ASSERT_EQ(m_db.GetEleBillSum("", "20140101", "20140131", total, count), 0);
    EXPECT_EQ(total, 0); // a NULL sum reads as 0
    EXPECT_EQ(count, 0);

    std::vector<CDbRunStateData> days;
    ASSERT_EQ(m_db.GetRunStateRange("", "20130401", "20130531", days), 0);
    ASSERT_EQ(days.size(), 2u);
    EXPECT_EQ(days[0].macAddress, "2"); // the day's row count, as text
    EXPECT_EQ(days[0].date, "20130430");
    EXPECT_EQ(days[0].useTime, 90);
    EXPECT_EQ(days[0].electricityBill, 150);
    EXPECT_EQ(days[0].indoorTemperature, 73);  // (20 + 127) / 2, truncated
    EXPECT_EQ(days[0].outdoorTemperature, -2); // -2.5 truncated toward zero
    EXPECT_EQ(days[0].eighth, 2);
    EXPECT_EQ(days[1].macAddress, "1");
}

TEST_F(DbAccessTest, TextsWithQuotesAreStoredVerbatim) {
    const std::string model = "O'Brien\"; DROP TABLE MODEL_INFO_TBL;--";
    ASSERT_EQ(m_db.SetModelInfo(Model(Mac(1), "L", model)), 0);
    ASSERT_EQ(m_db.SetModelInfo(Model(Mac(2), "L", "テヴァロ'")), 0);
    std::vector<CDbModelInfoData> rows;
    ASSERT_EQ(m_db.GetModelInfo(rows), 0);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].model, model);
    EXPECT_EQ(rows[1].model, "テヴァロ'");
}

TEST_F(DbAccessTest, DeletesTouchOnlyTheirUnit) {
    ASSERT_EQ(m_db.SetModelInfo(Model(Mac(1), "L")), 0);
    ASSERT_EQ(m_db.SetModelInfo(Model(Mac(2), "L")), 0);
    ASSERT_EQ(m_db.SetRunStateInfo(Day(Mac(1), "20130430", 1)), 0);
    ASSERT_EQ(m_db.SetRunStateInfo(Day(Mac(2), "20130430", 2)), 0);
    ASSERT_EQ(m_db.DeleteRunStateInfo(Mac(1)), 0);
    std::vector<CDbRunStateData> rows;
    ASSERT_EQ(m_db.GetRunStateInfo(rows), 0);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].macAddress, Mac(2));
}

TEST_F(DbAccessTest, ClosedDatabaseFailsAndLeavesArraysAlone) {
    m_db.Close();
    m_db.Close();
    std::vector<CDbModelInfoData> rows(1);
    EXPECT_EQ(m_db.GetModelInfo(rows), 1);
    EXPECT_EQ(rows.size(), 1u);
    EXPECT_EQ(m_db.SetModelInfo(Model(Mac(1), "L")), 1);
}

TEST_F(DbAccessTest, TransactionGroupsWritesAndRollbackDropsThem) {
    ASSERT_EQ(m_db.SetModelInfo(Model(Mac(1), "L")), 0);
    ASSERT_EQ(m_db.BeginTransaction(), 0);
    ASSERT_EQ(m_db.SetRunStateInfo(Day(Mac(1), "20130430", 1)), 0);
    ASSERT_EQ(m_db.RollbackTransaction(), 0);
    ASSERT_EQ(m_db.BeginTransaction(), 0);
    ASSERT_EQ(m_db.SetRunStateInfo(Day(Mac(1), "20130501", 2)), 0);
    ASSERT_EQ(m_db.CommitTransaction(), 0);
    std::vector<CDbRunStateData> rows;
    ASSERT_EQ(m_db.GetRunStateInfo(rows, Mac(1)), 0);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].date, "20130501");
}

TEST_F(DbAccessTest, CsvYearTotalsEndTheDayBeforeTodayAcrossMonthAndYearEnds) {
    ASSERT_EQ(m_db.SetModelInfo(Model(Mac(1), "L")), 0);
    for (const auto& [date, bill] : std::vector<std::pair<std::string, int>>{{"20120229", 1},
                                                                             {"20121231", 2},
                                                                             {"20130101", 4},
                                                                             {"20130228", 8},
                                                                             {"20130301", 16}}) {
        ASSERT_EQ(m_db.SetRunStateInfo(Day(Mac(1), date, bill)), 0);
    }
    // Today 1 March 2013: this year's total stops at 28 February.
    std::vector<CCsvDataInfo> rows;
    ASSERT_EQ(m_db.GetCsvData(Mac(1), "20130101", "20130131", rows, "20130301"), 0);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].yearTotal, 12);
    EXPECT_EQ(rows[0].previousYearTotal, 3);

    // Today 1 January 2013: the year before ends on its 31 December, this
    // year has nothing before today.
    rows.clear();
    ASSERT_EQ(m_db.GetCsvData(Mac(1), "20121231", "20130101", rows, "20130101"), 0);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].yearTotal, 3);
    EXPECT_EQ(rows[0].previousYearTotal, 0);
    EXPECT_EQ(rows[1].yearTotal, 0);
    EXPECT_EQ(rows[1].previousYearTotal, 3);
}

TEST_F(DbAccessTest, ATransactionTheEngineDroppedStoresNothingMore) {
    ASSERT_EQ(m_db.SetModelInfo(Model(Mac(1), "L")), 0);
    ASSERT_EQ(m_db.BeginTransaction(), 0);
    ASSERT_EQ(m_db.SetRunStateInfo(Day(Mac(1), "20130428", 1)), 0);
    // What the engine does by itself after an I/O error or a full disk.
    int32_t result = 0;
    ASSERT_EQ(m_db.Connection()->ExecuteCommand(result, "ROLLBACK"), 0);

    EXPECT_EQ(m_db.SetRunStateInfo(Day(Mac(1), "20130429", 2)), 1);
    EXPECT_EQ(m_db.CommitTransaction(), 1);
    EXPECT_EQ(m_db.RollbackTransaction(), 0);
    std::vector<CDbRunStateData> rows;
    ASSERT_EQ(m_db.GetRunStateInfo(rows, Mac(1)), 0);
    EXPECT_TRUE(rows.empty());

    // Outside a job, statements commit on their own again.
    EXPECT_EQ(m_db.SetRunStateInfo(Day(Mac(1), "20130430", 3)), 0);
    ASSERT_EQ(m_db.GetRunStateInfo(rows, Mac(1)), 0);
    EXPECT_EQ(rows.size(), 1u);
}

TEST_F(DbAccessTest, AWriteLockHeldElsewhereFailsAfterTheRetriesAndLosesNothing) {
    ASSERT_EQ(m_db.SetModelInfo(Model(Mac(1), "L")), 0);
    ASSERT_EQ(m_db.SetRunStateInfo(Day(Mac(1), "20130428", 10)), 0);
    {
        RawDatabase other(m_dir.File("tvraircon.sdf"));
        ASSERT_EQ(other.Exec("BEGIN IMMEDIATE"), SQLITE_OK);
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(m_db.SetRunStateInfo(Day(Mac(1), "20130429", 20)), 1);
        const auto waited = std::chrono::steady_clock::now() - start;
        // Six attempts, five 10 ms pauses between them.
        EXPECT_GE(waited, std::chrono::milliseconds(50));
        ASSERT_EQ(other.Exec("COMMIT"), SQLITE_OK);
    }
    EXPECT_EQ(m_db.SetRunStateInfo(Day(Mac(1), "20130429", 20)), 0);
    std::vector<CDbRunStateData> rows;
    ASSERT_EQ(m_db.GetRunStateInfo(rows, Mac(1)), 0);
    EXPECT_EQ(rows.size(), 2u);
}

} // namespace
