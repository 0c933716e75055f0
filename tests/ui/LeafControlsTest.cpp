#include "RecordingHost.h"
#include "data/FixedClock.h"

#include "data/CDataManager.h"
#include "ui/controls/CButtonCustom.h"
#include "ui/controls/CCustomCtrlImage.h"
#include "ui/controls/CCustomCtrlSelectItem.h"
#include "ui/controls/CCustomCtrlStatic.h"
#include "ui/draw/CPictureStore.h"

#include <QImage>

#include <gtest/gtest.h>

#include <vector>

namespace {

QRect Ink(const QImage& image, QRgb background) {
    QRect ink;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != background) {
                ink |= QRect(x, y, 1, 1);
            }
        }
    }
    return ink;
}

class LeafControlsTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_canvas.CreateSurface(1020, 578)); }
    void TearDown() override {
        CPictureStore::Clear();
        CDrawSurface::SetDpiFactor(1.0);
    }
    FixedClock m_clock{2013, 4, 15};
    CDataManager m_manager{m_clock};
    RecordingHost m_host{&m_manager};
    CDrawSurface m_canvas;
};

TEST_F(LeafControlsTest, ALabelWritesBoldTextOntoTheCanvasInItsCurrentColour) {
    struct Row {
        int align;
        bool centerV;
        int points;
        double factor;
    } rows[] = {{0, true, 13, 1.0}, {1, true, 10, 1.0}, {2, false, 12, 1.0}, {0, true, 13, 1.5}};
    for (const Row& row : rows) {
        CDrawSurface::SetDpiFactor(row.factor);
        CDrawSurface canvas, expected;
        ASSERT_TRUE(canvas.CreateSurface(420, 100));
        ASSERT_TRUE(expected.CreateSurface(420, 100));
        canvas.SetTextColour(QColor(200, 0, 0));
        expected.SetTextColour(QColor(200, 0, 0));
        CCustomCtrlStatic label;
        label.SetFontSize(row.points);
        label.SetAlign(row.align);
        label.SetCenterV(row.centerV);
        label.SetText(QString::fromUtf8("2013年4月15日 (月)"));
        label.CreateStatic(&m_host, 207, 58, &canvas, 200, 20);
        label.Draw();
        const QFont bold = CDrawSurface::MakeFont(row.points, true);
        expected.DrawTextBox(label.Text(), row.align, row.centerV, QRect(207, 58, 200, 20), &bold);
        EXPECT_EQ(canvas.Image(), expected.Image()) << row.align << " " << row.points;
        EXPECT_TRUE(QRect(207, 58, 200, 20).contains(Ink(canvas.Image(), 0)));
        EXPECT_EQ(bold.weight(), 700);

        label.SetVisible(false);
        canvas.FillKey();
        label.Draw();
        EXPECT_TRUE(Ink(canvas.Image(), 0).isEmpty());
        intptr_t result = 0;
        EXPECT_FALSE(label.OnMessage(UiMsg::kLButtonDown, 0, MakePointParam(210, 60), result));
    }
}

TEST_F(LeafControlsTest, TheAboutPictureIsBlendedAndTheReleaseLabelWrittenOverIt) {
    QImage picture(620, 350, QImage::Format_ARGB32);
    picture.fill(qRgba(0, 0, 255, 255));
    for (int x = 0; x < 10; ++x) {
        picture.setPixel(x, 0, qRgba(255, 255, 255, 0)); // clear corner
        picture.setPixel(x, 1, qRgba(0, 0, 0, 128));     // half shade
        picture.setPixel(x, 2, qRgba(255, 0, 255, 255)); // key colour
    }
    CPictureStore::InsertForTest(170, picture);
    struct Row {
        bool withPicture;
        bool visible;
    } rows[] = {{true, true}, {false, true}, {true, false}};
    for (const Row& row : rows) {
        if (!row.withPicture) {
            CPictureStore::Clear();
        }
        m_canvas.Fill(QColor(255, 255, 255));
        CCustomCtrlImage about;
        about.CreateImage(&m_host, &m_canvas, 297, 133, row.withPicture ? 170 : 9404);
        about.SetVisible(row.visible);
        about.Render();
        about.Draw();
        const QImage& canvas = m_canvas.Image();
        if (!row.visible) {
            EXPECT_TRUE(Ink(canvas, qRgb(255, 255, 255)).isEmpty());
            continue;
        }
        EXPECT_EQ(about.Width(), row.withPicture ? 620 : 0);
        EXPECT_EQ(canvas.pixel(297, 133), qRgb(255, 255, 255));
        EXPECT_EQ(canvas.pixel(297, 135), qRgb(255, 255, 255));
        if (row.withPicture) {
            EXPECT_NEAR(qRed(canvas.pixel(297, 134)), 127, 1);
            EXPECT_EQ(canvas.pixel(400, 200), qRgb(0, 0, 255));
            EXPECT_EQ(canvas.pixel(916, 482), qRgb(0, 0, 255));
            EXPECT_EQ(canvas.pixel(917, 483), qRgb(255, 255, 255));
        }
        // The label: inside its rectangle, in its colour where the glyphs are
        // solid.
        const QRect label = CCustomCtrlImage::LabelRect();
        const QRgb under = row.withPicture ? qRgb(0, 0, 255) : qRgb(255, 255, 255);
        QImage area = canvas.copy(label.adjusted(-20, -20, 20, 20));
        const QRect ink = Ink(area, under).translated(label.topLeft() - QPoint(20, 20));
        ASSERT_FALSE(ink.isEmpty());
        EXPECT_TRUE(label.contains(ink));
        EXPECT_GT(ink.width(), 100) << "the whole label";
        bool solid = false;
        for (int y = ink.top(); y <= ink.bottom(); ++y) {
            for (int x = ink.left(); x <= ink.right(); ++x) {
                const QRgb pixel = canvas.pixel(x, y);
                solid = solid ||
                        (std::abs(qRed(pixel) - 61) <= 2 && std::abs(qGreen(pixel) - 58) <= 2 &&
                         std::abs(qBlue(pixel) - 57) <= 3);
            }
        }
        EXPECT_TRUE(solid);
    }
}

class SelectItemTest : public LeafControlsTest {
protected:
    void SetUp() override {
        LeafControlsTest::SetUp();
        QImage strip(4 * 121, 29, QImage::Format_ARGB32);
        for (int x = 0; x < strip.width(); ++x) {
            for (int y = 0; y < 29; ++y) {
                strip.setPixel(x, y, qRgb(40 * (x / 121), 250, 250));
            }
        }
        CPictureStore::InsertForTest(9300, strip);
    }
    void Create(CCustomCtrlSelectItem& item, bool rightAligned = false) {
        item.CreateSelectItem(121, 50, 18, &m_host, &m_canvas, 100, 9300, 70, 14, rightAligned,
                              CHitRect{0, 0, 110, 27});
    }
    bool Send(CCustomCtrlSelectItem& item, uint32_t message, int x, int y) {
        intptr_t result = 0;
        return item.OnMessage(message, 0, MakePointParam(x, y), result);
    }
};

TEST_F(SelectItemTest, FieldsShowTheViewedYearMonthOrTargetFromTheDataManager) {
    struct Row {
        int kind;
        const char* text;
        int anchorX, anchorY;
    } rows[] = {{0, "2013年", 210, 77}, {1, "4月", 210, 77}, {2, "0円", 210, 50}, {5, "", 210, 77}};
    for (const Row& row : rows) {
        CCustomCtrlSelectItem item(row.kind);
        Create(item);
        EXPECT_EQ(item.Height(), 29);
        EXPECT_EQ(item.Width(), 121);
        EXPECT_EQ(item.Text(), QString::fromUtf8(row.text)) << row.kind;
        EXPECT_EQ(item.TextRect(), QRect(18, 0, 70, 25));
        EXPECT_EQ(PointParamX(item.PopupAnchor()), row.anchorX);
        EXPECT_EQ(PointParamY(item.PopupAnchor()), row.anchorY);

        // The text is what DrawTextBox writes into the text box: bold, black,
        // centred unless right-aligned.
        for (bool right : {false, true}) {
            CCustomCtrlSelectItem field(row.kind);
            Create(field, right);
            CDrawSurface expected;
            ASSERT_TRUE(expected.CreateSurface(121, 29, 14, true));
            expected.Fill(QColor(0, 250, 250));
            expected.DrawTextBox(QString::fromUtf8(row.text), right ? 2 : 1, true,
                                 QRect(18, 0, 70, 25));
            EXPECT_EQ(field.Surface().Image(), expected.Image()) << row.kind << " " << right;
        }
    }
    CCustomCtrlSelectItem orphan(0);
    RecordingHost bare;
    orphan.CreateSelectItem(121, 0, 18, &bare, &m_canvas, 0, 9300, 70, 14, false,
                            CHitRect{0, 0, 110, 27});
    EXPECT_TRUE(orphan.Text().isEmpty());
}

TEST_F(SelectItemTest, HoverCapturesAndRepaintsAndAPressAsksForThePopupAtTheAnchor) {
    CCustomCtrlSelectItem item(1);
    Create(item);
    const auto self = reinterpret_cast<uintptr_t>(static_cast<CCustomCtrlBase*>(&item));
    m_host.Take();
    struct Step {
        uint32_t message;
        int x, y;
        bool taken;
        int frame;
        std::vector<uint32_t> numbers;
    } steps[] = {
        {UiMsg::kMouseMove, 150, 60, true, 1, {UiMsg::kCapture, UiMsg::kRepaint}},
        {UiMsg::kMouseMove, 151, 61, true, 1, {}},
        {UiMsg::kLButtonDown, 151, 61, true, 1, {UiMsg::kPopupOpen}},
        {UiMsg::kMouseMove, 210, 61, false, 0, {UiMsg::kReleaseCapture, UiMsg::kRepaint}},
        {UiMsg::kLButtonDown, 210, 61, false, 0, {}},
        {UiMsg::kLButtonDblClk, 150, 60, false, 0, {}},
    };
    for (const Step& step : steps) {
        m_canvas.FillKey();
        EXPECT_EQ(Send(item, step.message, step.x, step.y), step.taken) << step.x;
        EXPECT_EQ(item.FrameIndex(), step.frame);
        const auto messages = m_host.Take();
        std::vector<uint32_t> numbers;
        for (const RecordedMessage& recorded : messages) {
            numbers.push_back(recorded.message);
            if (recorded.message == UiMsg::kCapture || recorded.message == UiMsg::kReleaseCapture) {
                EXPECT_EQ(recorded.wParam, self);
            }
            if (recorded.message == UiMsg::kPopupOpen) {
                EXPECT_FALSE(recorded.sent);
                EXPECT_EQ(recorded.wParam, 1u);
                EXPECT_EQ(recorded.lParam, MakePointParam(100 + 110, 50 + 27));
            }
        }
        EXPECT_EQ(numbers, step.numbers) << step.x;
        if (!step.numbers.empty() && step.numbers.back() == UiMsg::kRepaint) {
            EXPECT_EQ(m_canvas.Image().pixel(100, 50), qRgb(40 * step.frame, 250, 250));
        }
    }
    item.SetEnabled(false);
    item.Render();
    EXPECT_EQ(item.FrameIndex(), 3);
    EXPECT_EQ(item.Surface().Image().pixel(0, 0), qRgb(120, 250, 250));
    EXPECT_FALSE(Send(item, UiMsg::kLButtonDown, 150, 60));
    EXPECT_TRUE(m_host.Take().empty()) << "a disabled field opens nothing";
}

TEST(ButtonCustomTest, TheFaceHasTheDialogBackgroundColour) {
    CButtonCustom button(QString::fromUtf8("OK"));
    button.resize(80, 24);
    EXPECT_EQ(button.palette().color(QPalette::Button), QColor(233, 229, 231));
    EXPECT_EQ(button.palette().color(QPalette::Window), QColor(233, 229, 231));
    EXPECT_TRUE(button.autoFillBackground());
    const QImage face = button.grab().toImage();
    ASSERT_FALSE(face.isNull());
    // The background around the frame is the colour itself; the style shades
    // the face from it.
    EXPECT_EQ(face.pixel(0, 0), qRgb(233, 229, 231));
    const QRgb centre = face.pixel(face.width() / 2, face.height() - 6);
    EXPECT_NEAR(qRed(centre), 233, 12);
    EXPECT_NEAR(qGreen(centre), 229, 12);
    EXPECT_NEAR(qBlue(centre), 231, 12);
    EXPECT_GT(qRed(centre), qGreen(centre)) << "tinted like the colour, not grey";
}

} // namespace
