#include "resources/art/generator/CPictureCheck.h"

#include <set>

namespace {

constexpr QRgb kKeyRgb = 0xffff00ffu;

bool IsKey(QRgb p) {
    return (p | 0xff000000u) == kKeyRgb;
}

QString Area(const PlainArea& a) {
    return QStringLiteral("(%1, %2)–(%3, %4)").arg(a.left).arg(a.top).arg(a.right).arg(a.bottom);
}

void CheckKeyed(const PictureSpec& spec, const QImage& image, int scale, QStringList& problems) {
    if (image.hasAlphaChannel()) {
        problems << QStringLiteral("a keyed picture must not carry alpha");
    }
    const int fw = spec.FrameWidth() * scale;
    for (int f = 0; f < spec.frames; ++f) {
        bool anyKey = false;
        for (int y = 0; y < image.height() && !anyKey; ++y) {
            for (int x = f * fw; x < (f + 1) * fw && !anyKey; ++x) {
                anyKey = IsKey(image.pixel(x, y));
            }
        }
        if (!anyKey) {
            problems << QStringLiteral("frame %1 has no key colour around its shape").arg(f);
        }
    }
    int blends = 0;
    QPoint first;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (IsKey(p)) {
                continue;
            }
            const QPoint n[4] = {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}};
            bool touchesKey = false;
            for (const QPoint& q : n) {
                touchesKey |= image.rect().contains(q) && IsKey(image.pixel(q));
            }
            if (!touchesKey) {
                continue;
            }
            for (int i = 0; i < 4; ++i) {
                // The inner neighbour is the one opposite a key neighbour.
                const QPoint& out = n[i];
                const QPoint& in = n[i ^ 1];
                if (image.rect().contains(out) && image.rect().contains(in) &&
                    IsKey(image.pixel(out)) && !IsKey(image.pixel(in)) &&
                    CPictureCheck::IsKeyBlend(p, image.pixel(in))) {
                    if (blends++ == 0) {
                        first = QPoint(x, y);
                    }
                    break;
                }
            }
        }
    }
    if (blends > 0) {
        problems << QStringLiteral("%1 edge pixels blend into the key colour, first at (%2, %3)")
                        .arg(blends)
                        .arg(first.x())
                        .arg(first.y());
    }
}

} // namespace

bool CPictureCheck::IsKeyBlend(QRgb pixel, QRgb inner) {
    // Project the pixel on the segment from its inner neighbour to magenta.
    const double d[3] = {255.0 - qRed(inner), 0.0 - qGreen(inner), 255.0 - qBlue(inner)};
    const double v[3] = {double(qRed(pixel) - qRed(inner)), double(qGreen(pixel) - qGreen(inner)),
                         double(qBlue(pixel) - qBlue(inner))};
    const double len2 = d[0] * d[0] + d[1] * d[1] + d[2] * d[2];
    if (len2 < 1.0) {
        return false;
    }
    const double t = (v[0] * d[0] + v[1] * d[1] + v[2] * d[2]) / len2;
    if (t < 0.12 || t > 0.88) {
        return false;
    }
    double off2 = 0.0;
    for (int i = 0; i < 3; ++i) {
        const double e = v[i] - t * d[i];
        off2 += e * e;
    }
    return off2 < 64.0;
}

QStringList CPictureCheck::Check(const PictureSpec& spec, const QImage& image, int framesDrawn,
                                 int scale) {
    QStringList problems;
    if (image.isNull()) {
        return {QStringLiteral("nothing was drawn")};
    }
    if (image.width() != spec.width * scale || image.height() != spec.height * scale) {
        problems << QStringLiteral("drawn %1 × %2, the table says %3 × %4 at scale %5")
                        .arg(image.width())
                        .arg(image.height())
                        .arg(spec.width)
                        .arg(spec.height)
                        .arg(scale);
        return problems;
    }
    if (framesDrawn != spec.frames) {
        problems << QStringLiteral("drawn with %1 frames, the table says %2")
                        .arg(framesDrawn)
                        .arg(spec.frames);
    }
    switch (spec.backdrop) {
    case ArtBackdrop::kKeyed:
        CheckKeyed(spec, image, scale, problems);
        break;
    case ArtBackdrop::kOpaque: {
        bool key = false;
        bool partial = false;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb p = image.pixel(x, y);
                key |= IsKey(p);
                partial |= qAlpha(p) != 255;
            }
        }
        if (key) {
            problems << QStringLiteral("an opaque picture shows magenta as it is: no key colour");
        }
        if (partial) {
            problems << QStringLiteral("an opaque picture must not be transparent anywhere");
        }
        break;
    }
    case ArtBackdrop::kAlpha: {
        bool clear = false;
        bool solid = false;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                clear |= qAlpha(image.pixel(x, y)) == 0;
                solid |= qAlpha(image.pixel(x, y)) == 255;
            }
        }
        if (!clear || !solid) {
            problems << QStringLiteral("an alpha picture needs clear and solid pixels");
        }
        break;
    }
    }
    const int fw = spec.FrameWidth() * scale;
    for (const PlainArea& logical : spec.plain) {
        if (!logical.IsUsed()) {
            continue;
        }
        // The area in the image's pixels; problems name them too.
        const PlainArea a{logical.left * scale, logical.top * scale, logical.right * scale,
                          logical.bottom * scale};
        for (int f = 0; f < spec.frames; ++f) {
            for (int y = a.top; y < a.bottom; ++y) {
                const QRgb row = image.pixel(f * fw + a.left, y);
                for (int x = a.left; x < a.right; ++x) {
                    if (image.pixel(f * fw + x, y) != row) {
                        problems << QStringLiteral("frame %1: area %2 is not plain at (%3, %4)")
                                        .arg(f)
                                        .arg(Area(a))
                                        .arg(x)
                                        .arg(y);
                        y = a.bottom;
                        break;
                    }
                }
            }
        }
    }
    return problems;
}

QStringList CPictureCheck::CheckScaledAgainst(const PictureSpec& spec, const QImage& scaled,
                                              const QImage& base, int scale) {
    if (spec.backdrop != ArtBackdrop::kKeyed || scale < 2 || base.isNull() ||
        scaled.width() != base.width() * scale || scaled.height() != base.height() * scale) {
        return {};
    }
    // A picture's pixel less than half covered is key; of its scale × scale
    // device pixels one at least is then less than half covered too, and the
    // other way round. So every block holds key where the pixel is key and
    // shape where it is not: the same outline, only finer.
    int missingKey = 0;
    int missingShape = 0;
    QPoint first(-1, -1);
    for (int y = 0; y < base.height(); ++y) {
        for (int x = 0; x < base.width(); ++x) {
            int keys = 0;
            for (int dy = 0; dy < scale; ++dy) {
                for (int dx = 0; dx < scale; ++dx) {
                    keys += IsKey(scaled.pixel(x * scale + dx, y * scale + dy)) ? 1 : 0;
                }
            }
            const bool baseKey = IsKey(base.pixel(x, y));
            const bool wrong = baseKey ? keys == 0 : keys == scale * scale;
            if (wrong) {
                (baseKey ? missingKey : missingShape) += 1;
                if (first.x() < 0) {
                    first = QPoint(x, y);
                }
            }
        }
    }
    if (missingKey + missingShape == 0) {
        return {};
    }
    return {QStringLiteral("at scale %1, %2 key pixel(s) lost their key and %3 shape pixel(s) "
                           "became all key, first at (%4, %5)")
                .arg(scale)
                .arg(missingKey)
                .arg(missingShape)
                .arg(first.x())
                .arg(first.y())};
}

QStringList CPictureCheck::CheckTable() {
    QStringList problems;
    std::set<int> seen;
    int previous = -1;
    for (const PictureSpec& s : CPictureTable::All()) {
        const QString who = QStringLiteral("table row %1: ").arg(s.id);
        if (s.id <= previous || !seen.insert(s.id).second) {
            problems << who + QStringLiteral("ids must be unique and ascending");
        }
        previous = s.id;
        if (s.frames < 1 || s.width <= 0 || s.height <= 0 || s.width % s.frames != 0) {
            problems << who + QStringLiteral("%1 px do not split into %2 frames")
                                  .arg(s.width)
                                  .arg(s.frames);
        }
        for (const PlainArea& a : s.plain) {
            if (a.IsUsed() &&
                (a.left < 0 || a.top < 0 || a.right > s.FrameWidth() || a.bottom > s.height)) {
                problems << who + QStringLiteral("area %1 lies outside a frame").arg(Area(a));
            }
        }
    }
    return problems;
}
