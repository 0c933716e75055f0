#pragma once

#include "model/CCalendarDate.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

// Where the bill of the month that holds today is heading, for one air
// conditioner or all of them: what has been used so far, plus the days left
// at the recent daily rate, turned by how last year's same weeks went on.
// The view data (the bill box's line) and tevaro-cli's month and read
// --notify ask for it; nothing here reads the database.
struct CMonthForecast {
    // The sum of a selection's bills on one date; nothing when no unit of
    // the selection has a row that day.
    using DailyBills = std::function<std::optional<int64_t>(const CCalendarDate&)>;

    static constexpr int kRecentDays = 14;
    static constexpr int kFewestDays = 3;
    static constexpr double kSmallestFactor = 0.5;
    static constexpr double kLargestFactor = 2.0;

    int64_t soFar = 0;       // days 1 .. yesterday
    int64_t yen = 0;         // so far + the days left, rounded half up
    double daily = 0.0;      // the expected bill of a day left
    double factor = 1.0;     // last year's turn, 0.5 .. 2.0
    bool overTarget = false; // a target of 1 yen or more that the forecast passes
    // The first day (today .. month end) the running total passes the
    // target, as "YYYYMMDD"; empty when it does not or is over already.
    std::string passesTargetOn;

    // The forecast on `today` against the month's target (0: none). Nothing
    // when fewer than three of the fourteen days before today have data.
    //
    // The recent rate is the mean over those days with data; the factor is
    // the mean of last year's days from today's date to the month's end over
    // the mean of last year's fourteen days before it (each at least three
    // days with data and a positive mean, else 1), clamped to 0.5 .. 2.0.
    // 29 February counts as 28 February a year back.
    static std::optional<CMonthForecast> Make(const CCalendarDate& today, int64_t target,
                                              const DailyBills& daily);

    // The same date a year earlier.
    static CCalendarDate YearBefore(const CCalendarDate& date);

    // 「今月の見込み 約4,200円」
    std::string SummaryText() const;
    // 「目標を超えそう（12月24日ごろ）」 while heading over the target (without
    // the day when it is over already); empty otherwise.
    std::string WarningText() const;
};
