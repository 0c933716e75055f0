#include "cli/CliCommand.h"
#include "cli/CliContext.h"
#include "cli/CliReasons.h"
#include "files/CFileJobs.h"

#include <ostream>

namespace {

int Run(CliContext& context, const std::vector<std::string>& args) {
    if (args.size() != 1 || args[0].empty()) {
        return kCliBadArguments;
    }
    CDataManager* manager = context.Manager();
    if (manager == nullptr) {
        return kCliFailed;
    }
    const int32_t result = CFileJobs(manager).RunImportJob(args[0]);
    context.Out() << "result " << result << '\n';
    switch (result) {
    case CFileJobs::kImportOk:
        return kCliOk;
    case CFileJobs::kImportRejected:
        return context.Fail(kCliPartly, args[0] + ": some lines or records were refused");
    case CFileJobs::kImportLimit:
        return context.Fail(kCliPartly, args[0] + ": a unit was refused, seven air "
                                                  "conditioners are already registered");
    default:
        return context.Fail(kCliFailed, FileReadFailureReason(args[0]));
    }
}

} // namespace

const CliCommand& ImportCommand() {
    static const CliCommand command{
        "import", "register the contents of a data-duplication (.dat) file",
        "usage: tevaro-cli import <file.dat>\n\n"
        "Reads the file (CP932, CR LF or LF line ends) and registers its air\n"
        "conditioners, settings, daily run log and monthly targets, as the GUI's\n"
        "import does. Prints `result <code>`:\n"
        "   0  everything registered\n"
        "   1  the file was read, but some lines or records were refused\n"
        "  -1  a unit was refused because seven are already registered\n"
        "   2  the file could not be read (nothing changed)\n"
        "Exit status 0 for result 0, 3 for 1 and -1 (what was accepted stays\n"
        "registered), 1 for 2.\n",
        Run};
    return command;
}
