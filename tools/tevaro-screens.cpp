// tevaro-screens <out folder> [<demo .dat>]: renders the main window's canvas
// offscreen into PNG files, for looking at the pages without a display: the
// calendar and graph of all units and of one unit (the bill box with its
// target), the settings check's five pages for the settings variants A, B and
// C, the menu and the about picture. The units come from the .dat file (the
// demo data) plus one variant-A unit made here; nothing is read from a
// remote controller and nothing is written outside a temporary folder.
#include "app/CMainWindowDialogs.h"
#include "data/CDataManager.h"
#include "files/CFileJobs.h"
#include "ui/CWndCustom.h"
#include "ui/controls/UiMessages.h"
#include "ui/pages/CCustomCtrlTabPage.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <memory>

namespace {
constexpr char kVariantAMac[] = "00112233445566A1";

void AddVariantAUnit(CDataManager& manager) {
    CDbModelInfoData model;
    model.macAddress = kVariantAMac;
    model.model = "RAS-DEMO-A";
    model.roomCode = "J";
    manager.SetModelInfo(model);
    CDbSettingInfoData settings;
    settings.macAddress = kVariantAMac;
    settings.values = {0,  0,  0,  0,  3,  0,  0,  27, 0,  0,  1,  0,  -1,
                       -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
    manager.SetSettingInfo(settings);
    const std::time_t now = std::time(nullptr);
    for (int back = 60; back >= 1; --back) {
        const std::time_t then = now - static_cast<std::time_t>(back) * 24 * 60 * 60;
        std::tm local{};
        localtime_r(&then, &local);
        char date[40];
        std::snprintf(date, sizeof(date), "%04d%02d%02d", local.tm_year + 1900, local.tm_mon + 1,
                      local.tm_mday);
        CDbRunStateData row;
        row.macAddress = kVariantAMac;
        row.date = date;
        row.useTime = 90 + (back * 17) % 200;
        row.electricityBill = 60 + (back * 29) % 180;
        row.indoorTemperature = 22;
        row.outdoorTemperature = 12;
        manager.SetRunStateInfo(row);
    }
}

bool Save(CWndCustom& window, const QString& folder, const QString& name) {
    QCoreApplication::processEvents();
    window.FullRedraw();
    const QString path = folder + QLatin1Char('/') + name + QStringLiteral(".png");
    if (!window.Canvas().Image().save(path)) {
        std::fprintf(stderr, "tevaro-screens: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

void Command(CWndCustom& window, int id) {
    UiSend(&window, UiMsg::kCommand, static_cast<uintptr_t>(id));
    QCoreApplication::processEvents();
}

const char* VariantName(CCustomCtrlTabPage::Variant variant) {
    switch (variant) {
    case CCustomCtrlTabPage::Variant::kA:
        return "A";
    case CCustomCtrlTabPage::Variant::kB:
        return "B";
    case CCustomCtrlTabPage::Variant::kC:
        return "C";
    default:
        return nullptr;
    }
}
} // namespace

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: tevaro-screens <out folder> [<demo .dat>]\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);
    QTemporaryDir work;
    const std::string root = work.path().toStdString();
    std::filesystem::create_directories(root + "/sys/class/tty");
    std::filesystem::create_directories(root + "/dev");
    CSerialPortManager::Options options;
    options.sysfsRoot = root + "/sys";
    options.devRoot = root + "/dev";
    CDataManager manager(CSystemClock::Instance(), options);
    if (manager.Initialize(root + "/tvraircon.sdf") != CDataManager::kOk) {
        std::fprintf(stderr, "tevaro-screens: no database\n");
        return 1;
    }
    if (argc >= 3) {
        CFileJobs jobs(&manager);
        const int32_t result = jobs.RunImportJob(argv[2]);
        if (result != CFileJobs::kImportOk) {
            std::fprintf(stderr, "tevaro-screens: import of %s gave %d\n", argv[2], result);
        }
    }
    AddVariantAUnit(manager);

    CUiTimings timings;
    timings.splashMinimumMs = 1;
    timings.progressMinimumMs = 1;
    auto window =
        std::make_unique<CWndCustom>(&manager, std::make_unique<CMainWindowDialogs>(), timings);
    window->Setup();
    window->StopTimers();
    manager.LoadRemoConList();
    manager.RefreshViewData();

    bool ok = true;
    Command(*window, 10);
    window->MainTab().SelectPage(0);
    ok &= Save(*window, out, QStringLiteral("calendar-all"));
    window->MainTab().SelectPage(1);
    ok &= Save(*window, out, QStringLiteral("graph-all"));
    Command(*window, 11);
    window->MainTab().SelectPage(0);
    ok &= Save(*window, out, QStringLiteral("calendar-unit1"));
    window->MainTab().SelectPage(1);
    ok &= Save(*window, out, QStringLiteral("graph-unit1"));

    const std::vector<CRemoConInfo> list = manager.GetRemoConList();
    for (size_t i = 0; i < list.size() && i < 7; ++i) {
        const char* variant = VariantName(CCustomCtrlTabPage::SettingsVariant(list[i].settings));
        if (variant == nullptr) {
            continue;
        }
        Command(*window, 11 + static_cast<int>(i));
        window->MainTab().SelectPage(2);
        for (int page = 1; page <= 5; ++page) {
            if (page > 1) {
                Command(*window, 31);
            }
            ok &= Save(*window, out, QStringLiteral("settings-%1-%2").arg(variant).arg(page));
        }
        for (int page = 1; page < 5; ++page) {
            Command(*window, 30);
        }
        window->MainTab().SelectPage(0);
    }

    window->LeftTab().SelectPage(1);
    ok &= Save(*window, out, QStringLiteral("menu"));
    Command(*window, 8);
    ok &= Save(*window, out, QStringLiteral("menu-about"));
    window.reset();
    return ok ? 0 : 1;
}
