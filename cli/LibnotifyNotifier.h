#pragma once

#include "cli/ICliNotifier.h"

// Shows tevaro-cli's notification through the session's notification server
// (org.freedesktop.Notifications, by libnotify) as 「テヴァロ」 with the
// program's icon. Built into the tevaro-cli program only, so neither the core
// nor the tests link libnotify. With no session bus or no server the call
// fails quietly.
class LibnotifyNotifier : public ICliNotifier {
public:
    static constexpr const char* kAppName = "テヴァロ";
    static constexpr const char* kIcon = "io.github.tevaro.Tevaro";

    void Notify(const CliNotice& notice) override;
};
