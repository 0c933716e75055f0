#include "data/CMonthForecast.h"

#include "data/CDataManager.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Mean of the values found; none when fewer than the fewest.
std::optional<double> MeanOf(const std::vector<int64_t>& values) {
    if (static_cast<int>(values.size()) < CMonthForecast::kFewestDays) {
        return std::nullopt;
    }
    double sum = 0.0;
    for (const int64_t value : values) {
        sum += static_cast<double>(value);
    }
    return sum / static_cast<double>(values.size());
}

} // namespace

CCalendarDate CMonthForecast::YearBefore(const CCalendarDate& date) {
    CCalendarDate before{date.year - 1, date.month, date.day};
    if (date.month == 2 && date.day == 29) {
        before.day = 28;
    }
    return before;
}

std::optional<CMonthForecast> CMonthForecast::Make(const CCalendarDate& today, int64_t target,
                                                   const DailyBills& daily) {
    const int32_t daysInMonth = CCalendarDate::DaysInMonth(today.year, today.month);
    if (daysInMonth < 0 || today.day < 1 || today.day > daysInMonth || !daily) {
        return std::nullopt;
    }
    CMonthForecast forecast;
    for (int32_t day = 1; day < today.day; ++day) {
        forecast.soFar += daily(CCalendarDate{today.year, today.month, day}).value_or(0);
    }

    std::vector<int64_t> recent;
    std::vector<int64_t> recentYearBefore;
    CCalendarDate date = today;
    for (int i = 0; i < kRecentDays; ++i) {
        date = date.Previous();
        if (const auto bill = daily(date)) {
            recent.push_back(*bill);
        }
        if (const auto bill = daily(YearBefore(date))) {
            recentYearBefore.push_back(*bill);
        }
    }
    const std::optional<double> rate = MeanOf(recent);
    if (!rate) {
        return std::nullopt;
    }
    std::vector<int64_t> restYearBefore;
    for (int32_t day = today.day; day <= daysInMonth; ++day) {
        if (const auto bill = daily(YearBefore(CCalendarDate{today.year, today.month, day}))) {
            restYearBefore.push_back(*bill);
        }
    }
    const std::optional<double> before = MeanOf(recentYearBefore);
    const std::optional<double> after = MeanOf(restYearBefore);
    if (before && after && *before > 0.0) {
        forecast.factor = std::clamp(*after / *before, kSmallestFactor, kLargestFactor);
    }

    forecast.daily = *rate * forecast.factor;
    const int32_t daysLeft = daysInMonth - today.day + 1;
    forecast.yen =
        forecast.soFar + static_cast<int64_t>(std::floor(forecast.daily * daysLeft + 0.5));
    forecast.overTarget = target >= 1 && forecast.yen > target;
    if (target >= 1 && forecast.soFar <= target) {
        for (int32_t day = today.day; day <= daysInMonth; ++day) {
            const double running =
                static_cast<double>(forecast.soFar) + forecast.daily * (day - today.day + 1);
            if (running > static_cast<double>(target)) {
                forecast.passesTargetOn = CCalendarDate{today.year, today.month, day}.Text();
                break;
            }
        }
    }
    return forecast;
}

std::string CMonthForecast::SummaryText() const {
    return "今月の見込み 約" + CDataManager::FormatYen(static_cast<int32_t>(yen));
}

std::string CMonthForecast::WarningText() const {
    if (!overTarget) {
        return {};
    }
    CCalendarDate day;
    if (!CCalendarDate::Parse(passesTargetOn, day)) {
        return "目標を超えそう";
    }
    return "目標を超えそう（" + std::to_string(day.month) + "月" + std::to_string(day.day) +
           "日ごろ）";
}
