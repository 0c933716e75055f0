#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The program's string table: fixed ids to UTF-8 texts. Texts that take
// printf arguments keep their conversions ("%d年"); callers format them.
class CStringTable {
public:
    // The text of `id`, or an empty text for an id the table does not hold.
    static std::string_view Text(int32_t id);
    // The text of `id` formatted with printf arguments (ints and C strings,
    // as its conversions say). The one place a format comes from the table
    // rather than from the code, so the compiler's format checks hold
    // everywhere else.
    static std::string Format(int32_t id, ...);
};

// Ids the core uses by name.
namespace StringId {
inline constexpr int32_t kYearFormat = 10000;       // "%d年"
inline constexpr int32_t kMonthFormat = 10001;      // "%d月"
inline constexpr int32_t kYenFormat = 10004;        // "%s円"
inline constexpr int32_t kPartialMark = 10005;      // "*"
inline constexpr int32_t kMonday = 10010;           // "月"
inline constexpr int32_t kTuesday = 10012;          // "火"
inline constexpr int32_t kWednesday = 10013;        // "水"
inline constexpr int32_t kThursday = 10014;         // "木"
inline constexpr int32_t kFriday = 10015;           // "金"
inline constexpr int32_t kSaturday = 10016;         // "土"
inline constexpr int32_t kSunday = 10017;           // "日"
inline constexpr int32_t kAggregationLabel = 10018; // "%d 月 %d 日集計"
inline constexpr int32_t kYen = 10019;              // "円"
inline constexpr int32_t kHours = 10020;            // "時間"
inline constexpr int32_t kMinutes = 10021;          // "分"
inline constexpr int32_t kDayTitleFormat = 11000;   // "%04d年%d月%d日 (%s)"
inline constexpr int32_t kFontFace = 11001;         // "Meiryo UI"
inline constexpr int32_t kAllAirconRoomName = 12201;
inline constexpr int32_t kPartialNote = 13000;        // "*データ未取得日を含む"
inline constexpr int32_t kHoursFormat = 13101;        // "%d時間"
inline constexpr int32_t kMinutesFormat = 13103;      // "%d分"
inline constexpr int32_t kNoBill = 13104;             // "---円"
inline constexpr int32_t kNoUseTime = 13105;          // "---時間"
inline constexpr int32_t kNoValue = 13106;            // "---"
inline constexpr int32_t kHoursMinutesFormat = 13107; // "%d時間%d分"

// Window titles of the progress dialogs.
inline constexpr int32_t kTitleRead = 21000;   // "リモコン接続"
inline constexpr int32_t kTitleImport = 21001; // "読み込み"
inline constexpr int32_t kTitleExport = 21002; // "データ複製"
inline constexpr int32_t kTitleDelete = 21003; // "機種削除"
inline constexpr int32_t kTitleCsv = 21004;    // "CSV書き出し"
} // namespace StringId
