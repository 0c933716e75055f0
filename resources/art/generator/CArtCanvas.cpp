#include "resources/art/generator/CArtCanvas.h"

#include <algorithm>
#include <cmath>

namespace {

int g_scale = 1;

} // namespace

CArtCanvas::ScaleScope::ScaleScope(int scale) : m_previous(g_scale) {
    g_scale = scale > 0 ? scale : 1;
}

CArtCanvas::ScaleScope::~ScaleScope() {
    g_scale = m_previous;
}

int CArtCanvas::Scale() {
    return g_scale;
}

QImage CArtCanvas::Blank(const PictureSpec& spec) {
    QImage image(spec.width * g_scale, spec.height * g_scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    if (g_scale != 1) {
        image.setDevicePixelRatio(g_scale);
    }
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
    if (straight.devicePixelRatio() != 1.0) {
        keyed.setDevicePixelRatio(straight.devicePixelRatio());
    }
    return keyed;
}

int CArtCanvas::ScaleOf(const QImage& image) {
    return std::max(1, static_cast<int>(std::lround(image.devicePixelRatio())));
}

void CArtCanvas::SetPixel(QImage& image, int x, int y, QRgb rgb) {
    const int s = ScaleOf(image);
    if (s == 1) {
        image.setPixel(x, y, rgb);
        return;
    }
    for (int dy = 0; dy < s; ++dy) {
        for (int dx = 0; dx < s; ++dx) {
            image.setPixel(x * s + dx, y * s + dy, rgb);
        }
    }
}

QRect CArtCanvas::DeviceRect(const QImage& image, const QRect& logical) {
    const int s = ScaleOf(image);
    return QRect(logical.x() * s, logical.y() * s, logical.width() * s, logical.height() * s)
        .intersected(image.rect());
}
