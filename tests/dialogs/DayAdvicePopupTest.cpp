#include "DialogTestSupport.h"
#include "dialogs/CDialogConnectError.h"
#include "dialogs/CDialogDay.h"
#include "dialogs/CDialogOnePoint.h"
#include "dialogs/CDialogPopup.h"
#include "dialogs/CListBoxPopup.h"
#include "model/CRemoConInfo.h"
#include "ui/controls/UiMessages.h"
#include "ui/draw/CPictureStore.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPixmap>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

// Records the private messages the popup posts to its owner.
class MessageRecorder : public QObject {
public:
    struct Message {
        uint32_t message;
        uintptr_t wParam;
        intptr_t lParam;
        bool operator==(const Message&) const = default;
    };
    std::vector<Message> received;

protected:
    bool event(QEvent* event) override {
        if (const CUiEvent* message = CUiEvent::From(event)) {
            received.push_back({message->Message(), message->WParam(), message->LParam()});
            return true;
        }
        return QObject::event(event);
    }
};

QImage Solid(int width, int height, QColor colour) {
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}

// A strip of four frames, each its own colour, so the state shows in a pixel.
QImage Strip(int frameWidth, int height, const std::vector<QColor>& frames) {
    QImage image(frameWidth * static_cast<int>(frames.size()), height, QImage::Format_ARGB32);
    for (size_t i = 0; i < frames.size(); ++i) {
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < frameWidth; ++x) {
                image.setPixelColor(static_cast<int>(i) * frameWidth + x, y, frames[i]);
            }
        }
    }
    return image;
}

const std::vector<QColor> kFrames = {Qt::red, Qt::green, Qt::blue, Qt::gray};

void SendKey(QWidget* widget, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
}

void SendMouse(QWidget* widget, QEvent::Type type, QPoint point, Qt::MouseButton button,
               Qt::MouseButtons buttons) {
    QMouseEvent event(type, QPointF(point), widget->mapToGlobal(QPointF(point)), button, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

void Click(QWidget* widget, QPoint point) {
    SendMouse(widget, QEvent::MouseMove, point, Qt::NoButton, Qt::NoButton);
    SendMouse(widget, QEvent::MouseButtonPress, point, Qt::LeftButton, Qt::LeftButton);
    SendMouse(widget, QEvent::MouseButtonRelease, point, Qt::LeftButton, Qt::NoButton);
    QCoreApplication::processEvents();
}

// Runs `step` on the dialog of type T once its modal loop runs; rejects
// every dialog left open so a failing check cannot hang the test.
template <typename T>
void WhenModal(std::function<void(T*)> step) {
    QTimer::singleShot(0, [step] {
        T* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        EXPECT_NE(dialog, nullptr);
        if (dialog == nullptr) {
            return;
        }
        step(dialog);
        QTimer::singleShot(0, dialog, [dialog] {
            if (dialog != nullptr && dialog->isVisible()) {
                dialog->reject();
            }
        });
    });
}

class DayAdvicePopupTest : public DialogFixture {
protected:
    void SetUp() override {
        DialogFixture::SetUp();
        CPictureStore::Clear();
    }
    void TearDown() override { CPictureStore::Clear(); }

    void SetToday(int year, int month, int day) {
        m_clock.Set(year, month, day);
        bool changed = false;
        int32_t milliseconds = 0;
        m_manager->CheckDateChange(changed, milliseconds);
    }

    void AddDay(int unit, int year, int month, int day, int bill, int minutes, int outdoor) {
        CDbRunStateData row;
        row.macAddress = Mac(unit);
        char date[9];
        std::snprintf(date, sizeof(date), "%04d%02d%02d", year, month, day);
        row.date = date;
        row.useTime = minutes;
        row.electricityBill = bill;
        row.indoorTemperature = 24;
        row.outdoorTemperature = outdoor;
        ASSERT_EQ(m_manager->SetRunStateInfo(row), 0) << date;
    }
};

// --- Day detail ------------------------------------------------------------

TEST_F(DayAdvicePopupTest, DayDetailStepsWithinItsLimitsAndShowsTheDaysFigures) {
    AddUnit(*m_manager, 1);
    AddUnit(*m_manager, 2);
    AddDay(1, 2010, 1, 1, 123, 90, 5);
    AddDay(1, 2010, 1, 2, 456, 45, -3);
    AddDay(1, 2013, 12, 31, 77, 60, 8);
    AddDay(1, 2014, 1, 1, 1234, 0, 127);
    AddDay(2, 2014, 1, 1, 1000, 125, 127);
    AddDay(2, 2010, 1, 1, 100, 30, 7);
    AddDay(2, 2010, 1, 2, 4, 15, -4);
    AddDay(2, 2013, 12, 31, 3, 15, 9);
    AddDay(1, 2016, 5, 5, 50, 15, 20); // only one of two units: incomplete
    SetToday(2020, 6, 15);
    ASSERT_TRUE(m_manager->SetRequestedSelection(CDataManager::kAllAircons));
    m_manager->RefreshViewData();

    struct Case {
        int year, month, day;
        const char* steps; // P previous, N next
        int toYear, toMonth, toDay;
        bool previousEnabled, nextEnabled;
        const char* title;
        const char* bill;
        const char* useTime;
        const char* temperature;
    };
    const Case cases[] = {
        {2010, 1, 1, "", 2010, 1, 1, false, true, "1月1日の運転", "223円", "2時間0分", "6.0"},
        {2010, 1, 2, "P", 2010, 1, 1, false, true, "1月1日の運転", "223円", "2時間0分", "6.0"},
        // A command queued before the button was disabled does nothing.
        {2010, 1, 2, "PP", 2010, 1, 1, false, true, "1月1日の運転", "223円", "2時間0分", "6.0"},
        {2013, 12, 31, "N", 2014, 1, 1, true, true, "1月1日の運転", "2,234円", "2時間5分", "---"},
        {2014, 1, 1, "P", 2013, 12, 31, true, true, "12月31日の運転", "80円", "1時間15分", "8.5"},
        {2012, 2, 28, "NN", 2012, 3, 1, true, true, "3月1日の運転", "---円", "---時間", "---"},
        {2016, 5, 5, "", 2016, 5, 5, true, true, "5月5日の運転 *", "50円", "15分", "20.0"},
        {2020, 6, 14, "N", 2020, 6, 15, true, true, "6月15日の運転", "---円", "---時間", "---"},
        {2099, 12, 30, "N", 2099, 12, 31, true, false, "12月31日の運転", "---円", "---時間", "---"},
        {2099, 12, 31, "NP", 2099, 12, 30, true, true, "12月30日の運転", "---円", "---時間", "---"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.year << "-" << c.month << "-" << c.day << " " << c.steps);
        CDialogDay dialog(m_manager.get(), c.year, c.month, c.day, nullptr);
        for (const char* step = c.steps; *step != '\0'; ++step) {
            UiSend(&dialog, UiMsg::kCommand,
                   *step == 'P' ? CDialogDay::kPreviousId : CDialogDay::kNextId);
        }
        EXPECT_EQ(dialog.Year(), c.toYear);
        EXPECT_EQ(dialog.Month(), c.toMonth);
        EXPECT_EQ(dialog.Day(), c.toDay);
        EXPECT_EQ(dialog.PreviousButton().IsEnabled(), c.previousEnabled);
        EXPECT_EQ(dialog.NextButton().IsEnabled(), c.nextEnabled);
        EXPECT_EQ(dialog.windowTitle().toStdString(), c.title);
        EXPECT_EQ(dialog.BillText().toStdString(), c.bill);
        EXPECT_EQ(dialog.UseTimeText().toStdString(), c.useTime);
        EXPECT_EQ(dialog.TemperatureText().toStdString(), c.temperature);
    }
}

TEST_F(DayAdvicePopupTest, DayDetailSplitsTheUseTimeAtItsUnit) {
    const std::pair<const char*, std::pair<const char*, const char*>> cases[] = {
        {"1時間30分", {"1", "時間30分"}}, {"45分", {"45", "分"}}, {"---時間", {"---", "時間"}},
        {"12時間0分", {"12", "時間0分"}}, {"", {"", ""}},
    };
    for (const auto& [text, expected] : cases) {
        QString figure;
        QString rest;
        CDialogDay::SplitUseTime(QString::fromUtf8(text), figure, rest);
        EXPECT_EQ(figure.toStdString(), expected.first) << text;
        EXPECT_EQ(rest.toStdString(), expected.second) << text;
    }
}

TEST_F(DayAdvicePopupTest, DayDetailButtonsShowTheirStateAndStepWhenClicked) {
    CPictureStore::InsertForTest(CDialogDay::kPreviousPicture, Strip(84, 29, kFrames));
    CPictureStore::InsertForTest(CDialogDay::kNextPicture, Strip(84, 29, kFrames));
    SetToday(2015, 3, 14);
    CDialogDay dialog(m_manager.get(), 2010, 1, 2, nullptr);
    dialog.show();
    const auto pixel = [&dialog](int x, int y) { return dialog.Canvas().Image().pixelColor(x, y); };
    EXPECT_EQ(pixel(0, 0), QColor(Qt::white));
    EXPECT_EQ(pixel(4 + 40, 90 + 14), QColor(Qt::red));
    EXPECT_EQ(pixel(350 + 40, 90 + 14), QColor(Qt::red));

    Click(&dialog, QPoint(4 + 40, 90 + 14));
    QCoreApplication::processEvents();
    EXPECT_EQ(dialog.Day(), 1);
    SendMouse(&dialog, QEvent::MouseMove, QPoint(200, 5), Qt::NoButton, Qt::NoButton);
    QCoreApplication::processEvents();
    EXPECT_EQ(pixel(4 + 40, 90 + 14), QColor(Qt::gray)) << "disabled frame";
    EXPECT_EQ(pixel(350 + 40, 90 + 14), QColor(Qt::red));
    // Clicking the disabled button changes nothing.
    Click(&dialog, QPoint(4 + 40, 90 + 14));
    EXPECT_EQ(dialog.Day(), 1);
    Click(&dialog, QPoint(350 + 40, 90 + 14));
    EXPECT_EQ(dialog.Day(), 2);
}

TEST_F(DayAdvicePopupTest, DayDetailAndAdviceIgnoreEnterAndCloseWithTheCloseBox) {
    SetToday(2013, 7, 10);
    AddUnit(*m_manager, 1);
    int enterLeftOpen = 0;
    WhenModal<CDialogDay>([&enterLeftOpen](CDialogDay* dialog) {
        SendKey(dialog, Qt::Key_Return);
        SendKey(dialog, Qt::Key_Enter);
        enterLeftOpen += dialog->isVisible() ? 1 : 0;
        dialog->close();
    });
    EXPECT_EQ(CDialogDay::RunDay(m_manager.get(), 2013, 4, 5, nullptr), QDialog::Rejected);
    WhenModal<CDialogOnePoint>([&enterLeftOpen](CDialogOnePoint* dialog) {
        SendKey(dialog, Qt::Key_Return);
        enterLeftOpen += dialog->isVisible() ? 1 : 0;
        EXPECT_EQ(dialog->windowTitle().toStdString(), "ワンポイントアドバイス");
        dialog->close();
    });
    EXPECT_EQ(CDialogOnePoint::RunOnePoint(m_manager.get(), nullptr), QDialog::Rejected);
    EXPECT_EQ(enterLeftOpen, 2);
}

// --- One-point advice ------------------------------------------------------

TEST_F(DayAdvicePopupTest, AdviceVariantFollowsTheReportedSettings) {
    struct Case {
        std::vector<std::pair<SettingColumn, int32_t>> set;
        bool spare;
        const char* variant;
        const char* subVariant;
    };
    const Case cases[] = {
        {{}, false, "C", "Z_CE"},
        {{{kCurrentSwitch, 0}}, false, "A", "Z_CE"},
        {{{kCurrentSwitch, 1}, {kOutdoorUnitSound, 0}}, false, "A", "Z_CE"},
        {{{kEleBillPlice1, 27}}, false, "B", "Z_CE"},
        {{{kEleBillPlice1, 27}, {kOutdoorUnitSound, 1}}, false, "C", "Z_CE"},
        {{{kEleBillPlice1, 27}, {kDehumidificationMode, 255}}, false, "B", "S"},
        {{{kMaintenance, 255}}, false, "C", "X"},
        {{{kMaintenance, 255}, {kDehumidificationMode, 255}}, false, "C", "S"},
        {{{kMaintenance, 3}, {kDehumidificationMode, 1}}, false, "C", "Z_CE"},
        {{{kCurrentSwitch, 0}}, true, "", ""},
    };
    for (const Case& c : cases) {
        CRemoConInfo record;
        record.spare = c.spare;
        for (const auto& [column, value] : c.set) {
            record.settings[column] = value;
        }
        std::string variant = "?";
        std::string subVariant = "?";
        CDialogOnePoint::DecideVariant(&record, variant, subVariant);
        EXPECT_EQ(variant, c.variant) << c.variant << c.subVariant;
        EXPECT_EQ(subVariant, c.subVariant) << c.variant << c.subVariant;
    }
    std::string variant = "?";
    std::string subVariant = "?";
    CDialogOnePoint::DecideVariant(nullptr, variant, subVariant);
    EXPECT_EQ(variant, "");
    EXPECT_EQ(subVariant, "");
}

TEST_F(DayAdvicePopupTest, AdvicePicturesAndCountsPerVariantAndHalfYear) {
    struct Case {
        const char* variant;
        const char* subVariant;
        bool summer;
        int32_t count;
        std::vector<std::pair<int32_t, int32_t>> pictures; // number -> picture
    };
    const Case cases[] = {
        {"A", "Z_CE", false, 18, {{1, 300}, {11, 310}, {12, 317}, {18, 323}, {19, -1}, {0, -1}}},
        {"A", "S", true, 19, {{1, 300}, {11, 310}, {12, 324}, {19, 331}, {20, -1}}},
        {"B", "", false, 22, {{6, 305}, {7, 307}, {16, 316}, {17, 317}, {21, 321}, {22, 323}}},
        {"B", "X", true, 23, {{6, 305}, {7, 307}, {17, 324}, {23, 330}, {24, -1}}},
        {"C", "S", false, 21, {{12, 311}, {13, 313}, {16, 316}, {17, 317}, {21, 321}, {22, -1}}},
        {"", "S", true, 23, {{12, 311}, {13, 313}, {17, 324}, {23, 330}, {24, -1}}},
        {"C",
         "X",
         false,
         21,
         {{10, 309}, {11, 311}, {12, 313}, {15, 316}, {16, 317}, {20, 321}, {21, 434}, {22, -1}}},
        {"C", "X", true, 24, {{11, 311}, {15, 316}, {16, 324}, {22, 330}, {23, 430}, {24, 431}}},
        {"C", "Z_CE", false, 21, {{12, 311}, {13, 313}, {17, 317}, {21, 321}, {22, -1}}},
        {"", "", true, 24, {{1, 300}, {16, 316}, {17, 324}, {23, 330}, {24, 431}, {25, -1}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.variant << "/" << c.subVariant << " " << c.summer);
        EXPECT_EQ(CDialogOnePoint::AdviceCount(c.variant, c.subVariant, c.summer), c.count);
        for (const auto& [number, picture] : c.pictures) {
            EXPECT_EQ(CDialogOnePoint::AdvicePicture(c.variant, c.subVariant, c.summer, number),
                      picture)
                << number;
        }
        // Every number in range has a picture, each a different one.
        std::vector<int32_t> seen;
        for (int32_t number = 1; number <= c.count; ++number) {
            const int32_t picture =
                CDialogOnePoint::AdvicePicture(c.variant, c.subVariant, c.summer, number);
            EXPECT_GE(picture, 300) << number;
            EXPECT_EQ(std::count(seen.begin(), seen.end(), picture), 0) << number;
            seen.push_back(picture);
        }
    }
    const std::pair<int32_t, bool> months[] = {{0, false}, {1, false}, {3, false},  {4, true},
                                               {7, true},  {9, true},  {10, false}, {12, false}};
    for (const auto& [month, summer] : months) {
        EXPECT_EQ(CDialogOnePoint::IsSummer(month), summer) << month;
    }
}

TEST_F(DayAdvicePopupTest, AdviceOfVariantAInJulyRunsOneToNineteenAndWrapsBothWays) {
    SetToday(2013, 7, 10);
    AddUnit(*m_manager, 1);
    ASSERT_TRUE(m_manager->SetRequestedSelection(0));
    // Picture 331, only shown as advice 19, is recognisable by its colour.
    CPictureStore::InsertForTest(331, Solid(404, 190, QColor(10, 200, 30)));
    CDialogOnePoint dialog(m_manager.get(), nullptr);
    EXPECT_EQ(dialog.Variant(), "A");
    ASSERT_EQ(dialog.Count(), 19);
    ASSERT_GE(dialog.Number(), 1);
    ASSERT_LE(dialog.Number(), 19);
    while (dialog.Number() != 19) {
        UiSend(&dialog, UiMsg::kCommand, CDialogOnePoint::kNextId);
    }
    EXPECT_EQ(dialog.PictureId(), 331);
    EXPECT_EQ(dialog.Canvas().Image().pixelColor(200, 20), QColor(10, 200, 30));
    std::vector<int32_t> forward;
    for (int i = 0; i < 19; ++i) {
        UiSend(&dialog, UiMsg::kCommand, CDialogOnePoint::kNextId);
        forward.push_back(dialog.Number());
    }
    std::vector<int32_t> expected;
    for (int32_t number = 1; number <= 19; ++number) {
        expected.push_back(number);
    }
    EXPECT_EQ(forward, expected);
    UiSend(&dialog, UiMsg::kCommand, CDialogOnePoint::kNextId);
    EXPECT_EQ(dialog.Number(), 1);
    EXPECT_NE(dialog.Canvas().Image().pixelColor(200, 20), QColor(10, 200, 30));
    UiSend(&dialog, UiMsg::kCommand, CDialogOnePoint::kPreviousId);
    EXPECT_EQ(dialog.Number(), 19);
    UiSend(&dialog, UiMsg::kCommand, CDialogOnePoint::kPreviousId);
    EXPECT_EQ(dialog.Number(), 18);
    // A missing picture leaves a working dialog of its full size.
    EXPECT_EQ(dialog.Canvas().Width(), CDialogOnePoint::kClientWidth);
    EXPECT_EQ(dialog.Canvas().Height(), CDialogOnePoint::kClientHeight);

    // In January the same unit has 18; without a readable date, winter too.
    SetToday(2014, 1, 10);
    EXPECT_EQ(dialog.Count(), 18);
    UiSend(&dialog, UiMsg::kCommand, CDialogOnePoint::kPreviousId);
    EXPECT_EQ(dialog.Number(), 17);
    auto fresh = NewManager("fresh.sdf");
    CDialogOnePoint unknown(fresh.get(), nullptr);
    EXPECT_EQ(unknown.Variant(), "C") << "the all-units record reports no settings";
    EXPECT_EQ(unknown.Count(), 21);
}

// --- Popup list ------------------------------------------------------------

TEST_F(DayAdvicePopupTest, PopupListsAreFilledScrolledAndPlacedAtTheAnchor) {
    struct Case {
        int kind;
        int current;
        int count;
        int rows;
        int topValue;
        int selectedValue;
        const char* selectedText;
    };
    const Case cases[] = {
        {CDialogPopup::kYear, 2012, 90, 11, 2010, 2012, "2012年"},
        {CDialogPopup::kYear, 2020, 90, 11, 2015, 2020, "2020年"},
        {CDialogPopup::kYear, 2015, 90, 11, 2010, 2015, "2015年"},
        {CDialogPopup::kYear, 2099, 90, 11, 2089, 2099, "2099年"},
        {CDialogPopup::kMonth, 7, 12, 12, 1, 7, "7月"},
        {CDialogPopup::kMonth, 1, 12, 12, 1, 1, "1月"},
        {CDialogPopup::kTarget, 3000, 501, 11, 3000, 3000, "3,000円"},
        {CDialogPopup::kTarget, 0, 501, 11, 0, 0, "0円"},
        {CDialogPopup::kTarget, 50000, 501, 11, 49000, 50000, "50,000円"},
    };
    const QPoint anchor(600, 400);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.kind << " " << c.current);
        MessageRecorder owner;
        CDialogPopup popup;
        EXPECT_TRUE(popup.IsClosed());
        popup.Setup(c.kind, 2013, 4, c.current, anchor, &owner, m_manager.get());
        EXPECT_FALSE(popup.IsClosed());
        ASSERT_TRUE(popup.Show());
        CListBoxPopup* list = popup.List();
        ASSERT_NE(list, nullptr);
        EXPECT_TRUE(list->isVisible());
        EXPECT_EQ(list->count(), c.count);
        EXPECT_EQ(list->ValueAt(list->TopRow()), c.topValue);
        EXPECT_EQ(list->ValueAt(list->currentRow()), c.selectedValue);
        EXPECT_EQ(list->currentItem()->text().toStdString(), c.selectedText);
        EXPECT_EQ(list->viewport()->height(), c.rows * CListBoxPopup::ItemHeight());
        EXPECT_EQ(list->viewport()->width(), CDialogPopup::kClientWidth);
        const QRect frame = list->geometry();
        EXPECT_EQ(frame.x() + frame.width(), anchor.x());
        if (c.kind == CDialogPopup::kTarget) {
            EXPECT_EQ(frame.y() + frame.height(), anchor.y()) << "opens upwards";
        } else {
            EXPECT_EQ(frame.y(), anchor.y());
        }
        // The selected line white on blue, the others black on pale blue,
        // below the last item the pale blue too.
        const QImage shown = list->viewport()->grab().toImage();
        const int selectedY =
            (list->currentRow() - list->TopRow()) * CListBoxPopup::ItemHeight() + 1;
        EXPECT_EQ(shown.pixelColor(2, selectedY), CListBoxPopup::kSelectedBack);
        const int otherY =
            list->currentRow() == list->TopRow() ? CListBoxPopup::ItemHeight() + 1 : 1;
        EXPECT_EQ(shown.pixelColor(2, otherY), CListBoxPopup::kNormalBack);
        EXPECT_TRUE(owner.received.empty());
        popup.Destroy();
        EXPECT_EQ(popup.List(), nullptr);
        QCoreApplication::processEvents();
        EXPECT_TRUE(owner.received.empty()) << "destroying tells nobody";
    }
}

TEST_F(DayAdvicePopupTest, PopupChoiceAndLostActivationPostToTheOwner) {
    using Message = MessageRecorder::Message;
    const int height = CListBoxPopup::ItemHeight();
    struct Case {
        const char* name;
        int kind;
        int current;
        std::function<void(CListBoxPopup*)> act;
        std::vector<Message> expected;
    };
    const Case cases[] = {
        {"the same month again",
         CDialogPopup::kMonth,
         7,
         [height](CListBoxPopup* list) { Click(list->viewport(), QPoint(40, 6 * height + 3)); },
         {{UiMsg::kPopupSelect, CDialogPopup::kMonth, 7}, {UiMsg::kPopupClose, 0, 0}}},
        {"another month",
         CDialogPopup::kMonth,
         7,
         [height](CListBoxPopup* list) { Click(list->viewport(), QPoint(40, 2 * height + 3)); },
         {{UiMsg::kPopupSelect, CDialogPopup::kMonth, 3}, {UiMsg::kPopupClose, 0, 0}}},
        {"a year by Enter after hot tracking",
         CDialogPopup::kYear,
         2012,
         [height](CListBoxPopup* list) {
             SendMouse(list->viewport(), QEvent::MouseMove, QPoint(40, 4 * height + 3),
                       Qt::NoButton, Qt::NoButton);
             EXPECT_TRUE(list->IsTracking());
             EXPECT_EQ(list->ValueAt(list->currentRow()), 2014) << "hot tracking selects";
             SendKey(list, Qt::Key_Return);
         },
         {{UiMsg::kPopupSelect, CDialogPopup::kYear, 2014}, {UiMsg::kPopupClose, 0, 0}}},
        {"a target",
         CDialogPopup::kTarget,
         3000,
         [height](CListBoxPopup* list) { Click(list->viewport(), QPoint(40, height + 3)); },
         {{UiMsg::kPopupSelect, CDialogPopup::kTarget, 3100}, {UiMsg::kPopupClose, 0, 0}}},
        {"hot tracking alone",
         CDialogPopup::kMonth,
         3,
         [height](CListBoxPopup* list) {
             SendMouse(list->viewport(), QEvent::MouseMove, QPoint(40, height + 3), Qt::NoButton,
                       Qt::NoButton);
             EXPECT_EQ(list->ValueAt(list->currentRow()), 2);
             SendMouse(list->viewport(), QEvent::MouseMove, QPoint(40, -5), Qt::NoButton,
                       Qt::NoButton);
             EXPECT_FALSE(list->IsTracking());
             EXPECT_EQ(list->ValueAt(list->currentRow()), 2) << "outside changes nothing";
         },
         {}},
        {"lost activation",
         CDialogPopup::kYear,
         2013,
         [](CListBoxPopup* list) {
             QEvent deactivate(QEvent::WindowDeactivate);
             QApplication::sendEvent(list, &deactivate);
             QApplication::sendEvent(list, &deactivate);
         },
         {{UiMsg::kPopupClose, 0, 0}}},
        // A pop-up receives the presses outside it, in its own coordinates.
        {"closed by a press elsewhere",
         CDialogPopup::kTarget,
         100,
         [](CListBoxPopup* list) {
             SendMouse(list, QEvent::MouseButtonPress, QPoint(-40, list->height() + 60),
                       Qt::LeftButton, Qt::LeftButton);
             EXPECT_FALSE(list->isVisible());
         },
         {{UiMsg::kPopupClose, 0, 0}}},
        {"closed by Escape",
         CDialogPopup::kYear,
         2013,
         [](CListBoxPopup* list) {
             SendKey(list, Qt::Key_Escape);
             EXPECT_FALSE(list->isVisible());
         },
         {{UiMsg::kPopupClose, 0, 0}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MessageRecorder owner;
        CDialogPopup popup;
        popup.Setup(c.kind, 2013, 4, c.current, QPoint(500, 300), &owner, m_manager.get());
        ASSERT_TRUE(popup.Show());
        c.act(popup.List());
        QCoreApplication::processEvents();
        EXPECT_EQ(owner.received, c.expected);
        EXPECT_EQ(popup.IsClosed(), !c.expected.empty());
        // The owner destroys the window on 0x8008; the object is reusable.
        popup.Destroy();
        QCoreApplication::processEvents();
        EXPECT_EQ(owner.received, c.expected);
    }

    // A target list needs the data manager; an unknown kind is refused.
    MessageRecorder owner;
    CDialogPopup popup;
    popup.Setup(CDialogPopup::kTarget, 2013, 4, 0, QPoint(500, 300), &owner, nullptr);
    EXPECT_FALSE(popup.Show());
    EXPECT_TRUE(popup.IsClosed());
    popup.Setup(3, 2013, 4, 0, QPoint(500, 300), &owner, m_manager.get());
    EXPECT_FALSE(popup.Show());
    EXPECT_EQ(popup.List(), nullptr);
}

// --- Connect error ---------------------------------------------------------

TEST_F(DayAdvicePopupTest, ConnectErrorIsCentredOnWhiteAndClosesWithEnterOrTheCloseBox) {
    CPictureStore::InsertForTest(362, Solid(200, 100, QColor(0, 128, 0)));
    CPictureStore::InsertForTest(454, Solid(404, 190, QColor(0, 0, 200)));
    struct Case {
        int32_t picture;
        std::function<void(CDialogConnectError*)> close;
        int result;
        QPoint inside;
        QColor insideColour;
    };
    const Case cases[] = {
        {362, [](CDialogConnectError* dialog) { SendKey(dialog, Qt::Key_Return); },
         QDialog::Accepted, QPoint(102 + 1, 45 + 1), QColor(0, 128, 0)},
        {362, [](CDialogConnectError* dialog) { SendKey(dialog, Qt::Key_Enter); },
         QDialog::Accepted, QPoint(301, 144), QColor(0, 128, 0)},
        {454, [](CDialogConnectError* dialog) { dialog->close(); }, QDialog::Rejected, QPoint(0, 0),
         QColor(0, 0, 200)},
        // A missing picture still makes a white dialog that closes.
        {9999, [](CDialogConnectError* dialog) { dialog->close(); }, QDialog::Rejected,
         QPoint(200, 95), QColor(Qt::white)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.picture);
        CDialogConnectError dialog(c.picture, nullptr);
        EXPECT_EQ(dialog.windowTitle().toStdString(), "データ取得エラー");
        bool checked = false;
        QTimer::singleShot(0, &dialog, [&] {
            const QImage shown = dialog.grab().toImage();
            EXPECT_EQ(shown.size(), QSize(404, 190));
            EXPECT_EQ(shown.pixelColor(c.inside), c.insideColour);
            if (c.picture == 362) {
                EXPECT_EQ(shown.pixelColor(101, 44), QColor(Qt::white)) << "outside the picture";
                EXPECT_EQ(shown.pixelColor(302, 145), QColor(Qt::white)) << "outside the picture";
            }
            checked = true;
            c.close(&dialog);
            QTimer::singleShot(0, &dialog, [&dialog] { dialog.reject(); }); // never hang
        });
        EXPECT_EQ(dialog.exec(), c.result);
        EXPECT_TRUE(checked);
    }
}

} // namespace
