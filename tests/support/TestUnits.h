#pragma once

#include "data/CDataManager.h"

#include <string>

// Registers an air conditioner in `manager` as its first read would: `model`
// in the living room, with variant-A settings. False when a row was refused.
inline bool RegisterLivingRoomUnit(CDataManager& manager, const std::string& mac,
                                   const std::string& model) {
    CDbModelInfoData row;
    row.macAddress = mac;
    row.model = model;
    row.roomCode = "L";
    CDbSettingInfoData settings;
    settings.macAddress = mac;
    settings.values = {0,  0,  0,  0,  3,  0,  0,  27, 0,  0,  1,  0,  -1,
                       -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
    return manager.SetModelInfo(row) == 0 && manager.SetSettingInfo(settings) == 0;
}
