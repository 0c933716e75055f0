// The unit selection dialogs of the file commands: layout of the device
// buttons, ticking and the OK rule, the CSV period, the delete confirmation.
#include "DialogTestSupport.h"
#include "dialogs/CDialogDeviceDataDelete.h"
#include "dialogs/CDialogDeviceDataExport.h"
#include "dialogs/CDialogDeviceDataOutput.h"
#include "ui/controls/CButtonCustom.h"
#include "ui/controls/UiMessages.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QMessageBox>
#include <QRadioButton>
#include <QTest>

#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

enum class Kind { kExport, kDelete, kOutput };

std::unique_ptr<CDialogDeviceData> MakeDialog(Kind kind) {
    switch (kind) {
    case Kind::kExport:
        return std::make_unique<CDialogDeviceDataExport>();
    case Kind::kDelete:
        return std::make_unique<CDialogDeviceDataDelete>();
    case Kind::kOutput:
        return std::make_unique<CDialogDeviceDataOutput>();
    }
    return nullptr;
}

// Answers the delete confirmation from a script and records every question.
class ScriptedConfirmation {
public:
    explicit ScriptedConfirmation(std::vector<bool> answers) : m_answers(std::move(answers)) {
        CDialogDeviceDataDelete::SetConfirmHandler(
            [this](const CDialogDeviceDataDelete::Confirmation& asked) {
                m_asked.push_back(asked);
                const size_t index = m_asked.size() - 1;
                return index < m_answers.size() && m_answers[index];
            });
    }
    ~ScriptedConfirmation() { CDialogDeviceDataDelete::SetConfirmHandler({}); }
    const std::vector<CDialogDeviceDataDelete::Confirmation>& Asked() const { return m_asked; }

private:
    std::vector<bool> m_answers;
    std::vector<CDialogDeviceDataDelete::Confirmation> m_asked;
};

class DeviceDataDialogTest : public DialogFixture {
protected:
    void AddUnits(int count) {
        for (int n = 1; n <= count; ++n) {
            AddUnit(*m_manager, n);
        }
    }

    // Runs the dialog modally with `inside` executed in its loop; a dialog
    // still open afterwards is cancelled.
    template <typename Inside>
    int RunModal(CDialogDeviceData& dialog, Inside inside) {
        bool ran = false;
        QTimer::singleShot(0, &dialog, [&] {
            ran = true;
            inside();
            if (dialog.isVisible()) {
                dialog.reject();
            }
        });
        const int result = dialog.Run(m_manager.get());
        EXPECT_TRUE(ran) << "the dialog did not run modally";
        return result;
    }

    // A real click on the button of `position`, through the dialog's mouse
    // routing, and the delivery of the command it posts.
    static void ClickDevice(CDialogDeviceData& dialog, int position) {
        const CCustomCtrlButtonDevice& button = dialog.DeviceButton(position);
        ClickAt(dialog, QPoint(button.X() + 70, button.Y() + 20));
    }
    static void ClickAt(CDialogDeviceData& dialog, const QPoint& point) {
        QTest::mouseMove(&dialog, point);
        QTest::mouseClick(&dialog, Qt::LeftButton, Qt::NoModifier, point);
        QCoreApplication::sendPostedEvents(&dialog);
    }
};

TEST_F(DeviceDataDialogTest, ButtonsAreLaidOutFourAndThreeForTheRegisteredUnitsOnly) {
    const std::vector<QPoint> kSlots = {{10, 60},  {164, 60},  {318, 60}, {472, 60},
                                        {10, 114}, {164, 114}, {318, 114}};
    struct Case {
        Kind kind;
        int units;
        const char* title;
        const char* line;
        bool period;
    };
    const Case kCases[] = {
        {Kind::kExport, 0, "データ複製", "エアコン情報をファイルに出力します。", false},
        {Kind::kDelete, 1, "機種削除", "エアコン情報を削除します。", false},
        {Kind::kOutput, 4, "CSV書き出し",
         "電気代データをCSVファイルに出力します。\n"
         "表計算ソフトなどでデータを利用することができます。",
         true},
        {Kind::kExport, 5, "データ複製", "エアコン情報をファイルに出力します。", false},
        {Kind::kOutput, 7, "CSV書き出し",
         "電気代データをCSVファイルに出力します。\n"
         "表計算ソフトなどでデータを利用することができます。",
         true},
    };
    int registered = 0;
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.title + std::string(" with ") + std::to_string(c.units) + " units");
        for (; registered < c.units; ++registered) {
            AddUnit(*m_manager, registered + 1);
        }
        auto dialog = MakeDialog(c.kind);
        const int result = RunModal(*dialog, [&] {
            EXPECT_EQ(dialog->windowTitle().toStdString(), c.title);
            EXPECT_EQ(dialog->ExplanatoryLine().toStdString(), c.line);
            EXPECT_EQ(dialog->size(), QSize(631, 342));
            ASSERT_EQ(dialog->ShownButtons().size(), static_cast<size_t>(c.units));
            for (int position = 0; position < CDialogDeviceData::kPositions; ++position) {
                const CCustomCtrlButtonDevice& button = dialog->DeviceButton(position);
                EXPECT_EQ(button.Id(), 11 + position);
                const bool shown = position < c.units;
                EXPECT_EQ(button.IsShown(), shown) << position;
                if (!shown) {
                    continue;
                }
                EXPECT_EQ(dialog->ShownButtons()[static_cast<size_t>(position)], &button);
                EXPECT_EQ(QPoint(button.X(), button.Y()), kSlots[static_cast<size_t>(position)])
                    << position;
                EXPECT_EQ(button.Width(), 149);
                EXPECT_EQ(button.Height(), 49);
                EXPECT_EQ(button.HitRect().right, 147);
                EXPECT_EQ(button.HitRect().bottom, 47);
                std::string model;
                std::string room;
                bool connected = false;
                ASSERT_TRUE(m_manager->GetRemoConNames(position, model, room, connected));
                EXPECT_EQ(button.Caption().toStdString(), model);
                EXPECT_EQ(button.Caption().toStdString(), "RAS-" + std::to_string(position + 1));
                EXPECT_EQ(button.SecondText().toStdString(), room);
                EXPECT_FALSE(button.IsSelected());
                EXPECT_EQ(button.FrameIndex() % 4, button.IsHover() ? 1 : 0);
            }
            EXPECT_FALSE(dialog->OkButton()->isEnabled());
            EXPECT_TRUE(dialog->CancelButton()->isEnabled());
            EXPECT_EQ(dialog->OkButton()->geometry(), QRect(130, 282, 120, 30));
            EXPECT_EQ(dialog->CancelButton()->geometry(), QRect(330, 282, 120, 30));
            for (QWidget* period : std::initializer_list<QWidget*>{
                     dialog->AllChoice(), dialog->YearChoice(), dialog->MonthChoice(),
                     dialog->YearCombo(), dialog->MonthCombo()}) {
                EXPECT_EQ(period->isVisible(), c.period);
            }
            // The dialog colour where nothing is drawn, the text near its
            // top-left corner.
            const QImage& canvas = dialog->Canvas().Image();
            ASSERT_EQ(canvas.size(), QSize(631, 342));
            EXPECT_EQ(canvas.pixelColor(620, 335), QColor(0xE9, 0xE5, 0xE7));
            int dark = 0;
            for (int y = 10; y < 30; ++y) {
                for (int x = 10; x < 200; ++x) {
                    dark += qGray(canvas.pixel(x, y)) < 100 ? 1 : 0;
                }
            }
            EXPECT_GT(dark, 20) << "no explanatory line at (10, 10)";
            EXPECT_EQ(canvas.pixelColor(5, 5), QColor(0xE9, 0xE5, 0xE7));
        });
        EXPECT_EQ(result, CDialogDeviceData::kIdCancel);
    }
}

TEST_F(DeviceDataDialogTest, OkIsEnabledExactlyWhileAShownButtonIsTicked) {
    AddUnits(5);
    struct Case {
        std::vector<int> clicks; // positions; 6 has no unit
        std::set<int> ticked;
    };
    const Case kCases[] = {
        {{}, {}},         {{0}, {0}},       {{0, 0}, {}},       {{4}, {4}},
        {{1, 4}, {1, 4}}, {{1, 4, 1}, {4}}, {{1, 4, 1, 4}, {}}, {{0, 1, 2, 3, 4}, {0, 1, 2, 3, 4}},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::PrintToString(c.clicks));
        CDialogDeviceDataExport dialog;
        const int result = RunModal(dialog, [&] {
            std::set<int> expected;
            for (int position : c.clicks) {
                ClickDevice(dialog, position);
                if (!expected.erase(position)) {
                    expected.insert(position);
                }
                EXPECT_EQ(dialog.OkButton()->isEnabled(), !expected.empty());
                const CCustomCtrlButtonDevice& button = dialog.DeviceButton(position);
                // Ticked buttons show the selected frames (4 to 6).
                EXPECT_EQ(button.FrameIndex() >= 4, expected.count(position) == 1);
            }
            // A stale command for the position without a unit, a click where
            // its button would be, and an id of no device button change
            // nothing.
            UiPost(&dialog, UiMsg::kCommand, 17);
            UiPost(&dialog, UiMsg::kCommand, 3);
            QCoreApplication::sendPostedEvents(&dialog);
            ClickAt(dialog, QPoint(164 + 70, 114 + 20));
            EXPECT_EQ(dialog.OkButton()->isEnabled(), !expected.empty());
            dialog.OkButton()->click();
        });
        EXPECT_EQ(result,
                  c.ticked.empty() ? CDialogDeviceData::kIdCancel : CDialogDeviceData::kIdOk);
        for (int position = -1; position <= CDialogDeviceData::kPositions; ++position) {
            EXPECT_EQ(dialog.IsTicked(position), c.ticked.count(position) == 1) << position;
        }
        EXPECT_EQ(dialog.ChosenYear(), 0);
        EXPECT_EQ(dialog.ChosenMonth(), 0);
    }
}

TEST_F(DeviceDataDialogTest, CsvPeriodFollowsTheChoicesAndTheirEnableRules) {
    AddUnits(2);
    enum Click { kAll, kYear, kMonth };
    struct Case {
        const char* name;
        std::vector<Click> clicks;
        int yearIndex; // into 2010年..2099年
        int monthIndex;
        // Enabled after the clicks: "月" choice, year combo, month combo.
        bool monthChoice, yearCombo, monthCombo;
        int32_t year, month;
    };
    const Case kCases[] = {
        {"untouched", {}, 3, 4, false, false, false, 0, 0},
        {"year only", {kYear}, 3, 4, true, true, false, 2013, 0},
        {"year and month", {kYear, kMonth}, 3, 4, true, true, true, 2013, 5},
        {"year clicked twice stays", {kYear, kMonth, kYear}, 89, 11, true, true, true, 2099, 12},
        {"month ticked off again", {kYear, kMonth, kMonth}, 3, 4, true, true, false, 2013, 0},
        {"all after year and month", {kYear, kMonth, kAll}, 3, 4, false, false, false, 0, 0},
        {"month before year is disabled", {kMonth, kYear}, 0, 4, true, true, false, 2010, 0},
        {"back to year keeps the tick",
         {kYear, kMonth, kAll, kYear},
         3,
         0,
         true,
         true,
         true,
         2013,
         1},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        CDialogDeviceDataOutput dialog;
        const int result = RunModal(dialog, [&] {
            EXPECT_EQ(dialog.YearCombo()->count(), 90);
            EXPECT_EQ(dialog.YearCombo()->itemText(0).toStdString(), "2010年");
            EXPECT_EQ(dialog.YearCombo()->itemText(89).toStdString(), "2099年");
            EXPECT_EQ(dialog.MonthCombo()->count(), 12);
            EXPECT_EQ(dialog.MonthCombo()->itemText(0).toStdString(), "01月");
            EXPECT_EQ(dialog.MonthCombo()->itemText(11).toStdString(), "12月");
            EXPECT_EQ(dialog.YearCombo()->currentIndex(), 0);
            EXPECT_TRUE(dialog.AllChoice()->isChecked());
            EXPECT_EQ(dialog.YearCombo()->geometry().topLeft(), QPoint(110, 230));
            EXPECT_EQ(dialog.MonthCombo()->geometry().topLeft(), QPoint(310, 230));
            EXPECT_EQ(dialog.MonthChoice()->geometry(), QRect(230, 230, 80, 26));
            // The focus chain may hold helpers of the combo boxes between
            // them; only the order of the dialog's own controls counts.
            const std::vector<QWidget*> tabOrder = {dialog.YearChoice(),  dialog.YearCombo(),
                                                    dialog.MonthChoice(), dialog.MonthCombo(),
                                                    dialog.OkButton(),    dialog.CancelButton()};
            std::vector<QWidget*> chain;
            QWidget* widget = tabOrder.front();
            for (int step = 0; step < 64 && chain.size() < tabOrder.size(); ++step) {
                if (std::find(tabOrder.begin(), tabOrder.end(), widget) != tabOrder.end()) {
                    chain.push_back(widget);
                }
                widget = widget->nextInFocusChain();
            }
            EXPECT_EQ(chain, tabOrder);
            // A radio pair and a check box, not push buttons.
            EXPECT_NE(qobject_cast<QRadioButton*>(dialog.AllChoice()), nullptr);
            EXPECT_NE(qobject_cast<QRadioButton*>(dialog.YearChoice()), nullptr);
            EXPECT_NE(qobject_cast<QCheckBox*>(dialog.MonthChoice()), nullptr);
            ClickDevice(dialog, 1);
            QAbstractButton* const choices[] = {dialog.AllChoice(), dialog.YearChoice(),
                                                dialog.MonthChoice()};
            for (Click click : c.clicks) {
                // On the mark, which a radio button or check box answers to.
                QTest::mouseClick(choices[click], Qt::LeftButton, {}, QPoint(8, 13));
                EXPECT_NE(dialog.AllChoice()->isChecked(), dialog.YearChoice()->isChecked());
            }
            dialog.YearCombo()->setCurrentIndex(c.yearIndex);
            dialog.MonthCombo()->setCurrentIndex(c.monthIndex);
            if (c.yearCombo) {
                // The list drops down a few rows high, the chosen year in view.
                dialog.YearCombo()->showPopup();
                QAbstractItemView* list = dialog.YearCombo()->view();
                EXPECT_LE(list->window()->height(), 200);
                EXPECT_TRUE(list->viewport()->rect().intersects(
                    list->visualRect(list->model()->index(c.yearIndex, 0))));
                dialog.YearCombo()->hidePopup();
            }
            EXPECT_EQ(dialog.MonthChoice()->isEnabled(), c.monthChoice);
            EXPECT_EQ(dialog.YearCombo()->isEnabled(), c.yearCombo);
            EXPECT_EQ(dialog.MonthCombo()->isEnabled(), c.monthCombo);
            dialog.OkButton()->click();
        });
        EXPECT_EQ(result, CDialogDeviceData::kIdOk);
        EXPECT_EQ(dialog.ChosenYear(), c.year);
        EXPECT_EQ(dialog.ChosenMonth(), c.month);
        EXPECT_TRUE(dialog.IsTicked(1));
        EXPECT_FALSE(dialog.IsTicked(0));
    }
}

TEST_F(DeviceDataDialogTest, ExportAndDeleteReportNoPeriodWhateverTheHiddenControlsHold) {
    AddUnits(3);
    ScriptedConfirmation yes({true});
    for (Kind kind : {Kind::kExport, Kind::kDelete}) {
        auto dialog = MakeDialog(kind);
        const int result = RunModal(*dialog, [&] {
            ClickDevice(*dialog, 2);
            dialog->YearChoice()->click();
            dialog->MonthChoice()->click();
            dialog->YearCombo()->setCurrentIndex(5);
            dialog->MonthCombo()->setCurrentIndex(5);
            dialog->OkButton()->click();
        });
        EXPECT_EQ(result, CDialogDeviceData::kIdOk);
        EXPECT_EQ(dialog->ChosenYear(), 0);
        EXPECT_EQ(dialog->ChosenMonth(), 0);
        EXPECT_TRUE(dialog->IsTicked(2));
    }
    EXPECT_EQ(yes.Asked().size(), 1u) << "only the delete dialog asks";
}

TEST_F(DeviceDataDialogTest, DeleteAsksFirstAndNoKeepsTheDialogAsItWas) {
    AddUnits(4);
    struct Case {
        std::vector<bool> answers;
        int okClicks;
        int result;
    };
    const Case kCases[] = {
        {{false}, 1, CDialogDeviceData::kIdCancel},
        {{false, false}, 2, CDialogDeviceData::kIdCancel},
        {{false, true}, 2, CDialogDeviceData::kIdOk},
        {{true}, 1, CDialogDeviceData::kIdOk},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::PrintToString(c.answers));
        ScriptedConfirmation confirmation(c.answers);
        CDialogDeviceDataDelete dialog;
        const int result = RunModal(dialog, [&] {
            ClickDevice(dialog, 0);
            ClickDevice(dialog, 3);
            for (int click = 0; click < c.okClicks; ++click) {
                dialog.OkButton()->click();
                const bool yes = c.answers[static_cast<size_t>(click)];
                EXPECT_EQ(dialog.isVisible(), !yes);
                if (!yes) {
                    EXPECT_TRUE(dialog.OkButton()->isEnabled());
                    EXPECT_TRUE(dialog.DeviceButton(0).IsSelected());
                    EXPECT_FALSE(dialog.DeviceButton(1).IsSelected());
                    EXPECT_TRUE(dialog.DeviceButton(3).IsSelected());
                }
            }
        });
        EXPECT_EQ(result, c.result);
        ASSERT_EQ(confirmation.Asked().size(), static_cast<size_t>(c.okClicks));
        for (const auto& asked : confirmation.Asked()) {
            EXPECT_EQ(asked.text.toStdString(),
                      "削除したデータは元に戻せません。本当に削除しますか？");
            EXPECT_EQ(asked.caption.toStdString(), "機種削除確認");
            EXPECT_EQ(asked.owner, &dialog);
        }
        const std::set<int> ticked = {0, 3};
        for (int position = 0; position < CDialogDeviceData::kPositions; ++position) {
            EXPECT_EQ(dialog.IsTicked(position), ticked.count(position) == 1) << position;
        }
    }
}

TEST_F(DeviceDataDialogTest, ProductionConfirmationIsAYesNoBoxWithItsCaption) {
    for (const bool yes : {false, true}) {
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            seen = true;
            EXPECT_EQ(box->windowTitle().toStdString(), "機種削除確認");
            EXPECT_EQ(box->text().toStdString(),
                      "削除したデータは元に戻せません。本当に削除しますか？");
            EXPECT_EQ(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
            box->button(yes ? QMessageBox::Yes : QMessageBox::No)->click();
        });
        CDialogDeviceDataDelete::Confirmation confirmation;
        confirmation.text = QString::fromUtf8(CDialogDeviceDataDelete::ConfirmText());
        confirmation.caption = QString::fromUtf8(CDialogDeviceDataDelete::ConfirmCaption());
        EXPECT_EQ(CDialogDeviceDataDelete::AskWithMessageBox(confirmation), yes);
        EXPECT_TRUE(seen);
    }
}

TEST_F(DeviceDataDialogTest, WithoutDataManagerNothingOpensAndWithoutUnitsOnlyCancelEnds) {
    AddUnits(2);
    for (Kind kind : {Kind::kExport, Kind::kDelete, Kind::kOutput}) {
        auto dialog = MakeDialog(kind);
        bool opened = false;
        QTimer::singleShot(0, dialog.get(), [&] {
            opened = dialog->isVisible();
            dialog->reject();
        });
        EXPECT_EQ(dialog->Run(nullptr), CDialogDeviceData::kIdCancel);
        EXPECT_FALSE(opened);
        EXPECT_TRUE(dialog->ShownButtons().empty());
        QCoreApplication::processEvents(); // the single shot finds it closed
        EXPECT_FALSE(dialog->IsTicked(0));
    }

    m_manager = NewManager("empty.sdf");
    CDialogDeviceDataOutput dialog;
    const int result = RunModal(dialog, [&] {
        EXPECT_TRUE(dialog.ShownButtons().empty());
        ClickAt(dialog, QPoint(10 + 70, 60 + 20));
        UiPost(&dialog, UiMsg::kCommand, 11);
        QCoreApplication::sendPostedEvents(&dialog);
        EXPECT_FALSE(dialog.OkButton()->isEnabled());
        dialog.OkButton()->click();
        EXPECT_TRUE(dialog.isVisible());
        QTest::keyClick(&dialog, Qt::Key_Escape);
        EXPECT_FALSE(dialog.isVisible());
    });
    EXPECT_EQ(result, CDialogDeviceData::kIdCancel);
    EXPECT_FALSE(dialog.IsTicked(0));
}

} // namespace
