#include "files/CDataInfoAppProfile.h"

#include "debuglog/AppLog.h"
#include "files/AtomicFile.h"
#include "util/Cp932Text.h"

#include <charconv>
#include <memory>
#include <sys/stat.h>

namespace {

constexpr std::string_view kTargetOpen = "<ELE_BILL_TGT_TBL>";
constexpr std::string_view kTargetClose = "</ELE_BILL_TGT_TBL>";
constexpr std::string_view kModelOpen = "<MODEL_INFO_TBL>";
constexpr std::string_view kModelClose = "</MODEL_INFO_TBL>";
constexpr std::string_view kRunStateOpen = "<RUN_STATE_TBL>";
constexpr std::string_view kRunStateClose = "</RUN_STATE_TBL>";
constexpr std::string_view kSettingOpen = "<SETTING_INFO_TBL>";
constexpr std::string_view kSettingClose = "</SETTING_INFO_TBL>";
constexpr std::string_view kLineEnd = "\r\n";

constexpr size_t kSettingFieldsMax = 1 + kSettingCount;

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// Cuts the line at every ","; empty pieces are no fields. False when the line
// holds no "," or more than `maxFields` fields.
bool SplitFields(std::string_view line, size_t maxFields, std::vector<std::string_view>& fields) {
    fields.clear();
    if (line.find(',') == std::string_view::npos) {
        return false;
    }
    size_t start = 0;
    while (start <= line.size()) {
        size_t end = line.find(',', start);
        if (end == std::string_view::npos) {
            end = line.size();
        }
        if (end > start) {
            if (fields.size() == maxFields) {
                return false;
            }
            fields.push_back(line.substr(start, end - start));
        }
        start = end + 1;
    }
    return true;
}

// Decimal digits with at most one leading "-", within 32 bits. A lone "-" and
// values that overflow are refused rather than read as some other number.
bool ParseNumber(std::string_view piece, int32_t& value) {
    const size_t first = !piece.empty() && piece.front() == '-' ? 1 : 0;
    if (piece.size() == first) {
        return false;
    }
    for (size_t i = first; i < piece.size(); ++i) {
        if (piece[i] < '0' || piece[i] > '9') {
            return false;
        }
    }
    const auto [end, error] = std::from_chars(piece.data(), piece.data() + piece.size(), value);
    return error == std::errc() && end == piece.data() + piece.size();
}

void AppendNumber(std::string& out, int32_t value) {
    char text[16];
    const auto result = std::to_chars(text, text + sizeof text, value);
    out.append(text, result.ptr);
}

// One line as a text-mode read on Windows delivers it: CR LF counts as one LF,
// at most kLinePieceBytes bytes, the LF kept. Empty at end of file.
std::string ReadPiece(std::FILE* file) {
    std::string piece;
    while (piece.size() < CDataInfoAppProfile::kLinePieceBytes) {
        int c = getc_unlocked(file);
        if (c == EOF) {
            break;
        }
        if (c == '\r') {
            const int next = getc_unlocked(file);
            if (next == '\n') {
                c = '\n';
            } else if (next != EOF) {
                ungetc(next, file);
            }
        }
        piece.push_back(static_cast<char>(c));
        if (c == '\n') {
            break;
        }
    }
    return piece;
}

} // namespace

void CDataInfoAppProfile::Clear() {
    m_modelInfo.clear();
    m_settingInfo.clear();
    m_runState.clear();
    m_targetElectricity.clear();
}

bool CDataInfoAppProfile::Serialize(std::string& bytes) const {
    std::string text;
    text.reserve(64 + m_runState.size() * 48 + m_targetElectricity.size() * 32);
    const auto line = [&text](std::string_view content) {
        text += content;
        text += kLineEnd;
    };

    line(kTargetOpen);
    for (const auto& record : m_targetElectricity) {
        text += record.macAddress;
        text += ',';
        text += record.years;
        text += ',';
        AppendNumber(text, record.electricityTarget);
        text += kLineEnd;
    }
    line(kTargetClose);

    line(kModelOpen);
    for (const auto& record : m_modelInfo) {
        text += record.macAddress;
        text += ',';
        text += record.airconInf;
        text += ',';
        text += record.roomInf;
        text += kLineEnd;
    }
    line(kModelClose);

    line(kRunStateOpen);
    for (const auto& record : m_runState) {
        text += record.macAddress;
        text += ',';
        text += record.date;
        for (const int32_t value :
             {record.useTime, record.electricityBill, record.indoorTemperature,
              record.outdoorTemperature, record.absentEco}) {
            text += ',';
            AppendNumber(text, value);
        }
        text += kLineEnd;
    }
    line(kRunStateClose);

    line(kSettingOpen);
    for (const auto& record : m_settingInfo) {
        text += record.macAddress;
        for (const int32_t value : record.values) {
            text += ',';
            AppendNumber(text, value);
        }
        text += kLineEnd;
    }
    line(kSettingClose);

    // The whole text at once: it is nearly all ASCII, and a character CP932
    // lacks fails the file instead of turning into "?" that would not read back.
    CTextCodec codec;
    return codec.Utf8ToCp932(text, bytes) == CTextCodec::kOk;
}

int32_t CDataInfoAppProfile::Write(const std::string& path) const {
    if (path.empty()) {
        return kNotWritten;
    }
    std::string bytes;
    if (!Serialize(bytes)) {
        return kNotWritten;
    }
    return WriteFileAtomically(path, bytes) ? kWritten : kNotWritten;
}

int32_t CDataInfoAppProfile::AnalysisTableTag(std::string_view line) const {
    const char* name = nullptr;
    int32_t kind = TABLE_KIND_DATA;
    if (line.empty()) {
        kind = TABLE_KIND_NONE;
        name = "TABLE_KIND_NONE";
    } else if (line == kTargetOpen) {
        kind = TABLE_KIND_TARGET_ELECTBILL;
        name = "TABLE_KIND_TARGET_ELECTBILL";
    } else if (line == kModelOpen) {
        kind = TABLE_KIND_MODEL_INFO;
        name = "TABLE_KIND_MODEL_INFO";
    } else if (line == kRunStateOpen) {
        kind = TABLE_KIND_RUN_STATE;
        name = "TABLE_KIND_RUN_STATE";
    } else if (line == kSettingOpen) {
        kind = TABLE_KIND_SETTING_INFO;
        name = "TABLE_KIND_SETTING_INFO";
    } else if (line == kTargetClose || line == kModelClose || line == kRunStateClose ||
               line == kSettingClose) {
        kind = TABLE_KIND_TAG_END;
        name = "TABLE_KIND_TAG_END";
    }
    if (name != nullptr) {
        AppLog().Write(" - CDataInfoAppProfile::AnalysisTableTag() : %s", name);
    }
    return kind;
}

bool CDataInfoAppProfile::AnalysisStringDataTagetElectBill(
    std::string_view line, _TARGET_ELECTRICITY_TBL_DATA& record) const {
    std::vector<std::string_view> fields;
    if (!SplitFields(line, 3, fields) || fields.size() != 3) {
        return false;
    }
    _TARGET_ELECTRICITY_TBL_DATA parsed;
    if (!ParseNumber(fields[2], parsed.electricityTarget)) {
        return false;
    }
    parsed.macAddress = fields[0];
    parsed.years = fields[1];
    record = std::move(parsed);
    return true;
}

bool CDataInfoAppProfile::AnalysisStringDataModelInfo(std::string_view line,
                                                      _MODEL_INFO_TBL_DATA& record) const {
    std::vector<std::string_view> fields;
    if (!SplitFields(line, 3, fields) || fields.size() != 3) {
        return false;
    }
    record.macAddress = fields[0];
    record.airconInf = fields[1];
    record.roomInf = fields[2];
    return true;
}

bool CDataInfoAppProfile::AnalysisStringDataRunState(std::string_view line,
                                                     _RUN_STATE_TBL_DATA& record) const {
    std::vector<std::string_view> fields;
    if (!SplitFields(line, 7, fields) || fields.size() != 7) {
        return false;
    }
    _RUN_STATE_TBL_DATA parsed;
    int32_t* const numbers[] = {&parsed.useTime, &parsed.electricityBill, &parsed.indoorTemperature,
                                &parsed.outdoorTemperature, &parsed.absentEco};
    for (size_t i = 0; i < 5; ++i) {
        if (!ParseNumber(fields[i + 2], *numbers[i])) {
            return false;
        }
    }
    parsed.macAddress = fields[0];
    parsed.date = fields[1];
    record = std::move(parsed);
    return true;
}

bool CDataInfoAppProfile::AnalysisStringDataSettingInfo(std::string_view line,
                                                        _SETTING_INFO_TBL_DATA& record) const {
    std::vector<std::string_view> fields;
    if (!SplitFields(line, kSettingFieldsMax, fields) || fields.empty()) {
        return false;
    }
    _SETTING_INFO_TBL_DATA parsed;
    for (size_t i = 1; i < fields.size(); ++i) {
        if (!ParseNumber(fields[i], parsed.values[i - 1])) {
            return false;
        }
    }
    parsed.macAddress = fields[0];
    record = std::move(parsed);
    return true;
}

int32_t CDataInfoAppProfile::LoadFile(const std::string& path) {
    AppLog().Write("CDataInfoAppProfile::LoadFile() - start");
    Clear();
    const auto fail = [](const char* reason) {
        AppLog().Write("%s", reason);
        AppLog().Write("CDataInfoAppProfile::LoadFile() - end");
        return kLoadFailed;
    };
    if (path.empty()) {
        return fail(" - FileName Empty");
    }
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        return fail(" - File Empty");
    }
    // Only a regular file: a folder cannot be read, a FIFO would block the job
    // and a device such as /dev/zero would never end.
    FilePtr file(S_ISREG(status.st_mode) ? std::fopen(path.c_str(), "rb") : nullptr);
    if (!file) {
        return fail(" - OPEN FAIL");
    }
    const int32_t result = LoadStream(file.get());
    file.reset();
    AppLog().Write("CDataInfoAppProfile::LoadFile() - end");
    return result;
}

int32_t CDataInfoAppProfile::LoadStream(std::FILE* file) {
    AppLog().Write(" - start File Analysis");
    CTextCodec codec;
    int32_t current = TABLE_KIND_NONE;
    bool rejected = false;
    for (std::string piece = ReadPiece(file); !piece.empty(); piece = ReadPiece(file)) {
        // The line ends at its first NUL, as it would in a C string buffer.
        const size_t nul = piece.find('\0');
        if (nul != std::string::npos) {
            piece.resize(nul);
        }
        std::erase(piece, '\n');
        if (piece.empty()) {
            continue;
        }
        const std::string line = Cp932ToUtf8Lossy(codec, piece);
        const int32_t kind = AnalysisTableTag(line);
        if (kind == TABLE_KIND_TAG_END) {
            current = TABLE_KIND_NONE;
            continue;
        }
        if (kind != TABLE_KIND_DATA) {
            current = kind;
            continue;
        }
        const char* failure = nullptr;
        switch (current) {
        case TABLE_KIND_TARGET_ELECTBILL: {
            _TARGET_ELECTRICITY_TBL_DATA record;
            if (AnalysisStringDataTagetElectBill(line, record)) {
                m_targetElectricity.push_back(std::move(record));
            } else {
                failure = " - AnalysisStringDataTagetElectBill() : FAIL";
            }
            break;
        }
        case TABLE_KIND_MODEL_INFO: {
            _MODEL_INFO_TBL_DATA record;
            if (AnalysisStringDataModelInfo(line, record)) {
                m_modelInfo.push_back(std::move(record));
            } else {
                failure = " - AnalysisStringDataModelInfo() : FAIL";
            }
            break;
        }
        case TABLE_KIND_RUN_STATE: {
            _RUN_STATE_TBL_DATA record;
            if (AnalysisStringDataRunState(line, record)) {
                m_runState.push_back(std::move(record));
            } else {
                failure = " - AnalysisStringDataRunState() : FAIL";
            }
            break;
        }
        case TABLE_KIND_SETTING_INFO: {
            _SETTING_INFO_TBL_DATA record;
            if (AnalysisStringDataSettingInfo(line, record)) {
                m_settingInfo.push_back(std::move(record));
            } else {
                failure = " - AnalysisStringDataSettingInfo() : FAIL";
            }
            break;
        }
        default:
            failure = " - Missing Data";
            break;
        }
        if (failure != nullptr) {
            AppLog().Write("%s", failure);
            AppLog().Write("    - [%s]", line.c_str());
            rejected = true;
        }
    }
    // A read error (a failing USB stick, say) ends the loop like the end of the
    // file; the lines never read must not pass for a complete file.
    if (std::ferror(file) != 0) {
        rejected = true;
    }
    AppLog().Write(" - end File Analysis");
    return rejected ? kLoadRejected : kLoadOk;
}
