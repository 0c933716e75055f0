#pragma once

#include "model/CDbEleBillTgtData.h"
#include "model/CDbModelInfoData.h"
#include "model/CDbRunStateData.h"
#include "model/CDbSettingInfoData.h"
#include "model/CRemoConInfo.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class CDbConnection;
class CDbModelInfoTbl;
class CDbSettingInfoTbl;
class CDbRunStateTbl;
class CDbEleBillTgtTbl;
class CDbRemoConInfoQuery;
struct CCsvDataInfo;

// The database facade owned by the data manager: one encrypted SQLCipher file,
// one connection, the four tables and the model+setting join. Used by one
// thread at a time (the UI thread, or the worker while a progress dialog runs).
//
// Result codes, unless a function says otherwise: kOk (0) = success, kFailed
// (1) = failure (after the retries of CDbConnection). 1 is never a success here.
class CDbAccess {
public:
    static constexpr int32_t kOk = 0;
    static constexpr int32_t kFailed = 1;
    // SetModelInfo only: seven units already registered, nothing written.
    static constexpr int32_t kUnitLimit = -1;

    CDbAccess();
    ~CDbAccess();
    CDbAccess(const CDbAccess&) = delete;
    CDbAccess& operator=(const CDbAccess&) = delete;

    // Opens (creating when missing) the file at CDataLocation::DatabasePath().
    // kOk = ready, kFailed = any failure. Creates no folder; never deletes or rewrites
    // a file it could not open.
    int32_t Open();
    int32_t Open(const std::string& path);
    // The busy timeout (CDbConnection::SetBusyTimeout) of the connection, now
    // and for every later Open. 0, the default, does not wait.
    void SetBusyTimeout(int milliseconds);

    // Releases everything; safe when already closed.
    void Close();
    bool IsOpen() const;

    // Insert-or-update. SetModelInfo: kOk; kUnitLimit; kFailed. The others:
    // kOk; kFailed = failure or the MAC is not registered (nothing written).
    int32_t SetModelInfo(const CDbModelInfoData& record);
    int32_t SetSettingInfo(const CDbSettingInfoData& record);
    int32_t SetRunStateInfo(const CDbRunStateData& record);
    int32_t SetTargetEleBillInfo(const CDbEleBillTgtData& record);

    // Append one record per row (an empty MAC means all rows); the array is
    // untouched on failure. kOk; kFailed = query failure.
    int32_t GetModelInfo(std::vector<CDbModelInfoData>& out, std::string_view mac = {});
    int32_t GetSettingInfo(std::vector<CDbSettingInfoData>& out, std::string_view mac = {});
    int32_t GetRunStateInfo(std::vector<CDbRunStateData>& out, std::string_view mac = {});
    int32_t GetTargetEleBillInfo(std::vector<CDbEleBillTgtData>& out, std::string_view mac = {});

    // Fills the remote-controller list (cleared first) with every registered
    // unit in registration order; a unit without a setting row has every
    // setting -1. Left empty when the query fails. Connected flags are false.
    void GetRemoConInfo(std::vector<CRemoConInfo>& list);

    int32_t DeleteModelInfo(std::string_view mac);
    int32_t DeleteSettingInfo(std::string_view mac);
    int32_t DeleteRunStateInfo(std::string_view mac);
    int32_t DeleteTargetEleBillInfo(std::string_view mac);

    // Run-state rows of one unit between two dates (inclusive, "YYYYMMDD"),
    // in date order. With an empty MAC: one row per date with data, where
    // macAddress holds the day's row count as decimal text, useTime and
    // electricityBill the sums, the temperatures and absentEco the integer
    // averages, and eighth the row count again. `rows` is replaced.
    int32_t GetRunStateRange(std::string_view mac, std::string_view firstDate,
                             std::string_view lastDate, std::vector<CDbRunStateData>& rows);
    // Bill total and row count between two dates (inclusive); empty MAC = all.
    int32_t GetEleBillSum(std::string_view mac, std::string_view firstDate,
                          std::string_view lastDate, int32_t& total, int32_t& count);
    // One unit's target for the month ("YYYYMM"), or with an empty MAC the sum
    // over all units; 0 when no row matches.
    int32_t GetTargetEleBillSum(std::string_view mac, std::string_view month, int32_t& target);

    // One unit's electricity-bill CSV rows between two dates (inclusive),
    // appended to `rows`; year totals end the day before `today` ("YYYYMMDD",
    // empty = the local date). kOk (also with no rows); kFailed = failure or
    // no MAC.
    int32_t GetCsvData(std::string_view mac, std::string_view firstDate, std::string_view lastDate,
                       std::vector<CCsvDataInfo>& rows, std::string_view today = {});

    // Groups the writes of one long job (import, delete) into one commit.
    // kOk; kFailed. Commit after a failed Begin fails harmlessly. Should the
    // engine drop the transaction on its own (I/O error, disk full), every
    // later statement and the Commit fail, so no part of the job is stored
    // outside it; Rollback then just ends it.
    int32_t BeginTransaction();
    int32_t CommitTransaction();
    int32_t RollbackTransaction();

    // The connection, for diagnostics and tests (null while closed).
    CDbConnection* Connection() { return m_connection.get(); }

private:
    int32_t NextRoomNumber(std::string_view roomCode, int32_t& number);
    bool IsRegistered(std::string_view mac, int32_t& result);

    std::unique_ptr<CDbConnection> m_connection;
    std::unique_ptr<CDbModelInfoTbl> m_modelTbl;
    std::unique_ptr<CDbSettingInfoTbl> m_settingTbl;
    std::unique_ptr<CDbRunStateTbl> m_runStateTbl;
    std::unique_ptr<CDbEleBillTgtTbl> m_targetTbl;
    std::unique_ptr<CDbRemoConInfoQuery> m_remoconQuery;
    int32_t m_transactionResult = 0;
    int m_busyTimeoutMs = 0;
};
