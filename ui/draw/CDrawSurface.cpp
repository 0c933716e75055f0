#include "ui/draw/CDrawSurface.h"

#include "ui/draw/CPictureStore.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace {

double g_dpiFactor = 1.0;
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
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) {
        return false;
    }
    image.fill(Qt::transparent);
    image.setDotsPerMeterX(DotsPerMeter());
    image.setDotsPerMeterY(DotsPerMeter());
    m_image = std::move(image);
    m_width = width;
    m_height = height;
    Prepare(fontSize, bold);
    return true;
}

bool CDrawSurface::LoadSurface(int pictureId, int fontSize, bool bold) {
    ReleaseSurface();
    QImage image = CPictureStore::Get(pictureId);
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
    m_width = m_image.width();
    m_height = m_image.height();
    Prepare(fontSize, bold);
    return true;
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
    m_width = 0;
    m_height = 0;
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

namespace {

// Both bitmaps' bounds applied to a blit, as the blit functions do: a frame
// that lies beyond the strip copies nothing.
void Blit(QImage& target, const QImage& source, int x, int y, const QRect& sourceRect,
          QPainter::CompositionMode mode) {
    if (target.isNull() || source.isNull()) {
        return;
    }
    const QRect clipped = sourceRect.intersected(source.rect());
    if (clipped.isEmpty()) {
        return;
    }
    const QPoint at(x + clipped.x() - sourceRect.x(), y + clipped.y() - sourceRect.y());
    QPainter painter(&target);
    painter.setCompositionMode(mode);
    painter.drawImage(at, source, clipped);
}

} // namespace

void CDrawSurface::DrawSurface(const CDrawSurface& source, int x, int y) {
    Blit(m_image, source.m_image, x, y, source.m_image.rect(),
         QPainter::CompositionMode_SourceOver);
}

void CDrawSurface::DrawSurface(const CDrawSurface& source, int x, int y, const QRect& sourceRect) {
    Blit(m_image, source.m_image, x, y, sourceRect, QPainter::CompositionMode_SourceOver);
}

void CDrawSurface::CopySurface(const CDrawSurface& source, int x, int y) {
    Blit(m_image, source.m_image, x, y, source.m_image.rect(), QPainter::CompositionMode_Source);
}

void CDrawSurface::CopySurface(const CDrawSurface& source, int x, int y, const QRect& sourceRect) {
    Blit(m_image, source.m_image, x, y, sourceRect, QPainter::CompositionMode_Source);
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
