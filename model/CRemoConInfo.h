#pragma once

#include "model/CDbSettingInfoData.h"

#include <string>

// One registered air conditioner as the views see it: the model row joined
// with its settings, plus whether its remote controller is plugged in now.
struct CRemoConInfo {
    std::string macAddress;
    bool connected = false;
    bool spare = false; // never set; kept for the advice dialog
    std::string getDate;
    std::string model;
    std::string roomName;
    SettingValues settings = UnreportedSettings();

    bool operator==(const CRemoConInfo&) const = default;
};
