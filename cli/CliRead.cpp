#include "cli/CliCommand.h"
#include "cli/CliContext.h"
#include "cli/CliDesktopProgram.h"
#include "cli/CliJson.h"
#include "cli/CliReadNotice.h"
#include "data/CDataManagerConvert.h"
#include "db/CDataLocation.h"

#include <map>
#include <ostream>
#include <set>

namespace {

constexpr const char* kLeftToDesktopProgram =
    "the desktop program is running and reads the remote controllers itself";

// Records each connect error and, for the text output, prints it the moment
// it happens, so a script (or a person watching) sees which port failed
// before the next one is read.
class PrintingConnectErrors : public IConnectErrorReceiver {
public:
    PrintingConnectErrors(std::ostream& out, bool print) : m_out(out), m_print(print) {}
    void ShowConnectError(int32_t pictureId) override {
        m_pictures.push_back(pictureId);
        if (m_print) {
            m_out << "connect-error " << pictureId << std::endl;
        }
    }
    const std::vector<int32_t>& Pictures() const { return m_pictures; }

private:
    std::ostream& m_out;
    bool m_print;
    std::vector<int32_t> m_pictures;
};

// Stands between the port manager and the data manager for one read and
// counts what the data manager stored: the units whose identity it took and
// their run-log days.
class CountingReceiver : public IRemoconDataReceiver {
public:
    CountingReceiver(CDataManager& manager, const IClock& clock)
        : m_manager(manager), m_convert(clock) {}

    int32_t SetRemoconData(const uint8_t* mac, const void* record, int32_t kind) override {
        const int32_t result = m_manager.SetRemoconData(mac, record, kind);
        std::string text;
        if (result == kRemoconStored && m_convert.MacAddr_DeviceToDB(mac, &text)) {
            if (kind == kRemoconKindAirconInfo) {
                m_units.insert(text);
            } else if (kind == kRemoconKindLogData) {
                ++m_days[text];
            }
        }
        return result;
    }

    int32_t UnitsRead() const { return static_cast<int32_t>(m_units.size()); }
    int32_t DaysStored(const std::string& mac) const {
        const auto it = m_days.find(mac);
        return it != m_days.end() ? it->second : 0;
    }
    int32_t DaysStored() const {
        int32_t days = 0;
        for (const auto& [mac, count] : m_days) {
            days += count;
        }
        return days;
    }

private:
    CDataManager& m_manager;
    const CDataManagerConvert m_convert;
    std::set<std::string> m_units;
    std::map<std::string, int32_t> m_days;
};

// This month over all air conditioners, as the bill box shows it.
void AddMonth(CDataManager& manager, CliReadOutcome& outcome) {
    manager.SetRequestedSelection(CDataManager::kAllAircons);
    manager.ShowCurrentMonth(); // rebuilds the view data with the selection
    outcome.registeredUnits = manager.GetRemoConCount();
    outcome.monthTotal = manager.GetMonthTotal();
    outcome.target = manager.GetMonthTarget();
    outcome.forecast = manager.GetForecast();
}

void PrintReadJson(CDataManager& manager, const CountingReceiver& counts,
                   const CliReadOutcome& outcome, std::ostream& out) {
    nlohmann::ordered_json units = UnitsJson(manager);
    for (auto& unit : units) {
        unit["days_stored"] = counts.DaysStored(unit["mac"].get<std::string>());
    }
    nlohmann::ordered_json json;
    json["desktop_program_running"] = false;
    json["units_read"] = outcome.unitsRead;
    json["days_stored"] = outcome.daysStored;
    json["connect_errors"] = outcome.connectErrors;
    json["units"] = std::move(units);
    json["month_total"] = outcome.monthTotal;
    json["target"] = outcome.target;
    json["forecast_yen"] =
        outcome.forecast ? nlohmann::ordered_json(outcome.forecast->yen) : nullptr;
    PrintJson(json, out);
}

std::string PictureList(const std::vector<int32_t>& pictures) {
    std::string text;
    for (const int32_t picture : pictures) {
        text += (text.empty() ? "" : " ") + std::to_string(picture);
    }
    return text;
}

int Run(CliContext& context, const std::vector<std::string>& args) {
    bool json = false;
    bool notify = false;
    for (const std::string& arg : args) {
        if (arg == "--json") {
            json = true;
        } else if (arg == "--notify") {
            notify = true;
        } else {
            return kCliBadArguments;
        }
    }
    ICliNotifier* notifier = notify ? context.Notifier() : nullptr;
    // The running program reads a plugged-in remote controller by itself;
    // were this read to hold the port meanwhile, the program would find it
    // locked and show the person its connect-error dialog.
    if (DesktopProgramIsRunning(CDataLocation::InstanceLockPath())) {
        if (json) {
            PrintJson({{"desktop_program_running", true}}, context.Out());
        } else {
            context.Out() << kLeftToDesktopProgram << '\n';
        }
        return kCliOk;
    }
    CDataManager* manager = context.Manager();
    if (manager == nullptr) {
        if (notifier != nullptr) {
            notifier->Notify({"リモコンを読み込めませんでした", "初期化に失敗しました。"});
        }
        return kCliFailed;
    }
    PrintingConnectErrors errors(context.Out(), !json);
    CountingReceiver counts(*manager, context.Clock());
    manager->SetConnectErrorReceiver(&errors);
    manager->PortManager().InitSetting(&counts);
    manager->Update4Remocon();
    manager->PortManager().InitSetting(manager);
    manager->SetConnectErrorReceiver(nullptr);

    CliReadOutcome outcome;
    outcome.unitsRead = counts.UnitsRead();
    outcome.daysStored = counts.DaysStored();
    outcome.connectErrors = errors.Pictures();
    AddMonth(*manager, outcome);
    if (json) {
        PrintReadJson(*manager, counts, outcome, context.Out());
    } else {
        PrintUnits(context);
    }
    if (notifier != nullptr) {
        notifier->Notify(ReadNotice(outcome));
    }
    if (outcome.connectErrors.empty()) {
        return kCliOk;
    }
    const std::string notRead = std::to_string(outcome.connectErrors.size()) + " of " +
                                std::to_string(outcome.connectErrors.size() + outcome.unitsRead) +
                                " remote controllers not read (connect-error " +
                                PictureList(outcome.connectErrors) + ")";
    return context.Fail(outcome.unitsRead > 0 ? kCliPartly : kCliFailed, notRead);
}

} // namespace

const CliCommand& ReadCommand() {
    static const CliCommand command{
        "read", "read every plugged-in remote controller into the database",
        "usage: tevaro-cli read [--json] [--notify]\n\n"
        "Reads every plugged-in remote controller, stores its air conditioner, settings\n"
        "and run-log days, then prints the registered units as `units` does. A remote\n"
        "controller that cannot be read prints `connect-error <picture id>` when it\n"
        "happens: 362 no identity (all-zero MAC), 363 seven units already registered,\n"
        "454 no answer in time, 364 any other failure. Exit status 0 when every\n"
        "plugged-in remote controller was read (also when none is plugged in), 3 when\n"
        "some were not, 1 when none could be.\n"
        "While the desktop program runs, it reads the remote controllers itself: read\n"
        "then touches no port, prints one line saying so and exits with 0.\n"
        "--json prints one object instead: desktop_program_running, units_read,\n"
        "days_stored, connect_errors (picture ids), units (as `units --json`, each\n"
        "with days_stored: run-log days stored by this read), month_total, target and\n"
        "forecast_yen (null without a forecast) of this month for all air conditioners.\n"
        "--notify also shows a desktop notification of what was read and where this\n"
        "month's bill is heading (nothing is shown without a notification server).\n"
        "Run it nightly (cron) so no day of the remote controller's log is missed.\n",
        Run};
    return command;
}
