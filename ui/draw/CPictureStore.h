#pragma once

#include <QImage>
#include <QSize>

// The program's pictures, found by their numeric id among the embedded
// resources (":/png/<id>.png", and ":/png/<id>@2x.png" drawn at twice the size
// for screens of a device pixel ratio above 1). Decoded once per id and ratio
// and kept; exact-magenta pixels are made transparent on the way in. Used on
// the user-interface thread only.
class CPictureStore {
public:
    // A picture at a device pixel ratio: `image` holds round(size × ratio)
    // device pixels and carries the ratio; `size` is the picture's logical
    // size, always that of the 1x picture.
    struct Picture {
        QImage image;
        QSize size;
    };

    // The picture at ratio 1, or a null image when the id is missing or
    // undecodable.
    static QImage Get(int pictureId);
    // The picture at `ratio`: above 1 from the @2x picture (the 1x one scaled
    // when there is none), smoothly scaled unless the ratio is exactly 2;
    // below 1 the 1x one scaled down. Null image and size when missing.
    static Picture Get(int pictureId, double ratio);
    // Whether the resources hold the id at all.
    static bool Exists(int pictureId);
    // Drops every decoded picture (tests, memory).
    static void Clear();

    // Puts `image` in place of picture `pictureId` as if it had been decoded
    // from the resources (format conversion and key colour included), so
    // tests and benchmarks do not depend on the drawn art. Other ratios scale
    // it (the @2x resource is not used for it). Until Clear.
    static void InsertForTest(int pictureId, const QImage& image);
    // What loading does to a decoded picture: premultiplied ARGB, opaque
    // RGB(255, 0, 255) pixels fully transparent, the surfaces' resolution.
    static QImage Prepared(const QImage& decoded);
};
