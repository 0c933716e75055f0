#include "data/CDataManager.h"

#include "data/CDataManagerConvert.h"
#include "debuglog/AppLog.h"
#include "link/RemoconPayload.h"
#include "model/CCalendarDate.h"
#include "model/SettingRules.h"
#include "resources/CStringTable.h"

#include <cstring>
#include <mutex>

namespace {

bool IsMacText(const std::string& mac) {
    return mac.size() == 16;
}

bool InRange(int32_t value, int32_t lo, int32_t hi) {
    return value >= lo && value <= hi;
}

// The variant a stored settings row belongs to, from which values it holds.
SettingsVariant VariantOf(const SettingValues& values) {
    if (values[kCurrentSwitch] != kSettingNotReported) {
        return SettingsVariant::kA;
    }
    if (values[kSideFan] != kSettingNotReported) {
        return SettingsVariant::kC;
    }
    if (values[kEleBillPlice1] != kSettingNotReported) {
        return SettingsVariant::kB;
    }
    return SettingsVariant::kNone;
}

bool IsValidSettings(const SettingValues& values) {
    const SettingsVariant variant = VariantOf(values);
    if (variant == SettingsVariant::kNone) {
        return false;
    }
    for (const SettingRule& rule : kSettingRules) {
        if (!rule.Accepts(values[rule.column], variant)) {
            return false;
        }
    }
    return true;
}

bool IsValidTemperature(int32_t value) {
    return InRange(value, -40, 60) || value == 127;
}

int32_t ConnectErrorPicture(int32_t result) {
    switch (result) {
    case CSerialPortManager::kZeroMac:
        return kConnectErrorPictureNoMac;
    case CSerialPortManager::kRegistLimit:
        return kConnectErrorPictureLimit;
    case CSerialPortManager::kTimedOut:
        return kConnectErrorPictureTimeout;
    default:
        return kConnectErrorPictureGeneral;
    }
}

} // namespace

CDataManager::CDataManager(const IClock& clock, CSerialPortManager::Options portOptions)
    : m_clock(clock), m_portManager(std::move(portOptions)) {
    m_allRemoCon.roomName = std::string(CStringTable::Text(StringId::kAllAirconRoomName));
    bool changed = false;
    int32_t milliseconds = 0;
    CheckDateChange(changed, milliseconds);
}

CDataManager::~CDataManager() {
    // The port manager must not call back into a half-destroyed receiver.
    m_portManager.InitSetting(nullptr);
}

int32_t CDataManager::Initialize() {
    const int32_t result = m_db.Open();
    m_portManager.InitSetting(this);
    return result;
}

int32_t CDataManager::Initialize(const std::string& databasePath) {
    const int32_t result = m_db.Open(databasePath);
    m_portManager.InitSetting(this);
    return result;
}

int32_t CDataManager::Update4Remocon() {
    AppLog().Write("-----  CDataManager::Update4Remocon Start.  -----");
    const int32_t count = m_portManager.GetSerialPort(true);
    AppLog().Write(" GetSerialPort. [%d]", count);
    for (int32_t i = 0; i < count; ++i) {
        const int32_t result = m_portManager.CommunicationSerialPort(i);
        if (result < 0 && m_connectErrors != nullptr) {
            m_connectErrors->ShowConnectError(ConnectErrorPicture(result));
        }
    }
    FreeUnusedPorts();
    LoadRemoConList();
    RefreshViewData();
    RefreshConnectedFlags();
    AppLog().Write(" GetSerialPort(After). [%d]", m_portManager.GetSerialPort(false));
    AppLog().Write("-----  CDataManager::Update4Remocon End.[%d]  -----", kOk);
    return kOk;
}

void CDataManager::FreeUnusedPorts() {
    AppLog().Write("-----  CSerialPortManager::FreeUnUsedCommunicationAll Start.  -----");
    {
        std::lock_guard<std::recursive_mutex> guard(m_portManager.PortLock());
        while (m_portManager.FreeUnUsedCommunication1stData() >= 0) {
        }
    }
    AppLog().Write("-----  CSerialPortManager::FreeUnUsedCommunicationAll End.[%d]  -----", 0);
}

int32_t CDataManager::SetRemoconData(const uint8_t* mac, const void* record, int32_t kind) {
    AppLog().Write("-----  CDataManager::SetRemoconData Start.  -----");
    if (mac == nullptr || record == nullptr) {
        AppLog().Write(" Param NG. ");
        return kRemoconNoData;
    }
    const auto* bytes = static_cast<const uint8_t*>(record);
    const CDataManagerConvert convert(m_clock);
    switch (kind) {
    case kRemoconKindAirconInfo: {
        CDbModelInfoData row;
        if (!convert.Convert_AirconInfo_DeviceToDB(bytes, &row)) {
            AppLog().Write(" Convert_AirconInfo_DeviceToDB NG. ");
            return kRemoconConvertFailed;
        }
        const int32_t result = SetModelInfo(row);
        if (result == kUnitLimit) {
            AppLog().Write(" SetModelInfo Max Regist NG. ");
            return kRemoconRegistLimit;
        }
        if (result != kOk) {
            AppLog().Write(" SetModelInfo NG. ");
            return kRemoconStoreFailed;
        }
        break;
    }
    case kRemoconKindDriveInfo:
    case kRemoconKindDriveInfoB:
    case kRemoconKindDriveInfoC: {
        CDbSettingInfoData row;
        bool converted = false;
        if (kind == kRemoconKindDriveInfo) {
            converted = convert.Convert_SettingInfo_DeviceToDB(mac, bytes, &row);
            if (!converted) {
                AppLog().Write(" Convert_SettingInfo_DeviceToDB NG. ");
            }
        } else if (kind == kRemoconKindDriveInfoB) {
            converted = convert.Convert_SettingInfo_DeviceBToDB(mac, bytes, &row);
            if (!converted) {
                AppLog().Write(" Convert_SettingInfo_DeviceBToDB NG. ");
            }
        } else {
            converted = convert.Convert_SettingInfo_DeviceCToDB(mac, bytes, &row);
            if (!converted) {
                AppLog().Write(" Convert_SettingInfo_DeviceCToDB NG. ");
            }
        }
        if (!converted) {
            return kRemoconConvertFailed;
        }
        if (SetSettingInfo(row) != kOk) {
            AppLog().Write(" SetSettingInfo NG. ");
            return kRemoconStoreFailed;
        }
        break;
    }
    case kRemoconKindLogData: {
        CDbRunStateData row;
        if (!convert.Convert_LogData_DeviceToDB(mac, bytes, &row)) {
            AppLog().Write(" Convert_LogData_DeviceToDB NG. ");
            return kRemoconConvertFailed;
        }
        if (SetRunStateInfo(row) != kOk) {
            AppLog().Write(" SetRunStateInfo NG. ");
            return kRemoconStoreFailed;
        }
        break;
    }
    default:
        AppLog().Write(" Kind NG. ");
        return kRemoconConvertFailed;
    }
    AppLog().Write("-----  CDataManager::SetRemoconData End.  -----");
    return kRemoconStored;
}

int32_t CDataManager::SetModelInfo(const CDbModelInfoData& record) {
    if (!IsMacText(record.macAddress) || record.model.empty() || record.roomCode.size() != 1 ||
        std::string_view("LCBJDO").find(record.roomCode[0]) == std::string_view::npos) {
        return kFailed;
    }
    return m_db.SetModelInfo(record);
}

int32_t CDataManager::SetSettingInfo(const CDbSettingInfoData& record) {
    if (!IsMacText(record.macAddress) || !IsValidSettings(record.values)) {
        return kFailed;
    }
    return m_db.SetSettingInfo(record);
}

int32_t CDataManager::SetRunStateInfo(const CDbRunStateData& record) {
    CCalendarDate date;
    if (!IsMacText(record.macAddress) || !CCalendarDate::Parse(record.date, date)) {
        return kFailed;
    }
    if (date.year < kFirstSupportedYear) {
        // Days from before the supported range are dropped, not refused, so
        // one stale log day does not fail a whole read.
        return kOk;
    }
    if (date.year > kLastSupportedYear || !InRange(date.month, 1, 12) || date.day < 1 ||
        date.day > CCalendarDate::DaysInMonth(date.year, date.month) ||
        !InRange(record.useTime, 0, 1440) || !InRange(record.electricityBill, 0, 9999) ||
        !IsValidTemperature(record.indoorTemperature) ||
        !IsValidTemperature(record.outdoorTemperature) ||
        !(InRange(record.absentEco, 0, 1) || record.absentEco == 255)) {
        return kFailed;
    }
    return m_db.SetRunStateInfo(record);
}

int32_t CDataManager::SetTargetEleBillInfo(const CDbEleBillTgtData& record) {
    // Only a month the views can show: a target for any other month would
    // be stored where no page ever shows it.
    CCalendarDate first;
    if (!IsMacText(record.macAddress) || record.month.size() != 6 ||
        !CCalendarDate::Parse(record.month + "01", first) ||
        !InRange(first.year, kFirstSupportedYear, kLastSupportedYear) ||
        !InRange(first.month, 1, 12) || !InRange(record.target, 0, kMaxMonthTarget)) {
        return kFailed;
    }
    return m_db.SetTargetEleBillInfo(record);
}

int32_t CDataManager::DeleteModelData(const std::string& mac) {
    if (mac.empty()) {
        return kFailed;
    }
    const bool deleted = m_db.DeleteModelInfo(mac) == CDbAccess::kOk &&
                         m_db.DeleteSettingInfo(mac) == CDbAccess::kOk &&
                         m_db.DeleteRunStateInfo(mac) == CDbAccess::kOk &&
                         m_db.DeleteTargetEleBillInfo(mac) == CDbAccess::kOk;
    LoadRemoConList();
    RefreshViewData();
    return deleted ? kOk : kFailed;
}

void CDataManager::RefreshConnectedFlags() {
    const CDataManagerConvert convert(m_clock);
    for (CRemoConInfo& unit : m_remoConList) {
        PAYLOAD_MSG_RET_AIRCON_INFO identity;
        std::memset(&identity, 0, sizeof(identity));
        if (!convert.MacAddr_DBToDevice(unit.macAddress, identity.macAddr)) {
            unit.connected = false;
            continue;
        }
        unit.connected = m_portManager.IsPortConnected(&identity);
    }
}

int32_t CDataManager::RefreshAfterPortRemoval(const std::vector<std::string>& devicePaths) {
    if (devicePaths.empty()) {
        return kNoDevicePaths;
    }
    for (const std::string& path : devicePaths) {
        m_portManager.ClearInUseByDevicePath(path.c_str());
    }
    RefreshConnectedFlags();
    FreeUnusedPorts();
    return kOk;
}

int32_t CDataManager::ReadModelInfo(const std::string& mac) {
    m_modelInfos.clear();
    return !mac.empty() && m_db.GetModelInfo(m_modelInfos, mac) == CDbAccess::kOk ? kRead
                                                                                  : kNotRead;
}

int32_t CDataManager::ReadSettingInfo(const std::string& mac) {
    m_settingInfos.clear();
    return !mac.empty() && m_db.GetSettingInfo(m_settingInfos, mac) == CDbAccess::kOk ? kRead
                                                                                      : kNotRead;
}

int32_t CDataManager::ReadRunStateInfo(const std::string& mac) {
    m_runStates.clear();
    return !mac.empty() && m_db.GetRunStateInfo(m_runStates, mac) == CDbAccess::kOk ? kRead
                                                                                    : kNotRead;
}

int32_t CDataManager::ReadTargetEleBillInfo(const std::string& mac) {
    m_targets.clear();
    return !mac.empty() && m_db.GetTargetEleBillInfo(m_targets, mac) == CDbAccess::kOk ? kRead
                                                                                       : kNotRead;
}
