#pragma once

#include <cstdint>

// Time limits of one serial exchange. The defaults are the remote controller's
// own; tests shorten them so a silent peer does not cost 15 s per case.
struct SerialTimeouts {
    int32_t readIntervalMs = 15000;      // longest gap between two bytes of one read
    int32_t readTotalPerByteMs = 1;      // a read may last perByte * count ...
    int32_t readTotalConstantMs = 15000; // ... plus this
    int32_t idleLimitMs = 15000;         // no byte for this long while assembling: time-out
    int32_t emptyReadPauseMs = 100;      // pause after a read that brought nothing
};
