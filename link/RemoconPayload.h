#pragma once

#include <cstdint>

// Records the remote controller sends back, byte for byte as they stand in a
// response frame (from frame byte 4 on). They are copied, never reinterpreted
// in place, so packing gives them exactly their wire size.

// Command codes of the request/response frames.
inline constexpr uint8_t REQ_AIRCON_INFO = 0x01;
inline constexpr uint8_t REQ_DRIVE_INFO = 0x02;
inline constexpr uint8_t REQ_LOG_DATA = 0x03;
inline constexpr uint8_t REQ_END = 0x04;
inline constexpr uint8_t RES_AIRCON_INFO = 0x21;
inline constexpr uint8_t RES_DRIVE_INFO = 0x22;
inline constexpr uint8_t RES_LOG_DATA = 0x23;
inline constexpr uint8_t RES_END = 0x24;
inline constexpr uint8_t RES_DRIVE_INFO_B = 0x25;
inline constexpr uint8_t RES_DRIVE_INFO_C = 0x26;

#pragma pack(push, 1)

// The air conditioner's identity (answer 0x21).
struct PAYLOAD_MSG_RET_AIRCON_INFO {
    uint8_t modelName[20]; // single-byte text, zero-padded, not always terminated
    uint8_t macAddr[8];    // all zero: the remote controller has no identity
    uint8_t roomCode;      // 0x10, 0x20, 0x30, 0x40, 0x50 or 0x80
    uint8_t reserved;
};

// Settings, first variant (answer 0x22).
struct PAYLOAD_MSG_RET_DRIVE_INFO {
    uint8_t volume;
    uint8_t voice;
    uint8_t autoSave;
    uint8_t insideClean;
    uint8_t plasmaIcon;
    uint8_t conservationFan;
    uint8_t autoPowerful;
    uint8_t currentSwitch;
    uint8_t mainBodyDisplay;
    uint8_t eleBillUnitPrice;
    uint8_t installedPosition;
    uint8_t filterCleanInterval;
};

// Settings, second variant (answer 0x25). The four times are BCD hours.
struct PAYLOAD_MSG_RET_DRIVE_INFO_B {
    uint8_t volume;
    uint8_t voice;
    uint8_t autoSave;
    uint8_t insideClean;
    uint8_t plasmaIcon;
    uint8_t conservationFan;
    uint8_t autoPowerful;
    uint8_t remoconSensor;
    uint8_t mainBodyDisplay;
    uint8_t receivingMode;
    uint8_t installedPosition;
    uint8_t filterCleanInterval;
    uint8_t unitPrice1;
    uint8_t unitPrice2;
    uint8_t unitPrice3;
    uint8_t pricePattern;
    uint8_t time1_1;
    uint8_t time1_2;
    uint8_t time2_1;
    uint8_t time2_2;
};

// Settings, third variant (answer 0x26): the second variant plus four bytes.
// remoconDisplayTime always reaches the database as 0xFF (the link overwrites it).
struct PAYLOAD_MSG_RET_DRIVE_INFO_C {
    uint8_t volume;
    uint8_t voice;
    uint8_t autoSave;
    uint8_t insideClean;
    uint8_t plasmaIcon;
    uint8_t conservationFan;
    uint8_t autoPowerful;
    uint8_t remoconSensor;
    uint8_t mainBodyDisplay;
    uint8_t receivingMode;
    uint8_t installedPosition;
    uint8_t filterCleanInterval;
    uint8_t unitPrice1;
    uint8_t unitPrice2;
    uint8_t unitPrice3;
    uint8_t pricePattern;
    uint8_t time1_1;
    uint8_t time1_2;
    uint8_t time2_1;
    uint8_t time2_2;
    uint8_t outdoorUnitSound;
    uint8_t sideFan;
    uint8_t remoconDisplayTime;
    uint8_t dehumidificationMode;
};

// One day of run log (answer 0x23).
struct PAYLOAD_MSG_RET_LOG {
    uint8_t year[2];  // four BCD digits: 0x20 0x13 is 2013
    uint8_t month;    // BCD
    uint8_t day;      // BCD
    uint8_t daysBack; // the logged day lies this many days before the date; 0xFF counts as 0
    uint8_t useTime;  // units of 10 minutes
    uint8_t bill[2];  // yen, unsigned, big-endian
    int8_t indoorTemp;
    int8_t outdoorTemp;
    uint8_t absentEco;
};

#pragma pack(pop)

static_assert(sizeof(PAYLOAD_MSG_RET_AIRCON_INFO) == 30);
static_assert(sizeof(PAYLOAD_MSG_RET_DRIVE_INFO) == 12);
static_assert(sizeof(PAYLOAD_MSG_RET_DRIVE_INFO_B) == 20);
static_assert(sizeof(PAYLOAD_MSG_RET_DRIVE_INFO_C) == 24);
static_assert(sizeof(PAYLOAD_MSG_RET_LOG) == 11);
