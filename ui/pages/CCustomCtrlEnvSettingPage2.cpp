#include "ui/pages/CCustomCtrlEnvSettingPage2.h"

#include "ui/controls/UiText.h"
#include "ui/pages/EnvSettingTexts.h"

using namespace EnvSettingText;

namespace {

// Icon, variant-C icon, name, explanation B/C, explanation A.
constexpr std::array<EnvSettingRowPictures, CCustomCtrlEnvSettingPage2::kRowCount> kPictures = {{
    {229, 0, 392, 407, 407},   // CURRENT_SWITCH
    {239, 0, 402, 417, 417},   // VOICE
    {227, 0, 390, 405, 405},   // VOLUME
    {383, 445, 403, 418, 418}, // REMOCON_SENSOR
}};

} // namespace

CCustomCtrlEnvSettingPage2::CCustomCtrlEnvSettingPage2(CCustomCtrlBase* parentControl)
    : CCustomCtrlEnvSetting(parentControl, kPictures) {}

void CCustomCtrlEnvSettingPage2::FillValues(const CRemoConInfo& record, Variant variant) {
    const SettingValues& values = record.settings;
    RowAt(0).value = Choose(values[kCurrentSwitch], {{0, kCurrentNormal}, {1, kCurrentLow}});
    RowAt(0).shown = variant == Variant::kA;

    RowAt(1).value = OffOn(values[kVoice]);
    RowAt(1).shown = values[kVoice] != kNotFitted;

    // 0xFF (255) and anything above it means the unit has no volume setting.
    const int32_t volume = values[kVolume];
    if (volume == 0) {
        RowAt(2).value = TableText(kMute);
    } else if (volume >= 1 && volume < kNotFitted) {
        RowAt(2).value = Format(kVolumeFormat, volume);
    }
    RowAt(2).shown = volume < kNotFitted;

    RowAt(3).value = OffOn(values[kRemoconSensor]);
    RowAt(3).shown = IsNewerVariant(variant);
}
