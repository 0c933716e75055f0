#pragma once

#include "data/CSystemClock.h"
#include "model/CDbModelInfoData.h"
#include "model/CDbRunStateData.h"
#include "model/CDbSettingInfoData.h"

#include <array>
#include <cstdint>
#include <string>

// Turns the records a remote controller sends into database rows, checking
// every byte against the values the program accepts: one bad byte refuses the
// whole record. Also converts MAC addresses between the 8-byte device form and
// the 16-character database form, and maps room codes to room letters.
//
// The data manager creates one wherever it needs it; there is no state beyond
// the clock that dates new registrations. Every operation returns true on
// success; on failure the output row is partly filled and must not be used.
// Each operation frames itself in the debug log and logs why it refused.
class CDataManagerConvert {
public:
    static constexpr size_t kMacSize = 8;
    static constexpr size_t kAirconInfoSize = 30;
    static constexpr size_t kDriveInfoSize = 12;
    static constexpr size_t kDriveInfoBSize = 20;
    static constexpr size_t kDriveInfoCSize = 24;
    static constexpr size_t kLogSize = 11;
    static constexpr size_t kModelTextBytes = 20;

    explicit CDataManagerConvert(const IClock& clock = CSystemClock::Instance());

    // identity: kAirconInfoSize bytes. GET_DATE becomes now; ROOM_NUM stays 0.
    bool Convert_AirconInfo_DeviceToDB(const uint8_t* identity, CDbModelInfoData* out) const;
    // mac: kMacSize bytes; record: kDriveInfoSize / kDriveInfoBSize / kDriveInfoCSize bytes.
    bool Convert_SettingInfo_DeviceToDB(const uint8_t* mac, const uint8_t* record,
                                        CDbSettingInfoData* out) const;
    bool Convert_SettingInfo_DeviceBToDB(const uint8_t* mac, const uint8_t* record,
                                         CDbSettingInfoData* out) const;
    bool Convert_SettingInfo_DeviceCToDB(const uint8_t* mac, const uint8_t* record,
                                         CDbSettingInfoData* out) const;
    // record: kLogSize bytes.
    bool Convert_LogData_DeviceToDB(const uint8_t* mac, const uint8_t* record,
                                    CDbRunStateData* out) const;

    bool MacAddr_DeviceToDB(const uint8_t* mac, std::string* out) const;
    // Needs exactly 16 hexadecimal digits.
    bool MacAddr_DBToDevice(const std::string& text, uint8_t* mac) const;
    // The model text: at most 20 CP932 bytes up to the first zero, as UTF-8;
    // a byte that is no CP932 character reads as "?".
    bool charToTCHAR(const uint8_t* bytes, std::string* out) const;
    bool RoomInfo_DeviceToDB(uint8_t code, std::string* out) const;
    bool Volume_DeviceToDB(uint8_t volume, int32_t* out) const;
    // "%Y/%m/%d %H:%M:%S" in local time.
    bool SetNowDateTime(std::string* out) const;
    // The logged day: the record's BCD reference date minus the days-back
    // byte (0xFF counts as 0), as "YYYYMMDD".
    bool SetLogDate(const uint8_t* record, uint8_t daysBack, CDbRunStateData* out) const;
    bool SetElectricityBill(uint8_t high, uint8_t low, CDbRunStateData* out) const;

private:
    enum class Variant { A, B, C };
    bool ConvertSettings(const char* name, Variant variant, const uint8_t* mac,
                         const uint8_t* record, CDbSettingInfoData* out) const;

    const IClock& m_clock;
};
