#pragma once

#include "ui/draw/CDrawSurface.h"

#include <QString>

// One row of a settings-check page: its pictures, the value text and whether
// it is drawn. Owned by the page; filled on every update from the selected air
// conditioner. The picture ids are kept beside the surfaces so the variant-C
// icon can be swapped in and so tests can see which pictures a row chose.
struct EnvSettingRow {
    bool shown = false;
    QString variant; // "A", "B", "C" or empty: chooses the explanation picture
    CDrawSurface icon;
    CDrawSurface namePicture;
    QString label; // "電気代単価[kWh]" on the unit-price row, else empty
    QString value; // "---" when there is nothing to show
    CDrawSurface explanationBC;
    CDrawSurface explanationA;

    int iconId = -1;
    int namePictureId = -1;
    int explanationBCId = -1;
    int explanationAId = -1;
};

// The pictures of one row: the icon (and the variant-C icon where that
// variant has its own, else 0), the name picture and the two explanations.
struct EnvSettingRowPictures {
    int icon;
    int iconC;
    int namePicture;
    int explanationBC;
    int explanationA;
};
