#include "RecordingHost.h"

#include "ui/controls/CControlDispatcher.h"
#include "ui/controls/CCustomCtrlButton.h"
#include "ui/controls/CCustomCtrlButtonDevice.h"
#include "ui/draw/CPictureStore.h"

#include <QImage>

#include <gtest/gtest.h>

#include <chrono>
#include <climits>
#include <utility>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kStripId = 9100;
constexpr int kButtonWidth = 40;
constexpr int kButtonHeight = 20;

// Frame i of the test strips is filled with FrameColour(i).
QRgb FrameColour(int frame) {
    return qRgb(20 + 30 * frame, 200 - 20 * frame, 90);
}

QImage Strip(int frames, int width, int height) {
    QImage strip(frames * width, height, QImage::Format_ARGB32);
    for (int frame = 0; frame < frames; ++frame) {
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                strip.setPixel(frame * width + x, y, FrameColour(frame));
            }
        }
    }
    return strip;
}

// Messages for OnMessage: the point packed as the dispatcher packs it.
struct Input {
    uint32_t message;
    int x, y;
};
constexpr Input Move(int x, int y) {
    return {UiMsg::kMouseMove, x, y};
}
constexpr Input Down(int x, int y) {
    return {UiMsg::kLButtonDown, x, y};
}
constexpr Input Up(int x, int y) {
    return {UiMsg::kLButtonUp, x, y};
}
constexpr Input DblClk(int x, int y) {
    return {UiMsg::kLButtonDblClk, x, y};
}
constexpr Input Reset() {
    return {UiMsg::kResetHover, 0, 0};
}

class ButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        CPictureStore::InsertForTest(kStripId, Strip(7, kButtonWidth, kButtonHeight));
        ASSERT_TRUE(m_canvas.CreateSurface(200, 100));
        // The host's part of the capture protocol, as the main window does it.
        m_host.onEvent = [this](const RecordedMessage& recorded) {
            if (recorded.message == UiMsg::kCapture) {
                m_dispatcher.SetCapture(reinterpret_cast<CCustomCtrlBase*>(recorded.wParam));
            } else if (recorded.message == UiMsg::kReleaseCapture) {
                m_dispatcher.ReleaseCapture();
            }
        };
    }
    void TearDown() override { CPictureStore::Clear(); }

    // A button at (x, 10) whose hit rectangle leaves a 2-pixel margin.
    void CreateButton(CCustomCtrlButton& button, int x) {
        button.CreateButton(10, kButtonHeight, kButtonWidth, &m_host, &m_canvas, x, 10, kStripId,
                            CHitRect{2, 2, kButtonWidth - 2, kButtonHeight - 2});
        button.SetPressedHoldMs(0);
    }
    bool Send(CCustomCtrlBase& control, const Input& input) {
        intptr_t result = 0;
        return control.OnMessage(input.message, 0, MakePointParam(input.x, input.y), result);
    }
    bool Offer(const Input& input) {
        return m_dispatcher.Offer(input.message, 0, MakePointParam(input.x, input.y));
    }

    RecordingHost m_host;
    CDrawSurface m_canvas;
    CControlDispatcher m_dispatcher{nullptr};
};

TEST_F(ButtonTest, EveryStateShowsItsFrameOfTheStrip) {
    struct Row {
        const char* state;
        bool selected, enabled;
        std::vector<Input> inputs;
        int frame;
    } rows[] = {
        {"disabled", false, false, {}, 3},
        {"disabled selected hovered", true, false, {Move(20, 20)}, 3},
        {"pressed inside", false, true, {Down(20, 20)}, 2},
        {"hovered and pressed", false, true, {Move(20, 20), Down(20, 20)}, 2},
        {"hover", false, true, {Move(20, 20)}, 1},
        {"pressed, pointer left", false, true, {Move(20, 20), Down(20, 20), Move(90, 20)}, 0},
        {"normal", false, true, {}, 0},
        {"hover left again", false, true, {Move(20, 20), Move(11, 11)}, 0},
        {"selected pressed inside", true, true, {Down(20, 20)}, 6},
        {"selected hover", true, true, {Move(20, 20)}, 5},
        {"selected", true, true, {}, 4},
        {"selected released", true, true, {Down(20, 20), Up(20, 20)}, 4},
    };
    for (const Row& row : rows) {
        CCustomCtrlButton button(nullptr, 7);
        CreateButton(button, 10);
        button.SetSelected(row.selected);
        button.SetEnabled(row.enabled);
        button.Render();
        m_canvas.FillKey();
        button.Draw();
        for (const Input& input : row.inputs) {
            Send(button, input);
        }
        EXPECT_EQ(button.FrameIndex(), row.frame) << row.state;
        // The canvas shows the frame: the button drew itself on every change.
        EXPECT_EQ(m_canvas.Image().pixel(10, 10), FrameColour(row.frame)) << row.state;
        EXPECT_EQ(m_canvas.Image().pixel(49, 29), FrameColour(row.frame)) << row.state;
        EXPECT_EQ(m_canvas.Image().pixel(50, 29), 0u) << row.state;
    }
}

TEST_F(ButtonTest, MovingFromOneButtonToTheNextReleasesThenCapturesAndRedrawsEachOnce) {
    CCustomCtrlButton first(nullptr, 1), second(nullptr, 2);
    CreateButton(first, 10);
    CreateButton(second, 50);
    m_dispatcher.AddControl(&first);
    m_dispatcher.AddControl(&second);

    EXPECT_TRUE(Offer(Move(20, 20)));
    auto messages = m_host.Take();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].message, UiMsg::kCapture);
    EXPECT_EQ(messages[0].wParam,
              reinterpret_cast<uintptr_t>(static_cast<CCustomCtrlBase*>(&first)));
    EXPECT_EQ(messages[1].message, UiMsg::kRedrawNow);
    EXPECT_EQ(m_dispatcher.CaptureControl(), &first);

    EXPECT_TRUE(Offer(Move(70, 20)));
    messages = m_host.Take();
    ASSERT_EQ(messages.size(), 4u);
    EXPECT_EQ(messages[0].message, UiMsg::kReleaseCapture);
    EXPECT_EQ(messages[1].message, UiMsg::kRedrawNow);
    EXPECT_EQ(messages[2].message, UiMsg::kCapture);
    EXPECT_EQ(messages[2].wParam,
              reinterpret_cast<uintptr_t>(static_cast<CCustomCtrlBase*>(&second)));
    EXPECT_EQ(messages[3].message, UiMsg::kRedrawNow);
    for (const RecordedMessage& recorded : messages) {
        EXPECT_TRUE(recorded.sent);
    }
    EXPECT_EQ(m_dispatcher.CaptureControl(), &second);
    EXPECT_FALSE(first.IsHover());
    EXPECT_TRUE(second.IsHover());

    // Within the same button nothing changes, nothing is sent; it stays taken.
    EXPECT_TRUE(Offer(Move(71, 21)));
    EXPECT_TRUE(m_host.Take().empty());
    m_dispatcher.OfferLeave();
    EXPECT_EQ(m_host.TakeNumbers(),
              (std::vector<uint32_t>{UiMsg::kReleaseCapture, UiMsg::kRedrawNow}));
    EXPECT_EQ(m_dispatcher.CaptureControl(), nullptr);
}

TEST_F(ButtonTest, ACommandIsPostedOnlyForAReleaseInsideThePressedButton) {
    using Numbers = std::vector<uint32_t>;
    struct Row {
        const char* gesture;
        std::vector<Input> inputs;
        Numbers numbers;
        int commands;
    } rows[] = {
        {"move in, press, release inside",
         {Move(20, 20), Down(20, 20), Up(20, 20)},
         {UiMsg::kCapture, UiMsg::kRedrawNow, UiMsg::kRedrawNow, UiMsg::kForeground,
          UiMsg::kCommand},
         1},
        {"press, leave, release outside",
         {Move(20, 20), Down(20, 20), Move(100, 60), Up(100, 60)},
         {UiMsg::kCapture, UiMsg::kRedrawNow, UiMsg::kRedrawNow, UiMsg::kForeground,
          UiMsg::kRedrawNow, UiMsg::kReleaseCapture},
         0},
        {"press without hover, release inside",
         {Down(20, 20), Up(20, 20)},
         {UiMsg::kCapture, UiMsg::kRedrawNow, UiMsg::kForeground, UiMsg::kReleaseCapture,
          UiMsg::kCommand},
         1},
        {"press, leave, come back, release",
         {Move(20, 20), Down(20, 20), Move(100, 60), Move(21, 21), Up(21, 21)},
         {UiMsg::kCapture, UiMsg::kRedrawNow, UiMsg::kRedrawNow, UiMsg::kForeground,
          UiMsg::kRedrawNow, UiMsg::kRedrawNow, UiMsg::kCommand},
         1},
        {"press on the margin outside the hit rectangle", {Down(11, 11), Up(11, 11)}, {}, 0},
        {"release without a press",
         {Move(20, 20), Up(20, 20)},
         {UiMsg::kCapture, UiMsg::kRedrawNow},
         0},
    };
    for (const Row& row : rows) {
        CCustomCtrlButton button(nullptr, 42);
        CreateButton(button, 10);
        m_dispatcher.Controls() = {&button};
        m_dispatcher.ReleaseCapture();
        for (const Input& input : row.inputs) {
            Offer(input);
        }
        const auto messages = m_host.Take();
        Numbers numbers;
        int commands = 0;
        for (const RecordedMessage& recorded : messages) {
            numbers.push_back(recorded.message);
            if (recorded.message == UiMsg::kCommand) {
                ++commands;
                EXPECT_EQ(recorded.wParam, 42u);
                EXPECT_FALSE(recorded.sent) << "the command is posted";
            }
        }
        EXPECT_EQ(numbers, row.numbers) << row.gesture;
        EXPECT_EQ(commands, row.commands) << row.gesture;
        EXPECT_FALSE(button.IsPressed()) << row.gesture;
    }
}

TEST_F(ButtonTest, ThePressOfKeyboardAndAssistiveToolsIsAClickInsideTheButton) {
    CCustomCtrlButton button(nullptr, 42);
    CreateButton(button, 10);
    m_dispatcher.Controls() = {&button};
    EXPECT_FALSE(m_dispatcher.Press(QPoint(11, 11))) << "the margin is not the button";
    m_host.Take();
    EXPECT_TRUE(m_dispatcher.Press(QPoint(20, 20)));
    int commands = 0;
    for (const RecordedMessage& recorded : m_host.Take()) {
        commands += recorded.message == UiMsg::kCommand ? 1 : 0;
    }
    EXPECT_EQ(commands, 1);
    EXPECT_FALSE(button.IsPressed());
}

TEST_F(ButtonTest, ADoubleClickHoldsThePressedFrameWhileRedrawingAndPostsOneCommand) {
    CCustomCtrlButton button(nullptr, 9);
    CreateButton(button, 10);
    button.SetPressedHoldMs(15);
    std::vector<std::pair<int, QRgb>> framesAtRedraw;
    std::vector<Clock::time_point> redrawTimes;
    auto capture = m_host.onEvent;
    m_host.onEvent = [&](const RecordedMessage& recorded) {
        capture(recorded);
        if (recorded.message == UiMsg::kRedrawNow) {
            framesAtRedraw.emplace_back(button.FrameIndex(), m_canvas.Image().pixel(20, 20));
            redrawTimes.push_back(Clock::now());
        }
    };
    EXPECT_TRUE(Send(button, DblClk(20, 20)));
    EXPECT_EQ(m_host.TakeNumbers(),
              (std::vector<uint32_t>{UiMsg::kCapture, UiMsg::kRedrawNow, UiMsg::kForeground,
                                     UiMsg::kRedrawNow, UiMsg::kReleaseCapture, UiMsg::kRedrawNow,
                                     UiMsg::kCommand}));
    ASSERT_EQ(framesAtRedraw.size(), 3u);
    EXPECT_EQ(framesAtRedraw[0], std::make_pair(2, FrameColour(2)));
    EXPECT_EQ(framesAtRedraw[1], std::make_pair(2, FrameColour(2)));
    EXPECT_EQ(framesAtRedraw[2], std::make_pair(0, FrameColour(0)));
    EXPECT_GE(redrawTimes[2] - redrawTimes[1], std::chrono::milliseconds(15));
    EXPECT_FALSE(Send(button, DblClk(11, 11))) << "outside the hit rectangle";

    // Qt's order for a double click (press, release, double click, release):
    // one command for the first click, one for the double click.
    button.SetPressedHoldMs(0);
    m_dispatcher.Controls() = {&button};
    for (const Input& input : {Down(20, 20), Up(20, 20), DblClk(20, 20), Up(20, 20)}) {
        Offer(input);
    }
    int commands = 0;
    for (uint32_t number : m_host.TakeNumbers()) {
        commands += number == UiMsg::kCommand ? 1 : 0;
    }
    EXPECT_EQ(commands, 2);
}

TEST_F(ButtonTest, ResetDropsHoverAndPressWithoutACommand) {
    struct Row {
        const char* state;
        std::vector<Input> before;
        std::vector<uint32_t> numbers;
    } rows[] = {
        {"hovered", {Move(20, 20)}, {UiMsg::kReleaseCapture}},
        {"pressed", {Down(20, 20)}, {UiMsg::kReleaseCapture}},
        {"idle", {}, {}},
    };
    for (const Row& row : rows) {
        CCustomCtrlButton button(nullptr, 5);
        CreateButton(button, 10);
        m_canvas.FillKey();
        for (const Input& input : row.before) {
            Send(button, input);
        }
        m_host.Take();
        EXPECT_FALSE(Send(button, Reset()));
        EXPECT_FALSE(Send(button, Up(20, 20)));
        EXPECT_EQ(m_host.TakeNumbers(), row.numbers) << row.state;
        EXPECT_FALSE(button.IsHover());
        EXPECT_FALSE(button.IsPressed());
        EXPECT_EQ(button.FrameIndex(), 0);
        if (!row.before.empty()) {
            EXPECT_EQ(m_canvas.Image().pixel(20, 20), FrameColour(0)) << row.state;
        }
    }
}

TEST_F(ButtonTest, ButtonsOfAHiddenPageOrNeverCreatedNeverAnswerThePointer) {
    CCustomCtrlButton page(nullptr, 1);
    CreateButton(page, 0);
    CCustomCtrlButton button(&page, 2);
    CreateButton(button, 10);
    CCustomCtrlButtonDevice device(&page, 11);
    device.CreateButtonDevice(&m_host, &m_canvas, 0, 0, -1, CHitRect{0, 0, 149, 49});
    page.SetVisible(false);
    m_host.Take();
    for (const Input& input : {Move(20, 20), Down(20, 20), DblClk(20, 20), Up(20, 20)}) {
        EXPECT_FALSE(Send(button, input));
    }
    EXPECT_TRUE(m_host.Take().empty());
    EXPECT_FALSE(button.IsHover());
    int id = 0;
    QString text;
    EXPECT_FALSE(device.GetTipInfo(20, 20, id, text));
    m_canvas.FillKey();
    button.Draw();
    EXPECT_EQ(m_canvas.Image().pixel(20, 20), 0u);

    CCustomCtrlButton never(nullptr, 3);
    EXPECT_FALSE(Send(never, Down(0, 0)));
    never.Draw();
    EXPECT_TRUE(m_host.Take().empty());
}

TEST_F(ButtonTest, TheCaptionIsCentredOverTheWholeButton) {
    CCustomCtrlButton button(nullptr, 1);
    button.SetCaption("OK");
    button.CreateButton(10, 30, 60, &m_host, &m_canvas, 0, 0, -1, CHitRect{0, 0, 60, 30});
    CDrawSurface expected;
    ASSERT_TRUE(expected.CreateSurface(60, 30));
    expected.DrawTextBox("OK", CDrawSurface::kAlignCenter, true, QRect(0, 0, 60, 30));
    EXPECT_EQ(button.Surface().Image(), expected.Image());
    EXPECT_FALSE(button.HasStrip());
}

// A strip of solid frames of the given colours.
QImage Frames(const std::vector<QRgb>& colours, int width, int height) {
    QImage strip(static_cast<int>(colours.size()) * width, height, QImage::Format_ARGB32);
    for (int x = 0; x < strip.width(); ++x) {
        for (int y = 0; y < height; ++y) {
            strip.setPixel(x, y, colours[static_cast<size_t>(x / width)]);
        }
    }
    return strip;
}

constexpr QRgb kIcon[] = {qRgb(100, 0, 0), qRgb(110, 0, 0)};
constexpr QRgb kAllIcon[] = {qRgb(0, 100, 0), qRgb(0, 110, 0), qRgb(0, 120, 0)};
constexpr QRgb kMark[] = {qRgb(1, 2, 3), qRgb(4, 5, 6)};
constexpr QRgb kMarkC[] = {qRgb(7, 8, 9), qRgb(10, 11, 12)};

class ButtonDeviceTest : public ButtonTest {
protected:
    void SetUp() override {
        ButtonTest::SetUp();
        CPictureStore::InsertForTest(9101, Strip(7, 149, 49));
        for (int icon = 192; icon <= 198; ++icon) {
            CPictureStore::InsertForTest(icon, Frames({kIcon[0], kIcon[1]}, 26, 14));
        }
        CPictureStore::InsertForTest(199, Frames({kAllIcon[0], kAllIcon[1], kAllIcon[2]}, 28, 18));
        CPictureStore::InsertForTest(240, Frames({kMark[0], kMark[1]}, 24, 24));
        CPictureStore::InsertForTest(426, Frames({kMarkC[0], kMarkC[1]}, 24, 24));
    }
    void CreateDevice(CCustomCtrlButtonDevice& device, int strip = 9101) {
        device.CreateButtonDevice(&m_host, &m_canvas, 0, 0, strip, CHitRect{0, 0, 149, 49});
    }
};

TEST_F(ButtonDeviceTest, AWideModelTextIsCutWithoutEllipsisWhileTheTipIsWhole) {
    CCustomCtrlButtonDevice device(nullptr, 12);
    device.SetCaption(QString::fromUtf8("  RAS-X2245DHG-W エアコン本体  "));
    device.SetSecondText(QString::fromUtf8("リビング1"));
    CreateDevice(device);
    const QString whole = QString::fromUtf8("RAS-X2245DHG-W エアコン本体");
    const QString shown = device.DisplayedCaption();
    ASSERT_GT(device.Surface().TextWidth(whole), 80);
    EXPECT_TRUE(whole.startsWith(shown));
    EXPECT_LT(shown.size(), whole.size());
    EXPECT_LT(device.Surface().TextWidth(shown), 81);
    EXPECT_GE(device.Surface().TextWidth(whole.left(shown.size() + 1)), 81)
        << "cut one character too many";
    EXPECT_FALSE(shown.contains(QChar(0x2026)) || shown.contains("..."));

    int id = 0;
    QString tip;
    ASSERT_TRUE(device.GetTipInfo(100, 40, id, tip));
    EXPECT_EQ(id, 12);
    EXPECT_EQ(tip, whole);
    EXPECT_FALSE(device.GetTipInfo(149, 40, id, tip));
    device.SetEnabled(false);
    EXPECT_FALSE(device.GetTipInfo(100, 40, id, tip));

    // The model line ends where the cut text ends, inside its box.
    device.SetEnabled(true);
    device.Render();
    int right = -1;
    for (int y = 22; y < 41; ++y) {
        for (int x = 36; x < 149; ++x) {
            if (device.Surface().Image().pixel(x, y) != FrameColour(0)) {
                right = std::max(right, x);
            }
        }
    }
    EXPECT_GT(right, 36 + 20);
    EXPECT_LT(right, 36 + 81);

    CCustomCtrlButtonDevice narrow(nullptr, 13);
    narrow.SetCaption(" RAS-1 ");
    CreateDevice(narrow);
    EXPECT_EQ(narrow.DisplayedCaption(), "RAS-1");
}

TEST_F(ButtonDeviceTest, IconAndConnectionMarkFramesFollowTheState) {
    EXPECT_EQ(CCustomCtrlButtonDevice::IconPictureFor(10), 199);
    EXPECT_EQ(CCustomCtrlButtonDevice::IconPictureFor(11), 192);
    EXPECT_EQ(CCustomCtrlButtonDevice::IconPictureFor(17), 198);
    EXPECT_EQ(CCustomCtrlButtonDevice::IconPictureFor(18), 199);
    struct Row {
        int id;
        bool selected, enabled, connected;
        int markPicture;
        QPoint iconAt;
        QRgb icon;
        QRgb mark;
    } rows[] = {
        {11, true, true, false, 240, {6, 17}, kIcon[0], FrameColour(4)},
        {11, false, true, true, 240, {6, 17}, kIcon[1], kMark[0]},
        {14, true, true, true, 240, {6, 17}, kIcon[0], kMark[1]},
        {14, true, true, true, 426, {6, 17}, kIcon[0], kMarkC[1]},
        {17, false, true, true, 426, {6, 17}, kIcon[1], kMarkC[0]},
        // Two icon frames only: the disabled frame draws nothing over the face.
        {11, false, false, true, 240, {6, 17}, FrameColour(3), kMark[0]},
        {10, true, true, false, 240, {5, 15}, kAllIcon[0], FrameColour(4)},
        {10, false, true, false, 240, {5, 15}, kAllIcon[1], FrameColour(0)},
        {10, false, false, false, 240, {5, 15}, kAllIcon[2], FrameColour(3)},
    };
    for (const Row& row : rows) {
        CCustomCtrlButtonDevice device(nullptr, row.id);
        CreateDevice(device);
        device.SetSelected(row.selected);
        device.SetEnabled(row.enabled);
        device.SetConnected(row.connected);
        device.SetMarkPictureId(row.markPicture);
        device.Render();
        const QImage& face = device.Surface().Image();
        EXPECT_EQ(face.pixel(row.iconAt), row.icon) << row.id << " " << row.selected;
        EXPECT_EQ(face.pixel(row.iconAt - QPoint(1, 1)), FrameColour(device.FrameIndex()));
        EXPECT_EQ(face.pixel(113, 10), row.mark) << row.id << " " << row.connected;
        EXPECT_EQ(face.pixel(136, 33), row.mark);
    }
}

TEST_F(ButtonDeviceTest, TextsGoToTheirBoxesInTheDeviceTextColour) {
    struct Row {
        int id;
        QRect secondBox;
    } rows[] = {{10, QRect(42, 10, 71, 31)}, {15, QRect(36, 8, 80, 16)}};
    for (const Row& row : rows) {
        CCustomCtrlButtonDevice device(nullptr, row.id);
        device.SetSecondText(QString::fromUtf8("寝室部屋2"));
        device.SetCaption(QString());
        CreateDevice(device, -1);
        const QImage& face = device.Surface().Image();
        QRect ink;
        bool textColour = false;
        for (int y = 0; y < 49; ++y) {
            for (int x = 36; x < 149; ++x) {
                if (face.pixel(x, y) != 0) {
                    ink |= QRect(x, y, 1, 1);
                    textColour = textColour || face.pixel(x, y) == qRgb(51, 51, 51);
                }
            }
        }
        ASSERT_FALSE(ink.isEmpty()) << row.id;
        EXPECT_TRUE(row.secondBox.contains(ink)) << row.id;
        EXPECT_TRUE(textColour) << row.id;
    }
}

} // namespace
