// The generator's own guards: a picture that breaks its row, and a text that
// cannot fit, must be caught before the build embeds them.
#include "resources/art/CPictureTable.h"
#include "resources/art/generator/CAdviceTexts.h"
#include "resources/art/generator/CArtCanvas.h"
#include "resources/art/generator/CArtText.h"
#include "resources/art/generator/CPictureCheck.h"
#include "resources/art/generator/CPicturePainter.h"

#include <QPainter>
#include <QSet>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

bool Mentions(const QStringList& problems, const char* word) {
    for (const QString& p : problems) {
        if (p.contains(QLatin1String(word))) {
            return true;
        }
    }
    return false;
}

TEST(PictureCheck, TableIsSoundAndEveryDrawnPicturePassesItsRow) {
    EXPECT_EQ(CPictureCheck::CheckTable(), QStringList());
    // 224 pictures plus the program icon.
    EXPECT_EQ(CPictureTable::All().size(), 225u);
    for (const PictureSpec& s : CPictureTable::All()) {
        if (!CPictureTable::IsDrawn(s)) {
            continue;
        }
        SCOPED_TRACE(s.id);
        const PaintedPicture p = CPicturePainter::Paint(s);
        EXPECT_EQ(p.problems, QStringList());
        EXPECT_EQ(CPictureCheck::Check(s, p.image, p.frames), QStringList());
    }
}

// Every picture the program may ask for exists: a row whose kind has no
// painter would ship the program without it.
TEST(PictureCheck, EveryTableRowIsDrawnAndEveryAdviceSaysSomethingOfItsOwn) {
    QSet<QString> leads;
    int advice = 0;
    for (const PictureSpec& s : CPictureTable::All()) {
        SCOPED_TRACE(s.id);
        EXPECT_TRUE(CPictureTable::IsDrawn(s));
        if (s.kind != ArtKind::kAdvice) {
            continue;
        }
        ++advice;
        const CAdviceTexts::Advice a = CAdviceTexts::For(s.id);
        EXPECT_FALSE(a.lead.isEmpty());
        EXPECT_GE(a.body.size(), 2);
        EXPECT_LE(a.body.size(), 3);
        leads.insert(a.lead);
    }
    // 300–331, 430, 431 and 434, each a different tip.
    EXPECT_EQ(advice, 35);
    EXPECT_EQ(leads.size(), 35);
    EXPECT_TRUE(CAdviceTexts::For(299).lead.isEmpty());
    // The connect errors tell different stories, and all four are drawn.
    QSet<QByteArray> errors;
    for (const int id : {362, 363, 364, 454}) {
        const PictureSpec* s = CPictureTable::Find(id);
        ASSERT_NE(s, nullptr);
        const PaintedPicture p = CPicturePainter::Paint(*s);
        EXPECT_EQ(p.problems, QStringList());
        errors.insert(QByteArray(reinterpret_cast<const char*>(p.image.constBits()),
                                 qsizetype(p.image.sizeInBytes())));
    }
    EXPECT_EQ(errors.size(), 4);
}

TEST(PictureCheck, CatchesWrongSizeFramesKeyBlendsAlphaAndClutteredAreas) {
    const PictureSpec& strip = *CPictureTable::Find(181);
    const PaintedPicture good = CPicturePainter::Paint(strip);
    ASSERT_EQ(CPictureCheck::Check(strip, good.image, good.frames), QStringList());

    EXPECT_TRUE(
        Mentions(CPictureCheck::Check(strip, good.image.copy(0, 0, 1042, 49), 7), "table says"));
    EXPECT_TRUE(Mentions(CPictureCheck::Check(strip, good.image, 6), "frames"));
    EXPECT_TRUE(Mentions(CPictureCheck::Check(strip, QImage(), 7), "nothing"));

    // A pixel of the room-name area in the hover frame.
    QImage cluttered = good.image;
    cluttered.setPixel(149 + 60, 15, qRgb(0, 0, 0));
    EXPECT_TRUE(Mentions(CPictureCheck::Check(strip, cluttered, 7), "not plain"));

    // Anti-aliasing into the key: left of the face, a pixel half magenta and
    // half its inner neighbour, with magenta outside it.
    QImage blended = good.image;
    ASSERT_EQ(blended.pixel(1042, 48), qRgb(255, 0, 255));
    const QRgb inner = blended.pixel(2, 24);
    blended.setPixel(0, 24, qRgb(255, 0, 255));
    blended.setPixel(1, 24,
                     qRgb((qRed(inner) + 255) / 2, qGreen(inner) / 2, (qBlue(inner) + 255) / 2));
    EXPECT_TRUE(Mentions(CPictureCheck::Check(strip, blended, 7), "blend into the key"));

    EXPECT_TRUE(
        Mentions(CPictureCheck::Check(strip, good.image.convertToFormat(QImage::Format_ARGB32), 7),
                 "alpha"));

    const PictureSpec& progress = *CPictureTable::Find(256);
    QImage keyed = CPicturePainter::Paint(progress).image;
    keyed.setPixel(3, 3, qRgb(255, 0, 255));
    EXPECT_TRUE(Mentions(CPictureCheck::Check(progress, keyed, 1), "magenta"));

    const PictureSpec& splash = *CPictureTable::Find(386);
    QImage flat(splash.width, splash.height, QImage::Format_ARGB32);
    flat.fill(qRgb(255, 253, 237));
    EXPECT_TRUE(Mentions(CPictureCheck::Check(splash, flat, 1), "clear and solid"));
}

TEST(PictureCheck, KeyedFinishLeavesOnlyOpaqueColoursAndExactMagenta) {
    const PictureSpec& mark = *CPictureTable::Find(240);
    QImage drawn = CArtCanvas::Blank(mark);
    {
        QPainter p(&drawn);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60, 140, 170));
        p.drawEllipse(QRectF(1.3, 1.3, 21.4, 21.4));
    }
    const QImage keyed = CArtCanvas::Finish(drawn, ArtBackdrop::kKeyed);
    EXPECT_FALSE(keyed.hasAlphaChannel());
    for (int y = 0; y < keyed.height(); ++y) {
        for (int x = 0; x < keyed.width(); ++x) {
            // Edge pixels come back from premultiplied alpha within rounding.
            const QRgb p = keyed.pixel(x, y);
            const bool shape = std::abs(qRed(p) - 60) <= 3 && std::abs(qGreen(p) - 140) <= 3 &&
                               std::abs(qBlue(p) - 170) <= 3;
            EXPECT_TRUE(p == qRgb(255, 0, 255) || shape) << x << "," << y << " " << std::hex << p;
        }
    }
}

TEST(ArtText, ShrinksUntilTheGlyphsFitAndRefusesWhatCannot) {
    QImage image(200, 60, QImage::Format_ARGB32_Premultiplied);
    const QString label = QString::fromUtf8("全てのエアコン");
    const struct {
        QRect box;
        int expectMin, expectMax; // 0, 0: must be refused
        const char* text;         // null: the label above
        Qt::Alignment align = Qt::AlignCenter;
    } kCases[] = {
        {QRect(10, 10, 180, 40), 20, 20, nullptr}, // room to spare: the largest size
        {QRect(10, 10, 80, 30), 9, 12, nullptr},   // shrunk to about 80 / 7 px
        {QRect(10, 10, 40, 30), 0, 0, nullptr},    // seven glyphs never fit in 40 px
        // A first glyph leaning left of its origin still fits a left-aligned box.
        {QRect(10, 10, 180, 40), 20, 20, "扇風機と新しい", Qt::AlignLeft | Qt::AlignVCenter},
    };
    for (const auto& c : kCases) {
        image.fill(Qt::transparent);
        QPainter p(&image);
        CArtText::Style style;
        style.maxPixel = 20;
        style.minPixel = 9;
        style.bold = true;
        style.colour = Qt::black;
        style.align = c.align;
        QString problem;
        const QString text = c.text != nullptr ? QString::fromUtf8(c.text) : label;
        const int used = CArtText::Draw(p, c.box, {text}, style, &problem);
        p.end();
        EXPECT_GE(used, c.expectMin);
        EXPECT_LE(used, c.expectMax);
        EXPECT_EQ(problem.isEmpty(), used != 0);
        int inside = 0;
        int outside = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const bool ink = qAlpha(image.pixel(x, y)) != 0;
                (c.box.contains(x, y) ? inside : outside) += ink;
            }
        }
        EXPECT_EQ(outside, 0) << "ink outside the box";
        EXPECT_EQ(inside > 0, used != 0);
    }
}

} // namespace
