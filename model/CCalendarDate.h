#pragma once

#include <cstdint>
#include <ctime>
#include <string>

// A local calendar date (no time of day) with the arithmetic the bill views
// need: Gregorian month lengths, weekdays and day steps done on the calendar
// itself, so neither DST nor the 1970 epoch limit affect them.
struct CCalendarDate {
    int32_t year = 0;
    int32_t month = 0;
    int32_t day = 0;

    auto operator<=>(const CCalendarDate&) const = default;

    // DaysInMonth's answer for a month outside 1..12.
    static constexpr int32_t kInvalidMonth = -1;

    static bool IsLeapYear(int32_t year);
    // 28..31, or kInvalidMonth.
    static int32_t DaysInMonth(int32_t year, int32_t month);
    // The local date of a time value.
    static CCalendarDate FromTime(std::time_t time);
    // Parses "YYYYMMDD"; false for any other shape.
    static bool Parse(const std::string& text, CCalendarDate& date);
    // Inverse of DayNumber().
    static CCalendarDate FromDayNumber(int64_t dayNumber);

    // 0 = Sunday.
    int32_t Weekday() const;
    // Days since 1970-01-01 (negative before); contiguous across months and years.
    int64_t DayNumber() const;
    CCalendarDate Previous() const;
    CCalendarDate Next() const;
    // "%04d%02d%02d"
    std::string Text() const;
    // year*10000 + month*100 + day, for cheap comparisons and keys.
    constexpr int32_t Key() const { return year * 10000 + month * 100 + day; }
};

// The years the application keeps and shows: the bill views, the remote
// controller's log, the .dat import, the CSV output and the day detail all
// stay inside them.
inline constexpr int32_t kFirstSupportedYear = 2010;
inline constexpr int32_t kLastSupportedYear = 2099;
inline constexpr CCalendarDate kFirstSupportedDay{kFirstSupportedYear, 1, 1};
inline constexpr CCalendarDate kLastSupportedDay{kLastSupportedYear, 12, 31};
