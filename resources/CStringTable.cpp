#include "resources/CStringTable.h"

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
    // The all-air-conditioners entry has no room name of its own.
    {12201, ""},
    {13000, "*データ未取得日を含む"},
    {13101, "%d時間"},
    {13103, "%d分"},
    {13104, "---円"},
    {13105, "---時間"},
    {13106, "---"},
    {13107, "%d時間%d分"},
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
