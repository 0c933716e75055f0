#include "files/CFileJobs.h"

#include "data/CDataManager.h"
#include "debuglog/AppLog.h"
#include "files/CDataInfoAppProfile.h"
#include "model/CCalendarDate.h"
#include "util/CTextCodec.h"

#include <cstdio>

namespace {

// Column widths of the schema, in CP932 bytes.
constexpr size_t kMacBytes = 16;
constexpr size_t kModelBytes = 20;
constexpr size_t kRoomBytes = 1;
constexpr size_t kDateBytes = 8;
constexpr size_t kMonthBytes = 6;

bool IsValidPeriod(int32_t year, int32_t month) {
    return (year == 0 || (year >= kFirstSupportedYear && year <= kLastSupportedYear)) &&
           month >= 0 && month <= 12;
}

// Groups the import's registration into one commit: per-row commits would cost
// an fsync each. What a finished import stores is the same; a killed one
// leaves the database as it was before the import.
class ImportTransaction {
public:
    explicit ImportTransaction(CDbAccess& db)
        : m_db(db), m_open(db.BeginTransaction() == CDbAccess::kOk) {}
    ~ImportTransaction() {
        if (m_open) {
            m_db.RollbackTransaction();
        }
    }
    ImportTransaction(const ImportTransaction&) = delete;
    ImportTransaction& operator=(const ImportTransaction&) = delete;

    // False when the rows could not be committed (none of them is stored then).
    bool Commit() {
        if (!m_open) {
            return true; // every row was committed on its own
        }
        m_open = false;
        if (m_db.CommitTransaction() == CDbAccess::kOk) {
            return true;
        }
        m_db.RollbackTransaction();
        return false;
    }

private:
    CDbAccess& m_db;
    bool m_open;
};

} // namespace

int32_t CFileJobs::RegisterRecords(const CDataInfoAppProfile& profile, bool& limitHit) {
    CTextCodec codec;
    int32_t result = kImportOk;
    // A text CP932 cannot hold (a damaged byte read as U+FFFD) is refused like
    // a too long one: once stored, that unit could never be exported again.
    std::string narrow;
    const auto fits = [&codec, &narrow](const std::string& text, size_t bytes) {
        return codec.Utf8ToCp932(text, narrow) == CTextCodec::kOk && narrow.size() <= bytes;
    };
    const auto macFits = [&](int32_t i, const std::string& mac) {
        if (fits(mac, kMacBytes)) {
            return true;
        }
        AppLog().Write("Data[%d]FILE_ERROR_DATA_FAIL : MAC[%s]", i, mac.c_str());
        return false;
    };

    AppLog().Write(" - ModelInfoCount[%d]", static_cast<int32_t>(profile.m_modelInfo.size()));
    for (int32_t i = 0; i < static_cast<int32_t>(profile.m_modelInfo.size()); ++i) {
        const _MODEL_INFO_TBL_DATA& in = profile.m_modelInfo[static_cast<size_t>(i)];
        if (!macFits(i, in.macAddress)) {
            result = kImportRejected;
            continue;
        }
        if (!fits(in.airconInf, kModelBytes)) {
            AppLog().Write("Data[%d]FILE_ERROR_DATA_FAIL : Aircon[%s]", i, in.airconInf.c_str());
            result = kImportRejected;
            continue;
        }
        if (!fits(in.roomInf, kRoomBytes)) {
            AppLog().Write("Data[%d]FILE_ERROR_DATA_FAIL : Room[%s]", i, in.roomInf.c_str());
            result = kImportRejected;
            continue;
        }
        CDbModelInfoData record;
        record.macAddress = in.macAddress;
        record.model = in.airconInf;
        record.roomCode = in.roomInf;
        const int32_t set = m_manager->SetModelInfo(record);
        if (set == CDataManager::kUnitLimit) {
            AppLog().Write("Data[%d]FILE_ERROR_MAX : SetModelInfo()", i);
            limitHit = true;
            result = kImportRejected;
        } else if (set != CDataManager::kOk) {
            AppLog().Write("Data[%d]FILE_ERROR_DATA_FAIL : SetModelInfo()", i);
            result = kImportRejected;
        }
    }

    AppLog().Write(" - SettingInfo[%d]", static_cast<int32_t>(profile.m_settingInfo.size()));
    for (int32_t i = 0; i < static_cast<int32_t>(profile.m_settingInfo.size()); ++i) {
        const _SETTING_INFO_TBL_DATA& in = profile.m_settingInfo[static_cast<size_t>(i)];
        if (!macFits(i, in.macAddress)) {
            result = kImportRejected;
            continue;
        }
        CDbSettingInfoData record;
        record.macAddress = in.macAddress;
        record.values = in.values;
        if (m_manager->SetSettingInfo(record) != CDataManager::kOk) {
            AppLog().Write("Data[%d]FILE_ERROR_DATA_FAIL : SetSettingInfo()", i);
            result = kImportRejected;
        }
    }

    AppLog().Write(" - RunState[%d]", static_cast<int32_t>(profile.m_runState.size()));
    for (int32_t i = 0; i < static_cast<int32_t>(profile.m_runState.size()); ++i) {
        const _RUN_STATE_TBL_DATA& in = profile.m_runState[static_cast<size_t>(i)];
        if (!macFits(i, in.macAddress)) {
            result = kImportRejected;
            continue;
        }
        if (!fits(in.date, kDateBytes)) {
            AppLog().Write("Data[%d]FILE_ERROR_DATA_FAIL : DATE", i);
            result = kImportRejected;
            continue;
        }
        CDbRunStateData record;
        record.macAddress = in.macAddress;
        record.date = in.date;
        record.useTime = in.useTime;
        record.electricityBill = in.electricityBill;
        record.indoorTemperature = in.indoorTemperature;
        record.outdoorTemperature = in.outdoorTemperature;
        record.absentEco = in.absentEco;
        if (m_manager->SetRunStateInfo(record) != CDataManager::kOk) {
            AppLog().Write("Data[%d]FILE_ERROR_DATA_FAIL : SetRunStateInfo()", i);
            result = kImportRejected;
        }
    }

    AppLog().Write(" - TargetElect[%d]", static_cast<int32_t>(profile.m_targetElectricity.size()));
    for (int32_t i = 0; i < static_cast<int32_t>(profile.m_targetElectricity.size()); ++i) {
        const _TARGET_ELECTRICITY_TBL_DATA& in =
            profile.m_targetElectricity[static_cast<size_t>(i)];
        if (!macFits(i, in.macAddress)) {
            result = kImportRejected;
            continue;
        }
        if (!fits(in.years, kMonthBytes)) {
            AppLog().Write("Data[%d]FILE_ERROR_DATA_FAIL : DATE", i);
            result = kImportRejected;
            continue;
        }
        CDbEleBillTgtData record;
        record.macAddress = in.macAddress;
        record.month = in.years;
        record.target = in.electricityTarget;
        if (m_manager->SetTargetEleBillInfo(record) != CDataManager::kOk) {
            AppLog().Write("Data[%d]FILE_ERROR_DATA_FAIL : SetTargetEleBillInfo()", i);
            result = kImportRejected;
        }
    }
    return result;
}

int32_t CFileJobs::LoadAppInfoProfile(const std::string& path) {
    AppLog().Write("Ctevaro_worldApp::LoadAppInfoProfile() - start");
    CDataInfoAppProfile profile;
    int32_t result = kImportOk;
    if (path.empty()) {
        AppLog().Write(" - FileName Empty");
        result = kImportUnreadable;
    } else if (m_manager == nullptr) {
        AppLog().Write(" - DataManager NULL");
        result = kImportUnreadable;
    } else {
        const int32_t loaded = profile.LoadFile(path);
        if (loaded == CDataInfoAppProfile::kLoadFailed) {
            return kImportUnreadable;
        }
        if (loaded == CDataInfoAppProfile::kLoadRejected) {
            result = kImportRejected;
        }
        AppLog().Write("Start Data Set to DB");
        bool limitHit = false;
        {
            ImportTransaction transaction(m_manager->Db());
            const int32_t registered = RegisterRecords(profile, limitHit);
            // What was registered stays registered, also when some records failed.
            const bool committed = transaction.Commit();
            if (registered != kImportOk || !committed) {
                result = kImportRejected;
            }
        }
        AppLog().Write("End Data Set to DB");
        m_manager->LoadRemoConList();
        m_manager->RefreshViewData();
        if (limitHit) {
            result = kImportLimit;
        }
    }
    AppLog().Write("nReturnCode : %d", result);
    AppLog().Write("Ctevaro_worldApp::LoadAppInfoProfile() - end");
    AppLog().Write("%s", std::string(58, '-').c_str());
    return result;
}

bool CFileJobs::SaveAppInfoProfile(const std::vector<int32_t>& positions, const std::string& path) {
    if (path.empty() || m_manager == nullptr) {
        return false;
    }
    CDataInfoAppProfile profile;
    for (const int32_t position : positions) {
        const std::optional<CRemoConInfo> unit = m_manager->GetRemoCon(position);
        if (!unit) {
            return false; // a file without a chosen unit must not pass for a copy of it
        }
        const std::string& mac = unit->macAddress;
        // A unit without a row contributes nothing from that table, but a query
        // that fails must not leave a file that looks like a complete copy.
        if (m_manager->ReadModelInfo(mac) != CDataManager::kRead) {
            return false;
        }
        if (!m_manager->GetModelInfoArray().empty()) {
            const CDbModelInfoData& model = m_manager->GetModelInfoArray().front();
            profile.m_modelInfo.push_back({model.macAddress, model.model, model.roomCode});
        }
        if (m_manager->ReadSettingInfo(mac) != CDataManager::kRead) {
            return false;
        }
        if (!m_manager->GetSettingInfoArray().empty()) {
            const CDbSettingInfoData& setting = m_manager->GetSettingInfoArray().front();
            profile.m_settingInfo.push_back({setting.macAddress, setting.values});
        }
        if (m_manager->ReadRunStateInfo(mac) != CDataManager::kRead) {
            return false;
        }
        for (const CDbRunStateData& run : m_manager->GetRunStateArray()) {
            profile.m_runState.push_back({run.macAddress, run.date, run.useTime,
                                          run.electricityBill, run.indoorTemperature,
                                          run.outdoorTemperature, run.absentEco});
        }
        if (m_manager->ReadTargetEleBillInfo(mac) != CDataManager::kRead) {
            return false;
        }
        for (const CDbEleBillTgtData& target : m_manager->GetTargetArray()) {
            profile.m_targetElectricity.push_back({target.macAddress, target.month, target.target});
        }
    }
    return profile.Write(path) == CDataInfoAppProfile::kWritten;
}

std::string CFileJobs::CsvFileName(const std::string& folder, const CRemoConInfo& unit,
                                   int32_t year, int32_t month) {
    std::string model = unit.model;
    while (!model.empty() && model.back() == ' ') {
        model.pop_back();
    }
    // A "/" in a model text would put the file into another folder.
    for (char& c : model) {
        if (c == '/') {
            c = '_';
        }
    }
    std::string name = folder;
    if (name.empty() || name.back() != '/') {
        name += '/';
    }
    name += unit.roomName + "_" + model;
    char period[24] = {};
    if (year != 0) {
        std::snprintf(period, sizeof period, "-%04d", year);
        name += period;
    }
    if (month != 0) {
        std::snprintf(period, sizeof period, "%02d", month);
        name += period;
    }
    return name + ".csv";
}

int32_t CFileJobs::OutputEleBillCsv(const std::string& folder, int32_t position, int32_t year,
                                    int32_t month, CsvEncoding encoding) {
    if (m_manager == nullptr || folder.empty() || !IsValidPeriod(year, month)) {
        return kCsvNotWritten;
    }
    const std::optional<CRemoConInfo> unit = m_manager->GetRemoCon(position);
    if (!unit) {
        return kCsvNotWritten;
    }
    const std::string fileName = CsvFileName(folder, *unit, year, month);
    if (!m_manager->MakeCsvData(unit->macAddress, year, month)) {
        return kCsvNotWritten;
    }
    CDataInfoProfile writer(encoding);
    for (const CCsvDataInfo& row : m_manager->GetCsvDataArray()) {
        ELECTRICITY_BILL_OUTPUT_INFO record;
        record.remoconName = row.remoconName;
        record.modelText = row.modelText;
        record.yearTotal = row.yearTotal;
        record.previousYearTotal = row.previousYearTotal;
        record.year = row.year;
        record.month = row.month;
        record.day = row.day;
        record.dayBill = row.dayBill;
        record.monthTarget = row.monthTarget;
        record.useTime = row.useTime;
        record.monthTotal = row.monthTotal;
        record.outdoorTemperature = row.outdoorTemperature;
        writer.AddData(record);
    }
    return writer.WriteFile(fileName);
}

int32_t CFileJobs::RunImportJob(const std::string& path) {
    const int32_t result = LoadAppInfoProfile(path);
    if (m_manager != nullptr) {
        m_manager->RefreshConnectedFlags();
    }
    return result;
}

int32_t CFileJobs::RunExportJob(const std::vector<int32_t>& positions, const std::string& path) {
    return SaveAppInfoProfile(positions, path) ? kJobOk : kJobFailed;
}

int32_t CFileJobs::RunCsvJob(const std::string& folder, const std::vector<int32_t>& positions,
                             int32_t year, int32_t month, CsvEncoding encoding) {
    int32_t result = kJobOk;
    for (const int32_t position : positions) {
        if (OutputEleBillCsv(folder, position, year, month, encoding) != kCsvWritten) {
            result = kJobFailed;
        }
    }
    return result;
}

int32_t CFileJobs::RunDeleteJob(const std::vector<std::string>& macs) {
    int32_t result = kJobOk;
    for (const std::string& mac : macs) {
        if (mac.empty() || m_manager == nullptr ||
            m_manager->DeleteModelData(mac) != CDataManager::kOk) {
            result = kDeleteFailed;
        }
    }
    return result;
}
