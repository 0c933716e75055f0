#include "files/CDataInfoProfile.h"

#include "files/AtomicFile.h"
#include "util/Cp932Text.h"

#include <cstdio>

namespace {

constexpr std::string_view kHeader =
    "リモコン情報,機種情報,西暦年,年間累計電気代(円),昨年度電気代(円),年月日,1日電気代(円),"
    "月の目標電気代(円),運転時間(分),月の電気代(円),室外温度";
constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kNoTemperature = "－"; // U+FF0D

void AppendLine(std::string& text, const ELECTRICITY_BILL_OUTPUT_INFO& r) {
    char numbers[160];
    std::snprintf(numbers, sizeof numbers, "%04d,%d,%d,%04d%02d%02d,%d,%d,%d,%d,", r.year,
                  r.yearTotal, r.previousYearTotal, r.year, r.month, r.day, r.dayBill,
                  r.monthTarget, r.useTime, r.monthTotal);
    text += r.remoconName;
    text += ',';
    text += r.modelText;
    text += ',';
    text += numbers;
    if (r.outdoorTemperature == CDataInfoProfile::kOutdoorNone) {
        text += kNoTemperature;
    } else {
        text += std::to_string(r.outdoorTemperature);
    }
    text += kLineEnd;
}

} // namespace

std::string CDataInfoProfile::Serialize() const {
    std::string text;
    text.reserve(256 + m_records.size() * 96);
    text += kHeader;
    text += kLineEnd;
    for (const auto& record : m_records) {
        AppendLine(text, record);
    }
    if (m_encoding == CsvEncoding::kCp932) {
        CTextCodec codec;
        return Utf8ToCp932Lossy(codec, text);
    }
    return std::string(kByteOrderMark) + text;
}

int32_t CDataInfoProfile::WriteFile(const std::string& fileName) const {
    if (fileName.empty()) {
        return kNotWritten;
    }
    return WriteFileAtomically(fileName, Serialize()) ? kWritten : kNotWritten;
}
