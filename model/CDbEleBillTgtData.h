#pragma once

#include <cstdint>
#include <string>

// One row of ELECTRICITY_TARGET_TBL: a monthly bill target.
struct CDbEleBillTgtData {
    std::string macAddress; // MAC_ADDRESS
    std::string month;      // YEARS, "YYYYMM"
    int32_t target = 0;     // ELECTRICITY_TARGET, yen 0..50000

    bool operator==(const CDbEleBillTgtData&) const = default;
};
