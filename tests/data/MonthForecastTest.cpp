// The month-end forecast worked by hand: day 1, too few days, no last year,
// the seasonal factor and its clamp, 29 February, a target already passed.
#include "data/CMonthForecast.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace {

struct Span {
    CCalendarDate first;
    CCalendarDate last;
    int64_t bill;
};

CMonthForecast::DailyBills BillsOf(const std::vector<Span>& spans) {
    std::map<int32_t, int64_t> bills;
    for (const Span& span : spans) {
        for (CCalendarDate date = span.first; date <= span.last; date = date.Next()) {
            bills[date.Key()] = span.bill;
        }
    }
    return [bills](const CCalendarDate& date) -> std::optional<int64_t> {
        const auto found = bills.find(date.Key());
        return found == bills.end() ? std::nullopt : std::optional<int64_t>(found->second);
    };
}

TEST(MonthForecastTest, FollowsTheRuleOnHandWorkedMonths) {
    struct Case {
        const char* name;
        CCalendarDate today;
        int64_t target;
        std::vector<Span> spans;
        bool forecast;
        int64_t soFar, yen;
        double daily, factor;
        bool over;
        std::string passes;
    };
    const Case cases[] = {
        // 7 x 100 so far; 24 days left at 100; 700 + 100 x (k - 7) > 2000 on the 21st.
        {"steady, passes the target",
         {2026, 12, 8},
         2000,
         {{{2026, 11, 24}, {2026, 12, 7}, 100}},
         true,
         700,
         3100,
         100.0,
         1.0,
         true,
         "20261221"},
        {"day 1: nothing so far, the whole month left",
         {2026, 12, 1},
         0,
         {{{2026, 11, 17}, {2026, 11, 30}, 50}},
         true,
         0,
         1550,
         50.0,
         1.0,
         false,
         ""},
        {"two recent days are too few",
         {2026, 12, 8},
         0,
         {{{2026, 12, 6}, {2026, 12, 7}, 100}},
         false,
         0,
         0,
         0,
         0,
         false,
         ""},
        // Mean of the days with data only: 3 days of 90 among 14.
        {"a gap in the recent days",
         {2026, 12, 15},
         5000,
         {{{2026, 12, 2}, {2026, 12, 4}, 90}},
         true,
         270,
         270 + 90 * 17,
         90.0,
         1.0,
         false,
         ""},
        // Last year: 100 before, 150 after: 1.5 x 80 = 120 a day, 21 days left.
        {"last year's turn",
         {2026, 3, 11},
         0,
         {{{2026, 2, 25}, {2026, 3, 10}, 80},
          {{2025, 2, 25}, {2025, 3, 10}, 100},
          {{2025, 3, 11}, {2025, 3, 31}, 150}},
         true,
         800,
         800 + 120 * 21,
         120.0,
         1.5,
         false,
         ""},
        {"the turn is clamped to 2",
         {2026, 3, 11},
         0,
         {{{2026, 2, 25}, {2026, 3, 10}, 80},
          {{2025, 2, 25}, {2025, 3, 10}, 10},
          {{2025, 3, 11}, {2025, 3, 31}, 100}},
         true,
         800,
         800 + 160 * 21,
         160.0,
         2.0,
         false,
         ""},
        {"and to a half",
         {2026, 3, 11},
         0,
         {{{2026, 2, 25}, {2026, 3, 10}, 80},
          {{2025, 2, 25}, {2025, 3, 10}, 100},
          {{2025, 3, 11}, {2025, 3, 31}, 10}},
         true,
         800,
         800 + 40 * 21,
         40.0,
         0.5,
         false,
         ""},
        // 29 February 2028 counts as 28 February 2027: with the 27th that
        // makes three days a year back, and last March's 100 doubles 50.
        {"29 February a year back",
         {2028, 3, 1},
         0,
         {{{2028, 2, 16}, {2028, 2, 29}, 40},
          {{2027, 2, 27}, {2027, 2, 28}, 50},
          {{2027, 3, 1}, {2027, 3, 31}, 100}},
         true,
         0,
         80 * 31,
         80.0,
         2.0,
         false,
         ""},
        // 10 x 300 = 3000 is over 2500 already: over, but no day it passes.
        {"over the target already",
         {2026, 12, 11},
         2500,
         {{{2026, 11, 27}, {2026, 12, 10}, 300}},
         true,
         3000,
         3000 + 300 * 21,
         300.0,
         1.0,
         true,
         ""},
        // Half up: 3 days of 1 and 11 of 2 give 25/14 a day; x 24 = 42.857.
        {"rounded half up",
         {2026, 12, 8},
         0,
         {{{2026, 11, 24}, {2026, 11, 26}, 1}, {{2026, 11, 27}, {2026, 12, 7}, 2}},
         true,
         14,
         14 + 43,
         25.0 / 14.0,
         1.0,
         false,
         ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<CMonthForecast> forecast =
            CMonthForecast::Make(c.today, c.target, BillsOf(c.spans));
        ASSERT_EQ(forecast.has_value(), c.forecast);
        if (!forecast) {
            continue;
        }
        EXPECT_EQ(forecast->soFar, c.soFar);
        EXPECT_EQ(forecast->yen, c.yen);
        EXPECT_DOUBLE_EQ(forecast->daily, c.daily);
        EXPECT_DOUBLE_EQ(forecast->factor, c.factor);
        EXPECT_EQ(forecast->overTarget, c.over);
        EXPECT_EQ(forecast->passesTargetOn, c.passes);
    }
}

} // namespace
