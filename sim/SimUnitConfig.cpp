#include "sim/SimUnitConfig.h"

#include <charconv>
#include <map>
#include <sstream>

namespace {

// Decimal only: dates and counts are typed with leading zeros ("08", "09"),
// which a base-guessing parse would take for octal and refuse. No sign other
// than a leading '-', no blanks, nothing after the digits.
bool ParseInt(const std::string& text, long min, long max, long& value) {
    const char* end = text.data() + text.size();
    long parsed = 0;
    const auto [ptr, ec] = std::from_chars(text.data(), end, parsed, 10);
    if (text.empty() || ec != std::errc() || ptr != end || parsed < min || parsed > max) {
        return false;
    }
    value = parsed;
    return true;
}

bool ParseHex(const std::string& text, std::vector<uint8_t>& bytes) {
    if (text.size() % 2 != 0) {
        return false;
    }
    bytes.clear();
    for (size_t i = 0; i < text.size(); i += 2) {
        // Two hex digits exactly: no sign, no blank, no "0x".
        uint8_t value = 0;
        const char* first = text.data() + i;
        const auto [ptr, ec] = std::from_chars(first, first + 2, value, 16);
        if (ec != std::errc() || ptr != first + 2) {
            return false;
        }
        bytes.push_back(value);
    }
    return true;
}

bool ParseRoom(const std::string& text, uint8_t& code) {
    static const std::map<std::string, uint8_t> kRooms = {{"L", 0x10}, {"C", 0x20}, {"B", 0x30},
                                                          {"J", 0x40}, {"D", 0x50}, {"O", 0x80}};
    const auto it = kRooms.find(text);
    if (it != kRooms.end()) {
        code = it->second;
        return true;
    }
    long value = 0;
    if (!ParseInt(text, 0, 255, value)) {
        return false;
    }
    code = static_cast<uint8_t>(value);
    return true;
}

bool ParseFault(const std::string& text, SimFault& fault) {
    static const std::map<std::string, SimFault> kFaults = {
        {"none", SimFault::None},           {"silent", SimFault::NoAnswer},
        {"zeromac", SimFault::ZeroMac},     {"badsum", SimFault::BadChecksum},
        {"badend", SimFault::BadEnd},       {"badlen", SimFault::BadLen},
        {"badcode", SimFault::UnknownCode}, {"split", SimFault::Split},
        {"garbage", SimFault::Garbage},     {"hangup", SimFault::HangUp},
        {"logfirst", SimFault::LogFirst},   {"len59", SimFault::Len59},
        {"len60", SimFault::Len60},         {"noend", SimFault::NoEnd}};
    const auto it = kFaults.find(text);
    if (it == kFaults.end()) {
        return false;
    }
    fault = it->second;
    return true;
}

bool Apply(const std::string& key, const std::string& value, SimUnitConfig& c) {
    long n = 0;
    std::vector<uint8_t> bytes;
    if (key == "mac") {
        if (!ParseHex(value, bytes) || bytes.size() != 8) {
            return false;
        }
        std::copy(bytes.begin(), bytes.end(), c.mac.begin());
    } else if (key == "model") {
        if (value.size() > 20) {
            return false;
        }
        c.model = value;
    } else if (key == "room") {
        return ParseRoom(value, c.roomCode);
    } else if (key == "variant") {
        if (value != "A" && value != "B" && value != "C") {
            return false;
        }
        c.variant = value[0];
    } else if (key == "settings") {
        if (!ParseHex(value, c.settings)) {
            return false;
        }
    } else if (key == "date") {
        long y = 0;
        long m = 0;
        long d = 0;
        if (value.size() != 8 || !ParseInt(value.substr(0, 4), 0, 9999, y) ||
            !ParseInt(value.substr(4, 2), 0, 99, m) || !ParseInt(value.substr(6, 2), 0, 99, d)) {
            return false;
        }
        c.year = static_cast<int32_t>(y);
        c.month = static_cast<int32_t>(m);
        c.day = static_cast<int32_t>(d);
    } else if (key == "back") {
        if (!ParseInt(value, 0, 255, n)) {
            return false;
        }
        c.daysBack = static_cast<uint8_t>(n);
    } else if (key == "use") {
        if (!ParseInt(value, 0, 255, n)) {
            return false;
        }
        c.useTime = static_cast<uint8_t>(n);
    } else if (key == "bill") {
        if (!ParseInt(value, 0, 65535, n)) {
            return false;
        }
        c.bill = static_cast<uint16_t>(n);
    } else if (key == "indoor" || key == "outdoor") {
        if (!ParseInt(value, -128, 127, n)) {
            return false;
        }
        (key == "indoor" ? c.indoor : c.outdoor) = static_cast<int8_t>(n);
    } else if (key == "eco") {
        if (!ParseInt(value, 0, 255, n)) {
            return false;
        }
        c.absentEco = static_cast<uint8_t>(n);
    } else if (key == "tty") {
        if (value.empty() || value.find('/') != std::string::npos) {
            return false;
        }
        c.ttyName = value;
    } else if (key == "serial") {
        c.serial = value;
    } else if (key == "vid") {
        c.vendorId = value;
    } else if (key == "pid") {
        c.productId = value;
    } else if (key == "rev") {
        c.revision = value;
    } else if (key == "fault") {
        return ParseFault(value, c.fault);
    } else if (key == "faultat") {
        if (!ParseInt(value, 0, 255, n)) {
            return false;
        }
        c.faultAt = static_cast<uint8_t>(n);
    } else if (key == "splitms") {
        if (!ParseInt(value, 0, 60000, n)) {
            return false;
        }
        c.splitPauseMs = static_cast<int32_t>(n);
    } else {
        return false;
    }
    return true;
}

} // namespace

bool ParseSimUnitOptions(const std::string& options, SimUnitConfig& config, std::string& error) {
    std::istringstream in(options);
    std::string item;
    while (std::getline(in, item, ',')) {
        if (item.empty()) {
            continue;
        }
        const size_t eq = item.find('=');
        if (eq == std::string::npos) {
            error = "expected key=value: " + item;
            return false;
        }
        const std::string key = item.substr(0, eq);
        const std::string value = item.substr(eq + 1);
        if (!Apply(key, value, config)) {
            error = "bad unit setting: " + item;
            return false;
        }
    }
    const size_t wanted = config.variant == 'A' ? 12 : config.variant == 'B' ? 20 : 24;
    if (!config.settings.empty() && config.settings.size() != wanted) {
        error = "settings must be " + std::to_string(wanted) + " bytes for variant " +
                std::string(1, config.variant);
        return false;
    }
    return true;
}

std::vector<uint8_t> SimSettingsRecord(const SimUnitConfig& config) {
    if (!config.settings.empty()) {
        return config.settings;
    }
    switch (config.variant) {
    case 'B':
        return {3, 1, 0, 1, 0, 0, 0, 1, 0, 0, 2, 1, 27, 30, 20, 1, 0x07, 0x10, 0x17, 0x22};
    case 'C':
        return {3,  1,  0,  1, 0,    0,    0,    1,    0, 0, 2, 1,
                60, 75, 20, 1, 0x07, 0x10, 0x17, 0x22, 0, 1, 1, 0};
    default:
        return {3, 1, 0, 1, 1, 0, 0, 0, 1, 27, 2, 1};
    }
}
