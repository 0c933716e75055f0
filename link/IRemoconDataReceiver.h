#pragma once

#include <cstdint>

// Kinds of record handed over after a successful communication run, in the
// order the port manager hands them: the identity first, then the settings
// variant(s) the unit sent, then every run-log day in arrival order.
inline constexpr int32_t kRemoconKindAirconInfo = 1; // PAYLOAD_MSG_RET_AIRCON_INFO, 30 bytes
inline constexpr int32_t kRemoconKindDriveInfo = 2;  // PAYLOAD_MSG_RET_DRIVE_INFO, 12 bytes
inline constexpr int32_t kRemoconKindDriveInfoB = 3; // PAYLOAD_MSG_RET_DRIVE_INFO_B, 20 bytes
inline constexpr int32_t kRemoconKindDriveInfoC = 4; // PAYLOAD_MSG_RET_DRIVE_INFO_C, 24 bytes
inline constexpr int32_t kRemoconKindLogData = 5;    // PAYLOAD_MSG_RET_LOG, 11 bytes

// SetRemoconData's answers.
inline constexpr int32_t kRemoconStored = 0;
inline constexpr int32_t kRemoconNoData = -1;        // missing MAC or record
inline constexpr int32_t kRemoconConvertFailed = -2; // conversion failed or kind outside 1..5
inline constexpr int32_t kRemoconStoreFailed = -3;   // database write refused or failed
inline constexpr int32_t kRemoconRegistLimit = -999; // seven air conditioners already registered

// Where CSerialPortManager::RegistDBData stores what one remote controller sent.
// The data manager implements it; the port manager holds a non-owning pointer
// given by InitSetting and calls it on the thread that runs the communication,
// with the port lock held.
class IRemoconDataReceiver {
public:
    virtual ~IRemoconDataReceiver() = default;

    // mac: the unit's 8 MAC bytes (device form, from the identity read in the
    // same run). record: the record of `kind` (layouts in link/RemoconPayload.h),
    // valid only during the call.
    // Result: kRemoconStored, or one of the failures above (all negative).
    virtual int32_t SetRemoconData(const uint8_t* mac, const void* record, int32_t kind) = 0;
};
