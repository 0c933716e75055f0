#include "ui/draw/CDrawSurface.h"
#include "ui/draw/CPictureStore.h"

#include <QFontMetrics>
#include <QImage>

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace {

// Bounding box of the pixels that differ from `background`.
QRect InkBounds(const QImage& image, QRgb background = 0) {
    int left = INT_MAX, top = INT_MAX, right = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != background) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

class DrawSurfaceTest : public ::testing::Test {
protected:
    void TearDown() override {
        CDrawSurface::SetDpiFactor(1.0);
        CPictureStore::Clear();
    }
};

TEST_F(DrawSurfaceTest, CreateRefusesEmptySizesAndMakesTransparentImagesAtTheLogicalDpi) {
    struct Row {
        int width, height;
        bool created;
    } rows[] = {{0, 5, false}, {5, 0, false}, {-1, 3, false}, {3, 2, true}, {1020, 578, true}};
    for (const Row& row : rows) {
        CDrawSurface surface;
        ASSERT_TRUE(surface.CreateSurface(9, 9));
        EXPECT_EQ(surface.CreateSurface(row.width, row.height), row.created) << row.width;
        EXPECT_EQ(surface.IsEmpty(), !row.created);
        EXPECT_EQ(surface.Width(), row.created ? row.width : 0);
        EXPECT_EQ(surface.Height(), row.created ? row.height : 0);
        if (row.created) {
            EXPECT_EQ(surface.Image().format(), QImage::Format_ARGB32_Premultiplied);
            EXPECT_EQ(InkBounds(surface.Image()), QRect()) << "not blank";
            EXPECT_EQ(surface.Image().logicalDpiY(), 96);
        }
    }
    CDrawSurface::SetDpiFactor(1.5);
    CDrawSurface big;
    ASSERT_TRUE(big.CreateSurface(2, 2));
    EXPECT_EQ(big.Image().logicalDpiX(), 144);
    EXPECT_EQ(big.Image().logicalDpiY(), 144);
}

TEST_F(DrawSurfaceTest, FontSizesAreDividedByTheDpiFactorAndSizeZeroKeepsTheStoredOne) {
    struct Row {
        double factor;
        int size;
        bool bold;
        int stored, created;
    } rows[] = {
        {1.0, 0, false, 10, 10}, {1.0, 12, true, 12, 12}, {1.5, 12, false, 12, 8},
        {1.25, 10, true, 10, 8}, {1.5, -3, false, 10, 6}, {2.0, 1, false, 1, 1},
    };
    for (const Row& row : rows) {
        CDrawSurface::SetDpiFactor(row.factor);
        CDrawSurface surface;
        ASSERT_TRUE(surface.CreateSurface(4, 4, row.size, row.bold));
        EXPECT_EQ(surface.FontSize(), row.stored) << row.factor << " " << row.size;
        EXPECT_EQ(surface.CreatedPointSize(), row.created) << row.factor << " " << row.size;
        EXPECT_EQ(surface.Font().pointSize(), row.created);
        EXPECT_EQ(surface.Font().weight(), row.bold ? 700 : 400);
        EXPECT_TRUE(surface.Font().families().contains("Noto Sans CJK JP"));
    }
    CDrawSurface::SetDpiFactor(1.0);
    CDrawSurface surface;
    ASSERT_TRUE(surface.CreateSurface(4, 4, 14, false));
    ASSERT_TRUE(surface.CreateSurface(4, 4, 0, true));
    EXPECT_EQ(surface.FontSize(), 14);
    EXPECT_TRUE(surface.IsBold());
}

TEST_F(DrawSurfaceTest, TwelvePointsAtFactorOneAndAHalfKeepThePixelHeightOfFactorOne) {
    auto render = [](double factor, int& pointSize, int& metricsHeight) {
        CDrawSurface::SetDpiFactor(factor);
        CDrawSurface surface;
        EXPECT_TRUE(surface.CreateSurface(120, 60, 12, false));
        pointSize = surface.CreatedPointSize();
        metricsHeight = surface.TextHeight("X");
        surface.DrawTextBox(QString::fromUtf8("漢字"), CDrawSurface::kAlignLeft, false,
                            QRect(0, 0, 120, 60));
        return InkBounds(surface.Image());
    };
    int pointsAt1 = 0, heightAt1 = 0, pointsAt15 = 0, heightAt15 = 0;
    const QRect inkAt1 = render(1.0, pointsAt1, heightAt1);
    const QRect inkAt15 = render(1.5, pointsAt15, heightAt15);
    EXPECT_EQ(pointsAt1, 12);
    EXPECT_EQ(pointsAt15, 8);
    EXPECT_EQ(heightAt15, heightAt1);
    ASSERT_FALSE(inkAt1.isEmpty());
    EXPECT_EQ(inkAt15.height(), inkAt1.height());
    EXPECT_EQ(inkAt15.width(), inkAt1.width());
}

TEST_F(DrawSurfaceTest, DrawTextBoxCentresByTheSumOfLineHeightsInIntegers) {
    CDrawSurface probe;
    ASSERT_TRUE(probe.CreateSurface(1, 1));
    const int line = QFontMetrics(probe.Font(), &probe.Image()).height();
    struct Row {
        const char* text;
        int rectHeight;
        int lines;
    } rows[] = {
        {"Ab", 61, 1},           {"Ab\r\nCd", 61, 2}, {"Ab\nCd", 40, 2},         {"", 40, 1},
        {"Ab\r\n\r\nCd", 90, 3}, {"Ab\r\n", 40, 2},   {"Ab\r\nCd\r\nEf", 10, 3},
    };
    for (const Row& row : rows) {
        const QString text = QString::fromUtf8(row.text);
        EXPECT_EQ(probe.TextHeight(text), row.lines * line) << row.text;
        const QRect rect(7, 5, 90, row.rectHeight);
        // C++ division truncates toward zero, as the original arithmetic did.
        const int shift = (row.rectHeight - row.lines * line) / 2;
        for (int align : {0, 1, 2}) {
            CDrawSurface centred, shifted;
            ASSERT_TRUE(centred.CreateSurface(110, 110));
            ASSERT_TRUE(shifted.CreateSurface(110, 110));
            centred.DrawTextBox(text, align, true, rect);
            shifted.DrawTextBox(text, align, false, rect.translated(0, shift));
            EXPECT_EQ(centred.Image(), shifted.Image()) << row.text << " align " << align;
            if (text == "Ab") {
                const QRect ink = InkBounds(centred.Image());
                ASSERT_FALSE(ink.isEmpty());
                EXPECT_GE(ink.top(), rect.top() + shift);
                EXPECT_LE(ink.bottom(), rect.top() + shift + line);
                if (align == CDrawSurface::kAlignLeft) {
                    EXPECT_LE(ink.left(), rect.left() + 3);
                } else if (align == CDrawSurface::kAlignRight) {
                    EXPECT_GE(ink.right(), rect.right() - 3);
                } else {
                    EXPECT_NEAR((ink.left() + ink.right()) / 2.0, rect.center().x(), 2.0);
                }
            }
        }
    }
}

// A text wider than its fixed box is drawn smaller, whole, inside the box;
// one that fits keeps its size. The observer hears of both.
TEST_F(DrawSurfaceTest, TextShrinksIntoItsBoxAndIsDrawnInTheTextColour) {
    std::vector<CDrawSurface::DrawnText> drawn;
    CDrawSurface::SetTextObserver(
        [&](const CDrawSurface::DrawnText& text) { drawn.push_back(text); });
    CDrawSurface surface;
    ASSERT_TRUE(surface.CreateSurface(160, 40));
    surface.SetTextColour(QColor(51, 51, 51));
    const QString text = QString::fromUtf8("*データ未取得日を含む");
    surface.DrawTextBox(text, 0, true, QRect(10, 10, 100, 20));
    surface.DrawTextBox(QString::fromUtf8("円"), 0, true, QRect(120, 10, 30, 20));
    CDrawSurface::SetTextObserver(nullptr);
    ASSERT_EQ(drawn.size(), 2u);
    EXPECT_TRUE(drawn[0].fits);
    EXPECT_LT(drawn[0].pointSize, surface.Font().pointSizeF());
    EXPECT_GT(surface.TextWidth(text, nullptr), 100) << "the case needs a text wider than its box";
    EXPECT_TRUE(drawn[1].fits);
    EXPECT_EQ(drawn[1].pointSize, surface.Font().pointSizeF());
    const QRect ink = InkBounds(surface.Image().copy(0, 0, 115, 40));
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_TRUE(QRect(10, 10, 100, 20).contains(ink)) << ink.x() << "," << ink.right();
    // The whole text: its ink reaches the last glyph, near the box's right.
    EXPECT_GE(ink.right(), 10 + 100 - 15);
    bool exact = false;
    for (int y = ink.top(); y <= ink.bottom(); ++y) {
        for (int x = ink.left(); x <= ink.right(); ++x) {
            exact = exact || surface.Image().pixel(x, y) == qRgb(51, 51, 51);
        }
    }
    EXPECT_TRUE(exact) << "no pixel of the text colour";
}

TEST_F(DrawSurfaceTest, CompositionSkipsTransparentPixelsAndCopyReplacesThem) {
    CDrawSurface source;
    ASSERT_TRUE(source.CreateSurface(4, 4));
    source.Fill(QRect(0, 0, 2, 4), QColor(0, 0, 255));
    struct Row {
        bool copy;
        QRect sourceRect;
        QPoint at;
        QRgb atBlue, atClear;
    } rows[] = {
        {false, QRect(0, 0, 4, 4), {3, 3}, qRgb(0, 0, 255), qRgb(255, 0, 0)},
        {true, QRect(0, 0, 4, 4), {3, 3}, qRgb(0, 0, 255), 0},
        // A frame beyond the strip copies nothing.
        {true, QRect(4, 0, 4, 4), {3, 3}, qRgb(255, 0, 0), qRgb(255, 0, 0)},
        {false, QRect(8, 0, 4, 4), {3, 3}, qRgb(255, 0, 0), qRgb(255, 0, 0)},
    };
    for (const Row& row : rows) {
        CDrawSurface canvas;
        ASSERT_TRUE(canvas.CreateSurface(10, 10));
        canvas.Fill(QColor(255, 0, 0));
        if (row.copy) {
            canvas.CopySurface(source, row.at.x(), row.at.y(), row.sourceRect);
        } else {
            canvas.DrawSurface(source, row.at.x(), row.at.y(), row.sourceRect);
        }
        EXPECT_EQ(canvas.Image().pixel(3, 3), row.atBlue);
        EXPECT_EQ(canvas.Image().pixel(6, 6), row.atClear);
        EXPECT_EQ(canvas.Image().pixel(0, 0), qRgb(255, 0, 0));
        EXPECT_EQ(canvas.Image().pixel(9, 9), qRgb(255, 0, 0));
    }
    // Off every edge: clipped, no fault.
    CDrawSurface canvas;
    ASSERT_TRUE(canvas.CreateSurface(10, 10));
    canvas.DrawSurface(source, -1, -1);
    canvas.CopySurface(source, 8, 8);
    canvas.DrawSurface(source, 500, 500, QRect(-5, -5, 40, 40));
    EXPECT_EQ(canvas.Image().pixel(0, 0), qRgb(0, 0, 255));
    EXPECT_EQ(canvas.Image().pixel(9, 9), qRgb(0, 0, 255));
    EXPECT_EQ(canvas.Image().pixel(2, 2), 0u);
    // A content note outlives blits from the surface, not a write to it.
    source.SetContentKey("a");
    canvas.DrawSurface(source, 0, 0);
    EXPECT_TRUE(source.HoldsContent("a") && !source.HoldsContent("b"));
    source.Fill(QRect(0, 0, 1, 1), QColor(0, 0, 255));
    EXPECT_FALSE(source.HoldsContent("a"));
}

TEST_F(DrawSurfaceTest, KeyColourOfAResourcePictureBecomesTransparentAndComposesToNothing) {
    CDrawSurface picture;
    ASSERT_TRUE(CPictureStore::Exists(9001));
    ASSERT_TRUE(picture.LoadSurface(9001, 12, true));
    ASSERT_EQ(picture.Width(), 4);
    ASSERT_EQ(picture.Height(), 2);
    EXPECT_EQ(picture.CreatedPointSize(), 12);
    EXPECT_EQ(picture.Image().format(), QImage::Format_ARGB32_Premultiplied);
    EXPECT_EQ(picture.Image().pixel(0, 0), 0u);
    EXPECT_EQ(picture.Image().pixel(2, 1), 0u);
    EXPECT_EQ(picture.Image().pixel(1, 0), qRgb(0, 0, 255));

    CDrawSurface canvas;
    ASSERT_TRUE(canvas.CreateSurface(6, 4));
    canvas.Fill(QColor(0, 200, 0));
    canvas.DrawSurface(picture, 1, 1);
    EXPECT_EQ(canvas.Image().pixel(1, 1), qRgb(0, 200, 0)) << "key pixel drawn";
    EXPECT_EQ(canvas.Image().pixel(3, 2), qRgb(0, 200, 0)) << "key pixel drawn";
    EXPECT_EQ(canvas.Image().pixel(2, 1), qRgb(0, 0, 255));
    EXPECT_EQ(canvas.Image().pixel(4, 1), qRgb(255, 0, 0));

    // Drawing into a loaded surface leaves the store's copy as decoded.
    picture.Fill(QColor(1, 2, 3));
    EXPECT_EQ(CPictureStore::Get(9001).pixel(1, 0), qRgb(0, 0, 255));
}

TEST_F(DrawSurfaceTest, MissingOrUndecodablePicturesLeaveEmptySurfacesThatDrawNothing) {
    for (int id : {9002, 9003, -1}) {
        EXPECT_EQ(CPictureStore::Exists(id), id == 9002);
        EXPECT_TRUE(CPictureStore::Get(id).isNull());
        CDrawSurface surface;
        ASSERT_TRUE(surface.CreateSurface(3, 3));
        EXPECT_FALSE(surface.LoadSurface(id)) << id;
        EXPECT_TRUE(surface.IsEmpty());
        EXPECT_EQ(surface.Width(), 0);
        surface.FillKey();
        surface.Fill(QColor(1, 1, 1));
        surface.DrawTextBox("x", 1, true, QRect(0, 0, 3, 3));
        CDrawSurface canvas;
        ASSERT_TRUE(canvas.CreateSurface(3, 3));
        canvas.Fill(QColor(9, 9, 9));
        canvas.DrawSurface(surface, 0, 0);
        canvas.CopySurface(surface, 0, 0);
        EXPECT_EQ(canvas.Image().pixel(1, 1), qRgb(9, 9, 9));
    }
}

TEST_F(DrawSurfaceTest, TestPicturesAreKeyedLikeDecodedOnesUntilCleared) {
    QImage image(3, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(255, 0, 255, 255));
    image.setPixel(1, 0, qRgba(255, 0, 255, 128)); // not opaque: not the key
    image.setPixel(2, 0, qRgba(255, 0, 254, 255)); // not exact: not the key
    CPictureStore::InsertForTest(9500, image);
    const QImage stored = CPictureStore::Get(9500);
    ASSERT_EQ(stored.format(), QImage::Format_ARGB32_Premultiplied);
    EXPECT_EQ(qAlpha(stored.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(stored.pixel(1, 0)), 128);
    EXPECT_EQ(stored.pixel(2, 0), qRgb(255, 0, 254));
    EXPECT_TRUE(CPictureStore::Exists(9500));
    CPictureStore::Clear();
    EXPECT_TRUE(CPictureStore::Get(9500).isNull());
}

} // namespace
