#pragma once

#include "data/IClock.h"

// The wall clock. One shared instance serves every default-constructed user.
class CSystemClock : public IClock {
public:
    std::time_t Now() const override { return std::time(nullptr); }

    static const IClock& Instance() {
        static const CSystemClock clock;
        return clock;
    }
};
