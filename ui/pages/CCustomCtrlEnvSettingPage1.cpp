#include "ui/pages/CCustomCtrlEnvSettingPage1.h"

#include "ui/pages/EnvSettingTexts.h"

using namespace EnvSettingText;

namespace {

// Icon, variant-C icon, name, explanation B/C, explanation A.
constexpr std::array<EnvSettingRowPictures, CCustomCtrlEnvSettingPage1::kRowCount> kPictures = {{
    {231, 0, 394, 409, 420}, // ELEBILL_DISPLAY
    {230, 0, 393, 408, 422}, // ECO_SWITCH
    {236, 0, 399, 414, 414}, // PLASMA_ION
    {235, 0, 398, 413, 413}, // INTERNAL_CLEAN
}};

} // namespace

CCustomCtrlEnvSettingPage1::CCustomCtrlEnvSettingPage1(CCustomCtrlBase* parentControl)
    : CCustomCtrlEnvSetting(parentControl, kPictures) {}

void CCustomCtrlEnvSettingPage1::FillValues(const CRemoConInfo& record, Variant variant) {
    const SettingValues& values = record.settings;
    if (variant == Variant::kA) {
        RowAt(0).value = Choose(values[kEleBillDisplay],
                                {{0, kAlwaysShown}, {1, kShownOnOperation}, {2, kNotShown}});
        RowAt(1).value = Choose(values[kEcoSwitch],
                                {{0, kAutoOffThreeHours}, {1, kAutoSave}, {2, kAutoOffOneHour}});
    } else if (IsNewerVariant(variant)) {
        RowAt(0).value = Choose(values[kEleBillDisplay], {{0, kShown}, {2, kNotShown}});
        RowAt(1).value =
            Choose(values[kEcoSwitch],
                   {{0, kAutoOffLonger}, {1, kAutoSave}, {2, kAutoOffShorter}, {3, kAutoOnOff}});
    }
    RowAt(2).value = OffOn(values[kPlasmaIon]);
    RowAt(3).value = OffOn(values[kInternalClean]);
}
