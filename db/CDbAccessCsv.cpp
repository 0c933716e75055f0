// CDbAccess::GetCsvData: the rows of one air conditioner's electricity-bill CSV.
// Kept apart from the table operations because it is a walk over their
// results, not a statement of its own.

#include "db/CDbAccess.h"
#include "db/CDbEleBillTgtTbl.h"
#include "db/CDbModelInfoTbl.h"
#include "db/CDbRunStateTbl.h"
#include "model/CCalendarDate.h"
#include "model/CCsvDataInfo.h"
#include "model/RoomNames.h"

#include <ctime>

namespace {

int32_t DigitsValue(std::string_view text, size_t pos, size_t count) {
    int32_t value = 0;
    for (size_t i = pos; i < pos + count && i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return 0;
        }
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

std::string FormatDate(int32_t year, int32_t month, int32_t day) {
    return CCalendarDate{year, month, day}.Text();
}

// The day before a "YYYYMMDD" text; an unreadable text gives a date before
// every stored day, so nothing is summed.
std::string DayBefore(std::string_view date) {
    CCalendarDate parsed;
    if (!CCalendarDate::Parse(std::string(date), parsed)) {
        return "00000000";
    }
    return parsed.Previous().Text();
}

// The whole year, with today and later days left out because the remote
// controller's log of the running day is not complete. False: nothing to sum.
bool YearRange(int32_t year, const std::string& today, std::string& first, std::string& last) {
    first = FormatDate(year, 1, 1);
    last = FormatDate(year, 12, 31);
    if (first >= today) {
        return false;
    }
    if (last >= today) {
        last = DayBefore(today);
    }
    return true;
}

} // namespace

int32_t CDbAccess::GetCsvData(std::string_view mac, std::string_view firstDate,
                              std::string_view lastDate, std::vector<CCsvDataInfo>& rows,
                              std::string_view today) {
    if (!IsOpen() || mac.empty()) {
        return kFailed;
    }
    const std::string todayText =
        today.empty() ? CCalendarDate::FromTime(std::time(nullptr)).Text() : std::string(today);
    const auto yearTotal = [this, mac, &todayText](int32_t year, int32_t& total) {
        total = 0;
        std::string first;
        std::string last;
        int32_t count = 0;
        return YearRange(year, todayText, first, last)
                   ? m_runStateTbl->SumBill(mac, first, last, total, count)
                   : 0;
    };

    std::vector<CDbModelInfoData> models;
    if (m_modelTbl->SelectOne(mac, models) != 0 || models.empty()) {
        return kFailed;
    }
    const std::string remoconName = RoomDisplayName(models[0].roomCode, models[0].roomNumber);
    const std::string& modelText = models[0].model;

    std::vector<CDbRunStateData> runs;
    if (m_runStateTbl->SelectRange(mac, firstDate, lastDate, runs) != 0) {
        return kFailed;
    }

    // Built apart and appended at the end, so a failing query in the middle
    // leaves the caller's array as it was.
    std::vector<CCsvDataInfo> built;
    built.reserve(runs.size());
    std::string previousDate;
    int32_t yearSum = 0;
    int32_t previousYearSum = 0;
    int32_t monthTarget = 0;
    int32_t monthTotal = 0;
    for (const CDbRunStateData& run : runs) {
        const std::string_view date = run.date;
        const int32_t year = DigitsValue(date, 0, 4);
        const bool first = previousDate.empty();
        if (first || date.substr(0, 4) != std::string_view(previousDate).substr(0, 4)) {
            if (yearTotal(year, yearSum) != 0 || yearTotal(year - 1, previousYearSum) != 0) {
                return kFailed;
            }
        }
        if (first || date.substr(0, 6) != std::string_view(previousDate).substr(0, 6)) {
            monthTotal = 0;
            std::vector<CDbEleBillTgtData> targets;
            if (m_targetTbl->SelectOneMonth(mac, date.substr(0, 6), targets) != 0) {
                return kFailed;
            }
            monthTarget = targets.empty() ? 0 : targets.front().target;
        }
        monthTotal += run.electricityBill;

        CCsvDataInfo row;
        row.remoconName = remoconName;
        row.modelText = modelText;
        row.yearTotal = yearSum;
        row.previousYearTotal = previousYearSum;
        row.year = year;
        row.month = DigitsValue(date, 4, 2);
        row.day = DigitsValue(date, 6, 2);
        row.dayBill = run.electricityBill;
        row.monthTarget = monthTarget;
        row.useTime = run.useTime;
        row.monthTotal = monthTotal;
        row.outdoorTemperature = run.outdoorTemperature;
        built.push_back(std::move(row));
        previousDate = run.date;
    }
    rows.insert(rows.end(), std::make_move_iterator(built.begin()),
                std::make_move_iterator(built.end()));
    return kOk;
}
