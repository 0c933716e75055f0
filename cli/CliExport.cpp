#include "cli/CliCommand.h"
#include "cli/CliContext.h"
#include "cli/CliPositions.h"
#include "cli/CliReasons.h"
#include "files/CFileJobs.h"

#include <ostream>

namespace {

int Run(CliContext& context, const std::vector<std::string>& args) {
    std::vector<int32_t> positions;
    if (args.empty() || args[0].empty() || !ParseCliPositions(args, 1, positions)) {
        return kCliBadArguments;
    }
    CDataManager* manager = context.Manager();
    if (manager == nullptr) {
        return kCliFailed;
    }
    const int32_t result = CFileJobs(manager).RunExportJob(positions, args[0]);
    context.Out() << "result " << result << '\n';
    if (result == CFileJobs::kJobOk) {
        return kCliOk;
    }
    if (const std::string missing = MissingPosition(*manager, positions); !missing.empty()) {
        return context.Fail(kCliFailed, missing);
    }
    return context.Fail(kCliFailed, FileWriteFailureReason(args[0]));
}

} // namespace

const CliCommand& ExportCommand() {
    static const CliCommand command{
        "export", "write air conditioners to a data-duplication (.dat) file",
        "usage: tevaro-cli export <file.dat> [<position> ...]\n\n"
        "Writes the complete data of the units at the given positions (the indexes\n"
        "`units` prints), in that order, to the file in CP932 with CR LF line ends;\n"
        "an existing file is replaced only once the new one is complete. Without a\n"
        "position the file holds the eight section tags only. Prints `result 0`\n"
        "when the file was written (exit status 0), `result 1` otherwise (exit\n"
        "status 1).\n",
        Run};
    return command;
}
