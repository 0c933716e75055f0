#pragma once

#include "model/CDbSettingInfoData.h"

#include <cstdint>

// The value a remote controller reports (0xFF) for a setting its unit does not have.
inline constexpr int32_t kSettingNotFitted = 255;

// The settings variant a stored row belongs to; the accepted values of the
// unit prices differ between them.
enum class SettingsVariant { kNone, kA, kB, kC };

// Accepted values of one stored setting: an inclusive range plus the two
// markers kSettingNotReported (not reported by this variant) and
// kSettingNotFitted (0xFF from the device).
struct SettingRule {
    SettingColumn column;
    int32_t lo;
    int32_t hi;  // the highest value of variants A and B
    int32_t hiC; // the highest value of variant C
    bool allowNotReported;
    bool allowNotFitted;

    constexpr bool Accepts(int32_t value, SettingsVariant variant) const {
        const int32_t high = variant == SettingsVariant::kC ? hiC : hi;
        return (value >= lo && value <= high) ||
               (allowNotReported && value == kSettingNotReported) ||
               (allowNotFitted && value == kSettingNotFitted);
    }
};

// The one table of what a stored setting may hold, in column order: every
// row the data manager stores (from a remote controller or a .dat file) is
// checked against it.
inline constexpr SettingRule kSettingRules[] = {
    {kEleBillDisplay, 0, 2, 2, false, false},
    {kEcoSwitch, 0, 3, 3, false, false},
    {kPlasmaIon, 0, 1, 1, false, false},
    {kVoice, 0, 1, 1, false, true},
    {kVolume, 0, 7, 7, false, true},
    {kInternalClean, 0, 1, 1, false, false},
    {kCurrentSwitch, 0, 1, 1, true, false},
    {kEleBillPlice, 1, 50, 99, true, false},
    {kEnergyFan, 0, 1, 1, false, false},
    {kAutomaticPowerful, 0, 1, 1, false, false},
    {kInstPos, 1, 3, 3, false, false},
    {kMaintenance, 0, 2, 2, false, true},
    {kRemoconSensor, 0, 1, 1, true, false},
    {kReceivingMode, 0, 1, 1, true, false},
    {kEleBillPlice1, 1, 50, 99, true, true},
    {kEleBillPlice2, 1, 50, 99, true, true},
    {kEleBillPlice3, 1, 50, 99, true, true},
    {kEleBillPatern, 0, 2, 2, true, false},
    {kEleBillTime1_1, 0, 23, 23, true, true},
    {kEleBillTime1_2, 0, 23, 23, true, true},
    {kEleBillTime2_1, 0, 23, 23, true, true},
    {kEleBillTime2_2, 0, 23, 23, true, true},
    {kOutdoorUnitSound, 0, 1, 1, true, false},
    {kSideFan, 0, 1, 1, true, true},
    {kRemoconDisplayTime, 0, 1, 1, true, true},
    {kDehumidificationMode, 0, 1, 1, true, true},
};
