#include "RecordingHost.h"
#include "data/FixedClock.h"

#include "data/CDataManager.h"
#include "ui/controls/CControlDispatcher.h"
#include "ui/controls/CCustomCtrlBase.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QWidget>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A control that records what it is offered and takes what it is told to.
class ProbeControl : public CCustomCtrlBase {
public:
    ProbeControl(std::string name, std::vector<std::string>& log, CCustomCtrlBase* parent = nullptr,
                 bool usesDataManager = true)
        : CCustomCtrlBase(parent, -1, usesDataManager), m_name(std::move(name)), m_log(log) {}

    bool OnMessage(uint32_t message, uintptr_t, intptr_t, intptr_t&) override {
        m_log.push_back(m_name + ":" + std::to_string(message));
        return message == takes;
    }
    void Render() override {
        ++renders;
        m_surface.Fill(QColor(0, 0, 200));
    }
    bool GetTipInfo(int x, int y, int& id, QString& text) override {
        if (!HitTest(x, y)) {
            return CCustomCtrlBase::GetTipInfo(x, y, id, text);
        }
        id = Id();
        text = QString::fromStdString(m_name);
        return true;
    }
    using CCustomCtrlBase::PostToHost;
    using CCustomCtrlBase::SendToHost;

    uint32_t takes = 0;
    int renders = 0;

private:
    std::string m_name;
    std::vector<std::string>& m_log;
};

class ControlBaseTest : public ::testing::Test {
protected:
    std::vector<std::string> m_log;
    RecordingHost m_host;
    CDrawSurface m_canvas;
    void SetUp() override { ASSERT_TRUE(m_canvas.CreateSurface(100, 80)); }
};

TEST_F(ControlBaseTest, ShownOnlyWhenEveryAncestorIsVisibleAndHitOnlyWhenShownAndEnabled) {
    struct Row {
        bool grand, parent, own, enabled;
        bool shown;
    } rows[] = {
        {true, true, true, true, true},   {true, true, false, true, false},
        {true, false, true, true, false}, {false, true, true, true, false},
        {true, true, true, false, true},
    };
    for (const Row& row : rows) {
        ProbeControl grand("g", m_log), parent("p", m_log, &grand), own("o", m_log, &parent);
        own.Create(&m_host, &m_canvas, 10, 20, 30, 15, 0, false);
        grand.SetVisible(row.grand);
        parent.SetVisible(row.parent);
        own.SetVisible(row.own);
        own.SetEnabled(row.enabled);
        EXPECT_EQ(own.IsShown(), row.shown);
        const bool hits = row.shown && row.enabled;
        EXPECT_EQ(own.HitTest(10, 20), hits);
        EXPECT_EQ(own.HitTest(39, 34), hits);
        EXPECT_FALSE(own.HitTest(40, 34)) << "right edge is outside";
        EXPECT_FALSE(own.HitTest(39, 35)) << "bottom edge is outside";
        EXPECT_FALSE(own.HitTest(9, 20));
        EXPECT_EQ(own.HitTestOffsets(12, 22, 2, 2, 4, 4), hits);
        EXPECT_FALSE(own.HitTestOffsets(14, 22, 2, 2, 4, 4));

        m_canvas.FillKey();
        own.Draw();
        EXPECT_EQ(m_canvas.Image().pixel(15, 25), row.shown ? qRgb(0, 0, 200) : 0u);
        EXPECT_EQ(m_canvas.Image().pixel(45, 25), 0u);
    }
    ProbeControl never("n", m_log);
    EXPECT_FALSE(never.HitTest(0, 0)) << "a control never created has no area";
    never.Draw();
}

TEST_F(ControlBaseTest, CreateRendersAndTakesTheDataManagerOnlyWhenAllowed) {
    FixedClock clock(2013, 4, 15);
    CDataManager manager(clock);
    RecordingHost host(&manager);
    ProbeControl uses("u", m_log), ignores("i", m_log, nullptr, false);
    uses.Create(&host, &m_canvas, 1, 2, 3, 4, 12, true);
    ignores.Create(&host, &m_canvas, 1, 2, 3, 4, 0, false);
    EXPECT_EQ(uses.DataManager(), &manager);
    EXPECT_EQ(ignores.DataManager(), nullptr);
    EXPECT_EQ(uses.renders, 1);
    EXPECT_EQ(uses.Host(), &host);
    EXPECT_EQ(uses.Canvas(), &m_canvas);
    EXPECT_EQ(uses.Surface().CreatedPointSize(), 12);
    EXPECT_TRUE(uses.Surface().IsBold());
    EXPECT_EQ(uses.Width(), 3);
    EXPECT_EQ(uses.Height(), 4);
}

TEST_F(ControlBaseTest, ChildrenAnswerTipsInOrderAndMessagesReachTheHostSentOrPosted) {
    ProbeControl page("page", m_log), first("first", m_log, &page), second("second", m_log, &page);
    page.AddChild(&first);
    page.AddChild(&second);
    first.Create(&m_host, &m_canvas, 0, 0, 10, 10, 0, false);
    second.Create(&m_host, &m_canvas, 5, 0, 10, 10, 0, false);
    first.SetId(3);
    second.SetId(4);
    int id = 0;
    QString text;
    ASSERT_TRUE(page.CCustomCtrlBase::GetTipInfo(7, 5, id, text));
    EXPECT_EQ(id, 3) << "the first child that answers wins";
    ASSERT_TRUE(page.CCustomCtrlBase::GetTipInfo(12, 5, id, text));
    EXPECT_EQ(text, "second");
    EXPECT_FALSE(page.CCustomCtrlBase::GetTipInfo(40, 40, id, text));

    EXPECT_TRUE(first.SendToHost(0x800C, 1, 2));
    first.PostToHost(0x8004, 3, 4);
    ASSERT_EQ(m_host.messages.size(), 1u) << "posted before the queue runs";
    const auto messages = m_host.Take();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].message, 0x800Cu);
    EXPECT_TRUE(messages[0].sent);
    EXPECT_EQ(messages[1].message, 0x8004u);
    EXPECT_FALSE(messages[1].sent);
    EXPECT_EQ(messages[1].wParam, 3u);
    EXPECT_EQ(messages[1].lParam, 4);

    ProbeControl orphan("orphan", m_log);
    EXPECT_FALSE(orphan.SendToHost(0x800C));
    orphan.PostToHost(0x8004);
}

class ControlDispatcherTest : public ControlBaseTest {};

TEST_F(ControlDispatcherTest, TheCaptureControlIsOfferedFirstThenEveryControlInOrder) {
    ProbeControl a("a", m_log), b("b", m_log), c("c", m_log);
    CControlDispatcher dispatcher(nullptr);
    dispatcher.AddControl(&a);
    dispatcher.AddControl(&b);
    dispatcher.AddControl(&c);
    struct Row {
        ProbeControl* capture;
        ProbeControl* taker;
        uint32_t message;
        bool taken;
        std::vector<std::string> log;
    } rows[] = {
        // A move reaches every control, once, even after one took it.
        {&c, &c, 0x200, true, {"c:512", "a:512", "b:512"}},
        {nullptr, &a, 0x200, true, {"a:512", "b:512", "c:512"}},
        {&c, &b, 0x201, true, {"c:513", "a:513", "b:513"}},
        {nullptr, &b, 0x8009, true, {"a:32777", "b:32777"}},
        {&b, nullptr, 0x202, false, {"b:514", "a:514", "b:514", "c:514"}},
    };
    for (Row& row : rows) {
        m_log.clear();
        a.takes = b.takes = c.takes = 0;
        if (row.taker != nullptr) {
            row.taker->takes = row.message;
        }
        dispatcher.SetCapture(row.capture);
        EXPECT_EQ(dispatcher.CaptureControl(), row.capture);
        EXPECT_EQ(dispatcher.Offer(row.message, 0, 0), row.taken);
        EXPECT_EQ(m_log, row.log);
    }
    dispatcher.ReleaseCapture();
    EXPECT_EQ(dispatcher.CaptureControl(), nullptr);
}

TEST_F(ControlDispatcherTest, QtMouseEventsBecomeTheControlsMessages) {
    const QPointF at(37, 21);
    struct Row {
        QEvent::Type type;
        Qt::MouseButton button;
        Qt::MouseButtons buttons;
        Qt::KeyboardModifiers modifiers;
        bool known;
        uint32_t message;
        uintptr_t flags;
    } rows[] = {
        {QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, {}, true, 0x201, 0x01},
        {QEvent::MouseButtonRelease, Qt::LeftButton, {}, {}, true, 0x202, 0x00},
        {QEvent::MouseButtonDblClick, Qt::LeftButton, Qt::LeftButton, {}, true, 0x203, 0x01},
        {QEvent::MouseButtonPress, Qt::RightButton, Qt::RightButton, {}, true, 0x204, 0x02},
        {QEvent::MouseButtonRelease, Qt::RightButton, Qt::LeftButton, {}, true, 0x205, 0x01},
        {QEvent::MouseButtonDblClick, Qt::RightButton, Qt::RightButton, {}, true, 0x206, 0x02},
        {QEvent::MouseButtonPress, Qt::MiddleButton, Qt::MiddleButton, {}, true, 0x207, 0x10},
        {QEvent::MouseButtonRelease, Qt::MiddleButton, {}, Qt::ShiftModifier, true, 0x208, 0x04},
        {QEvent::MouseButtonDblClick, Qt::MiddleButton, Qt::MiddleButton, {}, true, 0x209, 0x10},
        {QEvent::MouseMove, Qt::NoButton, Qt::LeftButton | Qt::RightButton, Qt::ControlModifier,
         true, 0x200, 0x0B},
        {QEvent::MouseButtonPress, Qt::BackButton, Qt::BackButton, {}, false, 0, 0},
    };
    for (const Row& row : rows) {
        const QMouseEvent event(row.type, at, at, row.button, row.buttons, row.modifiers);
        uint32_t message = 0;
        uintptr_t flags = 0;
        intptr_t point = 0;
        ASSERT_EQ(CControlDispatcher::TranslateMouseEvent(&event, message, flags, point), row.known)
            << row.message;
        if (row.known) {
            EXPECT_EQ(message, row.message);
            EXPECT_EQ(flags, row.flags) << row.message;
            EXPECT_EQ(PointParamX(point), 37);
            EXPECT_EQ(PointParamY(point), 21);
        }
    }
    ProbeControl a("a", m_log);
    CControlDispatcher dispatcher(nullptr);
    dispatcher.AddControl(&a);
    const QMouseEvent press(QEvent::MouseButtonPress, at, at, Qt::LeftButton, Qt::LeftButton, {});
    a.takes = 0x201;
    EXPECT_TRUE(dispatcher.OfferMouseEvent(&press));
    const QMouseEvent enter(QEvent::Enter, at, at, Qt::NoButton, {}, {});
    EXPECT_FALSE(dispatcher.OfferMouseEvent(&enter));
    dispatcher.OfferLeave();
    ASSERT_EQ(m_log.size(), 2u);
    EXPECT_EQ(m_log[1], "a:512");
}

TEST_F(ControlDispatcherTest, TheTooltipFollowsTheControlUnderThePointer) {
    ProbeControl a("alpha", m_log), b("beta", m_log);
    a.Create(&m_host, &m_canvas, 0, 0, 20, 20, 0, false);
    b.Create(&m_host, &m_canvas, 30, 0, 20, 20, 0, false);
    a.SetId(5);
    b.SetId(6);
    QWidget widget;
    CControlDispatcher dispatcher(&widget);
    dispatcher.AddControl(&a);
    dispatcher.AddControl(&b);
    struct Row {
        QPoint at;
        int id;
        const char* text;
    } rows[] = {{{5, 5}, 5, "alpha"},
                {{6, 6}, 5, "alpha"},
                {{35, 5}, 6, "beta"},
                {{25, 5}, -1, ""},
                {{31, 19}, 6, "beta"}};
    for (const Row& row : rows) {
        dispatcher.UpdateTooltip(row.at);
        EXPECT_EQ(dispatcher.TooltipToolId(), row.id);
        EXPECT_EQ(dispatcher.TooltipText(), QString(row.text));
    }
    b.SetVisible(false);
    const QMouseEvent move(QEvent::MouseMove, QPointF(31, 19), QPointF(31, 19), Qt::NoButton, {},
                           {});
    dispatcher.OfferMouseEvent(&move);
    EXPECT_EQ(dispatcher.TooltipToolId(), -1) << "a hidden control has no tip";
}

TEST_F(ControlDispatcherTest, CaptureGrabsTheWidgetsMouseOnlyWhileItIsShown) {
    ProbeControl a("a", m_log);
    QWidget widget;
    widget.resize(50, 50);
    CControlDispatcher dispatcher(&widget);
    dispatcher.SetCapture(&a);
    EXPECT_EQ(dispatcher.CaptureControl(), &a);
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr) << "a hidden widget cannot grab";
    dispatcher.ReleaseCapture();
    widget.show();
    dispatcher.SetCapture(&a);
    const bool grabs = QGuiApplication::platformName() != "offscreen";
    EXPECT_EQ(QWidget::mouseGrabber(), grabs ? &widget : nullptr);
    dispatcher.ReleaseCapture();
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    EXPECT_EQ(dispatcher.CaptureControl(), nullptr);
}

} // namespace
