// The dialog base (redraw order, message table, input routing), the layered
// splash window and the connect-error dialog.
#include "DialogTestSupport.h"
#include "dialogs/CDialogBase.h"
#include "dialogs/CDialogConnectError.h"
#include "dialogs/CDialogSplashScreen.h"
#include "ui/controls/CCustomCtrlBase.h"
#include "ui/controls/UiMessages.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QTest>

#include <initializer_list>
#include <string>

namespace {

using Log = std::vector<std::string>;

// A control that writes down what it is asked to do.
class LoggingControl : public CCustomCtrlBase {
public:
    LoggingControl(Log& log, std::string name) : m_log(log), m_name(std::move(name)) {}

    void Update() override { m_log.push_back(m_name + " update"); }
    void Draw() override {
        m_log.push_back(m_name + " draw");
        CCustomCtrlBase::Draw();
    }
    bool OnMessage(uint32_t message, uintptr_t, intptr_t lParam, intptr_t&) override {
        char text[64];
        std::snprintf(text, sizeof(text), "%s 0x%04X (%d,%d)", m_name.c_str(),
                      static_cast<unsigned>(message), PointParamX(lParam), PointParamY(lParam));
        m_log.push_back(text);
        return m_takes;
    }
    bool m_takes = false;

private:
    Log& m_log;
    std::string m_name;
};

class LoggingDialog : public CDialogBase {
public:
    explicit LoggingDialog(Log& log) : CDialogBase(nullptr, nullptr), m_log(log) {
        setFixedSize(200, 100);
    }
    CDrawSurface* CanvasForControls() { return &EditCanvas(); }

protected:
    void DrawContent(CDrawSurface& canvas) override {
        // The background is already on the canvas; the controls are not.
        m_log.push_back(canvas.Width() == 200 ? "content" : "content on a wrong canvas");
    }

private:
    Log& m_log;
};

class DialogBaseTest : public ::testing::Test {
protected:
    void SetUp() override {
        // A picture id no resource has: the canvas takes the dialog's size.
        EXPECT_FALSE(m_dialog.LoadBackground(99999));
        m_first.Create(&m_dialog, m_dialog.CanvasForControls(), 0, 0, 50, 50, 10, false);
        m_second.Create(&m_dialog, m_dialog.CanvasForControls(), 60, 0, 50, 50, 10, false);
        m_dialog.AddControl(&m_first);
        m_dialog.AddControl(&m_second);
        m_log.clear();
    }

    Log Take() {
        Log taken;
        taken.swap(m_log);
        return taken;
    }

    Log m_log;
    LoggingDialog m_dialog{m_log};
    LoggingControl m_first{m_log, "first"};
    LoggingControl m_second{m_log, "second"};
};

TEST_F(DialogBaseTest, RedrawComposesContentThenEachControlInOrder) {
    EXPECT_EQ(m_dialog.Canvas().Width(), 200);
    EXPECT_EQ(m_dialog.Canvas().Height(), 100);
    EXPECT_TRUE(m_dialog.MayClose());
    m_dialog.Redraw();
    EXPECT_EQ(Take(),
              (Log{"content", "first update", "first draw", "second update", "second draw"}));
}

TEST_F(DialogBaseTest, MessageTable) {
    struct Case {
        const char* name;
        uint32_t message;
        uintptr_t wParam;
        int redraws;
        CCustomCtrlBase* capture; // afterwards
    };
    const std::vector<Case> cases = {
        {"capture", UiMsg::kCapture, reinterpret_cast<uintptr_t>(&m_second), 1, &m_second},
        {"redraw now", UiMsg::kRedrawNow, 0, 1, &m_second},
        {"full redraw is not the dialog's", UiMsg::kFullRedraw, 0, 0, &m_second},
        {"release", UiMsg::kReleaseCapture, 0, 1, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const int before = m_dialog.RedrawCount();
        UiSend(&m_dialog, c.message, c.wParam);
        EXPECT_EQ(m_dialog.RedrawCount() - before, c.redraws);
        EXPECT_EQ(m_dialog.CaptureControl(), c.capture);
    }
}

TEST_F(DialogBaseTest, MouseGoesToTheCaptureControlFirstThenToEachControl) {
    struct Case {
        const char* name;
        bool captureTakes;
        Log expected;
    };
    const std::vector<Case> cases = {
        // A move reaches every control once, whether the capture takes it
        // or not, so a hover held elsewhere clears.
        {"capture takes it", true, {"second 0x0200 (7,9)", "first 0x0200 (7,9)"}},
        {"capture refuses it", false, {"second 0x0200 (7,9)", "first 0x0200 (7,9)"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        UiSend(&m_dialog, UiMsg::kCapture, reinterpret_cast<uintptr_t>(&m_second));
        m_second.m_takes = c.captureTakes;
        Take();
        QMouseEvent move(QEvent::MouseMove, QPointF(7, 9), QPointF(7, 9), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&m_dialog, &move);
        EXPECT_EQ(Take(), c.expected);
    }
    UiSend(&m_dialog, UiMsg::kReleaseCapture);
    m_second.m_takes = false;
    Take();
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(61, 2), QPointF(61, 2), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&m_dialog, &press);
    EXPECT_EQ(Take(), (Log{"first 0x0201 (61,2)", "second 0x0201 (61,2)"}));
}

TEST_F(DialogBaseTest, DeactivationResetsTheControlsAfterwards) {
    QEvent deactivate(QEvent::WindowDeactivate);
    QCoreApplication::sendEvent(&m_dialog, &deactivate);
    // Posted, not sent: nothing yet.
    EXPECT_TRUE(Take().empty());
    QCoreApplication::processEvents();
    EXPECT_EQ(Take(), (Log{"first 0x8009 (0,0)", "second 0x8009 (0,0)"}));
}

// Fixed-size modal dialogs: a title and a close box, nothing to minimise or
// maximise (a minimised modal dialog would hide the program behind it).
TEST_F(DialogBaseTest, DialogsOfferOnlyTheCloseBox) {
    CDialogConnectError connectError(362, nullptr);
    for (const QDialog* dialog : std::initializer_list<const QDialog*>{&m_dialog, &connectError}) {
        const Qt::WindowFlags flags = dialog->windowFlags();
        // Without the customise hint Qt lets the window manager add its own
        // minimise and maximise buttons.
        EXPECT_TRUE(flags.testFlag(Qt::CustomizeWindowHint));
        EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
        EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
        EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
        EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    }
}

TEST(SplashScreenTest, LayeredWindowWithTheReleaseLabelInItsBox) {
    CDialogSplashScreen splash(nullptr, nullptr, ShortTimings(1));
    EXPECT_TRUE(splash.IsLayered());
    EXPECT_TRUE(splash.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(splash.testAttribute(Qt::WA_TranslucentBackground));
    EXPECT_STREQ(CDialogSplashScreen::ReleaseText(), "リリース 2013.02.19");
    EXPECT_EQ(CDialogSplashScreen::ReleaseTextRect(), QRect(260, 148, 300, 20));

    QImage canvas;
    QImage background;
    Poller poller([&](qint64) {
        if (canvas.isNull() && splash.isVisible()) {
            canvas = splash.Canvas().Image().convertToFormat(QImage::Format_ARGB32);
            background = splash.Background().Image();
        }
    });
    poller.Start();
    EXPECT_EQ(splash.exec(), QDialog::Accepted);
    EXPECT_EQ(splash.Result(), 2);
    ASSERT_FALSE(canvas.isNull());
    EXPECT_EQ(canvas.size(), QSize(620, 350));
    if (!background.isNull()) {
        background = background.convertToFormat(QImage::Format_ARGB32);
    }
    const QRect box = CDialogSplashScreen::ReleaseTextRect();
    int changedInside = 0;
    int changedOutside = 0;
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            const QRgb under = background.isNull() ? 0u : background.pixel(x, y);
            if (canvas.pixel(x, y) != under) {
                ++(box.contains(x, y) ? changedInside : changedOutside);
            }
        }
    }
    EXPECT_GT(changedInside, 20);
    EXPECT_EQ(changedOutside, 0);
}

TEST(ConnectErrorDialogTest, ClosesWithEnterEscapeOrTheCloseBox) {
    struct Case {
        const char* name;
        std::function<void(CDialogConnectError&)> close;
        int code;
    };
    const std::vector<Case> cases = {
        {"Return", [](CDialogConnectError& d) { QTest::keyClick(&d, Qt::Key_Return); },
         QDialog::Accepted},
        {"Enter",
         [](CDialogConnectError& d) { QTest::keyClick(&d, Qt::Key_Enter, Qt::KeypadModifier); },
         QDialog::Accepted},
        {"Escape", [](CDialogConnectError& d) { QTest::keyClick(&d, Qt::Key_Escape); },
         QDialog::Rejected},
        {"close box", [](CDialogConnectError& d) { EXPECT_TRUE(d.close()); }, QDialog::Rejected},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CDialogConnectError dialog(kConnectErrorPictureLimit, nullptr);
        EXPECT_EQ(dialog.PictureId(), kConnectErrorPictureLimit);
        EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("データ取得エラー"));
        EXPECT_EQ(dialog.size(), QSize(404, 190));
        dialog.setResult(-1);
        dialog.show();
        ASSERT_TRUE(dialog.isVisible());
        EXPECT_EQ(dialog.Canvas().Width(), 404);
        c.close(dialog);
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(dialog.result(), c.code);
    }
}

} // namespace
