#include "resources/art/generator/CPicturePainter.h"

#include "resources/art/generator/CAdvicePainter.h"
#include "resources/art/generator/CAppIconPainter.h"
#include "resources/art/generator/CBillBoxPainter.h"
#include "resources/art/generator/CConnectErrorPainter.h"
#include "resources/art/generator/CDevicePainter.h"
#include "resources/art/generator/CNavPainter.h"
#include "resources/art/generator/CProductPainter.h"
#include "resources/art/generator/CProgressPainter.h"
#include "resources/art/generator/CSeasonPainter.h"
#include "resources/art/generator/CSettingsPainter.h"
#include "resources/art/generator/CTabPainter.h"

PaintedPicture CPicturePainter::Paint(const PictureSpec& spec) {
    switch (spec.kind) {
    case ArtKind::kApplicationIcon:
        return CAppIconPainter::Png(spec);
    case ArtKind::kSplash:
        return CProductPainter::Splash(spec);
    case ArtKind::kAbout:
        return CProductPainter::About(spec);
    case ArtKind::kProgressBackground:
        return CProgressPainter::Background(spec);
    case ArtKind::kProgressStep:
        return CProgressPainter::Step(spec);
    case ArtKind::kDeviceStrip:
        return CDevicePainter::DeviceStrip(spec);
    case ArtKind::kAllDevicesStrip:
        return CDevicePainter::AllDevicesStrip(spec);
    case ArtKind::kListIcon:
        return CDevicePainter::ListIcon(spec);
    case ArtKind::kAllDevicesIcon:
        return CDevicePainter::AllDevicesIcon(spec);
    case ArtKind::kConnectionMark:
        return CDevicePainter::ConnectionMark(spec);
    case ArtKind::kSeason:
        return CSeasonPainter::Season(spec);
    case ArtKind::kSettingsPanel:
        return CSettingsPainter::Panel(spec);
    case ArtKind::kSettingIcon:
        return CSettingsPainter::Icon(spec);
    case ArtKind::kSettingName:
        return CSettingsPainter::Name(spec);
    case ArtKind::kSettingExplanation:
        return CSettingsPainter::Explanation(spec);
    case ArtKind::kValueBox:
        return CSettingsPainter::ValueBox(spec);
    case ArtKind::kButtonStrip:
        return CNavPainter::ButtonStrip(spec);
    case ArtKind::kSelectField:
        return CNavPainter::SelectField(spec);
    case ArtKind::kBillBox:
        return CBillBoxPainter::BillBox(spec);
    case ArtKind::kTargetLevel:
        return CBillBoxPainter::TargetLevel(spec);
    case ArtKind::kMainTabHeader:
        return CTabPainter::MainHeader(spec);
    case ArtKind::kLeftTabHeader:
        return CTabPainter::LeftHeader(spec);
    case ArtKind::kAdvice:
        return CAdvicePainter::Advice(spec);
    case ArtKind::kConnectError:
        return CConnectErrorPainter::ConnectError(spec);
    default:
        break;
    }
    return {
        QImage(), 0, {QStringLiteral("the table marks the kind as drawn, but it has no painter")}};
}
