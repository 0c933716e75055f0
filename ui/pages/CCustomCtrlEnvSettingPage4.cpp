#include "ui/pages/CCustomCtrlEnvSettingPage4.h"

#include "model/RoomNames.h"
#include "ui/controls/UiText.h"
#include "ui/pages/EnvSettingTexts.h"

using namespace EnvSettingText;

namespace {

// Icon, variant-C icon, name, explanation B/C, explanation A.
constexpr std::array<EnvSettingRowPictures, CCustomCtrlEnvSettingPage4::kRowCount> kPictures = {{
    {238, 444, 401, 416, 416}, // room
    {384, 0, 404, 419, 419},   // RECEIVING_MODE
    {443, 0, 449, 439, 439},   // REMOCON_DISPLAY_TIME
}};

} // namespace

CCustomCtrlEnvSettingPage4::CCustomCtrlEnvSettingPage4(CCustomCtrlBase* parentControl)
    : CCustomCtrlEnvSetting(parentControl, kPictures) {}

void CCustomCtrlEnvSettingPage4::FillValues(const CRemoConInfo& record, Variant variant) {
    RowAt(0).value = RoomText(record.roomName);

    RowAt(1).value =
        Choose(record.settings[kReceivingMode], {{0, kReceivingLowPower}, {1, kReceivingNormal}});
    RowAt(1).shown = IsNewerVariant(variant);

    // The remote controller always reports this one as not fitted.
    RowAt(2).shown = false;
}

QString CCustomCtrlEnvSettingPage4::RoomText(const std::string& roomName) {
    // In the order of the room table: should one name ever be part of
    // another, the first listed wins.
    for (const char* code : {"L", "C", "B", "J", "D", "O"}) {
        const std::string_view name = RoomNameOfCode(code);
        if (!name.empty() && roomName.find(name) != std::string::npos) {
            return Utf8Text(name);
        }
    }
    return NoValue();
}
