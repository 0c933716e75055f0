#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>

// The pictograms of the settings-check rows, one per setting, drawn inside a
// round tile: `box` is the tile's inner square, `ink` the line colour and
// `accent` the one warm touch each pictogram has.
class CSettingGlyphs {
public:
    enum Glyph {
        kVolume,
        kAutoPowerful,
        kCurrentSwitch,
        kAutoSave,
        kBodyDisplay,
        kUnitPrice,
        kEnergyFan,
        kFilterInterval,
        kInsideClean,
        kPlasmaIon,
        kInstalledPosition,
        kRoom,
        kVoice,
        kRemoconSensor,
        kReceivingMode,
        kDehumidification,
        kOutdoorSound,
        kDisplayTime,
        kSideFan,
    };
    static void Draw(QPainter& p, Glyph glyph, const QRectF& box, const QColor& ink,
                     const QColor& accent);
};
