#include "resources/art/generator/CArtMotifs.h"

#include "resources/art/generator/ArtGeometry.h"
#include "resources/art/generator/CArtPalette.h"

#include <QPainterPath>

#include <algorithm>

namespace {

using P = CArtPalette;

using ArtGeometry::Square;

QPointF At(const QRectF& sq, double fx, double fy) {
    return QPointF(sq.left() + fx * sq.width(), sq.top() + fy * sq.height());
}

QRectF Part(const QRectF& sq, double fx, double fy, double fw, double fh) {
    return QRectF(At(sq, fx, fy), QSizeF(fw * sq.width(), fh * sq.height()));
}

QPen Outline(double width = 1.5) {
    return QPen(P::Deep(P::kBlue, 0.55), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

} // namespace

void CArtMotifs::RemoteController(QPainter& p, const QRectF& box) {
    const QRectF sq = Square(box);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Outline());
    p.setBrush(P::kWhite);
    p.drawRoundedRect(Part(sq, 0.30, 0.06, 0.40, 0.88), sq.width() * 0.09, sq.width() * 0.09);
    p.setBrush(P::Pale(P::kBlue, 0.25));
    p.drawRoundedRect(Part(sq, 0.37, 0.15, 0.26, 0.2), 2, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(P::Deep(P::kBlue, 0.4));
    const double r = sq.width() * 0.035;
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 2; ++col) {
            p.drawEllipse(At(sq, 0.42 + col * 0.16, 0.5 + row * 0.12), r, r);
        }
    }
    p.setBrush(P::kPink);
    p.drawEllipse(At(sq, 0.5, 0.43), r * 1.2, r * 1.2);
    p.restore();
}

void CArtMotifs::Computer(QPainter& p, const QRectF& box) {
    const QRectF sq = Square(box);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Outline());
    p.setBrush(P::kWhite);
    p.drawRoundedRect(Part(sq, 0.06, 0.12, 0.88, 0.6), 4, 4);
    p.setBrush(P::Pale(P::kBlue, 0.2));
    p.setPen(Qt::NoPen);
    p.drawRect(Part(sq, 0.13, 0.19, 0.74, 0.44));
    // A small bar chart on the screen: the program's own picture of bills.
    p.setBrush(P::kPink);
    p.drawRect(Part(sq, 0.22, 0.43, 0.1, 0.15));
    p.drawRect(Part(sq, 0.40, 0.33, 0.1, 0.25));
    p.drawRect(Part(sq, 0.58, 0.38, 0.1, 0.2));
    p.setPen(Outline());
    p.setBrush(P::kGreyBlue);
    QPainterPath stand;
    stand.moveTo(At(sq, 0.42, 0.72));
    stand.lineTo(At(sq, 0.58, 0.72));
    stand.lineTo(At(sq, 0.63, 0.86));
    stand.lineTo(At(sq, 0.37, 0.86));
    stand.closeSubpath();
    p.drawPath(stand);
    p.drawLine(At(sq, 0.28, 0.88), At(sq, 0.72, 0.88));
    p.restore();
}

void CArtMotifs::Document(QPainter& p, const QRectF& box, const QString& tag, bool grid) {
    const QRectF sq = Square(box);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Outline());
    p.setBrush(P::kWhite);
    QPainterPath page;
    page.moveTo(At(sq, 0.2, 0.06));
    page.lineTo(At(sq, 0.62, 0.06));
    page.lineTo(At(sq, 0.8, 0.24));
    page.lineTo(At(sq, 0.8, 0.94));
    page.lineTo(At(sq, 0.2, 0.94));
    page.closeSubpath();
    p.drawPath(page);
    p.setBrush(P::kGreyBlue);
    QPainterPath fold;
    fold.moveTo(At(sq, 0.62, 0.06));
    fold.lineTo(At(sq, 0.62, 0.24));
    fold.lineTo(At(sq, 0.8, 0.24));
    fold.closeSubpath();
    p.drawPath(fold);
    p.setPen(QPen(P::kBlue, 1.2));
    if (grid) {
        for (int i = 0; i < 4; ++i) {
            const double y = 0.3 + i * 0.1;
            p.drawLine(At(sq, 0.28, y), At(sq, 0.72, y));
        }
        p.drawLine(At(sq, 0.43, 0.3), At(sq, 0.43, 0.6));
        p.drawLine(At(sq, 0.58, 0.3), At(sq, 0.58, 0.6));
    } else {
        for (int i = 0; i < 3; ++i) {
            const double y = 0.32 + i * 0.1;
            p.drawLine(At(sq, 0.28, y), At(sq, i == 0 ? 0.55 : 0.72, y));
        }
    }
    const QRectF label = Part(sq, 0.12, 0.66, 0.62, 0.22);
    p.setPen(Qt::NoPen);
    p.setBrush(P::Deep(P::kPink, 0.3));
    p.drawRoundedRect(label, 3, 3);
    QFont font = P::Font(std::max(7, int(sq.height() * 0.17)), true);
    p.setFont(font);
    p.setPen(P::kWhite);
    p.drawText(label, Qt::AlignCenter, tag);
    p.restore();
}

void CArtMotifs::AirConditioner(QPainter& p, const QRectF& box, bool withAir) {
    const QRectF sq = Square(box);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Outline());
    p.setBrush(P::kWhite);
    const double top = withAir ? 0.14 : 0.3;
    p.drawRoundedRect(Part(sq, 0.04, top, 0.92, 0.34), 5, 5);
    p.setPen(QPen(P::kBlue, 1.5));
    p.drawLine(At(sq, 0.12, top + 0.26), At(sq, 0.88, top + 0.26));
    p.setPen(Qt::NoPen);
    p.setBrush(P::kPink);
    p.drawEllipse(At(sq, 0.83, top + 0.1), sq.width() * 0.03, sq.width() * 0.03);
    if (withAir) {
        // Three soft waves of air below the unit.
        p.setPen(QPen(P::Deep(P::kBlue, 0.15), 1.6, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        for (int i = 0; i < 3; ++i) {
            const double x = 0.22 + i * 0.24;
            QPainterPath wave;
            wave.moveTo(At(sq, x, 0.58));
            wave.cubicTo(At(sq, x - 0.08, 0.68), At(sq, x + 0.08, 0.76), At(sq, x, 0.88));
            p.drawPath(wave);
        }
    }
    p.restore();
}

void CArtMotifs::TrashCan(QPainter& p, const QRectF& box) {
    const QRectF sq = Square(box);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Outline());
    p.setBrush(P::kWhite);
    QPainterPath bin;
    bin.moveTo(At(sq, 0.24, 0.28));
    bin.lineTo(At(sq, 0.76, 0.28));
    bin.lineTo(At(sq, 0.7, 0.92));
    bin.lineTo(At(sq, 0.3, 0.92));
    bin.closeSubpath();
    p.drawPath(bin);
    p.setBrush(P::kGreyBlue);
    p.drawRoundedRect(Part(sq, 0.16, 0.18, 0.68, 0.09), 2, 2);
    p.drawRoundedRect(Part(sq, 0.4, 0.1, 0.2, 0.08), 2, 2);
    p.setPen(QPen(P::kBlue, 1.5, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i) {
        const double x = 0.38 + i * 0.12;
        p.drawLine(At(sq, x, 0.38), At(sq, x, 0.82));
    }
    p.restore();
}

void CArtMotifs::Plug(QPainter& p, const QRectF& box, const QColor& ink) {
    const QRectF sq = Square(box);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    // Prongs, body and cord, pointing up.
    p.drawRect(Part(sq, 0.33, 0.1, 0.1, 0.22));
    p.drawRect(Part(sq, 0.57, 0.1, 0.1, 0.22));
    p.drawRoundedRect(Part(sq, 0.22, 0.3, 0.56, 0.3), 2, 2);
    p.drawRect(Part(sq, 0.44, 0.58, 0.12, 0.32));
    p.restore();
}
