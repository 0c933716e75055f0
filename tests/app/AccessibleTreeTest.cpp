// What assistive technology reads of the main window and a dialog: on every
// page the drawn controls by role and name, the calendar days and graph
// columns with their bills, the bill box's values, press actions that run the
// same commands as a click, the changes it is told about, and questions that
// no longer fit the window (an index out of range, a node that went away).
#include "AppTestSupport.h"
#include "MainWindowFakes.h"
#include "app/CMainWindowDialogs.h"
#include "data/CDataManager.h"
#include "data/FixedClock.h"
#include "dialogs/CDialogConnectError.h"
#include "dialogs/CDialogDay.h"
#include "dialogs/CDialogPopup.h"
#include "dialogs/CListBoxPopup.h"
#include "support/TestUnits.h"
#include "ui/CMainWindowCommands.h"
#include "ui/CWndCustom.h"
#include "ui/access/Accessibility.h"
#include "ui/access/CAccessibleHost.h"
#include "ui/controls/UiMessages.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QKeyEvent>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

namespace {

struct Entry {
    QAccessible::Role role;
    QString name;
};

// What the window told assistive technology: event, role and name.
std::vector<std::tuple<QAccessible::Event, QAccessible::Role, QString>> g_told;

void RecordEvent(QAccessibleEvent* event) {
    QAccessibleInterface* iface = event->accessibleInterface();
    if (iface != nullptr) {
        g_told.emplace_back(event->type(), iface->role(), iface->text(QAccessible::Name));
    }
}

class AccessibleTreeTest : public ::testing::Test {
protected:
    void SetUp() override {
        Accessibility::Install();
        CAccessibleHost::SetEventSink(RecordEvent);
        m_manager = std::make_unique<CDataManager>(m_clock, TestPortOptions(m_dir));
        ASSERT_EQ(m_manager->Initialize(m_dir.File("tvraircon.sdf")), 0);
        ASSERT_TRUE(RegisterLivingRoomUnit(*m_manager, kMac, "RAS-1"));
        // February 100 yen a day; March 100 + day yen on the 1st..13th but
        // the 5th, 4 h 56 min each.
        for (int month = 2; month <= 3; ++month) {
            for (int day = 1; day <= (month == 2 ? 28 : 13); ++day) {
                if (month == 3 && day == 5) {
                    continue;
                }
                CDbRunStateData run;
                run.macAddress = kMac;
                run.date = QStringLiteral("2015%1%2")
                               .arg(month, 2, 10, QLatin1Char('0'))
                               .arg(day, 2, 10, QLatin1Char('0'))
                               .toStdString();
                run.useTime = 296;
                run.electricityBill = month == 2 ? 100 : 100 + day;
                run.indoorTemperature = 22;
                run.outdoorTemperature = 10;
                ASSERT_EQ(m_manager->SetRunStateInfo(run), 0);
            }
        }
        CDbEleBillTgtData target;
        target.macAddress = kMac;
        target.month = "201503";
        target.target = 3000;
        ASSERT_EQ(m_manager->SetTargetEleBillInfo(target), 0);
        m_frame = std::make_unique<FrameStub>();
        m_window = OpenTestWindow(m_manager.get(), m_dialogs, m_frame.get(), ShortTimings());
        // The one unit, so the settings check can be chosen.
        UiSend(m_window.get(), UiMsg::kCommand,
               static_cast<uintptr_t>(CMainWindowCommands::kCommandAllUnits + 1));
        QCoreApplication::processEvents();
    }

    void TearDown() override {
        m_window.reset();
        m_frame.reset();
        CAccessibleHost::SetEventSink({});
        g_told.clear();
    }

    QAccessibleInterface* Root() const {
        return QAccessible::queryAccessibleInterface(m_window.get());
    }

    // Every node below `root`, checking on the way that each child names its
    // parent and its index, lies inside the window, and that a pressable
    // control has a name and offers its press.
    static std::vector<QAccessibleInterface*> Walk(QAccessibleInterface* root, const QRect& area) {
        std::vector<QAccessibleInterface*> nodes;
        std::function<void(QAccessibleInterface*)> visit = [&](QAccessibleInterface* node) {
            EXPECT_EQ(node->child(-1), nullptr);
            EXPECT_EQ(node->child(node->childCount()), nullptr);
            for (int i = 0; i < node->childCount(); ++i) {
                QAccessibleInterface* child = node->child(i);
                if (child == nullptr || child->object() != nullptr) {
                    continue; // real widgets answer for themselves
                }
                const QString name = child->text(QAccessible::Name);
                EXPECT_EQ(child->parent(), node) << name.toStdString();
                EXPECT_EQ(node->indexOfChild(child), i) << name.toStdString();
                EXPECT_TRUE(area.contains(child->rect())) << name.toStdString();
                if (const auto* actions = child->actionInterface()) {
                    const bool pressable = !actions->actionNames().isEmpty();
                    EXPECT_TRUE(!pressable || !name.isEmpty()) << child->role();
                    EXPECT_EQ(pressable && child->state().disabled, false) << name.toStdString();
                }
                nodes.push_back(child);
                visit(child);
            }
        };
        visit(root);
        return nodes;
    }

    std::vector<QAccessibleInterface*> Nodes() const {
        return Walk(Root(), QRect(m_window->mapToGlobal(QPoint(0, 0)), m_window->size()));
    }

    QAccessibleInterface* Find(QAccessible::Role role, const QString& name) const {
        for (QAccessibleInterface* node : Nodes()) {
            if (node->role() == role && node->text(QAccessible::Name) == name) {
                return node;
            }
        }
        return nullptr;
    }

    void Press(QAccessible::Role role, const QString& name) {
        QAccessibleInterface* node = Find(role, name);
        ASSERT_NE(node, nullptr) << name.toStdString();
        ASSERT_NE(node->actionInterface(), nullptr);
        const QStringList actions = node->actionInterface()->actionNames();
        ASSERT_EQ(actions.size(), 1) << name.toStdString();
        node->actionInterface()->doAction(QStringLiteral("bogus"));
        node->actionInterface()->doAction(actions.first());
        QCoreApplication::processEvents();
    }

    static bool Told(QAccessible::Event type, QAccessible::Role role, const QString& name) {
        for (const auto& [told, toldRole, what] : g_told) {
            if (told == type && toldRole == role && what == name) {
                return true;
            }
        }
        return false;
    }

    static constexpr const char* kMac = "0011223344556601";
    TempDir m_dir;
    FixedClock m_clock{2015, 3, 14};
    FakeDialogs m_dialogs;
    MessageRecorder m_messages;
    std::unique_ptr<CDataManager> m_manager;
    std::unique_ptr<FrameStub> m_frame;
    std::unique_ptr<CWndCustom> m_window;
};

using R = QAccessible;

TEST_F(AccessibleTreeTest, EveryPageListsItsControlsByRoleAndName) {
    std::string model;
    std::string room;
    bool connected = false;
    m_manager->GetRemoConNames(0, model, room, connected);
    const QString unit = QString::fromStdString(room + " " + model);
    const std::vector<Entry> common = {
        {R::PageTab, "エアコン選択"},
        {R::PageTab, "ファイル管理"},
        {R::StaticText, CWndCustom::MakeDateText(2015, 3, 14)},
    };
    const std::vector<Entry> mainTabs = {
        {R::PageTab, "カレンダー"},
        {R::PageTab, "グラフ"},
        {R::PageTab, "エアコン設定確認"},
        {R::PushButton, "全てのエアコン"},
        {R::PushButton, unit},
        {R::PushButton, "リモコン接続"},
        {R::PushButton, "印刷"},
        {R::PushButton, "ワンポイントアドバイス"},
    };
    // The month-end forecast reads as the page writes it, with its warning:
    // 1,286 yen in 12 days heads over the 3,000 yen target.
    const QString forecast = "今月の見込み 約3,205円 目標を超えそう（3月30日ごろ）";
    const std::vector<Entry> month = {
        {R::PushButton, "今月"},
        {R::PushButton, "前の月"},
        {R::PushButton, "次の月"},
        {R::ComboBox, "2015年"},
        {R::ComboBox, "3月"},
        {R::StaticText, "月の電気代 1,286円"},
        {R::StaticText, "前の月 2,800円"},
        {R::StaticText, "目標レベル3 目標の6割未満"},
        {R::ComboBox, "月目標電気代 3,000円"},
        {R::StaticText, forecast},
    };
    struct Page {
        const char* header;
        std::vector<std::vector<Entry>> present;
        std::vector<Entry> absent;
    };
    const std::vector<Page> pages = {
        {"カレンダー",
         {common,
          mainTabs,
          month,
          {{R::Table, "カレンダー 2015年3月"},
           {R::Cell, "3月1日（日） 101円 4時間56分"},
           {R::Cell, "3月13日（金） 113円 4時間56分"},
           {R::Cell, "3月5日（木） データなし"},
           {R::Cell, "3月20日（金）"}}},
         {{R::List, "グラフ 2015年3月"}}},
        {"グラフ",
         {common,
          mainTabs,
          month,
          {{R::List, "グラフ 2015年3月"},
           {R::ListItem, "3月1日 101円"},
           {R::ListItem, "3月5日 データなし"},
           {R::PushButton, "拡大"},
           {R::PushButton, "縮小"}}},
         {{R::Table, "カレンダー 2015年3月"}}},
        {"エアコン設定確認",
         {common,
          mainTabs,
          {{R::PushButton, "次へ"}, {R::PushButton, "前へ"}, {R::StaticText, "1/5ページ"}}},
         {{R::PushButton, "今月"},
          {R::StaticText, "月の電気代 1,286円"},
          {R::StaticText, forecast},
          {R::StaticText, "ページ"}}},
        {"ファイル管理",
         {common,
          {{R::PushButton, "読み込み"},
           {R::PushButton, "データ複製"},
           {R::PushButton, "機種削除"},
           {R::PushButton, "CSV書き出し"},
           {R::PushButton, "ヘルプ"},
           {R::PushButton, "バージョン情報"}}},
         {{R::PageTab, "カレンダー"}, {R::PushButton, unit}}},
    };
    for (const Page& page : pages) {
        SCOPED_TRACE(page.header);
        ASSERT_NO_FATAL_FAILURE(Press(R::PageTab, page.header));
        EXPECT_TRUE(Find(R::PageTab, page.header)->state().selected);
        for (const auto& group : page.present) {
            for (const Entry& entry : group) {
                EXPECT_NE(Find(entry.role, entry.name), nullptr) << entry.name.toStdString();
            }
        }
        for (const Entry& entry : page.absent) {
            EXPECT_EQ(Find(entry.role, entry.name), nullptr) << entry.name.toStdString();
        }
    }
    // Each bill-box value lies where the box writes it.
    ASSERT_NO_FATAL_FAILURE(Press(R::PageTab, "エアコン選択"));
    ASSERT_NO_FATAL_FAILURE(Press(R::PageTab, "カレンダー"));
    const QRect total = Find(R::StaticText, "月の電気代 1,286円")->rect();
    const QRect previous = Find(R::StaticText, "前の月 2,800円")->rect();
    EXPECT_FALSE(total.intersects(previous)) << total.y() << " " << previous.y();
    EXPECT_TRUE(Find(R::Grouping, "2015年3月")->rect().contains(total.united(previous)));
    // The calendar is a table of weeks from Sunday.
    QAccessibleTableInterface* table = Find(R::Table, "カレンダー 2015年3月")->tableInterface();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->columnCount(), 7);
    EXPECT_EQ(table->columnDescription(4), "木");
    EXPECT_EQ(table->cellAt(0, 0)->text(R::Name), "3月1日（日） 101円 4時間56分");
    EXPECT_EQ(table->cellAt(0, 0)->tableCellInterface()->columnIndex(), 0);
    EXPECT_EQ(table->cellAt(table->rowCount(), 0), nullptr);
    EXPECT_EQ(table->cellAt(0, -1), nullptr);
}

TEST_F(AccessibleTreeTest, PressActionsRunTheCommandsOfAClickAndChangesAreTold) {
    struct Step {
        QAccessible::Role role;
        const char* name;
        std::function<bool()> done;
        Entry told;
    };
    const std::vector<Step> steps = {
        {R::PushButton,
         "前の月",
         [&] { return m_manager->GetViewMonth() == 2; },
         {R::Table, "カレンダー 2015年2月"}},
        {R::PushButton,
         "今月",
         [&] { return m_manager->GetViewMonth() == 3; },
         {R::Table, "カレンダー 2015年3月"}},
        {R::ComboBox,
         "2015年",
         [&] { return m_dialogs.popupOpens == 1 && m_dialogs.popupKind == 0; },
         {}},
        {R::PageTab,
         "グラフ",
         [&] { return m_manager->GetCurrentPage() == CDataManager::kPageGraph; },
         {R::List, "グラフ 2015年3月"}},
        {R::PushButton,
         "縮小",
         [&, scale = m_manager->GetGraphScale()] { return m_manager->GetGraphScale() != scale; },
         {}},
        {R::PushButton, "印刷", [&] { return m_dialogs.prints == 1; }, {}},
        {R::PageTab,
         "ファイル管理",
         [&] { return m_manager->GetLeftPage() == CDataManager::kPageMenu; },
         {}},
        {R::PushButton, "バージョン情報", [&] { return m_window->IsAboutShown(); }, {}},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        g_told.clear();
        ASSERT_NO_FATAL_FAILURE(Press(step.role, step.name));
        EXPECT_TRUE(step.done());
        if (!step.told.name.isEmpty()) {
            EXPECT_TRUE(Told(R::NameChanged, step.told.role, step.told.name) ||
                        Told(R::ObjectCreated, step.told.role, step.told.name));
        }
    }
    // The about picture came with the last press, named by its words.
    bool aboutTold = false;
    for (const auto& [told, role, name] : g_told) {
        aboutTold |=
            told == R::ObjectCreated && role == R::Graphic && name.contains("バージョン情報");
    }
    EXPECT_TRUE(aboutTold);
}

TEST_F(AccessibleTreeTest, TheReaderFollowsTheKeyboardFocus) {
    const auto key = [&](int code) {
        QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier);
        QCoreApplication::sendEvent(m_window.get(), &press);
        QKeyEvent release(QEvent::KeyRelease, code, Qt::NoModifier);
        QCoreApplication::sendEvent(m_window.get(), &release);
    };
    const auto focusedName = [&] {
        QAccessibleInterface* focus = Root()->focusChild();
        return focus != nullptr && focus->state().focused ? focus->text(QAccessible::Name)
                                                          : QString();
    };
    // Tab until the calendar: it is entered at today, which has no record yet.
    g_told.clear();
    for (int i = 0; i < 40 && !focusedName().startsWith("3月14日"); ++i) {
        key(Qt::Key_Tab);
    }
    EXPECT_EQ(focusedName(), "3月14日（土）");
    EXPECT_TRUE(Told(R::Focus, R::Cell, "3月14日（土）"));
    key(Qt::Key_Up);
    EXPECT_EQ(focusedName(), "3月7日（土） 107円 4時間56分");
    EXPECT_TRUE(Told(R::Focus, R::Cell, "3月7日（土） 107円 4時間56分"));
    key(Qt::Key_Tab);
    EXPECT_FALSE(focusedName().startsWith("3月")) << "out of the calendar";
}

TEST_F(AccessibleTreeTest, NodesThatWentAwayAnswerNothingAndAreDeleted) {
    QAccessibleInterface* day = Find(R::Cell, "3月1日（日） 101円 4時間56分");
    ASSERT_NE(day, nullptr);
    const QAccessible::Id dayId = QAccessible::uniqueId(day);
    EXPECT_EQ(QAccessible::accessibleInterface(dayId), day);
    EXPECT_EQ(Root()->childAt(day->rect().center().x(), day->rect().center().y()),
              Find(R::PageTab, "カレンダー")->parent());
    // Another page: the day's node goes with its page.
    ASSERT_NO_FATAL_FAILURE(Press(R::PageTab, "ファイル管理"));
    EXPECT_EQ(QAccessible::accessibleInterface(dayId), nullptr);
    EXPECT_TRUE(Told(R::ObjectDestroyed, R::NoRole, ""));
    // A disabled control (「今月」 in this month) offers no action and a
    // press of it does nothing.
    ASSERT_NO_FATAL_FAILURE(Press(R::PageTab, "エアコン選択"));
    QAccessibleInterface* next = Find(R::PushButton, "今月");
    ASSERT_NE(next, nullptr);
    EXPECT_TRUE(next->state().disabled);
    EXPECT_TRUE(next->actionInterface()->actionNames().isEmpty());
    next->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCoreApplication::processEvents();
    EXPECT_EQ(m_manager->GetViewMonth(), 3);
    // While a job's worker owns the data, the window lists no drawn node;
    // they are back after it.
    int duringJob = -1;
    m_dialogs.forcedResult = 0;
    m_dialogs.duringProgress = [&] { duringJob = Root()->childCount(); };
    UiSend(m_window.get(), UiMsg::kCommand, static_cast<uintptr_t>(CWndCustom::kCommandRead), 1);
    QCoreApplication::processEvents();
    EXPECT_EQ(duringJob, 0);
    EXPECT_NE(Find(R::PushButton, "今月"), nullptr);
    // The window goes: every node's interface goes with it.
    const QAccessible::Id nextId = QAccessible::uniqueId(next);
    m_window.reset();
    EXPECT_EQ(QAccessible::accessibleInterface(nextId), nullptr);
}

TEST_F(AccessibleTreeTest, ADialogListsItsButtonsAndTextsAndAPopupIsAList) {
    CDialogDay dialog(m_manager.get(), 2015, 3, 13, nullptr);
    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(&dialog);
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(root->role(), R::Dialog);
    EXPECT_EQ(root->text(R::Name), "3月13日の運転");
    QStringList names;
    for (QAccessibleInterface* node :
         Walk(root, QRect(dialog.mapToGlobal(QPoint(0, 0)), dialog.size()))) {
        names << node->text(R::Name);
    }
    for (const char* name : {"前の日", "次の日"}) {
        EXPECT_TRUE(names.contains(name)) << names.join('|').toStdString();
    }
    EXPECT_TRUE(names.join('|').contains("113円")) << names.join('|').toStdString();
    QAccessibleInterface* next = nullptr;
    for (int i = 0; i < root->childCount(); ++i) {
        if (root->child(i)->text(R::Name) == "次の日") {
            next = root->child(i);
        }
    }
    ASSERT_NE(next, nullptr);
    g_told.clear();
    next->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCoreApplication::processEvents();
    EXPECT_EQ(dialog.Day(), 14);
    EXPECT_EQ(root->text(R::Name), "3月14日の運転");
    bool textTold = false;
    for (const auto& [told, role, name] : g_told) {
        textTold |= told == R::NameChanged && role == R::StaticText;
    }
    EXPECT_TRUE(textTold) << "the new day's values are told";

    // A dialog drawn from one picture reads the words on it.
    CDialogConnectError error(454, nullptr);
    error.show();
    QAccessibleInterface* errorRoot = QAccessible::queryAccessibleInterface(&error);
    QStringList errorTexts;
    for (int i = 0; i < errorRoot->childCount(); ++i) {
        errorTexts << errorRoot->child(i)->text(R::Name);
    }
    for (const char* text :
         {"リモコンとの接続に失敗しました。", "決められた時間内にリモコンが応答しませんでした。",
          "もう一度「リモコン接続」を押す"}) {
        EXPECT_TRUE(errorTexts.contains(text)) << errorTexts.join('|').toStdString();
    }

    CDialogPopup popup;
    popup.Setup(CDialogPopup::kMonth, 2015, 3, 3, QPoint(100, 100), nullptr);
    ASSERT_TRUE(popup.Show());
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(popup.List());
    EXPECT_EQ(list->role(), R::List);
    EXPECT_EQ(list->text(R::Name), "月");
    ASSERT_EQ(list->childCount(), 12);
    EXPECT_EQ(list->child(2)->text(R::Name), "3月");
}

} // namespace
