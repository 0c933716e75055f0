// tevaro: the desktop program.
#include "app/Ctevaro_worldApp.h"
#include "ui/access/Accessibility.h"

#include <QApplication>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    // Before QApplication: answered without a display, a window or the database.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("tevaro %s\n", TEVARO_VERSION);
        return 0;
    }
    // A screen at 125 % or 150 % gets its own ratio rather than a rounded
    // one: the surfaces draw at whatever ratio the screen has.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    QApplication application(argc, argv);
    Accessibility::Install();
    Ctevaro_worldApp app;
    if (app.InitInstance()) {
        QApplication::exec();
    }
    app.ExitInstance();
    return 0;
}
