#include "resources/art/generator/CArtText.h"

#include "resources/art/generator/CArtPalette.h"

#include <QFontMetrics>

#include <cmath>

namespace {

// Lines are stacked by the ideographic em box, not by the font's ascent and
// descent: CJK fonts carry tall line spacing that would waste half of a small
// button. The baseline sits 0.88 em below the top of its box.
constexpr double kBaselineInEm = 0.88;

struct Layout {
    QRect bounds;
    QList<QPoint> origins;
};

Layout Arrange(const QRect& box, const QStringList& lines, const CArtText::Style& style,
               int pixel) {
    const QFont font = CArtPalette::Font(pixel, style.bold);
    const QFontMetrics fm(font);
    const int count = int(lines.size());
    const int total = count * pixel + (count - 1) * style.lineGap;
    int top = box.top();
    if (style.align & Qt::AlignVCenter) {
        top = box.top() + (box.height() - total) / 2;
    } else if (style.align & Qt::AlignBottom) {
        top = box.top() + box.height() - total;
    }
    Layout layout;
    for (int i = 0; i < count; ++i) {
        const int advance = fm.horizontalAdvance(lines[i]);
        int x = box.left();
        if (style.align & Qt::AlignHCenter) {
            x = box.left() + (box.width() - advance) / 2;
        } else if (style.align & Qt::AlignRight) {
            x = box.left() + box.width() - advance;
        }
        const int baseline =
            top + i * (pixel + style.lineGap) + int(std::lround(kBaselineInEm * pixel));
        QRect ink = fm.tightBoundingRect(lines[i]);
        // A left-aligned line whose first glyph leans left (扇, 新) would
        // poke out of the box at every size: it moves right by the overhang.
        if (!(style.align & (Qt::AlignHCenter | Qt::AlignRight)) && ink.left() < 0) {
            x -= ink.left();
        }
        const QPoint origin(x, baseline);
        layout.origins.push_back(origin);
        QRect glyphs = ink.translated(origin);
        // The advance counts too: a line's last glyph may have little ink.
        glyphs = glyphs.united(QRect(x, baseline - pixel * 3 / 4, std::max(1, advance), 1));
        layout.bounds = layout.bounds.isNull() ? glyphs : layout.bounds.united(glyphs);
    }
    return layout;
}

} // namespace

QRect CArtText::Bounds(const QRect& box, const QStringList& lines, const Style& style, int pixel) {
    return Arrange(box, lines, style, pixel).bounds;
}

int CArtText::Draw(QPainter& painter, const QRect& box, const QStringList& lines,
                   const Style& style, QString* problem) {
    if (lines.isEmpty()) {
        return style.maxPixel;
    }
    for (int pixel = style.maxPixel; pixel >= style.minPixel; --pixel) {
        const Layout layout = Arrange(box, lines, style, pixel);
        if (!box.contains(layout.bounds)) {
            continue;
        }
        painter.save();
        painter.setFont(CArtPalette::Font(pixel, style.bold));
        painter.setPen(style.colour);
        for (int i = 0; i < lines.size(); ++i) {
            painter.drawText(layout.origins[i], lines[i]);
        }
        painter.restore();
        return pixel;
    }
    if (problem != nullptr) {
        *problem = QStringLiteral("text \"%1\" does not fit in %2×%3 at (%4, %5) even at %6 px")
                       .arg(lines.join(QLatin1Char('/')))
                       .arg(box.width())
                       .arg(box.height())
                       .arg(box.x())
                       .arg(box.y())
                       .arg(style.minPixel);
    }
    return 0;
}

bool CArtText::DrawOrReport(QPainter& painter, const QRect& box, const QStringList& lines,
                            const Style& style, QStringList& problems) {
    QString problem;
    if (Draw(painter, box, lines, style, &problem) == 0) {
        problems << problem;
        return false;
    }
    return true;
}

QString CArtText::Label(const PictureSpec& spec, int i) {
    return QString::fromUtf8(spec.labels[i].data(), qsizetype(spec.labels[i].size()));
}

QStringList CArtText::Labels(const PictureSpec& spec) {
    QStringList lines;
    for (int i = 0; i < spec.LabelCount(); ++i) {
        lines << Label(spec, i);
    }
    return lines;
}
