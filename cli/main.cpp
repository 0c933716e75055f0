// tevaro-cli: the command-line front end of Tevaro (see `tevaro-cli --help`).
#include "cli/LibnotifyNotifier.h"
#include "cli/TevaroCli.h"
#include "data/CSystemClock.h"
#include "debuglog/AppLog.h"

#include <iostream>

int main(int argc, char** argv) {
    AppLog().Initialize(kAppLogName);
    const std::vector<std::string> args(argv + 1, argv + argc);
    LibnotifyNotifier notifier;
    return RunTevaroCli(args, std::cout, std::cerr, CSystemClock::Instance(), &notifier);
}
