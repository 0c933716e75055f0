#pragma once

#include <string>

// One desktop notification: a short summary and its body (UTF-8).
struct CliNotice {
    std::string summary;
    std::string body;
};

// Who shows tevaro-cli's desktop notification. tevaro-cli's main() passes one
// that talks to the notification server of the session (libnotify); tests
// pass a recorder. Showing is best effort: with no server nothing is shown
// and nothing fails.
class ICliNotifier {
public:
    virtual ~ICliNotifier() = default;
    virtual void Notify(const CliNotice& notice) = 0;
};
