#pragma once

#include <cstdint>

// One frame of the remote-controller protocol, request or response:
//   02 01 LEN code data... checksum 03
// LEN counts the code and the data; the frame is LEN + 5 bytes, at most 64.
// The area holds one more byte and is zero-filled, so a frame is always
// followed by a zero byte.
class CSerialCommand {
public:
    static constexpr int32_t kAreaSize = 65;
    static constexpr int32_t kMaxFrame = 64;

    CSerialCommand() = default;
    virtual ~CSerialCommand() = default;

    void Clear();

    uint8_t m_frame[kAreaSize] = {};
    int32_t m_length = 0; // 0 when empty
};

// LEN the protocol fixes for a command code (1 for every code without data).
uint8_t CommandLen(uint8_t code);

// Sum modulo 256 of frame bytes 1 .. len + 2 (the 0x01 byte, LEN, code, data).
uint8_t FrameChecksum(const uint8_t* frame, uint8_t len);

// Builds the request for code 0x01..0x04 into `frame`. Result: the frame length
// (always 6), or 0 for any other code, the frame then all zero.
int32_t MakeCommand(uint8_t code, CSerialCommand& frame);

// AnalyzeResponse's answers for an unsound frame (a sound frame gives its
// command code, > 0).
inline constexpr int32_t kFrameBadStart = -1;    // start bytes are not 02 01
inline constexpr int32_t kFrameBadLen = -2;      // LEN differs from the code's LEN
inline constexpr int32_t kFrameBadChecksum = -3; // checksum mismatch
inline constexpr int32_t kFrameBadEnd = -4;      // end byte is not 03

// Checks a received frame, first failure deciding. Result: the command code
// (> 0) of a sound frame, or one of the kFrameBad* codes.
int32_t AnalyzeResponse(const CSerialCommand& frame);

// Frame byte 4 of a sound frame that carries a record (0x21, 0x22, 0x23, 0x25,
// 0x26); null for every other frame, 0x24 included.
const uint8_t* GetPayload(const CSerialCommand& frame);
uint8_t* GetPayload(CSerialCommand& frame);
