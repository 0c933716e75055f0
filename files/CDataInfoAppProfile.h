#pragma once

#include "model/CDbSettingInfoData.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

// Records of the data-duplication file (.dat), one per table. Texts are UTF-8;
// the file holds them in CP932.
struct _MODEL_INFO_TBL_DATA {
    std::string macAddress;
    std::string airconInf; // AIRCON_INF, the model text
    std::string roomInf;   // ROOM_INF, the one-letter room code

    bool operator==(const _MODEL_INFO_TBL_DATA&) const = default;
};

struct _SETTING_INFO_TBL_DATA {
    // A file from an installation whose settings table had fewer columns
    // leaves the later values at these: 0 for the first twelve, -1 after.
    static SettingValues InitialValues() {
        SettingValues values;
        for (int32_t i = 0; i < kSettingCount; ++i) {
            values[static_cast<size_t>(i)] = i < kRemoconSensor ? 0 : kSettingNotReported;
        }
        return values;
    }

    std::string macAddress;
    SettingValues values = InitialValues();

    bool operator==(const _SETTING_INFO_TBL_DATA&) const = default;
};

struct _RUN_STATE_TBL_DATA {
    std::string macAddress;
    std::string date; // "YYYYMMDD"
    int32_t useTime = 0;
    int32_t electricityBill = 0;
    int32_t indoorTemperature = 0;
    int32_t outdoorTemperature = 0;
    int32_t absentEco = 0;

    bool operator==(const _RUN_STATE_TBL_DATA&) const = default;
};

struct _TARGET_ELECTRICITY_TBL_DATA {
    std::string macAddress;
    std::string years; // "YYYYMM"
    int32_t electricityTarget = 0;

    bool operator==(const _TARGET_ELECTRICITY_TBL_DATA&) const = default;
};

// What a line of the file is, as AnalysisTableTag reports it.
enum TABLE_KIND : int32_t {
    TABLE_KIND_NONE = -1, // empty line; also "no table current"
    TABLE_KIND_DATA = 0,  // any line that is not a tag
    TABLE_KIND_TAG_END = 1,
    TABLE_KIND_TARGET_ELECTBILL = 2,
    TABLE_KIND_MODEL_INFO = 3,
    TABLE_KIND_RUN_STATE = 4,
    TABLE_KIND_SETTING_INFO = 5,
};

// Reads and writes the data-duplication file: four tagged sections of
// comma-separated lines in CP932 with CR LF line ends. Holds the records of
// one file; the import and export drivers (CFileJobs) fill and drain it. Lines
// the reader rejects are written to the debug log.
class CDataInfoAppProfile {
public:
    // Results of LoadFile.
    static constexpr int32_t kLoadOk = 0;       // every line understood
    static constexpr int32_t kLoadRejected = 1; // read, but some lines rejected or unread
    static constexpr int32_t kLoadFailed = 2;   // nothing could be read

    // Results of Write; kWritten (1) is the success.
    static constexpr int32_t kWritten = 1;
    static constexpr int32_t kNotWritten = 0;

    // Longest piece read as one line, in bytes; a longer line is read in pieces.
    static constexpr size_t kLinePieceBytes = 255;

    CDataInfoAppProfile() = default;

    void Clear();

    // kWritten; kNotWritten: empty path, a text CP932 cannot represent (the file
    // would not read back unchanged), or the file cannot be written. The target is
    // replaced only when the whole file was written.
    int32_t Write(const std::string& path) const;
    // The bytes Write puts in the file; false for a text CP932 cannot represent.
    bool Serialize(std::string& bytes) const;

    // Empties the four arrays, then reads the file. kLoadOk, kLoadRejected or
    // kLoadFailed (empty path, missing file, open failure).
    int32_t LoadFile(const std::string& path);
    // The reading part of LoadFile on an open stream (the fuzz target feeds
    // memory through it). Does not empty the arrays.
    int32_t LoadStream(std::FILE* file);

    // TABLE_KIND of one line (already without line end), logged unless data.
    int32_t AnalysisTableTag(std::string_view line) const;

    // Line parsers: true when the line yields a valid record.
    bool AnalysisStringDataTagetElectBill(std::string_view line,
                                          _TARGET_ELECTRICITY_TBL_DATA& record) const;
    bool AnalysisStringDataModelInfo(std::string_view line, _MODEL_INFO_TBL_DATA& record) const;
    bool AnalysisStringDataRunState(std::string_view line, _RUN_STATE_TBL_DATA& record) const;
    bool AnalysisStringDataSettingInfo(std::string_view line, _SETTING_INFO_TBL_DATA& record) const;

    std::vector<_MODEL_INFO_TBL_DATA> m_modelInfo;
    std::vector<_SETTING_INFO_TBL_DATA> m_settingInfo;
    std::vector<_RUN_STATE_TBL_DATA> m_runState;
    std::vector<_TARGET_ELECTRICITY_TBL_DATA> m_targetElectricity;
};
