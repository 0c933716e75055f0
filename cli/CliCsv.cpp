#include "cli/CliCommand.h"
#include "cli/CliContext.h"
#include "cli/CliPositions.h"
#include "files/CFileJobs.h"

#include <ostream>

namespace {

int Run(CliContext& context, const std::vector<std::string>& args) {
    CsvEncoding encoding = CsvEncoding::kUtf8Bom;
    size_t next = 0;
    if (!args.empty() && args[0] == "--encoding") {
        if (args.size() < 2) {
            return kCliBadArguments;
        }
        if (args[1] == "utf-8") {
            encoding = CsvEncoding::kUtf8Bom;
        } else if (args[1] == "cp932") {
            encoding = CsvEncoding::kCp932;
        } else {
            context.Err() << "tevaro-cli: unknown encoding: " << args[1] << '\n';
            return kCliBadArguments;
        }
        next = 2;
    }
    int32_t year = 0;
    int32_t month = 0;
    std::vector<int32_t> positions;
    if (args.size() < next + 4 || args[next].empty() || !ParseCliNumber(args[next + 1], year) ||
        !ParseCliNumber(args[next + 2], month) || !ParseCliPositions(args, next + 3, positions)) {
        return kCliBadArguments;
    }
    CDataManager* manager = context.Manager();
    if (manager == nullptr) {
        return kCliFailed;
    }
    const int32_t result =
        CFileJobs(manager).RunCsvJob(args[next], positions, year, month, encoding);
    context.Out() << "result " << result << '\n';
    return kCliOk;
}

} // namespace

const CliCommand& CsvCommand() {
    static const CliCommand command{
        "csv", "write the daily electricity bills of air conditioners as CSV files",
        "usage: tevaro-cli csv [--encoding utf-8|cp932] <folder> <year> <month> <position> ...\n\n"
        "Writes one file per unit (positions as `units` prints them) into the folder,\n"
        "named <room name>_<model>-<YYYY><MM>.csv. Year 0 takes all data, month 0\n"
        "the whole year; otherwise the year is 2010..2099 and the month 1..12.\n"
        "The text is UTF-8 with a byte-order mark, or CP932 with --encoding cp932.\n"
        "Prints `result 0` when every file was written, `result 1` when one failed\n"
        "(the others are still written).\n",
        Run};
    return command;
}
