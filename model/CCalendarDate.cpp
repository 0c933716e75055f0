#include "model/CCalendarDate.h"

#include <cstdio>

bool CCalendarDate::IsLeapYear(int32_t year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int32_t CCalendarDate::DaysInMonth(int32_t year, int32_t month) {
    static constexpr int32_t kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) {
        return kInvalidMonth;
    }
    if (month == 2 && IsLeapYear(year)) {
        return 29;
    }
    return kDays[month - 1];
}

CCalendarDate CCalendarDate::FromTime(std::time_t time) {
    std::tm local{};
    localtime_r(&time, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

bool CCalendarDate::Parse(const std::string& text, CCalendarDate& date) {
    if (text.size() != 8) {
        return false;
    }
    for (char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    date.year = std::stoi(text.substr(0, 4));
    date.month = std::stoi(text.substr(4, 2));
    date.day = std::stoi(text.substr(6, 2));
    return true;
}

int64_t CCalendarDate::DayNumber() const {
    // Days from civil (proleptic Gregorian), H. Hinnant's algorithm.
    const int64_t y = static_cast<int64_t>(year) - (month <= 2 ? 1 : 0);
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yoe = y - era * 400;
    const int64_t mp = (month + 9) % 12;
    const int64_t doy = (153 * mp + 2) / 5 + day - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

CCalendarDate CCalendarDate::FromDayNumber(int64_t dayNumber) {
    // Civil from days, the inverse of DayNumber().
    const int64_t z = dayNumber + 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    const int64_t d = doy - (153 * mp + 2) / 5 + 1;
    const int64_t m = mp < 10 ? mp + 3 : mp - 9;
    const int64_t y = yoe + era * 400 + (m <= 2 ? 1 : 0);
    return {static_cast<int32_t>(y), static_cast<int32_t>(m), static_cast<int32_t>(d)};
}

int32_t CCalendarDate::Weekday() const {
    // 1970-01-01 was a Thursday.
    const int64_t weekday = (DayNumber() + 4) % 7;
    return static_cast<int32_t>(weekday < 0 ? weekday + 7 : weekday);
}

CCalendarDate CCalendarDate::Previous() const {
    if (day > 1) {
        return {year, month, day - 1};
    }
    if (month > 1) {
        return {year, month - 1, DaysInMonth(year, month - 1)};
    }
    return {year - 1, 12, 31};
}

CCalendarDate CCalendarDate::Next() const {
    if (day < DaysInMonth(year, month)) {
        return {year, month, day + 1};
    }
    if (month < 12) {
        return {year, month + 1, 1};
    }
    return {year + 1, 1, 1};
}

std::string CCalendarDate::Text() const {
    char buffer[32];
    std::snprintf(buffer, sizeof(buffer), "%04d%02d%02d", year, month, day);
    return buffer;
}
