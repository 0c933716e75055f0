#include "link/CSerialCommand.h"

#include <cstring>

#include "link/RemoconPayload.h"

void CSerialCommand::Clear() {
    std::memset(m_frame, 0, sizeof(m_frame));
    m_length = 0;
}

uint8_t CommandLen(uint8_t code) {
    switch (code) {
    case RES_AIRCON_INFO:
        return 31;
    case RES_DRIVE_INFO:
        return 13;
    case RES_LOG_DATA:
        return 12;
    case RES_DRIVE_INFO_B:
        return 21;
    case RES_DRIVE_INFO_C:
        return 25;
    default:
        return 1;
    }
}

uint8_t FrameChecksum(const uint8_t* frame, uint8_t len) {
    uint32_t sum = 0;
    for (int32_t i = 1; i <= len + 2; ++i) {
        sum += frame[i];
    }
    return static_cast<uint8_t>(sum & 0xFF);
}

int32_t MakeCommand(uint8_t code, CSerialCommand& frame) {
    frame.Clear();
    if (code < REQ_AIRCON_INFO || code > REQ_END) {
        return 0;
    }
    const uint8_t len = CommandLen(code);
    frame.m_frame[0] = 0x02;
    frame.m_frame[1] = 0x01;
    frame.m_frame[2] = len;
    frame.m_frame[3] = code;
    frame.m_frame[len + 3] = FrameChecksum(frame.m_frame, len);
    frame.m_frame[len + 4] = 0x03;
    frame.m_length = len + 5;
    return frame.m_length;
}

int32_t AnalyzeResponse(const CSerialCommand& frame) {
    const uint8_t* f = frame.m_frame;
    if (f[0] != 0x02 || f[1] != 0x01) {
        return kFrameBadStart;
    }
    const uint8_t len = f[2];
    if (len != CommandLen(f[3])) {
        return kFrameBadLen;
    }
    // The table's LEN is at most 31, so the whole frame lies inside the area.
    if (FrameChecksum(f, len) != f[len + 3]) {
        return kFrameBadChecksum;
    }
    if (f[len + 4] != 0x03) {
        return kFrameBadEnd;
    }
    return f[3];
}

const uint8_t* GetPayload(const CSerialCommand& frame) {
    const int32_t code = AnalyzeResponse(frame);
    switch (code) {
    case RES_AIRCON_INFO:
    case RES_DRIVE_INFO:
    case RES_LOG_DATA:
    case RES_DRIVE_INFO_B:
    case RES_DRIVE_INFO_C:
        return frame.m_frame + 4;
    default:
        return nullptr;
    }
}

uint8_t* GetPayload(CSerialCommand& frame) {
    return const_cast<uint8_t*>(GetPayload(static_cast<const CSerialCommand&>(frame)));
}
