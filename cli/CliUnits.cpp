#include "cli/CliCommand.h"
#include "cli/CliContext.h"
#include "cli/CliJson.h"

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

// The database may hand the date back with "-"; show it as stored otherwise.
std::string RegistrationDate(std::string date) {
    std::replace(date.begin(), date.end(), '-', '/');
    return date;
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
        context.Out() << i << '\t' << Field(unit.macAddress) << '\t' << Field(unit.roomName) << '\t'
                      << Field(unit.model) << '\t' << Field(RegistrationDate(unit.getDate)) << '\t'
                      << (unit.connected ? 1 : 0) << '\n';
    }
    context.Out().flush();
}

nlohmann::ordered_json UnitsJson(CDataManager& manager) {
    manager.RefreshConnectedFlags();
    nlohmann::ordered_json units = nlohmann::ordered_json::array();
    const auto& list = manager.GetRemoConList();
    for (size_t i = 0; i < list.size(); ++i) {
        units.push_back({{"index", i},
                         {"mac", list[i].macAddress},
                         {"room", list[i].roomName},
                         {"model", list[i].model},
                         {"registered", RegistrationDate(list[i].getDate)},
                         {"connected", list[i].connected}});
    }
    return units;
}

namespace {

int Run(CliContext& context, const std::vector<std::string>& args) {
    const bool json = args.size() == 1 && args[0] == "--json";
    if (!args.empty() && !json) {
        return kCliBadArguments;
    }
    CDataManager* manager = context.Manager();
    if (manager == nullptr) {
        return kCliFailed;
    }
    if (json) {
        PrintJson(UnitsJson(*manager), context.Out());
    } else {
        PrintUnits(context);
    }
    return kCliOk;
}

} // namespace

const CliCommand& UnitsCommand() {
    static const CliCommand command{
        "units", "list the registered air conditioners",
        "usage: tevaro-cli units [--json]\n\n"
        "One line per registered unit, in registration order, tab-separated:\n"
        "  <index> <MAC> <room name> <model> <registration date> <connected 0|1>\n"
        "The index is the <selection> of `month`. Connected is 1 only for units whose\n"
        "remote controller was read by this same command (see `read`).\n"
        "--json prints an array instead: one object per unit with index, mac, room,\n"
        "model, registered and connected (true/false).\n",
        Run};
    return command;
}
