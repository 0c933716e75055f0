// tevaro: the desktop program.
#include "app/Ctevaro_worldApp.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    Ctevaro_worldApp app;
    if (app.InitInstance()) {
        QApplication::exec();
    }
    app.ExitInstance();
    return 0;
}
