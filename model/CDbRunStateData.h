#pragma once

#include <cstdint>
#include <string>

// One row of RUN_STATE_TBL: one day of use of one air conditioner. Also the
// shape every run-state select is read in (see CDbAccess::GetRunStateRange for
// what the fields hold in the per-day totals).
struct CDbRunStateData {
    std::string macAddress;         // MAC_ADDRESS
    std::string date;               // DATE, "YYYYMMDD"
    int32_t useTime = 0;            // USE_TIME, minutes 0..1440
    int32_t electricityBill = 0;    // ELECTRICITY_BILL, yen 0..9999
    int32_t indoorTemperature = 0;  // INDOOR_TEMPERATURE, -40..60 or 127
    int32_t outdoorTemperature = 0; // OUTDOOR_TEMPERATURE, -40..60 or 127
    int32_t absentEco = 0;          // ABSENT_ECO, 0, 1 or 255
    int32_t eighth = 0;             // eighth column of the read shape; never stored

    bool operator==(const CDbRunStateData&) const = default;
};
