#pragma once

#include "data/IClock.h"

#include <ctime>

// A clock that says what the test tells it, in local time (the tests run with
// TZ=Asia/Tokyo).
class FixedClock : public IClock {
public:
    FixedClock(int year, int month, int day, int hour = 12, int minute = 0, int second = 0) {
        Set(year, month, day, hour, minute, second);
    }
    void Set(int year, int month, int day, int hour = 12, int minute = 0, int second = 0) {
        std::tm local{};
        local.tm_year = year - 1900;
        local.tm_mon = month - 1;
        local.tm_mday = day;
        local.tm_hour = hour;
        local.tm_min = minute;
        local.tm_sec = second;
        local.tm_isdst = -1;
        m_now = std::mktime(&local);
    }
    std::time_t Now() const override { return m_now; }

private:
    std::time_t m_now = 0;
};
