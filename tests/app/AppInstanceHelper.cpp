// A copy of the program with short timings for the single-instance tests:
// the real start-up on the folders the environment names ($XDG_RUNTIME_DIR,
// $TEVARO_DATA_DIR, $TEVARO_SYSFS_ROOT, $TEVARO_DEV_ROOT). Prints "started"
// when it runs, "refused" when it may not, "raised" for each raise request and
// "closed" when its event loop ended.
#include "app/CSingleInstance.h"
#include "app/Ctevaro_worldApp.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    QApplication application(argc, argv);
    Ctevaro_worldApp::Options options;
    options.timings.splashMinimumMs = 10;
    options.timings.progressMinimumMs = 10;
    options.timings.animationMs = 10;
    options.timings.closePollMs = 10;
    options.timings.devicePollMs = 50;
    options.dpiFactor = 1.0;
    Ctevaro_worldApp app(CSystemClock::Instance(), {}, options);
    if (!app.InitInstance()) {
        std::printf("refused\n");
        std::fflush(stdout);
        app.ExitInstance();
        return 0;
    }
    QObject::connect(app.Instance(), &CSingleInstance::raiseRequested, [] {
        std::printf("raised\n");
        std::fflush(stdout);
    });
    std::printf("started\n");
    std::fflush(stdout);
    QApplication::exec();
    app.ExitInstance();
    std::printf("closed\n");
    std::fflush(stdout);
    return 0;
}
