#pragma once

#include "cli/ICliNotifier.h"
#include "data/CMonthForecast.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

// What one `tevaro-cli read` did, and the month of all air conditioners after
// it: everything the notification of `read --notify` says.
struct CliReadOutcome {
    int32_t unitsRead = 0;              // remote controllers read and stored
    int32_t daysStored = 0;             // run-log days stored, over all of them
    std::vector<int32_t> connectErrors; // picture ids of the ones not read, in order
    int32_t registeredUnits = 0;        // units in the database after the read
    int32_t monthTotal = 0;             // this month's bills so far, all units
    int32_t target = 0;                 // this month's target, all units (0: none)
    std::optional<CMonthForecast> forecast;
};

// The words of a connect-error picture (the connect-error dialog's text):
// 362 no identity, 363 seven units registered, 454 no answer, 364 and any
// other id a failed connection.
std::string_view ConnectErrorText(int32_t pictureId);

// The notification for `outcome`, e.g. the body 「2台のエアコンから3日分を読み
// 込みました。今月 3,208円、見込み 約6,900円（目標 6,500円を超えそう：12月24日ごろ）」:
// what was read (or that nothing is plugged in) and, when any unit is
// registered, the month; then, on a line of its own, the remote controllers
// not read with their reasons.
CliNotice ReadNotice(const CliReadOutcome& outcome);
