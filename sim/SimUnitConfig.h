#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// Misbehaviour a simulated remote controller can show on request.
enum class SimFault {
    None,
    NoAnswer,    // "silent": the request is swallowed
    ZeroMac,     // "zeromac": identity with eight zero MAC bytes
    BadChecksum, // "badsum": checksum off by one
    BadEnd,      // "badend": end byte 0x04 instead of 0x03
    BadLen,      // "badlen": LEN one below the command's
    UnknownCode, // "badcode": a sound frame with code 0x27
    Split,       // "split": the answer in three pieces with pauses
    Garbage,     // "garbage": three stray bytes after the frame
    HangUp,      // "hangup": half the answer, then the device is unplugged
    LogFirst,    // "logfirst": request 0x01 is answered with the run-log record
    Len59,       // "len59": a 64-byte frame with LEN 59 (code 0x21)
    Len60,       // "len60": a 65-byte frame with LEN 60 (code 0x21)
    NoEnd,       // "noend": request 0x04 is answered with the run-log record, forever
};

// One simulated remote controller and the air conditioner it reports.
struct SimUnitConfig {
    std::string ttyName; // empty: ttyACM<unit number>
    std::string serial;  // empty: TEVSIM<MAC>; makes the device path unique
    std::string vendorId = "08ba";
    std::string productId = "0002";
    std::string revision = "0100";

    std::array<uint8_t, 8> mac{0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E, 0x6F, 0x01};
    std::string model = "RAS-SIM1";
    uint8_t roomCode = 0x10;
    char variant = 'A';            // settings answer: A 0x22, B 0x25, C 0x26
    std::vector<uint8_t> settings; // empty: a valid default record of the variant

    // The one run-log day.
    int32_t year = 2013;
    int32_t month = 10;
    int32_t day = 5;
    uint8_t daysBack = 1;
    uint8_t useTime = 30; // units of 10 minutes
    uint16_t bill = 123;
    int8_t indoor = 25;
    int8_t outdoor = 18;
    uint8_t absentEco = 0;

    SimFault fault = SimFault::None;
    uint8_t faultAt = 0; // request code the fault applies to; 0 every request
    int32_t splitPauseMs = 30;
};

// Reads "key=value,key=value,..." into `config` (keys: mac, model, room, variant,
// settings, date, back, use, bill, indoor, outdoor, eco, tty, serial, vid, pid,
// rev, fault, faultat, splitms). False with a reason in `error` on a bad key or
// value; `config` may then be partly changed.
bool ParseSimUnitOptions(const std::string& options, SimUnitConfig& config, std::string& error);

// The settings record the unit sends for its variant (12, 20 or 24 bytes).
std::vector<uint8_t> SimSettingsRecord(const SimUnitConfig& config);
