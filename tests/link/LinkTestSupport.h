#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "link/IRemoconDataReceiver.h"
#include "link/SerialTimeouts.h"

// Short limits so a silent or vanished peer costs milliseconds, not 15 s.
inline SerialTimeouts ShortTimeouts() {
    SerialTimeouts t;
    t.readIntervalMs = 300;
    t.readTotalPerByteMs = 1;
    t.readTotalConstantMs = 300;
    t.idleLimitMs = 300;
    t.emptyReadPauseMs = 10;
    return t;
}

// Keeps every record handed over, and can refuse one kind with a chosen code.
class RecordingReceiver : public IRemoconDataReceiver {
public:
    struct Call {
        int32_t kind;
        std::vector<uint8_t> mac;
        std::vector<uint8_t> record;
    };

    int32_t SetRemoconData(const uint8_t* mac, const void* record, int32_t kind) override {
        static const size_t kSizes[] = {0, 30, 12, 20, 24, 11};
        if (mac == nullptr || record == nullptr || kind < 1 || kind > 5) {
            return kRemoconConvertFailed;
        }
        const auto* bytes = static_cast<const uint8_t*>(record);
        m_calls.push_back({kind, std::vector<uint8_t>(mac, mac + 8),
                           std::vector<uint8_t>(bytes, bytes + kSizes[kind])});
        return kind == m_failKind ? m_failCode : kRemoconStored;
    }

    std::vector<int32_t> Kinds() const {
        std::vector<int32_t> kinds;
        for (const Call& c : m_calls) {
            kinds.push_back(c.kind);
        }
        return kinds;
    }

    std::vector<Call> m_calls;
    int32_t m_failKind = 0;
    int32_t m_failCode = 0;
};
