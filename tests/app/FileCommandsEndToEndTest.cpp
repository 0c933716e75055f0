// The file commands of the main window from end to end: import, export, CSV
// and delete run through the real selection dialogs and progress dialog on a
// real database, and what they write matches tevaro-cli's output for the same
// database byte for byte.
#include "AppTestSupport.h"
#include "app/CMainWindowDialogs.h"
#include "data/CDataManager.h"
#include "data/CSystemClock.h"
#include "dialogs/CDialogDeviceDataDelete.h"
#include "dialogs/CDialogDeviceDataExport.h"
#include "dialogs/CDialogDeviceDataOutput.h"
#include "ui/CWndCustom.h"
#include "ui/controls/CButtonCustom.h"
#include "ui/controls/UiMessages.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <sys/wait.h>

namespace {

const std::string kCli = std::string(TEVARO_BINARY_DIR) + "/cli/tevaro-cli";

// The real dialogs, except that the file and folder choices answer with
// fixed places (the export keeps the suggested name).
class FixedPathDialogs : public CMainWindowDialogs {
public:
    QString openPath;
    QString saveFolder;
    QString csvFolder;
    QString suggestedName;

    bool ChooseDatFile(QWidget*, bool open, const QString& suggested, QString& path) override {
        suggestedName = suggested;
        path = open ? openPath : saveFolder + QLatin1Char('/') + suggested;
        return true;
    }
    bool ChooseFolder(QWidget*, QString& path) override {
        path = csvFolder;
        return true;
    }
};

// Runs tevaro-cli on the database under `dataDir`; its standard output.
std::string RunCli(const std::string& dataDir, const std::string& args, int& status) {
    setenv("TEVARO_DATA_DIR", dataDir.c_str(), 1);
    FILE* pipe = popen((kCli + " " + args + " 2>&1").c_str(), "r");
    std::string output;
    if (pipe == nullptr) {
        status = -1;
        return output;
    }
    char buffer[4096];
    size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof(buffer), pipe)) > 0) {
        output.append(buffer, got);
    }
    const int raw = pclose(pipe);
    status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return output;
}

// Every file of a folder by name, with its bytes.
std::map<std::string, std::string> FolderFiles(const std::string& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        files[entry.path().filename().string()] = ReadFileBytes(entry.path().string());
    }
    return files;
}

std::string Mac(int n) {
    char text[17];
    std::snprintf(text, sizeof(text), "00112233445566%02X", n);
    return text;
}

class FileCommandsEndToEndTest : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("TEVARO_SYSFS_ROOT", m_dir.File("no-sys").c_str(), 1);
        setenv("TEVARO_DEV_ROOT", m_dir.File("no-dev").c_str(), 1);
        for (const char* folder : {"seed/Morvane/aircon", "gui/Morvane/aircon", "out/gui-csv",
                                   "out/cli-csv", "no-sys/class/tty", "no-dev"}) {
            std::filesystem::create_directories(m_dir.File(folder));
        }
    }
    void TearDown() override {
        CDialogDeviceDataDelete::SetConfirmHandler({});
        m_window.reset();
        m_frame.reset();
        m_manager.reset();
        unsetenv("TEVARO_DATA_DIR");
    }

    static std::string Database(const std::string& dataDir) {
        return dataDir + "/Morvane/aircon/tvraircon.sdf";
    }

    // Two units with three weeks of days each in a database of their own.
    void Seed() {
        CDataManager seed(m_clock, TestPortOptions(m_dir));
        ASSERT_EQ(seed.Initialize(Database(m_dir.File("seed"))), 0);
        for (int n = 1; n <= 2; ++n) {
            CDbModelInfoData model;
            model.macAddress = Mac(n);
            model.model = "RAS-" + std::to_string(n);
            model.roomCode = n == 1 ? "L" : "B";
            ASSERT_EQ(seed.SetModelInfo(model), 0);
            CDbSettingInfoData settings;
            settings.macAddress = Mac(n);
            settings.values = {0,  0,  0,  0,  3,  0,  0,  27, 0,  0,  1,  0,  -1,
                               -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
            ASSERT_EQ(seed.SetSettingInfo(settings), 0);
            for (int day = 1; day <= 21; ++day) {
                CDbRunStateData run;
                run.macAddress = Mac(n);
                char date[9];
                std::snprintf(date, sizeof(date), "202510%02d", day);
                run.date = date;
                run.useTime = 30 * n + day;
                run.electricityBill = 40 * n + 3 * day;
                run.indoorTemperature = 23;
                run.outdoorTemperature = 12 - n;
                ASSERT_EQ(seed.SetRunStateInfo(run), 0);
            }
        }
    }

    // Answers the next selection dialog of type T: ticks `positions` with real
    // clicks, lets `extra` adjust it, and presses OK.
    template <typename T>
    void AnswerSelection(std::vector<int> positions, std::function<void(T&)> extra = {}) {
        QTimer::singleShot(0, [this, positions, extra] {
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                T* dialog = qobject_cast<T*>(widget);
                if (dialog == nullptr || !dialog->isVisible()) {
                    continue;
                }
                ++m_answered;
                for (int position : positions) {
                    const CCustomCtrlButtonDevice& button = dialog->DeviceButton(position);
                    const QPoint point(button.X() + 70, button.Y() + 20);
                    QTest::mouseMove(dialog, point);
                    QTest::mouseClick(dialog, Qt::LeftButton, Qt::NoModifier, point);
                    QCoreApplication::sendPostedEvents(dialog);
                }
                if (extra) {
                    extra(*dialog);
                }
                dialog->OkButton()->click();
            }
        });
    }

    void Command(int32_t id) {
        UiSend(m_window.get(), UiMsg::kCommand, static_cast<uintptr_t>(id), 0);
        QCoreApplication::processEvents();
    }

    TempDir m_dir;
    CSystemClock m_clock;
    FixedPathDialogs m_dialogs;
    int m_answered = 0;
    std::unique_ptr<CDataManager> m_manager;
    std::unique_ptr<QWidget> m_frame;
    std::unique_ptr<CWndCustom> m_window;
};

TEST_F(FileCommandsEndToEndTest, ImportExportCsvAndDeleteMatchTheCommandLineTool) {
    ASSERT_NO_FATAL_FAILURE(Seed());
    int status = -1;
    const std::string seedDat = m_dir.File("out/seed.dat");
    RunCli(m_dir.File("seed"), "export " + seedDat + " 0 1", status);
    ASSERT_EQ(status, 0);

    const std::string guiData = m_dir.File("gui");
    m_manager = std::make_unique<CDataManager>(m_clock, TestPortOptions(m_dir));
    ASSERT_EQ(m_manager->Initialize(Database(guiData)), 0);
    m_frame = std::make_unique<QWidget>();
    m_window = std::make_unique<CWndCustom>(m_manager.get(), std::make_unique<CMainWindowDialogs>(),
                                            ShortTimings(), m_frame.get());
    m_window->SetDialogs(&m_dialogs);
    m_window->Setup();
    QCoreApplication::processEvents();
    MessageRecorder messages;
    m_dialogs.openPath = QString::fromStdString(seedDat);
    m_dialogs.saveFolder = QString::fromStdString(m_dir.File("out"));
    m_dialogs.csvFolder = QString::fromStdString(m_dir.File("out/gui-csv"));

    Command(3);
    ASSERT_EQ(m_manager->GetRemoConCount(), 2);

    AnswerSelection<CDialogDeviceDataExport>({0, 1});
    Command(4);
    const std::string guiDat = m_dir.File("out/") + m_dialogs.suggestedName.toStdString();
    const std::string cliDat = m_dir.File("out/cli.dat");
    RunCli(guiData, "export " + cliDat + " 0 1", status);
    ASSERT_EQ(status, 0);
    ASSERT_TRUE(std::filesystem::exists(guiDat)) << guiDat;
    EXPECT_EQ(ReadFileBytes(guiDat), ReadFileBytes(cliDat));
    // The import kept every line of the seed.
    EXPECT_EQ(ReadFileBytes(guiDat), ReadFileBytes(seedDat));

    AnswerSelection<CDialogDeviceDataOutput>(
        {0, 1}, [](CDialogDeviceDataOutput& dialog) { dialog.AllChoice()->click(); });
    Command(6);
    RunCli(guiData, "csv " + m_dir.File("out/cli-csv") + " 0 0 0 1", status);
    ASSERT_EQ(status, 0);
    const auto guiCsv = FolderFiles(m_dir.File("out/gui-csv"));
    EXPECT_EQ(guiCsv.size(), 2u);
    EXPECT_EQ(guiCsv, FolderFiles(m_dir.File("out/cli-csv")));

    int confirmations = 0;
    CDialogDeviceDataDelete::SetConfirmHandler(
        [&](const CDialogDeviceDataDelete::Confirmation&) { return ++confirmations > 0; });
    AnswerSelection<CDialogDeviceDataDelete>({1});
    Command(5);
    EXPECT_EQ(confirmations, 1);
    EXPECT_EQ(m_manager->GetRemoConCount(), 1);
    const std::string units = RunCli(guiData, "units", status);
    ASSERT_EQ(status, 0);
    EXPECT_EQ(std::count(units.begin(), units.end(), '\n'), 1) << units;
    EXPECT_EQ(units.rfind("0\t" + Mac(1), 0), 0u) << units;

    EXPECT_EQ(m_answered, 3);
    EXPECT_EQ(messages.Texts(), QStringList({QStringLiteral("読み込み処理に成功しました。"),
                                             QStringLiteral("データ複製処理に成功しました。"),
                                             QStringLiteral("CSV書き出し処理に成功しました。"),
                                             QStringLiteral("機種削除処理に成功しました。")}))
        << messages.Texts().join(QLatin1Char('|')).toStdString();
}

} // namespace
