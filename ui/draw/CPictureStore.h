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
};
