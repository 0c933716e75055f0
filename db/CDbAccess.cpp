#include "db/CDbAccess.h"

#include "db/CDataLocation.h"
#include "db/CDbConnection.h"
#include "db/CDbEleBillTgtTbl.h"
#include "db/CDbModelInfoTbl.h"
#include "db/CDbRemoConInfoQuery.h"
#include "db/CDbRunStateTbl.h"
#include "db/CDbSettingInfoTbl.h"
#include "model/RoomNames.h"

#include <cstdio>
#include <ctime>

namespace {

constexpr size_t kMaxUnits = 7;

std::string LocalTimestamp() {
    const time_t now = time(nullptr);
    tm local{};
    localtime_r(&now, &local);
    char text[64];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d %02d:%02d:%02d", local.tm_year + 1900,
                  local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
    return text;
}

} // namespace

CDbAccess::CDbAccess() = default;

CDbAccess::~CDbAccess() {
    Close();
}

int32_t CDbAccess::Open() {
    return Open(CDataLocation::DatabasePath());
}

int32_t CDbAccess::Open(const std::string& path) {
    Close();
    m_connection = std::make_unique<CDbConnection>();
    m_modelTbl = std::make_unique<CDbModelInfoTbl>();
    m_settingTbl = std::make_unique<CDbSettingInfoTbl>();
    m_runStateTbl = std::make_unique<CDbRunStateTbl>();
    m_targetTbl = std::make_unique<CDbEleBillTgtTbl>();
    m_remoconQuery = std::make_unique<CDbRemoConInfoQuery>();
    m_connection->SetBusyTimeout(m_busyTimeoutMs);

    if (m_connection->CreateDatabaseFile(path) != 0) {
        return kFailed;
    }
    if (m_connection->ConnectDataSource() != 0) {
        return kFailed;
    }
    CDbConnection* connection = m_connection.get();
    m_modelTbl->SetConnection(connection);
    m_settingTbl->SetConnection(connection);
    m_runStateTbl->SetConnection(connection);
    m_targetTbl->SetConnection(connection);
    m_remoconQuery->SetConnection(connection);

    if (m_modelTbl->Create() != 0) {
        return kFailed;
    }
    m_settingTbl->Upgrade(); // fails harmlessly on a new file; Create follows
    if (m_settingTbl->Create() != 0) {
        return kFailed;
    }
    if (m_runStateTbl->Create() != 0) {
        return kFailed;
    }
    if (m_targetTbl->Create() != 0) {
        return kFailed;
    }
    return kOk;
}

void CDbAccess::SetBusyTimeout(int milliseconds) {
    m_busyTimeoutMs = milliseconds;
    if (m_connection != nullptr) {
        m_connection->SetBusyTimeout(milliseconds);
    }
}

void CDbAccess::Close() {
    m_remoconQuery.reset();
    m_targetTbl.reset();
    m_runStateTbl.reset();
    m_settingTbl.reset();
    m_modelTbl.reset();
    m_connection.reset();
}

bool CDbAccess::IsOpen() const {
    return m_connection != nullptr && m_connection->IsConnected() && m_targetTbl != nullptr;
}

int32_t CDbAccess::NextRoomNumber(std::string_view roomCode, int32_t& number) {
    // At most seven units are registered, so a free number turns up by 8.
    for (int32_t n = 1;; ++n) {
        std::vector<CDbModelInfoData> rows;
        if (m_modelTbl->SelectByRoom(roomCode, n, rows) != 0) {
            return kFailed;
        }
        if (rows.empty()) {
            number = n;
            return kOk;
        }
    }
}

int32_t CDbAccess::SetModelInfo(const CDbModelInfoData& record) {
    if (!IsOpen()) {
        return kFailed;
    }
    std::vector<CDbModelInfoData> existing;
    if (m_modelTbl->SelectOne(record.macAddress, existing) != 0) {
        return kFailed;
    }
    const bool isUpdate = !existing.empty();
    CDbModelInfoData row = record;
    row.roomNumber = isUpdate ? existing.front().roomNumber : 0;
    const std::string previousCode = isUpdate ? existing.front().roomCode : std::string();
    if (record.roomCode != previousCode) {
        int32_t number = row.roomNumber;
        if (NextRoomNumber(record.roomCode, number) == 0) {
            row.roomNumber = number;
        }
    }
    if (isUpdate) {
        return m_modelTbl->Update(row);
    }
    std::vector<CDbModelInfoData> all;
    if (m_modelTbl->SelectAll(all) != 0) {
        return kFailed;
    }
    if (all.size() >= kMaxUnits) {
        return kUnitLimit;
    }
    row.getDate = LocalTimestamp();
    return m_modelTbl->Insert(row);
}

bool CDbAccess::IsRegistered(std::string_view mac, int32_t& result) {
    std::vector<CDbModelInfoData> rows;
    if (!IsOpen() || m_modelTbl->SelectOne(mac, rows) != 0 || rows.empty()) {
        result = kFailed;
        return false;
    }
    return true;
}

int32_t CDbAccess::SetSettingInfo(const CDbSettingInfoData& record) {
    int32_t rc = kOk;
    if (!IsRegistered(record.macAddress, rc)) {
        return rc;
    }
    std::vector<CDbSettingInfoData> existing;
    if (m_settingTbl->SelectOne(record.macAddress, existing) != 0) {
        return kFailed;
    }
    return existing.empty() ? m_settingTbl->Insert(record) : m_settingTbl->Update(record);
}

int32_t CDbAccess::SetRunStateInfo(const CDbRunStateData& record) {
    int32_t rc = kOk;
    if (!IsRegistered(record.macAddress, rc)) {
        return rc;
    }
    std::vector<CDbRunStateData> existing;
    if (m_runStateTbl->SelectRange(record.macAddress, record.date, record.date, existing) != 0) {
        return kFailed;
    }
    return existing.empty() ? m_runStateTbl->Insert(record) : m_runStateTbl->Update(record);
}

int32_t CDbAccess::SetTargetEleBillInfo(const CDbEleBillTgtData& record) {
    int32_t rc = kOk;
    if (!IsRegistered(record.macAddress, rc)) {
        return rc;
    }
    std::vector<CDbEleBillTgtData> existing;
    if (m_targetTbl->SelectOneMonth(record.macAddress, record.month, existing) != 0) {
        return kFailed;
    }
    return existing.empty() ? m_targetTbl->Insert(record) : m_targetTbl->Update(record);
}

int32_t CDbAccess::GetModelInfo(std::vector<CDbModelInfoData>& out, std::string_view mac) {
    if (!IsOpen()) {
        return kFailed;
    }
    return mac.empty() ? m_modelTbl->SelectAll(out) : m_modelTbl->SelectOne(mac, out);
}

int32_t CDbAccess::GetSettingInfo(std::vector<CDbSettingInfoData>& out, std::string_view mac) {
    if (!IsOpen()) {
        return kFailed;
    }
    return mac.empty() ? m_settingTbl->SelectAll(out) : m_settingTbl->SelectOne(mac, out);
}

int32_t CDbAccess::GetRunStateInfo(std::vector<CDbRunStateData>& out, std::string_view mac) {
    if (!IsOpen()) {
        return kFailed;
    }
    return mac.empty() ? m_runStateTbl->SelectAll(out) : m_runStateTbl->SelectUnit(mac, out);
}

int32_t CDbAccess::GetTargetEleBillInfo(std::vector<CDbEleBillTgtData>& out, std::string_view mac) {
    if (!IsOpen()) {
        return kFailed;
    }
    return mac.empty() ? m_targetTbl->SelectAll(out) : m_targetTbl->SelectUnit(mac, out);
}

void CDbAccess::GetRemoConInfo(std::vector<CRemoConInfo>& list) {
    list.clear();
    if (!IsOpen()) {
        return;
    }
    std::vector<DbJoinRow> joined;
    if (m_remoconQuery->Select(joined) != 0) {
        return;
    }
    for (const DbJoinRow& row : joined) {
        CRemoConInfo info;
        info.macAddress = row.model.macAddress;
        info.getDate = row.model.getDate;
        info.model = row.model.model;
        info.roomName = RoomDisplayName(row.model.roomCode, row.model.roomNumber);
        info.settings = row.setting.values;
        list.push_back(std::move(info));
    }
}

int32_t CDbAccess::DeleteModelInfo(std::string_view mac) {
    return IsOpen() ? m_modelTbl->Delete(mac) : kFailed;
}

int32_t CDbAccess::DeleteSettingInfo(std::string_view mac) {
    return IsOpen() ? m_settingTbl->Delete(mac) : kFailed;
}

int32_t CDbAccess::DeleteRunStateInfo(std::string_view mac) {
    return IsOpen() ? m_runStateTbl->Delete(mac) : kFailed;
}

int32_t CDbAccess::DeleteTargetEleBillInfo(std::string_view mac) {
    return IsOpen() ? m_targetTbl->Delete(mac) : kFailed;
}

int32_t CDbAccess::GetRunStateRange(std::string_view mac, std::string_view firstDate,
                                    std::string_view lastDate, std::vector<CDbRunStateData>& rows) {
    rows.clear();
    if (!IsOpen()) {
        return kFailed;
    }
    if (mac.empty()) {
        return m_runStateTbl->SelectDailyTotals(firstDate, lastDate, rows);
    }
    return m_runStateTbl->SelectRange(mac, firstDate, lastDate, rows);
}

int32_t CDbAccess::GetEleBillSum(std::string_view mac, std::string_view firstDate,
                                 std::string_view lastDate, int32_t& total, int32_t& count) {
    if (!IsOpen()) {
        return kFailed;
    }
    return m_runStateTbl->SumBill(mac, firstDate, lastDate, total, count);
}

int32_t CDbAccess::GetTargetEleBillSum(std::string_view mac, std::string_view month,
                                       int32_t& target) {
    if (!IsOpen()) {
        return kFailed;
    }
    if (mac.empty()) {
        return m_targetTbl->SumMonth(month, target);
    }
    std::vector<CDbEleBillTgtData> rows;
    if (m_targetTbl->SelectOneMonth(mac, month, rows) != 0) {
        return kFailed;
    }
    target = rows.empty() ? 0 : rows.front().target;
    return kOk;
}

int32_t CDbAccess::BeginTransaction() {
    return IsOpen() ? m_connection->BeginTransaction(m_transactionResult) : kFailed;
}

int32_t CDbAccess::CommitTransaction() {
    return IsOpen() ? m_connection->CommitTransaction(m_transactionResult) : kFailed;
}

int32_t CDbAccess::RollbackTransaction() {
    return IsOpen() ? m_connection->RollbackTransaction(m_transactionResult) : kFailed;
}
