#include "resources/CStringTable.h"

#include <cstdarg>
#include <cstdio>

#include <algorithm>
#include <array>
#include <utility>

namespace {

struct Entry {
    int32_t id;
    std::string_view text;
};

// Sorted by id; Text() searches it with lower_bound.
constexpr auto kEntries = std::to_array<Entry>({
    {10000, "%d年"},
    {10001, "%d月"},
    {10004, "%s円"},
    {10005, "*"},
    {10010, "月"},
    {10012, "火"},
    {10013, "水"},
    {10014, "木"},
    {10015, "金"},
    {10016, "土"},
    {10017, "日"},
    {10018, "%d 月 %d 日集計"},
    {10019, "円"},
    {10020, "時間"},
    {10021, "分"},
    {11000, "%04d年%d月%d日 (%s)"},
    {11001, "Meiryo UI"},
    {12100, "ファイル管理"},
    {12200, "エアコン選択"},
    // The all-air-conditioners entry has no room name of its own.
    {12201, ""},
    {13000, "*データ未取得日を含む"},
    {13100, "カレンダー"},
    {13101, "%d時間"},
    {13103, "%d分"},
    {13104, "---円"},
    {13105, "---時間"},
    {13106, "---"},
    {13107, "%d時間%d分"},
    {13200, "グラフ"},
    {13201, "(日)"},
    {13202, "電気代(円)"},
    {13300, "エアコン設定確認"},
    {13319, "消音"},
    {13320, "%d/7"},
    {13321, "入"},
    {13322, "切"},
    {13323, "オートセーブ"},
    {13324, "オートオフ１時間"},
    {13325, "オートオフ３時間"},
    {13326, "標準"},
    {13327, "長め"},
    {13328, "短め"},
    {13336, "電気代単価[kWh]"},
    {13342, "操作時表示"},
    {13343, "標準"},
    {13344, "控えめ"},
    {13345, "右"},
    {13346, "中央"},
    {13347, "左"},
    {13352, "常時表示"},
    {13353, "表示しない"},
    {13354, "標準"},
    {13355, "低電力"},
    {13356, "表示する"},
    {13357, "オートオフ 長め"},
    {13358, "オートオフ 短め"},
    {13359, "オートオンオフ"},
    {13360, "再熱除湿"},
    {13361, "弱冷房除湿"},
    // Window titles of the progress dialogs, one per job.
    {21000, "リモコン接続"},
    {21001, "読み込み"},
    {21002, "データ複製"},
    {21003, "機種削除"},
    {21004, "CSV書き出し"},
    // The day-detail dialog. 23007 (no temperature reported) is left out on
    // purpose, so that case shows an empty temperature.
    {23000, "%d月%d日の運転"},
    {23001, "電気代　　 ："},
    {23002, "運転時間　："},
    {23003, "外気温度　："},
    {23004, "※表示される値は推定値です。実際の値とは異なる場合があります。"},
    {23005, "℃"},
});

constexpr bool IsSorted() {
    for (size_t i = 1; i < kEntries.size(); ++i) {
        if (kEntries[i - 1].id >= kEntries[i].id) {
            return false;
        }
    }
    return true;
}
static_assert(IsSorted(), "string table ids must be sorted and unique");

} // namespace

std::string_view CStringTable::Text(int32_t id) {
    const auto it = std::lower_bound(kEntries.begin(), kEntries.end(), id,
                                     [](const Entry& e, int32_t key) { return e.id < key; });
    if (it == kEntries.end() || it->id != id) {
        return {};
    }
    return it->text;
}

std::string CStringTable::Format(int32_t id, ...) {
    const std::string format(Text(id));
    va_list args;
    va_start(args, id);
    va_list again;
    va_copy(again, args);
    const int needed = std::vsnprintf(nullptr, 0, format.c_str(), args);
    va_end(args);
    std::string text;
    if (needed > 0) {
        text.resize(static_cast<size_t>(needed) + 1);
        std::vsnprintf(text.data(), text.size(), format.c_str(), again);
        text.resize(static_cast<size_t>(needed));
    }
    va_end(again);
    return text;
}
