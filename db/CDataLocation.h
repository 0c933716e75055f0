#pragma once

#include <string>
#include <string_view>

// Where the program's files live. Data: $TEVARO_DATA_DIR, else $XDG_DATA_HOME,
// else ~/.local/share; the database is "<base>/Morvane/aircon/tvraircon.sdf".
// Folders are laid down by installation (or by the user), never by the program.
//
// The running desktop program: its single-instance socket and lock file lie in
// $XDG_RUNTIME_DIR, else in /tmp/tevaro-<uid> (app/CSingleInstance makes and
// holds them). The core only computes the names, so tevaro-cli can find the
// lock without Qt.
class CDataLocation {
public:
    static constexpr std::string_view kInstanceName =
        "tvraircon_{D93FC629-4D91-4ab3-B5BE-DC56EA286DD0}";

    static std::string BaseFolder();
    static std::string DatabaseFolder();
    static std::string DatabasePath();

    // $XDG_RUNTIME_DIR when it is an absolute path to an existing folder,
    // else "/tmp/tevaro-<uid>" (which may not exist).
    static std::string RuntimeFolder();
    // "<runtime folder>/<kInstanceName>.lock"
    static std::string InstanceLockPath();
};
