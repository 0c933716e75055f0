#pragma once

#include <QImage>

// The program's pictures, found by their numeric id among the embedded
// resources (":/png/<id>.png"). Decoded once and kept; exact-magenta pixels are
// made transparent on the way in. Used on the user-interface thread only.
class CPictureStore {
public:
    // The picture, or a null image when the id is missing or undecodable.
    static QImage Get(int pictureId);
    // Whether the resources hold the id at all.
    static bool Exists(int pictureId);
    // Drops every decoded picture (tests, memory).
    static void Clear();

    // Puts `image` in place of picture `pictureId` as if it had been decoded
    // from the resources (format conversion and key colour included), so
    // tests and benchmarks do not depend on the drawn art. Until Clear.
    static void InsertForTest(int pictureId, const QImage& image);
    // What loading does to a decoded picture: premultiplied ARGB, opaque
    // RGB(255, 0, 255) pixels fully transparent, the surfaces' resolution.
    static QImage Prepared(const QImage& decoded);
};
