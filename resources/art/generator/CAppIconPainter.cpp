#include "resources/art/generator/CAppIconPainter.h"

#include "resources/art/generator/CArtCanvas.h"
#include "resources/art/generator/CArtPalette.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <vector>

namespace {

using P = CArtPalette;

struct Shape {
    enum Type { kTile, kRoundRect, kLine, kCircle, kWave } type;
    double x1, y1, x2,
        y2; // rectangle (x, y, w, h), line ends, circle centre + radius, wave start + end
    double radius;
    QColor fill;   // invalid: none
    QColor stroke; // invalid: none
    double strokeWidth;
};

std::vector<Shape> Shapes() {
    const QColor deep = P::Deep(P::kBlue, 0.45);
    return {
        {Shape::kTile, 3, 3, 42, 42, 10, P::kBlue, deep, 1.0},
        {Shape::kRoundRect, 8.5, 11.5, 31, 13, 4, P::kWhite, P::Deep(P::kBlue, 0.35), 1.0},
        {Shape::kLine, 12, 20.5, 36, 20.5, 0, QColor(), P::Deep(P::kBlue, 0.1), 1.5},
        {Shape::kCircle, 34.5, 15.5, 1.6, 0, 0, P::Deep(P::kPink, 0.1), QColor(), 0},
        {Shape::kWave, 17, 29, 17, 41, 0, QColor(), P::kWhite, 2.2},
        {Shape::kWave, 24, 29, 24, 41, 0, QColor(), P::kWhite, 2.2},
        {Shape::kWave, 31, 29, 31, 41, 0, QColor(), P::kWhite, 2.2},
    };
}

QColor TileBottom() {
    return P::Mix(P::kBlue, P::kText, 0.22);
}

// The wave's two control points, shared by both outputs.
QPointF Control(const Shape& s, int i) {
    const double h = s.y2 - s.y1;
    return i == 0 ? QPointF(s.x1 - 3, s.y1 + h / 3) : QPointF(s.x2 + 3, s.y1 + 2 * h / 3);
}

QString Hex(const QColor& c) {
    return c.name(QColor::HexRgb);
}

} // namespace

PaintedPicture CAppIconPainter::Png(const PictureSpec& spec) {
    QImage image = CArtCanvas::Blank(spec);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(spec.width / 48.0, spec.height / 48.0);
    for (const Shape& s : Shapes()) {
        p.setPen(s.stroke.isValid()
                     ? QPen(s.stroke, s.strokeWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin)
                     : QPen(Qt::NoPen));
        switch (s.type) {
        case Shape::kTile: {
            QLinearGradient g(0, s.y1, 0, s.y1 + s.y2);
            g.setColorAt(0, s.fill);
            g.setColorAt(1, TileBottom());
            p.setBrush(g);
            p.drawRoundedRect(QRectF(s.x1, s.y1, s.x2, s.y2), s.radius, s.radius);
            break;
        }
        case Shape::kRoundRect:
            p.setBrush(s.fill);
            p.drawRoundedRect(QRectF(s.x1, s.y1, s.x2, s.y2), s.radius, s.radius);
            break;
        case Shape::kLine:
            p.drawLine(QPointF(s.x1, s.y1), QPointF(s.x2, s.y2));
            break;
        case Shape::kCircle:
            p.setBrush(s.fill);
            p.drawEllipse(QPointF(s.x1, s.y1), s.x2, s.x2);
            break;
        case Shape::kWave: {
            QPainterPath path(QPointF(s.x1, s.y1));
            path.cubicTo(Control(s, 0), Control(s, 1), QPointF(s.x2, s.y2));
            p.setBrush(Qt::NoBrush);
            p.drawPath(path);
            break;
        }
        }
    }
    p.end();
    return {CArtCanvas::Finish(image, spec.backdrop), spec.frames, {}};
}

QString CAppIconPainter::Svg() {
    QString svg =
        QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                       "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"48\" height=\"48\" "
                       "viewBox=\"0 0 48 48\">\n"
                       "  <title>おしえて「テヴァロ」</title>\n");
    auto stroke = [](const Shape& s) {
        return s.stroke.isValid()
                   ? QStringLiteral(" stroke=\"%1\" stroke-width=\"%2\" "
                                    "stroke-linecap=\"round\" stroke-linejoin=\"round\"")
                         .arg(Hex(s.stroke))
                         .arg(s.strokeWidth)
                   : QString();
    };
    for (const Shape& s : Shapes()) {
        switch (s.type) {
        case Shape::kTile:
            svg += QStringLiteral("  <defs><linearGradient id=\"tile\" x1=\"0\" y1=\"0\" x2=\"0\" "
                                  "y2=\"1\"><stop offset=\"0\" stop-color=\"%1\"/><stop "
                                  "offset=\"1\" stop-color=\"%2\"/></linearGradient></defs>\n")
                       .arg(Hex(s.fill), Hex(TileBottom()));
            svg += QStringLiteral("  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\" "
                                  "fill=\"url(#tile)\"%6/>\n")
                       .arg(s.x1)
                       .arg(s.y1)
                       .arg(s.x2)
                       .arg(s.y2)
                       .arg(s.radius)
                       .arg(stroke(s));
            break;
        case Shape::kRoundRect:
            svg += QStringLiteral("  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\" "
                                  "fill=\"%6\"%7/>\n")
                       .arg(s.x1)
                       .arg(s.y1)
                       .arg(s.x2)
                       .arg(s.y2)
                       .arg(s.radius)
                       .arg(Hex(s.fill))
                       .arg(stroke(s));
            break;
        case Shape::kLine:
            svg += QStringLiteral("  <line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%4\"%5/>\n")
                       .arg(s.x1)
                       .arg(s.y1)
                       .arg(s.x2)
                       .arg(s.y2)
                       .arg(stroke(s));
            break;
        case Shape::kCircle:
            svg += QStringLiteral("  <circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"%4\"/>\n")
                       .arg(s.x1)
                       .arg(s.y1)
                       .arg(s.x2)
                       .arg(Hex(s.fill));
            break;
        case Shape::kWave: {
            const QPointF c0 = Control(s, 0);
            const QPointF c1 = Control(s, 1);
            svg += QStringLiteral("  <path d=\"M %1 %2 C %3 %4 %5 %6 %7 %8\" fill=\"none\"%9/>\n")
                       .arg(s.x1)
                       .arg(s.y1)
                       .arg(c0.x())
                       .arg(c0.y())
                       .arg(c1.x())
                       .arg(c1.y())
                       .arg(s.x2)
                       .arg(s.y2)
                       .arg(stroke(s));
            break;
        }
        }
    }
    svg += QStringLiteral("</svg>\n");
    return svg;
}
