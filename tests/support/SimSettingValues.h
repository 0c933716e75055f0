#pragma once

#include "data/CDataManagerConvert.h"
#include "data/IClock.h"
#include "model/CDbSettingInfoData.h"
#include "sim/SimUnitConfig.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <vector>

// The settings record the simulator sends for `variant` ('A', 'B' or 'C'),
// optionally edited, converted as the data manager stores it.
inline SettingValues SimSettingValues(char variant, const IClock& clock,
                                      const std::function<void(std::vector<uint8_t>&)>& edit = {}) {
    SimUnitConfig config;
    config.variant = variant;
    std::vector<uint8_t> record = SimSettingsRecord(config);
    if (edit) {
        edit(record);
    }
    const auto conversion = variant == 'B'   ? &CDataManagerConvert::Convert_SettingInfo_DeviceBToDB
                            : variant == 'C' ? &CDataManagerConvert::Convert_SettingInfo_DeviceCToDB
                                             : &CDataManagerConvert::Convert_SettingInfo_DeviceToDB;
    const CDataManagerConvert convert(clock);
    CDbSettingInfoData row;
    EXPECT_TRUE((convert.*conversion)(config.mac.data(), record.data(), &row)) << variant;
    return row.values;
}
