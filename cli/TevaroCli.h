#pragma once

#include "data/IClock.h"

#include <iosfwd>
#include <string>
#include <vector>

class ICliNotifier;

// The whole of tevaro-cli behind main(): `args` without the program name.
// `notifier` shows the notification of `read --notify` (null: none is shown).
// Returns the exit status (kCli* of CliCommand.h).
int RunTevaroCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                 const IClock& clock, ICliNotifier* notifier = nullptr);
