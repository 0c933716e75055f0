#include "cli/CliCommand.h"
#include "cli/CliContext.h"

#include <ostream>

namespace {

// Prints each connect error the moment it happens, so a script (or a person
// watching) sees which port failed before the next one is read.
class PrintingConnectErrors : public IConnectErrorReceiver {
public:
    explicit PrintingConnectErrors(std::ostream& out) : m_out(out) {}
    void ShowConnectError(int32_t pictureId) override {
        m_out << "connect-error " << pictureId << std::endl;
    }

private:
    std::ostream& m_out;
};

int Run(CliContext& context, const std::vector<std::string>& args) {
    if (!args.empty()) {
        return kCliBadArguments;
    }
    CDataManager* manager = context.Manager();
    if (manager == nullptr) {
        return kCliFailed;
    }
    PrintingConnectErrors errors(context.Out());
    manager->SetConnectErrorReceiver(&errors);
    manager->Update4Remocon();
    manager->SetConnectErrorReceiver(nullptr);
    PrintUnits(context);
    return kCliOk;
}

} // namespace

const CliCommand& ReadCommand() {
    static const CliCommand command{
        "read", "read every plugged-in remote controller into the database",
        "usage: tevaro-cli read\n\n"
        "Reads every plugged-in remote controller, stores its air conditioner, settings\n"
        "and run-log day, then prints the registered units as `units` does. A remote\n"
        "controller that cannot be read prints `connect-error <picture id>` when it\n"
        "happens: 362 no identity (all-zero MAC), 363 seven units already registered,\n"
        "454 no answer in time, 364 any other failure. Exit status 0.\n"
        "Run it nightly (cron) so no day of the remote controller's log is missed.\n",
        Run};
    return command;
}
