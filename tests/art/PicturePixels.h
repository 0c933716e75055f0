#pragma once

#include <QImage>
#include <QString>

// The built pictures as the art tests read them: one embedded picture by id,
// whether a pixel is the key colour, and a pixel's brightness.
inline QImage LoadPicture(int id) {
    return QImage(QStringLiteral(":/png/%1.png").arg(id)).convertToFormat(QImage::Format_ARGB32);
}

inline bool IsKey(QRgb p) {
    return (p | 0xff000000u) == qRgb(255, 0, 255);
}

inline int Luma(QRgb p) {
    return (299 * qRed(p) + 587 * qGreen(p) + 114 * qBlue(p)) / 1000;
}
