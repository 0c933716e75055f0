#include "cli/CliCommand.h"
#include "cli/CliContext.h"
#include "model/CCalendarDate.h"
#include "resources/CStringTable.h"
#include "util/Utf8.h"

#include <nlohmann/json.hpp>

#include <charconv>
#include <cstdio>
#include <ostream>

namespace {

constexpr int32_t kCellWidth = 12;

bool ParseInt(const std::string& text, int32_t& value) {
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end && !text.empty();
}

// Terminal columns of a UTF-8 text: the Japanese of the cells is double width.
int32_t DisplayWidth(const std::string& text) {
    int32_t width = 0;
    for (size_t i = 0; i < text.size(); i += Utf8CharAt(text, i).length) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (IsUtf8Continuation(byte)) {
            continue; // a stray byte of a broken text takes no column
        }
        // Half-width katakana (U+FF61..U+FF9F, EF BD A1 .. EF BE 9F) is narrow.
        const bool halfWidthKana = byte == 0xEF && i + 1 < text.size() &&
                                   (static_cast<unsigned char>(text[i + 1]) == 0xBD ||
                                    static_cast<unsigned char>(text[i + 1]) == 0xBE);
        width += byte < 0x80 || halfWidthKana ? 1 : 2;
    }
    return width;
}

std::string Pad(const std::string& text, int32_t width) {
    std::string padded = text;
    for (int32_t w = DisplayWidth(text); w < width; ++w) {
        padded.push_back(' ');
    }
    return padded;
}

struct Period {
    const char* key;
    const char* label;
    int32_t kind;
};

constexpr Period kPeriods[] = {
    {"previous_month", "前月", 1},
    {"same_month_last_year", "前年同月", 2},
    {"view_year", "今年", 3},
    {"previous_year", "昨年", 4},
};

// Cells are padded to a grid; the last one of a line needs no blanks.
std::string TrimRight(std::string text) {
    while (!text.empty() && text.back() == ' ') {
        text.pop_back();
    }
    return text;
}

std::string CellKey(const CEleBillDayInfo& cell) {
    char text[16];
    std::snprintf(text, sizeof(text), "%04d%02d%02d", cell.year, cell.month, cell.day);
    return text;
}

void PrintJson(CDataManager& manager, std::ostream& out) {
    nlohmann::ordered_json cells = nlohmann::ordered_json::array();
    for (int32_t i = 0; i < manager.GetDayCount(); ++i) {
        const CEleBillDayInfo cell = *manager.GetDayInfo(i);
        nlohmann::ordered_json item;
        item["date"] = CellKey(cell);
        item["in_month"] = cell.inMonth;
        item["past"] = cell.past;
        item["bill"] = cell.billText;
        int32_t yen = 0;
        for (const ELE_BILL_DEV_DAY_INFO& entry : cell.entries) {
            yen += entry.bill;
        }
        item["bill_yen"] = cell.past && !cell.entries.empty() ? nlohmann::ordered_json(yen)
                                                              : nlohmann::ordered_json(nullptr);
        item["use_short"] = cell.useTimeShort;
        item["use_long"] = cell.useTimeLong;
        item["temperature"] = cell.temperatureText;
        item["partial"] = cell.partial;
        cells.push_back(std::move(item));
    }
    nlohmann::ordered_json json;
    json["year"] = manager.GetViewYear();
    json["month"] = manager.GetViewMonth();
    json["selection"] = manager.GetAppliedSelection();
    json["cells"] = std::move(cells);
    json["first_day_index"] = manager.GetFirstDayIndex();
    json["month_total"] = manager.GetMonthTotal();
    json["month_incomplete"] = manager.IsMonthIncomplete();
    for (const Period& period : kPeriods) {
        std::string text;
        bool incomplete = true;
        manager.GetTotalText(period.kind, text, incomplete);
        json[period.key] = {{"text", text}, {"incomplete", incomplete}};
    }
    json["target"] = manager.GetMonthTarget();
    json["target_level"] = manager.GetTargetLevel();
    json["auto_graph_scale"] = manager.GetAutoGraphScale();
    json["aggregation_label"] = manager.GetAggregationLabel();
    nlohmann::ordered_json forecast = nullptr;
    if (const auto& made = manager.GetForecast()) {
        forecast = {{"yen", made->yen},
                    {"daily", made->daily},
                    {"factor", made->factor},
                    {"over_target", made->overTarget},
                    {"passes_target_on", made->passesTargetOn.empty()
                                             ? nlohmann::ordered_json(nullptr)
                                             : nlohmann::ordered_json(made->passesTargetOn)}};
    }
    json["forecast"] = std::move(forecast);
    // Texts come from the database; a damaged one must not abort the output.
    out << json.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << '\n';
}

void PrintCalendar(CDataManager& manager, std::ostream& out) {
    std::string title = std::to_string(manager.GetViewYear()) + "年" +
                        std::to_string(manager.GetViewMonth()) + "月  ";
    const auto unit = manager.GetSelectedRemoCon();
    if (manager.GetAppliedSelection() == CDataManager::kAllAircons) {
        title += "すべてのエアコン (" + std::to_string(manager.GetRemoConCount()) + "台)";
    } else if (unit.has_value()) {
        title += unit->roomName + " " + unit->model;
    }
    if (!manager.GetAggregationLabel().empty()) {
        title += "  [" + manager.GetAggregationLabel() + "]";
    }
    out << title << "\n\n";
    std::string header;
    for (int32_t weekday = 0; weekday < 7; ++weekday) {
        header += Pad(CDataManager::GetWeekdayName(weekday), kCellWidth);
    }
    out << TrimRight(header) << '\n';
    const std::string partialMark(CStringTable::Text(StringId::kPartialMark));
    for (int32_t week = 0; week * 7 < manager.GetDayCount(); ++week) {
        std::string days, bills, uses;
        for (int32_t i = week * 7; i < week * 7 + 7 && i < manager.GetDayCount(); ++i) {
            const CEleBillDayInfo cell = *manager.GetDayInfo(i);
            std::string day = std::to_string(cell.day);
            // Days of the neighbouring months stand in brackets.
            if (!cell.inMonth) {
                day = "(" + day + ")";
            }
            if (cell.partial) {
                day += partialMark;
            }
            days += Pad(day, kCellWidth);
            bills += Pad(cell.billText, kCellWidth);
            uses += Pad(cell.useTimeShort, kCellWidth);
        }
        out << TrimRight(days) << '\n' << TrimRight(bills) << '\n' << TrimRight(uses) << "\n\n";
    }

    std::string text;
    bool incomplete = true;
    manager.GetTotalText(0, text, incomplete);
    out << "今月の電気代  " << text << CStringTable::Text(StringId::kYen)
        << (incomplete ? partialMark : "") << '\n';
    out << "目標          " << CDataManager::FormatYen(manager.GetMonthTarget()) << "  (レベル "
        << manager.GetTargetLevel() << ")\n";
    for (const Period& period : kPeriods) {
        manager.GetTotalText(period.kind, text, incomplete);
        out << Pad(period.label, 14) << text << CStringTable::Text(StringId::kYen)
            << (incomplete ? partialMark : "") << '\n';
    }
    if (const auto& forecast = manager.GetForecast()) {
        const std::string warning = forecast->WarningText();
        out << forecast->SummaryText() << (warning.empty() ? "" : "  " + warning) << '\n';
    }
    out << CStringTable::Text(StringId::kPartialNote) << '\n';
}

int Run(CliContext& context, const std::vector<std::string>& args) {
    bool json = false;
    std::vector<std::string> words;
    for (const std::string& arg : args) {
        if (arg == "--json") {
            json = true;
        } else {
            words.push_back(arg);
        }
    }
    int32_t year = 0;
    int32_t month = 0;
    int32_t selection = CDataManager::kAllAircons;
    if (words.size() < 2 || words.size() > 3 || !ParseInt(words[0], year) ||
        !ParseInt(words[1], month) || (words.size() == 3 && !ParseInt(words[2], selection))) {
        return kCliBadArguments;
    }
    // The supported years, as the GUI's navigation keeps them.
    if (year < kFirstSupportedYear || year > kLastSupportedYear || month < 1 || month > 12) {
        context.Err() << "tevaro-cli: the month must lie in " << kFirstSupportedYear << "/1 .. "
                      << kLastSupportedYear << "/12\n";
        return kCliBadArguments;
    }
    CDataManager* manager = context.Manager();
    if (manager == nullptr) {
        return kCliFailed;
    }
    if (!manager->SetRequestedSelection(selection)) {
        context.Err() << "tevaro-cli: no unit " << selection << " (see `tevaro-cli units`)\n";
        return kCliBadArguments;
    }
    // The selection goes through the list reload for its aggregation label.
    manager->LoadRemoConList();
    manager->SetViewYear(year);
    manager->SetViewMonth(month);
    manager->RefreshViewData();
    if (json) {
        PrintJson(*manager, context.Out());
    } else {
        PrintCalendar(*manager, context.Out());
    }
    return kCliOk;
}

} // namespace

const CliCommand& MonthCommand() {
    static const CliCommand command{
        "month", "show one month's bills as a calendar (or JSON)",
        "usage: tevaro-cli month <year> <month> [<selection>] [--json]\n\n"
        "Shows the month (2010..2099, 1..12) for one unit (<selection> = its index in\n"
        "`units`) or for all air conditioners together (-1, the default): each day's\n"
        "bill and use time, a * where some units have no data for the day, and the\n"
        "bill box: the month's total against its target, the previous month, the\n"
        "same month last year, this year and last year (* = days missing).\n"
        "Today and later days carry no values: the running day's log is not complete.\n"
        "--json prints one object: cells (date, in_month, past, bill, bill_yen,\n"
        "use_short, use_long, temperature, partial), first_day_index, month_total,\n"
        "month_incomplete, previous_month, same_month_last_year, view_year,\n"
        "previous_year ({text, incomplete} each), target, target_level,\n"
        "auto_graph_scale, aggregation_label, forecast (null, or yen, daily, factor,\n"
        "over_target, passes_target_on: the month that holds today only).\n"
        "The forecast adds to the bills so far the days left at the mean of the last\n"
        "14 days with data (at least 3), turned by how the same weeks went last year.\n",
        Run};
    return command;
}
