// The window's season backgrounds and the settings-check pictures as a user
// meets them: backgrounds light wherever the window shows them and different
// for every month and special day; settings rows whose name and explanation
// pictures meet the row band without a seam, carry readable text, and value
// boxes plain where the program writes the value.
#include "resources/art/CPictureTable.h"
#include "resources/art/TevaroPictures.h"

#include <QImage>
#include <QRect>

#include "PicturePixels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

QImage Load(int id) {
    return LoadPicture(id);
}

struct Light {
    double mean = 0;
    double darkShare = 0; // share of pixels darker than the program's own text could bear
    int darkest = 255;
};

Light Measure(const QImage& image, const QRect& area) {
    Light light;
    long sum = 0;
    long dark = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const int l = Luma(image.pixel(x, y));
            sum += l;
            dark += l < 150;
            light.darkest = std::min(light.darkest, l);
        }
    }
    const double count = double(area.width()) * area.height();
    light.mean = sum / count;
    light.darkShare = dark / count;
    return light;
}

int Darkest(const QImage& image) {
    int darkest = 255;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (!IsKey(image.pixel(x, y))) {
                darkest = std::min(darkest, Luma(image.pixel(x, y)));
            }
        }
    }
    return darkest;
}

std::vector<const PictureSpec*> OfKind(ArtKind kind) {
    std::vector<const PictureSpec*> found;
    for (const PictureSpec& s : CPictureTable::All()) {
        if (s.kind == kind) {
            found.push_back(&s);
        }
    }
    return found;
}

constexpr int kRowTop[4] = {33, 120, 207, 294};
constexpr int kRowHeight = 82;

class SeasonSettingsPictures : public ::testing::Test {
protected:
    static void SetUpTestSuite() { InitTevaroPictures(); }
};

TEST_F(SeasonSettingsPictures, SeasonPicturesStayLightWhereTheWindowShowsThemAndDifferByDay) {
    const auto seasons = OfKind(ArtKind::kSeason);
    ASSERT_EQ(seasons.size(), 18u);          // 12 months, the neutral one and 5 special days
    const QRect band(0, 0, 1012, 58);        // above both panels
    const QRect mainPane(206, 59, 802, 498); // open while the menu page is shown
    std::vector<QImage> bands;
    for (const PictureSpec* s : seasons) {
        SCOPED_TRACE(s->id);
        const QImage image = Load(s->id);
        ASSERT_EQ(image.size(), QSize(1012, 569));
        bool opaque = true;
        bool key = false;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                opaque &= qAlpha(image.pixel(x, y)) == 255;
                key |= IsKey(image.pixel(x, y));
            }
        }
        EXPECT_TRUE(opaque);
        EXPECT_FALSE(key) << "copied as it is, magenta would show";

        const Light top = Measure(image, band);
        EXPECT_GE(top.mean, 205.0);
        EXPECT_LT(top.darkShare, 0.03);
        EXPECT_LT(top.darkest, top.mean - 15) << "the band shows no motif";
        const Light open = Measure(image, mainPane);
        EXPECT_GE(open.mean, 235.0);
        EXPECT_LT(open.darkShare, 0.01);
        bands.push_back(image.copy(band));
    }
    for (size_t i = 0; i < bands.size(); ++i) {
        for (size_t j = i + 1; j < bands.size(); ++j) {
            EXPECT_NE(bands[i], bands[j]) << seasons[i]->id << " and " << seasons[j]->id;
        }
    }
}

TEST_F(SeasonSettingsPictures, SettingsRowsReadAsOnePieceWithReadableTexts) {
    const QImage panel = Load(385);
    ASSERT_EQ(panel.size(), QSize(698, 380));
    EXPECT_TRUE(IsKey(panel.pixel(0, 0)));
    EXPECT_TRUE(IsKey(panel.pixel(697, 379)));
    // Every row band has one ground where the name picture lies.
    const QRgb ground = panel.pixel(53, kRowTop[0] + kRowHeight / 2);
    for (int top : kRowTop) {
        EXPECT_EQ(panel.pixel(53, top + kRowHeight / 2), ground) << top;
        EXPECT_EQ(panel.pixel(170, top + 10), ground) << top;
        EXPECT_NE(panel.pixel(53, top - 2), ground) << "rows must stand apart, " << top;
    }

    const auto names = OfKind(ArtKind::kSettingName);
    EXPECT_EQ(names.size(), 19u);
    for (const PictureSpec* s : names) {
        SCOPED_TRACE(s->id);
        const QImage image = Load(s->id);
        ASSERT_EQ(image.size(), QSize(120, 40));
        EXPECT_TRUE(s->LabelCount() == 1 || s->LabelCount() == 2);
        // Its ground meets the band without a seam; the keyed corners show the band.
        EXPECT_EQ(image.pixel(1, 20), ground);
        EXPECT_TRUE(IsKey(image.pixel(0, 0)));
        EXPECT_LT(Darkest(image), 100) << "no dark name text";
    }

    const auto explanations = OfKind(ArtKind::kSettingExplanation);
    EXPECT_EQ(explanations.size(), 22u);
    for (const PictureSpec* s : explanations) {
        SCOPED_TRACE(s->id);
        EXPECT_TRUE(s->LabelCount() == 2 || s->LabelCount() == 3) << "two or three short lines";
        const QImage image = Load(s->id);
        ASSERT_EQ(image.size(), QSize(372, 78));
        EXPECT_TRUE(IsKey(image.pixel(0, 0)));
        EXPECT_LT(Darkest(image), 100) << "no dark explanation text";
        // The text sits on light paper, not on a dark ground.
        EXPECT_GE(Luma(image.pixel(186, 2)), 230);
    }
    // Where the table has one text for variant A and one for B and C, they differ.
    for (const auto& [bc, a] : {std::pair{409, 420}, std::pair{408, 422}, std::pair{410, 421}}) {
        EXPECT_NE(Load(bc), Load(a)) << bc << " / " << a;
    }

    const auto icons = OfKind(ArtKind::kSettingIcon);
    EXPECT_EQ(icons.size(), 21u);
    for (const PictureSpec* s : icons) {
        SCOPED_TRACE(s->id);
        const QImage image = Load(s->id);
        ASSERT_EQ(image.size(), QSize(36, 36));
        EXPECT_TRUE(IsKey(image.pixel(0, 0)));
        EXPECT_FALSE(IsKey(image.pixel(18, 18)));
    }
    // The variant-C icons of the room and the sensor keep the pictogram but not the look.
    EXPECT_NE(Load(444), Load(238));
    EXPECT_NE(Load(445), Load(383));
}

TEST_F(SeasonSettingsPictures, ValueBoxesArePlainAndLightWhereTheValueIsWritten) {
    const struct {
        int id;
        QSize size;
        QRect text; // where the program writes, box coordinates
    } kBoxes[] = {
        {388, QSize(142, 38), QRect(1, 6, 140, 26)},
        {389, QSize(142, 74), QRect(3, 3, 136, 68)}, // heading and up to three price lines
    };
    for (const auto& box : kBoxes) {
        SCOPED_TRACE(box.id);
        const QImage image = Load(box.id);
        ASSERT_EQ(image.size(), box.size);
        EXPECT_TRUE(IsKey(image.pixel(0, 0)));
        for (int y = box.text.top(); y <= box.text.bottom(); ++y) {
            const QRgb row = image.pixel(box.text.left(), y);
            EXPECT_GE(Luma(row), 230) << "the 51, 51, 51 value text needs a light box";
            for (int x = box.text.left(); x <= box.text.right(); ++x) {
                ASSERT_EQ(image.pixel(x, y), row) << x << "," << y;
            }
        }
    }
}

} // namespace
