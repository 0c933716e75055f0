#pragma once

#include <cstdint>
#include <string>

// One row of MODEL_INFO_TBL: a registered air conditioner.
struct CDbModelInfoData {
    std::string macAddress; // MAC_ADDRESS, 16 upper-case hex digits
    std::string getDate;    // GET_DATE, "YYYY/MM/DD hh:mm:ss" as stored
    std::string model;      // AIRCON_INF, up to 20 characters
    std::string roomCode;   // ROOM_INF, one letter
    int32_t roomNumber = 0; // ROOM_NUM, assigned by CDbAccess::SetModelInfo

    bool operator==(const CDbModelInfoData&) const = default;
};
