#pragma once

#include "files/CDataInfoProfile.h"

#include <cstdint>
#include <string>
#include <vector>

class CDataInfoAppProfile;
class CDataManager;
struct CRemoConInfo;

// The data-file work of the application: import and export of the
// data-duplication file, the electricity-bill CSV, and deleting units. The GUI's
// progress-dialog worker and tevaro-cli run the same jobs through this class,
// one at a time, on the thread that owns the data manager for the duration.
class CFileJobs {
public:
    // Results of LoadAppInfoProfile and of the import job.
    static constexpr int32_t kImportOk = 0;         // everything registered
    static constexpr int32_t kImportRejected = 1;   // some lines or records refused
    static constexpr int32_t kImportLimit = -1;     // a unit refused: seven registered
    static constexpr int32_t kImportUnreadable = 2; // the file could not be read

    // Results of the export and CSV jobs.
    static constexpr int32_t kJobOk = 0;
    static constexpr int32_t kJobFailed = 1;
    // Result of the delete job when a MAC was empty or a deletion failed.
    static constexpr int32_t kDeleteFailed = 2;

    // Results of OutputEleBillCsv, the CSV writer's; kCsvWritten (1) is the success.
    static constexpr int32_t kCsvWritten = CDataInfoProfile::kWritten;
    static constexpr int32_t kCsvNotWritten = CDataInfoProfile::kNotWritten;

    // `manager` is not owned; null is reported, not dereferenced.
    explicit CFileJobs(CDataManager* manager) : m_manager(manager) {}

    // Reads the .dat file and registers its records through the data manager's
    // validating setters (models, settings, run states, targets), then reloads
    // the unit list and the view data. kImport* codes.
    int32_t LoadAppInfoProfile(const std::string& path);

    // Writes the units at `positions` of the unit list (in that order) to the
    // .dat file. False for an empty path, no data manager, a position outside
    // the list, a failed database query, or a failed write.
    bool SaveAppInfoProfile(const std::vector<int32_t>& positions, const std::string& path);

    // One unit's CSV for year 0 (all data) or 2010..2099 and month 0 (whole
    // year) or 1..12, into `folder`. kCsvWritten; kCsvNotWritten (no file is left).
    int32_t OutputEleBillCsv(const std::string& folder, int32_t position, int32_t year,
                             int32_t month, CsvEncoding encoding = CsvEncoding::kUtf8Bom);
    // "<folder>/<room name>_<model without trailing blanks>[-YYYY][MM].csv"
    static std::string CsvFileName(const std::string& folder, const CRemoConInfo& unit,
                                   int32_t year, int32_t month);

    // The progress dialog's jobs. Import: LoadAppInfoProfile's code, then the
    // connected flags are refreshed. Export: kJobOk / kJobFailed. CSV: one file
    // per position; kJobFailed when any failed, later files still written.
    // Delete: kJobOk, or kDeleteFailed when a MAC was empty or its deletion
    // failed; later MACs are still deleted.
    int32_t RunImportJob(const std::string& path);
    int32_t RunExportJob(const std::vector<int32_t>& positions, const std::string& path);
    int32_t RunCsvJob(const std::string& folder, const std::vector<int32_t>& positions,
                      int32_t year, int32_t month, CsvEncoding encoding = CsvEncoding::kUtf8Bom);
    int32_t RunDeleteJob(const std::vector<std::string>& macs);

private:
    // Step 3 of the import: registration of what LoadFile read.
    int32_t RegisterRecords(const CDataInfoAppProfile& profile, bool& limitHit);

    CDataManager* m_manager;
};
