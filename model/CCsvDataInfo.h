#pragma once

#include <cstdint>
#include <string>

// One line of the electricity-bill CSV as built from the database
// (CDbAccess::GetCsvData), kept in the data manager until the writer copies it.
struct CCsvDataInfo {
    std::string remoconName;       // room name and number, "リビング1"
    std::string modelText;         // AIRCON_INF
    int32_t yearTotal = 0;         // the row's year, up to yesterday
    int32_t previousYearTotal = 0; // the year before
    int32_t year = 0;
    int32_t month = 0;
    int32_t day = 0;
    int32_t dayBill = 0;            // ELECTRICITY_BILL
    int32_t monthTarget = 0;        // ELECTRICITY_TARGET of the row's month, 0 when none
    int32_t useTime = 0;            // USE_TIME, minutes
    int32_t monthTotal = 0;         // the month's bills up to and including this day
    int32_t outdoorTemperature = 0; // 127 = no reading

    bool operator==(const CCsvDataInfo&) const = default;
};
