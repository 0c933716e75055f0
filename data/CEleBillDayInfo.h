#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One air conditioner's share of one day in a calendar cell.
struct ELE_BILL_DEV_DAY_INFO {
    int32_t bill = 0;                // ELECTRICITY_BILL, yen
    int32_t useTime = 0;             // USE_TIME, minutes
    float outdoorTemperature = 0.0f; // OUTDOOR_TEMPERATURE; 127 means none
    int32_t deviceIndex = 0;         // position in the data manager's unit list

    bool operator==(const ELE_BILL_DEV_DAY_INFO&) const = default;
};
static_assert(sizeof(ELE_BILL_DEV_DAY_INFO) == 16);

// One cell of the month calendar, also used alone by the day-detail dialog.
// Only days before today carry values; today and later keep empty texts.
struct CEleBillDayInfo {
    int32_t year = 0;
    int32_t month = 0;
    int32_t day = 0;
    bool past = false;
    std::string billText;        // "1,234円"; "---円" for a past day without data
    std::string useTimeShort;    // rounded hours "2時間", or "45分"; "---時間" without data
    std::string useTimeLong;     // "1時間30分", or "45分"; "---時間" without data
    std::string temperatureText; // mean outdoor "20.5"; "127.0" none reported; "---" no data
    bool inMonth = false;
    bool partial = false; // all units selected and only some of them have the day
    std::vector<ELE_BILL_DEV_DAY_INFO> entries;

    bool operator==(const CEleBillDayInfo&) const = default;
};
