#pragma once

#include <array>
#include <cstdint>
#include <string>

// Positions of the 26 setting values, in SETTING_INFO_TBL column order.
enum SettingColumn : int32_t {
    kEleBillDisplay = 0,   // ELEBILL_DISPLAY
    kEcoSwitch,            // ECO_SWITCH
    kPlasmaIon,            // PLASMA_ION
    kVoice,                // VOICE
    kVolume,               // VOLUME
    kInternalClean,        // INTERNAL_CLEAN
    kCurrentSwitch,        // CURRENT_SWITCH
    kEleBillPlice,         // ELEBILL_PLICE
    kEnergyFan,            // ENERGY_FAN
    kAutomaticPowerful,    // AUTOMATIC_POWERFUL
    kInstPos,              // INST_POS
    kMaintenance,          // MAINTENANCE
    kRemoconSensor,        // REMOCON_SENSOR
    kReceivingMode,        // RECEIVING_MODE
    kEleBillPlice1,        // ELEBILL_PLICE1
    kEleBillPlice2,        // ELEBILL_PLICE2
    kEleBillPlice3,        // ELEBILL_PLICE3
    kEleBillPatern,        // ELEBILL_PATERN
    kEleBillTime1_1,       // ELEBILL_TIME1_1
    kEleBillTime1_2,       // ELEBILL_TIME1_2
    kEleBillTime2_1,       // ELEBILL_TIME2_1
    kEleBillTime2_2,       // ELEBILL_TIME2_2
    kOutdoorUnitSound,     // OUTDOOR_UNIT_SOUND
    kSideFan,              // SIDEFAN
    kRemoconDisplayTime,   // REMOCON_DISPLAY_TIME
    kDehumidificationMode, // DEHUMIDIFICATION_MODE
    kSettingCount
};

inline constexpr int32_t kSettingNotReported = -1;

using SettingValues = std::array<int32_t, kSettingCount>;

inline SettingValues UnreportedSettings() {
    SettingValues values;
    values.fill(kSettingNotReported);
    return values;
}

// One row of SETTING_INFO_TBL. -1 marks a value this unit's settings variant
// does not report.
struct CDbSettingInfoData {
    std::string macAddress;
    SettingValues values = UnreportedSettings();

    bool operator==(const CDbSettingInfoData&) const = default;
};
