#include "cli/CliCommand.h"
#include "cli/CliContext.h"
#include "cli/CliPositions.h"
#include "cli/CliReasons.h"
#include "files/CFileJobs.h"
#include "model/CCalendarDate.h"

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
    // One unit at a time (the job goes on after a failed file too), so the
    // exit status can tell some files from all of them.
    const std::string& folder = args[next];
    CFileJobs jobs(manager);
    std::vector<int32_t> failed;
    for (const int32_t position : positions) {
        if (jobs.RunCsvJob(folder, {position}, year, month, encoding) != CFileJobs::kJobOk) {
            failed.push_back(position);
        }
    }
    context.Out() << "result " << (failed.empty() ? CFileJobs::kJobOk : CFileJobs::kJobFailed)
                  << '\n';
    if (failed.empty()) {
        return kCliOk;
    }
    std::string why;
    if ((year != 0 && (year < kFirstSupportedYear || year > kLastSupportedYear)) || month < 0 ||
        month > 12) {
        why = "no CSV for year " + std::to_string(year) + " month " + std::to_string(month) +
              ": the year is 0 or " + std::to_string(kFirstSupportedYear) + ".." +
              std::to_string(kLastSupportedYear) + ", the month 0..12";
    } else if (why = MissingPosition(*manager, failed); why.empty()) {
        why = FolderWriteFailureReason(folder);
    }
    if (failed.size() < positions.size()) {
        return context.Fail(kCliPartly, std::to_string(failed.size()) + " of " +
                                            std::to_string(positions.size()) +
                                            " files not written: " + why);
    }
    return context.Fail(kCliFailed, why);
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
        "(the others are still written); the exit status is then 3, or 1 when no\n"
        "file was written.\n",
        Run};
    return command;
}
