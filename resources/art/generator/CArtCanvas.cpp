#include "resources/art/generator/CArtCanvas.h"

QImage CArtCanvas::Blank(const PictureSpec& spec) {
    QImage image(spec.width, spec.height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QImage CArtCanvas::Finish(const QImage& drawn, ArtBackdrop backdrop) {
    switch (backdrop) {
    case ArtBackdrop::kAlpha:
        return drawn.convertToFormat(QImage::Format_ARGB32);
    case ArtBackdrop::kOpaque:
        return drawn.convertToFormat(QImage::Format_RGB32);
    case ArtBackdrop::kKeyed:
        break;
    }
    QImage straight = drawn.convertToFormat(QImage::Format_ARGB32);
    QImage keyed(straight.size(), QImage::Format_RGB32);
    for (int y = 0; y < straight.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(straight.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(keyed.scanLine(y));
        for (int x = 0; x < straight.width(); ++x) {
            out[x] = qAlpha(in[x]) < 128 ? qRgb(255, 0, 255) : (in[x] | 0xff000000u);
        }
    }
    return keyed;
}
