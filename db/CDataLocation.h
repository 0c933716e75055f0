#pragma once

#include <string>

// Where the program's data lives: $TEVARO_DATA_DIR, else $XDG_DATA_HOME, else
// ~/.local/share; the database is "<base>/Morvane/aircon/tvraircon.sdf".
// Folders are laid down by installation (or by the user), never by the program.
class CDataLocation {
public:
    static std::string BaseFolder();
    static std::string DatabaseFolder();
    static std::string DatabasePath();
};
