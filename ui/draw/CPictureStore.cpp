#include "ui/draw/CPictureStore.h"

#include "resources/art/TevaroPictures.h"
#include "ui/draw/CDrawSurface.h"

#include <QFile>
#include <QImageReader>
#include <QString>

#include <cmath>
#include <map>
#include <set>
#include <utility>

namespace {

// By id and ratio; ratio 1 is the decoded picture itself.
std::map<std::pair<int, double>, CPictureStore::Picture>& Cache() {
    static std::map<std::pair<int, double>, CPictureStore::Picture> cache;
    return cache;
}

// Ids a test put in place: their other ratios come from the inserted picture.
std::set<int>& Inserted() {
    static std::set<int> inserted;
    return inserted;
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

QString ResourcePath2x(int pictureId) {
    return QStringLiteral(":/png/%1@2x.png").arg(pictureId);
}

QImage Decode(const QString& path) {
    EnsureResources();
    QImageReader reader(path, "png");
    return reader.canRead() ? reader.read() : QImage();
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
    return Get(pictureId, 1.0).image;
}

CPictureStore::Picture CPictureStore::Get(int pictureId, double ratio) {
    if (!(ratio > 0.0)) {
        ratio = 1.0;
    }
    auto& cache = Cache();
    const auto found = cache.find({pictureId, ratio});
    if (found != cache.end()) {
        return found->second;
    }
    Picture picture;
    if (ratio == 1.0) {
        // A missing picture is remembered too, so a control that redraws does
        // not search the resources again each time.
        picture.image = Prepared(Decode(ResourcePath(pictureId)));
        picture.size = picture.image.size();
        cache.emplace(std::make_pair(pictureId, ratio), picture);
        return picture;
    }
    // The key colour is cleared before any scaling, so a smooth scale blends
    // the edges into transparency, never into magenta.
    QImage source;
    QSize size;
    if (ratio > 1.0 && Inserted().count(pictureId) == 0) {
        // The logical size from the 1x picture's header: its pixels are not
        // decoded (nor kept) when the @2x drawing is there.
        EnsureResources();
        size = QImageReader(ResourcePath(pictureId), "png").size();
        source = Prepared(Decode(ResourcePath2x(pictureId)));
        if (!size.isValid() || source.size() != size * 2) {
            source = QImage();
        }
    }
    if (source.isNull()) {
        const Picture base = Get(pictureId, 1.0);
        if (base.image.isNull()) {
            cache.emplace(std::make_pair(pictureId, ratio), Picture{});
            return Picture{};
        }
        source = base.image;
        size = base.size;
    }
    const QSize device(static_cast<int>(std::lround(size.width() * ratio)),
                       static_cast<int>(std::lround(size.height() * ratio)));
    QImage image = source.size() == device
                       ? source
                       : source.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    image.setDotsPerMeterX(CDrawSurface::DotsPerMeter());
    image.setDotsPerMeterY(CDrawSurface::DotsPerMeter());
    image.setDevicePixelRatio(ratio);
    picture = Picture{image, size};
    cache.emplace(std::make_pair(pictureId, ratio), picture);
    return picture;
}

bool CPictureStore::Exists(int pictureId) {
    const auto found = Cache().find({pictureId, 1.0});
    if (found != Cache().end() && !found->second.image.isNull()) {
        return true;
    }
    EnsureResources();
    return QFile::exists(ResourcePath(pictureId));
}

void CPictureStore::Clear() {
    Cache().clear();
    Inserted().clear();
}

void CPictureStore::InsertForTest(int pictureId, const QImage& image) {
    auto& cache = Cache();
    for (auto it = cache.begin(); it != cache.end();) {
        it = it->first.first == pictureId ? cache.erase(it) : std::next(it);
    }
    Picture picture;
    picture.image = Prepared(image);
    picture.size = picture.image.size();
    cache[{pictureId, 1.0}] = picture;
    Inserted().insert(pictureId);
}
