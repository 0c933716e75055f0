#include "cli/TevaroCli.h"

#include "cli/CliCommand.h"
#include "cli/CliContext.h"

#include <ostream>

namespace {

void PrintOverview(std::ostream& stream) {
    stream << "usage: tevaro-cli <command> [arguments]\n"
              "       tevaro-cli <command> --help\n"
              "       tevaro-cli --version\n\n"
              "Reads the air conditioners' remote controllers into the Tevaro database and\n"
              "shows the electricity bills, without a display. The database is the one the\n"
              "desktop program uses ($TEVARO_DATA_DIR, else $XDG_DATA_HOME, else\n"
              "~/.local/share, then Morvane/aircon/tvraircon.sdf).\n\ncommands:\n";
    for (const CliCommand* command : CliCommands()) {
        stream << "  " << command->name;
        for (size_t i = std::char_traits<char>::length(command->name); i < 10; ++i) {
            stream << ' ';
        }
        stream << command->summary << '\n';
    }
    stream << '\n' << kCliExitStatusText;
}

} // namespace

int RunTevaroCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                 const IClock& clock, ICliNotifier* notifier) {
    if (args.empty()) {
        PrintOverview(err);
        return kCliBadArguments;
    }
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        PrintOverview(out);
        return kCliOk;
    }
    if (args[0] == "--version") {
        out << "tevaro-cli " << TEVARO_VERSION << '\n';
        return kCliOk;
    }
    for (const CliCommand* command : CliCommands()) {
        if (args[0] != command->name) {
            continue;
        }
        const std::vector<std::string> rest(args.begin() + 1, args.end());
        for (const std::string& arg : rest) {
            if (arg == "--help" || arg == "-h") {
                out << command->usage << '\n' << kCliExitStatusText;
                return kCliOk;
            }
        }
        CliContext context(out, err, clock, notifier);
        const int status = command->run(context, rest);
        if (status == kCliBadArguments) {
            err << command->usage;
        }
        out.flush();
        return status;
    }
    err << "tevaro-cli: unknown command '" << args[0] << "'\n\n";
    PrintOverview(err);
    return kCliBadArguments;
}
