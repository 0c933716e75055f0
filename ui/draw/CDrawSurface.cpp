#include "ui/draw/CDrawSurface.h"

#include "ui/draw/CPictureStore.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace {

double g_dpiFactor = 1.0;
double g_devicePixelRatio = 1.0;
CDrawSurface::TextObserver g_textObserver;

// The smallest size a text is shrunk to; below it a box is simply too small.
constexpr qreal kSmallestPointSize = 5.0;
constexpr qreal kShrinkStep = 0.5;

const QStringList& FontFamilies() {
    // Meiryo UI where it is installed (a Windows font someone copied over),
    // else the CJK faces Debian ships.
    static const QStringList families = {QStringLiteral("Meiryo UI"),
                                         QStringLiteral("Noto Sans CJK JP"),
                                         QStringLiteral("IPAGothic")};
    return families;
}

QStringList SplitLines(const QString& text) {
    QString joined = text;
    joined.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return joined.split(QLatin1Char('\n'));
}

// Metrics at the surfaces' resolution even for a surface without an image.
QFontMetrics MetricsFor(const QFont& font, const QImage& image) {
    if (!image.isNull()) {
        return QFontMetrics(font, &image);
    }
    QImage probe(1, 1, QImage::Format_ARGB32_Premultiplied);
    probe.setDotsPerMeterX(CDrawSurface::DotsPerMeter());
    probe.setDotsPerMeterY(CDrawSurface::DotsPerMeter());
    return QFontMetrics(font, &probe);
}

} // namespace

void CDrawSurface::SetDpiFactor(double factor) {
    g_dpiFactor = factor > 0.0 ? factor : 1.0;
}

double CDrawSurface::DpiFactor() {
    return g_dpiFactor;
}

double CDrawSurface::LogicalDpi() {
    return 96.0 * g_dpiFactor;
}

void CDrawSurface::SetDevicePixelRatio(double ratio) {
    g_devicePixelRatio = ratio > 0.0 ? ratio : 1.0;
}

double CDrawSurface::DevicePixelRatio() {
    return g_devicePixelRatio;
}

int CDrawSurface::DeviceSize(int logical, double ratio) {
    if (ratio == 1.0) {
        return logical;
    }
    // A hair below the next whole pixel counts as that pixel (578 × 1.1 is
    // 635.8000000000001 in binary, not 636-something).
    return static_cast<int>(std::ceil(logical * ratio - 1e-6));
}

int CDrawSurface::DotsPerMeter() {
    return static_cast<int>(std::lround(LogicalDpi() / 0.0254));
}

QFont CDrawSurface::MakeFont(int points, bool bold) {
    QFont font;
    font.setFamilies(FontFamilies());
    // A size the division takes to 0 would be refused by QFont; the smallest
    // legible size stands in for it.
    font.setPointSize(std::max(1, static_cast<int>(points / g_dpiFactor)));
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    return font;
}

bool CDrawSurface::CreateSurface(int width, int height, int fontSize, bool bold) {
    ReleaseSurface();
    if (width <= 0 || height <= 0) {
        return false;
    }
    const double ratio = g_devicePixelRatio;
    QImage image(DeviceSize(width, ratio), DeviceSize(height, ratio),
                 QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) {
        return false;
    }
    image.fill(Qt::transparent);
    // The logical DPI whatever the ratio: fonts keep their logical size and
    // the painter's ratio draws them finer.
    image.setDotsPerMeterX(DotsPerMeter());
    image.setDotsPerMeterY(DotsPerMeter());
    if (ratio != 1.0) {
        image.setDevicePixelRatio(ratio);
    }
    m_image = std::move(image);
    m_width = width;
    m_height = height;
    m_ratio = ratio;
    Prepare(fontSize, bold);
    return true;
}

bool CDrawSurface::LoadSurface(int pictureId, int fontSize, bool bold) {
    ReleaseSurface();
    const CPictureStore::Picture picture = CPictureStore::Get(pictureId, g_devicePixelRatio);
    QImage image = picture.image;
    if (image.isNull()) {
        return false;
    }
    // The store's copy already carries the resolution unless the factor
    // changed since it was decoded; setting it again would detach the pixels.
    if (image.dotsPerMeterY() != DotsPerMeter() || image.dotsPerMeterX() != DotsPerMeter()) {
        image.setDotsPerMeterX(DotsPerMeter());
        image.setDotsPerMeterY(DotsPerMeter());
    }
    m_image = std::move(image);
    // The picture's table size, whatever the device pixels came to.
    m_width = picture.size.width();
    m_height = picture.size.height();
    m_ratio = m_image.devicePixelRatio();
    m_pictureId = pictureId;
    Prepare(fontSize, bold);
    return true;
}

void CDrawSurface::Remake() {
    if (m_image.isNull()) {
        return;
    }
    if (m_pictureId >= 0) {
        LoadSurface(m_pictureId, m_fontSize, m_bold);
    } else {
        CreateSurface(m_width, m_height, m_fontSize, m_bold);
    }
}

void CDrawSurface::Prepare(int fontSize, bool bold) {
    if (fontSize > 0) {
        m_fontSize = fontSize;
    }
    m_bold = bold;
    m_createdPointSize = std::max(1, static_cast<int>(m_fontSize / g_dpiFactor));
    m_font = MakeFont(m_fontSize, bold);
}

void CDrawSurface::ReleaseSurface() {
    m_image = QImage();
    m_pictureId = -1;
    m_contentKey.clear();
    m_contentImageKey = 0;
    m_width = 0;
    m_height = 0;
    m_ratio = 1.0;
    m_font = QFont();
}

void CDrawSurface::FillKey() {
    if (!m_image.isNull()) {
        m_image.fill(Qt::transparent);
    }
}

void CDrawSurface::FillKey(const QRect& rect) {
    if (m_image.isNull()) {
        return;
    }
    QPainter painter(&m_image);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(rect, Qt::transparent);
}

void CDrawSurface::Fill(const QColor& colour) {
    if (!m_image.isNull()) {
        m_image.fill(colour);
    }
}

void CDrawSurface::Fill(const QRect& rect, const QColor& colour) {
    if (m_image.isNull()) {
        return;
    }
    QPainter painter(&m_image);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(rect, colour);
}

QRectF CDrawSurface::DeviceRect(const QRect& logical) const {
    if (m_ratio == 1.0) {
        return QRectF(logical);
    }
    // Edges rounded to whole device pixels and kept inside the image: at a
    // ratio like 1.5 a strip's frames then come out one device pixel wider or
    // narrower, never sampled between pixels.
    const auto edge = [this](int value, int limit) {
        return std::clamp(static_cast<int>(std::lround(value * m_ratio)), 0, limit);
    };
    const int left = edge(logical.left(), m_image.width());
    const int top = edge(logical.top(), m_image.height());
    const int right = edge(logical.left() + logical.width(), m_image.width());
    const int bottom = edge(logical.top() + logical.height(), m_image.height());
    return QRectF(left, top, right - left, bottom - top);
}

QImage CDrawSurface::CoverageMask() const {
    if (m_image.isNull()) {
        return QImage();
    }
    QImage shape = m_image.convertToFormat(QImage::Format_ARGB32);
    if (shape.size() == QSize(m_width, m_height)) {
        for (int y = 0; y < shape.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(shape.scanLine(y));
            for (int x = 0; x < shape.width(); ++x) {
                line[x] = qAlpha(line[x]) > 0 ? qRgba(0, 0, 0, 255) : qRgba(0, 0, 0, 0);
            }
        }
        shape.setDevicePixelRatio(1.0);
        return shape;
    }
    // A logical pixel is inside when any of its device pixels is.
    QImage mask(m_width, m_height, QImage::Format_ARGB32);
    for (int y = 0; y < m_height; ++y) {
        const QRectF rows = DeviceRect(QRect(0, y, 1, 1));
        const int top = static_cast<int>(rows.top());
        const int bottom = std::max(top + 1, static_cast<int>(rows.bottom()));
        auto* out = reinterpret_cast<QRgb*>(mask.scanLine(y));
        for (int x = 0; x < m_width; ++x) {
            const QRectF columns = DeviceRect(QRect(x, 0, 1, 1));
            const int left = static_cast<int>(columns.left());
            const int right = std::max(left + 1, static_cast<int>(columns.right()));
            bool covered = false;
            for (int dy = top; dy < bottom && dy < shape.height() && !covered; ++dy) {
                const auto* in = reinterpret_cast<const QRgb*>(shape.constScanLine(dy));
                for (int dx = left; dx < right && dx < shape.width() && !covered; ++dx) {
                    covered = qAlpha(in[dx]) > 0;
                }
            }
            out[x] = covered ? qRgba(0, 0, 0, 255) : qRgba(0, 0, 0, 0);
        }
    }
    return mask;
}

namespace {

// The device pixels of `image` as an image of ratio 1 on the same memory: a
// blit between two surfaces of one ratio copies pixels 1:1 in device space,
// as fast as at ratio 1 and without resampling.
QImage DeviceView(QImage& image) {
    return QImage(image.bits(), image.width(), image.height(), image.bytesPerLine(),
                  image.format());
}

QImage DeviceView(const QImage& image) {
    return QImage(image.constBits(), image.width(), image.height(), image.bytesPerLine(),
                  image.format());
}

// Both bitmaps' bounds applied to a blit, as the blit functions do: a frame
// that lies beyond the strip copies nothing. Positions and `sourceRect` are
// logical pixels.
void Blit(CDrawSurface& target, const CDrawSurface& source, int x, int y, const QRect& sourceRect,
          QPainter::CompositionMode mode) {
    QImage& targetImage = target.Image();
    const QImage& sourceImage = source.Image();
    if (targetImage.isNull() || sourceImage.isNull()) {
        return;
    }
    const QRect clipped = sourceRect.intersected(QRect(0, 0, source.Width(), source.Height()));
    if (clipped.isEmpty()) {
        return;
    }
    const QPoint at(x + clipped.x() - sourceRect.x(), y + clipped.y() - sourceRect.y());
    if (target.Ratio() == 1.0 && source.Ratio() == 1.0) {
        QPainter painter(&targetImage);
        painter.setCompositionMode(mode);
        painter.drawImage(at, sourceImage, clipped);
        return;
    }
    if (target.Ratio() == source.Ratio()) {
        const QRectF from = source.DeviceRect(clipped);
        const QPoint to(static_cast<int>(std::lround(at.x() * target.Ratio())),
                        static_cast<int>(std::lround(at.y() * target.Ratio())));
        QImage into = DeviceView(targetImage);
        QPainter painter(&into);
        painter.setCompositionMode(mode);
        painter.drawImage(to, DeviceView(sourceImage), from.toRect());
        return;
    }
    // Surfaces of different ratios (a picture loaded before the ratio was
    // set): the logical rectangle, scaled.
    QPainter painter(&targetImage);
    painter.setCompositionMode(mode);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.drawImage(QRectF(at, clipped.size()), sourceImage, source.DeviceRect(clipped));
}

} // namespace

void CDrawSurface::DrawSurface(const CDrawSurface& source, int x, int y) {
    Blit(*this, source, x, y, QRect(0, 0, source.Width(), source.Height()),
         QPainter::CompositionMode_SourceOver);
}

void CDrawSurface::DrawSurface(const CDrawSurface& source, int x, int y, const QRect& sourceRect) {
    Blit(*this, source, x, y, sourceRect, QPainter::CompositionMode_SourceOver);
}

void CDrawSurface::CopySurface(const CDrawSurface& source, int x, int y) {
    Blit(*this, source, x, y, QRect(0, 0, source.Width(), source.Height()),
         QPainter::CompositionMode_Source);
}

void CDrawSurface::CopySurface(const CDrawSurface& source, int x, int y, const QRect& sourceRect) {
    Blit(*this, source, x, y, sourceRect, QPainter::CompositionMode_Source);
}

bool CDrawSurface::CopyCovers(const CDrawSurface& source, int x, int y,
                              const QRect& sourceRect) const {
    const QRect clipped = sourceRect.intersected(QRect(0, 0, source.Width(), source.Height()));
    // Only a copy between surfaces of one ratio maps device pixels 1:1; a
    // scaled one may leave an edge pixel uncovered.
    if (m_image.isNull() || source.IsEmpty() || source.Ratio() != m_ratio ||
        x + clipped.x() - sourceRect.x() != 0 || y + clipped.y() - sourceRect.y() != 0) {
        return false;
    }
    const QRectF from = source.DeviceRect(clipped);
    return from.width() >= m_image.width() && from.height() >= m_image.height();
}

void CDrawSurface::ReplaceWith(const CDrawSurface& source, int x, int y, const QRect& sourceRect) {
    if (!CopyCovers(source, x, y, sourceRect)) {
        FillKey();
    }
    CopySurface(source, x, y, sourceRect);
}

void CDrawSurface::SetContentKey(const QByteArray& key) {
    m_contentKey = key;
    m_contentImageKey = m_image.cacheKey();
}

bool CDrawSurface::HoldsContent(const QByteArray& key) const {
    return !m_image.isNull() && !m_contentKey.isNull() && m_contentImageKey == m_image.cacheKey() &&
           m_contentKey == key;
}

bool CDrawSurface::IsOpaque() const {
    if (m_image.isNull()) {
        return false;
    }
    if (m_opaqueImageKey == m_image.cacheKey()) {
        return m_opaque;
    }
    bool opaque = m_image.format() == QImage::Format_ARGB32_Premultiplied;
    for (int y = 0; y < m_image.height() && opaque; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(m_image.constScanLine(y));
        for (int x = 0; x < m_image.width(); ++x) {
            if (qAlpha(line[x]) != 255) {
                opaque = false;
                break;
            }
        }
    }
    m_opaque = opaque;
    m_opaqueImageKey = m_image.cacheKey();
    return opaque;
}

void CDrawSurface::DrawTextBox(const QString& text, int align, bool centerV, const QRect& rect,
                               const QFont* font) {
    if (m_image.isNull()) {
        return;
    }
    QRect box = rect;
    if (centerV) {
        box.translate(0, (rect.height() - TextHeight(text, font)) / 2);
    }
    int flags = Qt::AlignTop;
    if (align == kAlignCenter) {
        flags |= Qt::AlignHCenter;
    } else if (align == kAlignRight) {
        flags |= Qt::AlignRight;
    } else {
        flags |= Qt::AlignLeft;
    }
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    DrawText(lines, box, flags, font != nullptr ? *font : m_font, m_textColour);
}

void CDrawSurface::DrawText(const QString& text, const QRect& rect, int flags, const QFont& font,
                            const QColor& colour) {
    if (m_image.isNull()) {
        return;
    }
    QPainter painter(&m_image);
    painter.setPen(colour);
    PaintText(painter, text, rect, flags, font);
}

void CDrawSurface::SetTextObserver(TextObserver observer) {
    g_textObserver = std::move(observer);
}

bool CDrawSurface::HasTextObserver() {
    return static_cast<bool>(g_textObserver);
}

namespace {

bool TextFits(const QString& text, const QRect& rect, int flags, const QFont& font,
              QPaintDevice* device) {
    const QFontMetricsF metrics(font, device);
    if ((flags & Qt::TextWordWrap) != 0) {
        const QRectF needed = metrics.boundingRect(QRectF(rect), flags, text);
        return needed.height() <= rect.height() + 0.5;
    }
    for (const QString& line : SplitLines(text)) {
        if (metrics.horizontalAdvance(line) > rect.width() + 0.5) {
            return false;
        }
    }
    return true;
}

} // namespace

void CDrawSurface::PaintText(QPainter& painter, const QString& text, const QRect& rect, int flags,
                             const QFont& font) {
    QFont used = font;
    bool fits = TextFits(text, rect, flags, used, painter.device());
    // Point sizes only: a font given in pixels keeps its size.
    while (!fits && used.pointSizeF() > kSmallestPointSize) {
        used.setPointSizeF(std::max(kSmallestPointSize, used.pointSizeF() - kShrinkStep));
        fits = TextFits(text, rect, flags, used, painter.device());
    }
    if (g_textObserver) {
        g_textObserver(DrawnText{text, rect, used.pointSizeF(), fits});
    }
    painter.setFont(used);
    painter.drawText(rect, flags, text);
}

void CDrawSurface::DrawVerticalText(const QString& text, int x, int y, const QFont* font) {
    if (m_image.isNull()) {
        return;
    }
    const QFont& used = font != nullptr ? *font : m_font;
    QPainter painter(&m_image);
    painter.setFont(used);
    painter.setPen(m_textColour);
    painter.translate(x, y);
    painter.rotate(90.0);
    const QFontMetrics metrics = MetricsFor(used, m_image);
    painter.drawText(QRect(0, 0, metrics.horizontalAdvance(text) + 1, metrics.height()),
                     Qt::AlignLeft | Qt::AlignTop, text);
}

int CDrawSurface::TextWidth(const QString& text, const QFont* font) const {
    return MetricsFor(font != nullptr ? *font : m_font, m_image).horizontalAdvance(text);
}

int CDrawSurface::TextHeight(const QString& text, const QFont* font) const {
    const QFontMetrics metrics = MetricsFor(font != nullptr ? *font : m_font, m_image);
    int height = 0;
    for (const QString& line : SplitLines(text)) {
        height +=
            metrics.size(Qt::TextSingleLine, line.isEmpty() ? QStringLiteral("a") : line).height();
    }
    return height;
}
