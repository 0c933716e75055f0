// The embedded pictures as the program finds them: present at their table size,
// keyed ones with hard edges against magenta, the program's writing areas
// plain, the splash with real alpha.
#include "resources/art/CPictureTable.h"
#include "resources/art/TevaroPictures.h"

#include <QFile>
#include <QImage>
#include <QRect>

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

constexpr QRgb kKey = qRgb(255, 0, 255);

bool IsKey(QRgb p) {
    return qAlpha(p) == 255 && (p | 0xff000000u) == kKey;
}

QString Path(int id) {
    return QStringLiteral(":/png/%1.png").arg(id);
}

QImage Load(int id) {
    return QImage(Path(id)).convertToFormat(QImage::Format_ARGB32);
}

QImage Frame(const QImage& strip, int frames, int index) {
    const int w = strip.width() / frames;
    return strip.copy(index * w, 0, w, strip.height());
}

// Whether `p` sits on the straight line from `inner` to magenta, well away
// from both ends: what anti-aliasing into the key colour leaves behind.
bool BlendsIntoKey(QRgb p, QRgb inner) {
    const double d[3] = {255.0 - qRed(inner), -double(qGreen(inner)), 255.0 - qBlue(inner)};
    const double v[3] = {double(qRed(p) - qRed(inner)), double(qGreen(p) - qGreen(inner)),
                         double(qBlue(p) - qBlue(inner))};
    const double len2 = d[0] * d[0] + d[1] * d[1] + d[2] * d[2];
    if (len2 < 1) {
        return false;
    }
    const double t = (v[0] * d[0] + v[1] * d[1] + v[2] * d[2]) / len2;
    double off = 0;
    for (int i = 0; i < 3; ++i) {
        off += (v[i] - t * d[i]) * (v[i] - t * d[i]);
    }
    return t > 0.1 && t < 0.9 && std::sqrt(off) < 10;
}

std::vector<const PictureSpec*> Drawn() {
    std::vector<const PictureSpec*> drawn;
    for (const PictureSpec& s : CPictureTable::All()) {
        if (CPictureTable::IsDrawn(s)) {
            drawn.push_back(&s);
        }
    }
    return drawn;
}

bool RowsPlain(const QImage& image, const QRect& area, QString* where) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.pixel(x, y) != image.pixel(area.left(), y)) {
                *where = QStringLiteral("(%1, %2)").arg(x).arg(y);
                return false;
            }
        }
    }
    return true;
}

class PictureResources : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        InitTevaroPictures();
        InitTevaroPictures(); // a second call must be harmless
    }
};

TEST_F(PictureResources, EveryDrawnPictureIsEmbeddedAtItsTableSizeAndNoOtherIs) {
    const auto drawn = Drawn();
    // The first set: splash, about, 5 progress backgrounds and 5 steps, 15
    // device strips, 8 list icons, 2 marks and the program icon.
    EXPECT_GE(drawn.size(), 38u);
    for (const PictureSpec& s : CPictureTable::All()) {
        SCOPED_TRACE(s.id);
        const QImage image = Load(s.id);
        if (!CPictureTable::IsDrawn(s)) {
            EXPECT_FALSE(QFile::exists(Path(s.id))) << "emitted before it has a painter";
            continue;
        }
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.width(), s.width);
        EXPECT_EQ(image.height(), s.height);
        EXPECT_EQ(s.width % s.frames, 0);
    }
    const QImage icon = Load(CPictureTable::kApplicationIconId);
    EXPECT_EQ(icon.size(), QSize(48, 48));
    // Sizes the controls rely on, independent of the table's own numbers.
    const struct {
        int id;
        int w, h, frames;
    } kFixed[] = {{386, 620, 350, 1}, {170, 620, 350, 1}, {256, 404, 190, 1}, {368, 404, 190, 1},
                  {259, 94, 14, 1},   {263, 94, 14, 1},   {171, 1043, 49, 7}, {188, 1043, 49, 7},
                  {192, 52, 14, 2},   {199, 84, 18, 3},   {240, 48, 24, 2},   {426, 48, 24, 2},
                  {278, 198, 490, 1}, {360, 198, 490, 1}, {283, 796, 490, 1}, {453, 796, 490, 1},
                  {216, 117, 376, 1}, {217, 117, 376, 1}, {289, 82, 20, 1},   {293, 82, 20, 1},
                  {200, 116, 29, 4},  {206, 116, 84, 4},  {204, 346, 29, 2},  {205, 242, 29, 2},
                  {214, 396, 29, 4},  {288, 336, 29, 4},  {257, 336, 29, 4},  {241, 252, 29, 3},
                  {380, 297, 29, 3},  {242, 495, 29, 3},  {250, 596, 49, 4},  {255, 596, 49, 4}};
    for (const auto& f : kFixed) {
        SCOPED_TRACE(f.id);
        const PictureSpec* s = CPictureTable::Find(f.id);
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(QSize(s->width, s->height), QSize(f.w, f.h));
        EXPECT_EQ(s->frames, f.frames);
        EXPECT_EQ(Load(f.id).size(), QSize(f.w, f.h));
    }
    EXPECT_EQ(CPictureTable::Find(201), nullptr); // never referred to
}

TEST_F(PictureResources, KeyedPicturesHaveDistinctFramesAndHardEdgesAgainstMagenta) {
    int strips = 0;
    for (const PictureSpec* s : Drawn()) {
        if (s->backdrop != ArtBackdrop::kKeyed) {
            continue;
        }
        SCOPED_TRACE(s->id);
        const QImage image = Load(s->id);
        std::vector<QImage> frames;
        for (int f = 0; f < s->frames; ++f) {
            frames.push_back(Frame(image, s->frames, f));
        }
        for (int f = 0; f < s->frames; ++f) {
            const QImage& fr = frames[f];
            // Rounded shapes leave the key colour in the frame's corners.
            if (s->kind != ArtKind::kProgressStep) {
                EXPECT_TRUE(IsKey(fr.pixel(0, 0))) << "frame " << f;
                EXPECT_TRUE(IsKey(fr.pixel(fr.width() - 1, fr.height() - 1))) << "frame " << f;
            }
            for (int g = f + 1; g < s->frames; ++g) {
                EXPECT_NE(fr, frames[g]) << "frames " << f << " and " << g << " look the same";
            }
            int blends = 0;
            int partial = 0;
            for (int y = 0; y < fr.height(); ++y) {
                for (int x = 0; x < fr.width(); ++x) {
                    const QRgb p = fr.pixel(x, y);
                    partial += qAlpha(p) != 255;
                    if (IsKey(p)) {
                        continue;
                    }
                    const QPoint out[4] = {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}};
                    const QPoint in[4] = {{x + 1, y}, {x - 1, y}, {x, y + 1}, {x, y - 1}};
                    for (int i = 0; i < 4; ++i) {
                        if (fr.rect().contains(out[i]) && fr.rect().contains(in[i]) &&
                            IsKey(fr.pixel(out[i])) && !IsKey(fr.pixel(in[i])) &&
                            BlendsIntoKey(p, fr.pixel(in[i]))) {
                            ++blends;
                            break;
                        }
                    }
                }
            }
            EXPECT_EQ(partial, 0) << "frame " << f << " has partial alpha";
            EXPECT_EQ(blends, 0) << "frame " << f << " blends into magenta";
        }
        strips += s->frames > 1;
    }
    EXPECT_GE(strips, 15 + 8 + 2);
}

TEST_F(PictureResources, AreasTheProgramWritesOnStayPlain) {
    // The rectangles the program writes or draws into, as its controls use them.
    const struct {
        int firstId, lastId;
        QRect area; // frame coordinates
    } kAreas[] = {
        {386, 386, QRect(QPoint(260, 145), QPoint(562, 167))},
        {170, 170, QRect(QPoint(263, 145), QPoint(562, 164))},
        {256, 256, QRect(192, 40, 94, 14)},
        {365, 368, QRect(154, 40, 94, 14)},
        {171, 187, QRect(QPoint(36, 8), QPoint(115, 23))},  // room name
        {171, 187, QRect(QPoint(36, 22), QPoint(115, 40))}, // model text
        {171, 187, QRect(6, 17, 26, 14)},                   // list icon
        {181, 187, QRect(113, 10, 24, 24)},                 // connection mark
        {188, 188, QRect(5, 15, 28, 18)},                   // all-entries icon
        {204, 204, QRect(14, 0, 126, 25)},                  // month
        {212, 212, QRect(14, 0, 126, 25)},
        {205, 205, QRect(18, 0, 70, 25)}, // year
        {213, 213, QRect(18, 0, 70, 25)},
        {214, 215, QRect(0, 0, 69, 29)},   // month target, written leftwards
        {216, 217, QRect(8, 56, 103, 29)}, // month total
        {216, 217, QRect(19, 88, 82, 20)}, // target level picture
        {216, 217, QRect(8, 130, 103, 20)},
        {216, 217, QRect(8, 166, 103, 20)},
        {216, 217, QRect(8, 222, 103, 20)},
        {216, 217, QRect(8, 260, 103, 20)},
        {216, 217, QRect(4, 290, 112, 14)}, // footnote
        {283, 283, QRect(1, 0, 200, 19)},   // date line over the main tab
        {287, 287, QRect(1, 0, 200, 19)},
        {295, 295, QRect(1, 0, 200, 19)},
        {298, 298, QRect(1, 0, 200, 19)},
        {350, 358, QRect(1, 0, 200, 19)},
        {451, 453, QRect(1, 0, 200, 19)},
    };
    for (const auto& a : kAreas) {
        for (int id = a.firstId; id <= a.lastId; ++id) {
            const PictureSpec* s = CPictureTable::Find(id);
            if (s == nullptr) {
                continue; // 178–180 are not pictures
            }
            SCOPED_TRACE(id);
            const QImage image = Load(id);
            for (int f = 0; f < s->frames; ++f) {
                QString where;
                EXPECT_TRUE(RowsPlain(Frame(image, s->frames, f), a.area, &where))
                    << "frame " << f << " not plain at " << where.toStdString();
            }
        }
    }
    // The label of the all-air-conditioners button is in its picture (its room
    // name is empty), so that area is not plain.
    QString where;
    EXPECT_FALSE(RowsPlain(Frame(Load(188), 7, 0), QRect(QPoint(42, 10), QPoint(112, 40)), &where));
}

TEST_F(PictureResources, SplashAndAboutUseRealAlphaAndBackgroundsAreOpaque) {
    for (int id : {386, 170}) {
        SCOPED_TRACE(id);
        const QImage image = Load(id);
        ASSERT_TRUE(image.hasAlphaChannel());
        for (const QPoint& corner :
             {QPoint(0, 0), QPoint(619, 0), QPoint(0, 349), QPoint(619, 349)}) {
            EXPECT_EQ(qAlpha(image.pixel(corner)), 0);
        }
        EXPECT_EQ(qAlpha(image.pixel(310, 175)), 255);
        EXPECT_EQ(qAlpha(image.pixel(400, 156)), 255); // under the release label
        bool partial = false;
        for (int x = 0; x < 40 && !partial; ++x) {
            const int a = qAlpha(image.pixel(x, x));
            partial = a > 0 && a < 255; // a soft edge, not a cut-out
        }
        EXPECT_TRUE(partial);
    }
    for (int id : {256, 365, 366, 367, 368}) {
        SCOPED_TRACE(id);
        const QImage image = Load(id);
        int keyOrClear = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                keyOrClear += IsKey(image.pixel(x, y)) || qAlpha(image.pixel(x, y)) != 255;
            }
        }
        EXPECT_EQ(keyOrClear, 0);
    }
}

} // namespace
