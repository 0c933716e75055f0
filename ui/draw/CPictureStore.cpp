#include "ui/draw/CPictureStore.h"

#include "resources/art/TevaroPictures.h"
#include "ui/draw/CDrawSurface.h"

#include <QFile>
#include <QImageReader>
#include <QString>

#include <unordered_map>

namespace {

std::unordered_map<int, QImage>& Cache() {
    static std::unordered_map<int, QImage> cache;
    return cache;
}

void EnsureResources() {
    static const bool registered = [] {
        InitTevaroPictures();
        return true;
    }();
    (void)registered;
}

QString ResourcePath(int pictureId) {
    return QStringLiteral(":/png/%1.png").arg(pictureId);
}

} // namespace

QImage CPictureStore::Prepared(const QImage& decoded) {
    if (decoded.isNull()) {
        return QImage();
    }
    QImage image = decoded.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) {
        return QImage();
    }
    constexpr QRgb kKey = qRgba(255, 0, 255, 255);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            // Premultiplied with full alpha is the plain colour, so the key
            // compares exactly; partly transparent pixels are left alone.
            if (line[x] == kKey) {
                line[x] = 0;
            }
        }
    }
    image.setDotsPerMeterX(CDrawSurface::DotsPerMeter());
    image.setDotsPerMeterY(CDrawSurface::DotsPerMeter());
    return image;
}

QImage CPictureStore::Get(int pictureId) {
    auto& cache = Cache();
    const auto found = cache.find(pictureId);
    if (found != cache.end()) {
        return found->second;
    }
    EnsureResources();
    QImage decoded;
    QImageReader reader(ResourcePath(pictureId), "png");
    if (reader.canRead()) {
        decoded = reader.read();
    }
    // A missing picture is remembered too, so a control that redraws does not
    // search the resources again each time.
    QImage image = Prepared(decoded);
    cache.emplace(pictureId, image);
    return image;
}

bool CPictureStore::Exists(int pictureId) {
    const auto found = Cache().find(pictureId);
    if (found != Cache().end() && !found->second.isNull()) {
        return true;
    }
    EnsureResources();
    return QFile::exists(ResourcePath(pictureId));
}

void CPictureStore::Clear() {
    Cache().clear();
}

void CPictureStore::InsertForTest(int pictureId, const QImage& image) {
    Cache()[pictureId] = Prepared(image);
}
