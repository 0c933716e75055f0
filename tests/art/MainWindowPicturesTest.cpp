// The main window's embedded pictures as a user meets them: each tab header
// picture shows its headers in the state it stands for, buttons carry their
// labels, the bill box has a caption above every value it leaves plain, and the
// level pictures grow with the level.
#include "resources/art/CPictureTable.h"
#include "resources/art/TevaroPictures.h"

#include <QImage>
#include <QRect>

#include "PicturePixels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace {

QImage Load(int id) {
    return LoadPicture(id);
}

// Darkest non-key pixel in `area`: the ink of a label, if there is one.
int DarkestIn(const QImage& image, const QRect& area) {
    int darkest = 255;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (!IsKey(image.pixel(x, y))) {
                darkest = std::min(darkest, Luma(image.pixel(x, y)));
            }
        }
    }
    return darkest;
}

// Mean brightness of a header's face in a column left of its centred label.
double FaceLight(const QImage& image, const QRect& header) {
    int sum = 0;
    int count = 0;
    for (int y = header.top() + 8; y < header.bottom() - 2; ++y) {
        sum += Luma(image.pixel(header.left() + 5, y));
        ++count;
    }
    return double(sum) / count;
}

class MainWindowPictures : public ::testing::Test {
protected:
    static void SetUpTestSuite() { InitTevaroPictures(); }
};

enum State { kNormal, kHover, kSelected, kDisabled };

struct TabPicture {
    int id;
    State headers[3];
    int restingId; // the same page's picture with no header hovered
};

// From the header picture list: which header each picture shows in which state.
constexpr TabPicture kMainTabs[] = {
    {283, {kSelected, kNormal, kNormal}, 283},   {287, {kSelected, kNormal, kDisabled}, 287},
    {351, {kSelected, kNormal, kHover}, 283},    {352, {kSelected, kHover, kNormal}, 283},
    {353, {kSelected, kHover, kDisabled}, 287},  {295, {kNormal, kSelected, kNormal}, 295},
    {298, {kNormal, kSelected, kDisabled}, 298}, {354, {kNormal, kSelected, kHover}, 295},
    {355, {kHover, kSelected, kNormal}, 295},    {356, {kHover, kSelected, kDisabled}, 298},
    {350, {kNormal, kNormal, kSelected}, 350},   {357, {kNormal, kHover, kSelected}, 350},
    {358, {kHover, kNormal, kSelected}, 350},    {451, {kHover, kNormal, kSelected}, 453},
    {452, {kNormal, kHover, kSelected}, 453},    {453, {kNormal, kNormal, kSelected}, 453},
};
constexpr TabPicture kLeftTabs[] = {
    {278, {kNormal, kSelected, kNormal}, 278},
    {359, {kHover, kSelected, kNormal}, 278},
    {280, {kSelected, kNormal, kNormal}, 280},
    {360, {kSelected, kHover, kNormal}, 280},
};

void CheckTabs(const TabPicture& t, int count, int first, int width) {
    SCOPED_TRACE(t.id);
    const QImage image = Load(t.id);
    const QImage resting = Load(t.restingId);
    ASSERT_FALSE(image.isNull());
    // The page's top border, right of every header, clear of the rounded corner.
    const QRgb pageBorder = image.pixel(image.width() - 12, 26);
    for (int i = 0; i < count; ++i) {
        SCOPED_TRACE(i);
        const QRect header(first + i * (width + 2), 0, width, 26);
        const int cx = header.center().x();
        // Only the selected header opens into the page.
        EXPECT_EQ(t.headers[i] == kSelected, image.pixel(cx, 26) != pageBorder);
        // Every header carries its label; a disabled one in faded ink.
        const int ink = DarkestIn(image, header.adjusted(3, 4, -3, -1));
        if (t.headers[i] == kDisabled) {
            EXPECT_GT(ink, 120);
        } else {
            EXPECT_LT(ink, 100);
        }
        // A hovered header is lighter than the same header at rest.
        if (t.headers[i] == kHover) {
            EXPECT_GT(FaceLight(image, header), FaceLight(resting, header) + 3.0);
        }
    }
    // Left of the headers (the date line's place on the main tab) the picture
    // shows nothing.
    EXPECT_TRUE(IsKey(image.pixel(1, 0)));
    EXPECT_TRUE(IsKey(image.pixel(first - 2, 12)));
}

TEST_F(MainWindowPictures, TabHeadersShowTheStateOfTheirPicture) {
    for (const TabPicture& t : kMainTabs) {
        CheckTabs(t, 3, 295, 158);
    }
    for (const TabPicture& t : kLeftTabs) {
        CheckTabs(t, 2, 5, 78);
    }
}

TEST_F(MainWindowPictures, ButtonsAndFieldsCarryTheirLabelsAndMarksInEveryFrame) {
    int strips = 0;
    for (const PictureSpec& s : CPictureTable::All()) {
        if (s.kind != ArtKind::kButtonStrip && s.kind != ArtKind::kSelectField) {
            continue;
        }
        SCOPED_TRACE(s.id);
        const QImage image = Load(s.id);
        ASSERT_EQ(image.size(), QSize(s.width, s.height));
        const int fw = s.FrameWidth();
        for (int f = 0; f < s.frames; ++f) {
            const QRect frame(f * fw, 0, fw, s.height);
            // The mark or label stands out from the face; faded when disabled
            // (frame 3 of a four-frame strip), though still there.
            const int ink = DarkestIn(image, frame.adjusted(3, 3, -3, -3));
            if (f == 3) {
                EXPECT_LT(ink, 200) << "frame " << f;
            } else {
                EXPECT_LT(ink, 110) << "frame " << f;
            }
        }
        ++strips;
    }
    // 28 button strips of the main window, 4 of the dialogs and 6 fields.
    EXPECT_GE(strips, 38);
}

TEST_F(MainWindowPictures, BillBoxHasACaptionAboveEveryValueItLeavesPlain) {
    // Top of each area the box writes a value into (box coordinates), and how
    // far above it its caption may sit.
    const struct {
        int top;
        int reach;
    } kValues[] = {{56, 40}, {130, 17}, {166, 16}, {222, 20}, {260, 17}, {346, 28}};
    for (int id : {216, 217}) {
        SCOPED_TRACE(id);
        const QImage image = Load(id);
        ASSERT_EQ(image.size(), QSize(117, 376));
        for (const auto& v : kValues) {
            SCOPED_TRACE(v.top);
            EXPECT_LT(DarkestIn(image, QRect(4, v.top - v.reach, 109, v.reach - 1)), 130);
        }
        // The two areas of the box are apart: the rows between them show the
        // page.
        EXPECT_TRUE(IsKey(image.pixel(58, 312)));
        EXPECT_TRUE(IsKey(image.pixel(58, 313)));
        // The target field draws only its button: the box shows the well its
        // value is written into, plain from the text's start to its end.
        const QImage field = Load(id == 216 ? 214 : 215);
        for (int f = 0; f < 4; ++f) {
            EXPECT_TRUE(IsKey(field.pixel(f * 99 + 35, 14)));
        }
        for (int y = 349; y < 371; ++y) {
            for (int x = 8; x < 81; ++x) {
                ASSERT_EQ(image.pixel(x, y), image.pixel(8, y)) << x << ", " << y;
            }
        }
    }
}

TEST_F(MainWindowPictures, LevelPicturesLightMoreMarksTheBetterTheLevel) {
    // Level 1..5 in the order of their ids 290..293, 289.
    const int kIds[] = {290, 291, 292, 293, 289};
    int previous = 0;
    for (int id : kIds) {
        SCOPED_TRACE(id);
        const QImage image = Load(id);
        ASSERT_EQ(image.size(), QSize(82, 20));
        int green = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb p = image.pixel(x, y);
                green += !IsKey(p) && qGreen(p) > qRed(p) + 30 && qGreen(p) > qBlue(p) + 30;
            }
        }
        EXPECT_GT(green, previous + 20);
        previous = green;
    }
}

} // namespace
