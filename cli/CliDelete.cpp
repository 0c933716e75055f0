#include "cli/CliCommand.h"
#include "cli/CliContext.h"
#include "files/CFileJobs.h"

#include <ostream>

namespace {

bool IsMacArgument(std::string& mac) {
    if (mac.size() != 16) {
        return false;
    }
    for (char& c : mac) {
        if (c >= 'a' && c <= 'f') {
            c = static_cast<char>(c - 'a' + 'A');
        }
        if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'))) {
            return false;
        }
    }
    return true;
}

int Run(CliContext& context, const std::vector<std::string>& args) {
    if (args.empty()) {
        return kCliBadArguments;
    }
    std::vector<std::string> macs = args;
    for (std::string& mac : macs) {
        // An empty MAC is the delete job's own failure case (counted, the
        // others still deleted); anything else that is not a MAC is a typo.
        if (!mac.empty() && !IsMacArgument(mac)) {
            context.Err() << "tevaro-cli: not a MAC address: " << mac << '\n';
            return kCliBadArguments;
        }
    }
    CDataManager* manager = context.Manager();
    if (manager == nullptr) {
        return kCliFailed;
    }
    // The same job the GUI's progress dialog runs, so both count alike; one
    // unit at a time, so the exit status can tell some units from all.
    CFileJobs jobs(manager);
    std::vector<std::string> failed;
    for (const std::string& mac : macs) {
        if (jobs.RunDeleteJob({mac}) != CFileJobs::kJobOk) {
            failed.push_back(mac.empty() ? "an empty MAC" : mac + " (the database refused)");
        }
    }
    context.Out() << "result " << (failed.empty() ? CFileJobs::kJobOk : CFileJobs::kDeleteFailed)
                  << '\n';
    if (failed.empty()) {
        return kCliOk;
    }
    std::string why = "not deleted:";
    for (size_t i = 0; i < failed.size(); ++i) {
        why += (i == 0 ? " " : ", ") + failed[i];
    }
    return context.Fail(failed.size() < macs.size() ? kCliPartly : kCliFailed, why);
}

} // namespace

const CliCommand& DeleteCommand() {
    static const CliCommand command{
        "delete", "delete air conditioners with all their data",
        "usage: tevaro-cli delete <MAC> [<MAC> ...]\n\n"
        "Deletes each unit (16 hexadecimal digits, as `units` shows) from all four\n"
        "tables: model, settings, daily run log and monthly targets. Prints\n"
        "`result 0` when every deletion succeeded, `result 2` when one failed (the\n"
        "others are still deleted); the exit status is then 3, or 1 when none was\n"
        "deleted.\n",
        Run};
    return command;
}
