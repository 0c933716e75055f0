#pragma once

#include <ctime>

// Where the data manager and the conversions learn "now". Production uses the
// system clock; tests fix the instant so "today", past flags and the
// registration date do not depend on when they run. Local dates are derived
// from the returned instant with the process's TZ.
class IClock {
public:
    virtual ~IClock() = default;
    virtual std::time_t Now() const = 0;
};
