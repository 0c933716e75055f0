#pragma once

#include <cstdint>

// String-table ids of the settings-check pages' value texts.
namespace EnvSettingText {
inline constexpr int32_t kMute = 13319;              // "消音"
inline constexpr int32_t kVolumeFormat = 13320;      // "%d/7"
inline constexpr int32_t kOn = 13321;                // "入"
inline constexpr int32_t kOff = 13322;               // "切"
inline constexpr int32_t kAutoSave = 13323;          // "オートセーブ"
inline constexpr int32_t kAutoOffOneHour = 13324;    // "オートオフ１時間"
inline constexpr int32_t kAutoOffThreeHours = 13325; // "オートオフ３時間"
inline constexpr int32_t kIntervalNormal = 13326;    // "標準"
inline constexpr int32_t kIntervalLong = 13327;      // "長め"
inline constexpr int32_t kIntervalShort = 13328;     // "短め"
inline constexpr int32_t kUnitPriceLabel = 13336;    // "電気代単価[kWh]"
inline constexpr int32_t kShownOnOperation = 13342;  // "操作時表示"
inline constexpr int32_t kCurrentNormal = 13343;     // "標準"
inline constexpr int32_t kCurrentLow = 13344;        // "控えめ"
inline constexpr int32_t kRight = 13345;             // "右"
inline constexpr int32_t kCentre = 13346;            // "中央"
inline constexpr int32_t kLeft = 13347;              // "左"
inline constexpr int32_t kAlwaysShown = 13352;       // "常時表示"
inline constexpr int32_t kNotShown = 13353;          // "表示しない"
inline constexpr int32_t kReceivingNormal = 13354;   // "標準"
inline constexpr int32_t kReceivingLowPower = 13355; // "低電力"
inline constexpr int32_t kShown = 13356;             // "表示する"
inline constexpr int32_t kAutoOffLonger = 13357;     // "オートオフ 長め"
inline constexpr int32_t kAutoOffShorter = 13358;    // "オートオフ 短め"
inline constexpr int32_t kAutoOnOff = 13359;         // "オートオンオフ"
inline constexpr int32_t kReheatDry = 13360;         // "再熱除湿"
inline constexpr int32_t kWeakCoolDry = 13361;       // "弱冷房除湿"
} // namespace EnvSettingText
