#include "cli/CliCommand.h"
#include "cli/CliContext.h"

#include <algorithm>
#include <ostream>

namespace {

// The model comes from the remote controller (or an imported file) and may hold
// any byte; a tab or line end in it would break the one-line-per-unit format
// that scripts split on.
std::string Field(std::string text) {
    for (char& c : text) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
            c = ' ';
        }
    }
    return text;
}

} // namespace

void PrintUnits(CliContext& context) {
    CDataManager* manager = context.Manager();
    if (manager == nullptr) {
        return;
    }
    manager->RefreshConnectedFlags();
    const auto& units = manager->GetRemoConList();
    for (size_t i = 0; i < units.size(); ++i) {
        const CRemoConInfo& unit = units[i];
        // The database may hand the date back with "-"; show it as stored.
        std::string date = unit.getDate;
        std::replace(date.begin(), date.end(), '-', '/');
        context.Out() << i << '\t' << Field(unit.macAddress) << '\t' << Field(unit.roomName) << '\t'
                      << Field(unit.model) << '\t' << Field(date) << '\t'
                      << (unit.connected ? 1 : 0) << '\n';
    }
    context.Out().flush();
}

namespace {

int Run(CliContext& context, const std::vector<std::string>& args) {
    if (!args.empty()) {
        return kCliBadArguments;
    }
    if (context.Manager() == nullptr) {
        return kCliFailed;
    }
    PrintUnits(context);
    return kCliOk;
}

} // namespace

const CliCommand& UnitsCommand() {
    static const CliCommand command{
        "units", "list the registered air conditioners",
        "usage: tevaro-cli units\n\n"
        "One line per registered unit, in registration order, tab-separated:\n"
        "  <index> <MAC> <room name> <model> <registration date> <connected 0|1>\n"
        "The index is the <selection> of `month`. Connected is 1 only for units whose\n"
        "remote controller was read by this same command (see `read`).\n",
        Run};
    return command;
}
