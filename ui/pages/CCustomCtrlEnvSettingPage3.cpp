#include "ui/pages/CCustomCtrlEnvSettingPage3.h"

#include "ui/controls/UiText.h"
#include "ui/pages/EnvSettingTexts.h"

using namespace EnvSettingText;

namespace {

// Icon, variant-C icon, name, explanation B/C, explanation A.
constexpr std::array<EnvSettingRowPictures, CCustomCtrlEnvSettingPage3::kRowCount> kPictures = {{
    {232, 0, 395, 410, 421}, // unit price
    {233, 0, 396, 411, 411}, // ENERGY_FAN
    {228, 0, 391, 406, 406}, // AUTOMATIC_POWERFUL
    {237, 0, 400, 415, 415}, // INST_POS
}};

} // namespace

CCustomCtrlEnvSettingPage3::CCustomCtrlEnvSettingPage3(CCustomCtrlBase* parentControl)
    : CCustomCtrlEnvSetting(parentControl, kPictures) {}

void CCustomCtrlEnvSettingPage3::FillValues(const CRemoConInfo& record, Variant variant) {
    const SettingValues& values = record.settings;
    RowAt(0).label = TableText(kUnitPriceLabel);
    RowAt(0).value = UnitPriceText(values, variant);
    RowAt(1).value = OffOn(values[kEnergyFan]);
    RowAt(2).value = OffOn(values[kAutomaticPowerful]);
    RowAt(3).value = Choose(values[kInstPos], {{1, kRight}, {2, kCentre}, {3, kLeft}});
}

QString CCustomCtrlEnvSettingPage3::UnitPriceText(const SettingValues& values, Variant variant) {
    if (variant == Variant::kA) {
        const int32_t price = values[kEleBillPlice];
        return price == kSettingNotReported ? NoValue() : QString::asprintf("%d円", price);
    }
    if (!IsNewerVariant(variant)) {
        return NoValue();
    }
    switch (values[kEleBillPatern]) {
    case 0:
        return QString::asprintf("標準 %d円", values[kEleBillPlice1]);
    case 1:
        // Night-time power: one band, then the price of the rest of the day.
        return QString::asprintf("%2d:00～%2d:00 %2d円\n\n上記以外の時間帯 %2d円",
                                 values[kEleBillTime1_2], values[kEleBillTime1_1],
                                 values[kEleBillPlice2], values[kEleBillPlice1]);
    case 2:
        // All-electric home: two bands and the rest.
        return QString::asprintf(
            "%2d:00～%2d:00 %2d円\n%2d:00～%2d:00 %2d円\n上記以外の時間帯 %2d円",
            values[kEleBillTime1_1], values[kEleBillTime2_1], values[kEleBillPlice1],
            values[kEleBillTime1_2], values[kEleBillTime2_2], values[kEleBillPlice2],
            values[kEleBillPlice3]);
    default:
        return NoValue();
    }
}
