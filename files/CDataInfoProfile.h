#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One output line of the CSV writer, copied from a CCsvDataInfo.
struct ELECTRICITY_BILL_OUTPUT_INFO {
    std::string remoconName;
    std::string modelText;
    int32_t yearTotal = 0;
    int32_t previousYearTotal = 0;
    int32_t year = 0;
    int32_t month = 0;
    int32_t day = 0;
    int32_t dayBill = 0;
    int32_t monthTarget = 0;
    int32_t useTime = 0;
    int32_t monthTotal = 0;
    int32_t outdoorTemperature = 0;
};

// Encodings of the CSV file. Linux has no ANSI code page: UTF-8 with a byte
// order mark is what LibreOffice and Excel both open as Japanese text; CP932
// serves tools that expect the Windows code page.
enum class CsvEncoding { kUtf8Bom, kCp932 };

// Writes one air conditioner's electricity-bill CSV: the fixed header, one line
// per record, CR LF line ends. Filled by OutputEleBillCsv.
class CDataInfoProfile {
public:
    static constexpr int32_t kOutdoorNone = 127;

    // Results of WriteFile; kWritten (1) is the success.
    static constexpr int32_t kWritten = 1;
    static constexpr int32_t kNotWritten = 0;

    explicit CDataInfoProfile(CsvEncoding encoding = CsvEncoding::kUtf8Bom)
        : m_encoding(encoding) {}

    void AddData(const ELECTRICITY_BILL_OUTPUT_INFO& record) { m_records.push_back(record); }

    // kWritten; kNotWritten: empty name or the file cannot be written. The target is
    // replaced only once the whole file is written.
    int32_t WriteFile(const std::string& fileName) const;
    // The file's bytes.
    std::string Serialize() const;

    const std::vector<ELECTRICITY_BILL_OUTPUT_INFO>& Records() const { return m_records; }

private:
    CsvEncoding m_encoding;
    std::vector<ELECTRICITY_BILL_OUTPUT_INFO> m_records;
};
