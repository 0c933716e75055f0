#include "ui/pages/CCustomCtrlEnvSettingPage5.h"

#include "ui/pages/EnvSettingTexts.h"

using namespace EnvSettingText;

namespace {

// Icon, variant-C icon, name, explanation B/C, explanation A.
constexpr std::array<EnvSettingRowPictures, CCustomCtrlEnvSettingPage5::kRowCount> kPictures = {{
    {234, 0, 397, 412, 412}, // MAINTENANCE
    {446, 0, 450, 440, 440}, // SIDEFAN
    {442, 0, 448, 438, 438}, // OUTDOOR_UNIT_SOUND
    {441, 0, 447, 437, 437}, // DEHUMIDIFICATION_MODE
}};

} // namespace

CCustomCtrlEnvSettingPage5::CCustomCtrlEnvSettingPage5(CCustomCtrlBase* parentControl)
    : CCustomCtrlEnvSetting(parentControl, kPictures) {}

void CCustomCtrlEnvSettingPage5::FillValues(const CRemoConInfo& record, Variant variant) {
    const SettingValues& values = record.settings;
    const bool variantC = variant == Variant::kC;

    RowAt(0).value = Choose(values[kMaintenance],
                            {{0, kIntervalShort}, {1, kIntervalNormal}, {2, kIntervalLong}});
    RowAt(0).shown = variant != Variant::kNone && values[kMaintenance] != kNotFitted;

    RowAt(1).value = OffOn(values[kSideFan]);
    RowAt(1).shown = variantC && values[kSideFan] != kNotFitted;

    RowAt(2).value = OffOn(values[kOutdoorUnitSound]);
    RowAt(2).shown = variantC;

    RowAt(3).value = Choose(values[kDehumidificationMode], {{0, kReheatDry}, {1, kWeakCoolDry}});
    RowAt(3).shown = variantC && values[kDehumidificationMode] != kNotFitted;
}
