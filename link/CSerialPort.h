#pragma once

#include <cstdint>
#include <string>

#include "link/SerialTimeouts.h"
#include "util/UniqueFd.h"

// Owns one serial port of a remote controller: opens <dev root>/<port name>
// exclusively in raw mode, writes one request frame and assembles exactly one
// response frame, closes again. Knows only the outer shape of a frame (the
// third byte gives LEN, the frame is LEN + 5 bytes, at most 64); the meaning of
// the bytes is CSerialCommand's.
//
// Every step traces itself to the debug log and keeps a readable transcript of
// the current exchange, which the port manager copies into its own.
// Used by one thread at a time (the port manager serialises all communication).
class CSerialPort {
public:
    static constexpr int32_t kInvalidHandle = -1;

    // Results of Connect. kAlreadyOpen (1) is a success: the open handle is kept.
    static constexpr int32_t kConnected = 0;
    static constexpr int32_t kAlreadyOpen = 1;
    static constexpr int32_t kOpenFailed = -1;
    static constexpr int32_t kLineSettingsUnreadable = -2;
    static constexpr int32_t kRawModeFailed = -3;

    // Results of the transfers (Communicate, SendData, RecvData, RecvResHeader).
    // A positive result of a receive is a byte count. The same number means
    // different things in different functions, hence the separate names.
    static constexpr int32_t kSent = 0;                 // SendData
    static constexpr int32_t kTimedOut = 0;             // the receives
    static constexpr int32_t kBadArgument = -1;         // SendData, RecvData
    static constexpr int32_t kNotOpen = -2;             // SendData, RecvData
    static constexpr int32_t kCapacityTooSmall = -2;    // Communicate
    static constexpr int32_t kSendFailed = -3;          // SendData, Communicate
    static constexpr int32_t kPortStateUnreadable = -3; // RecvData
    static constexpr int32_t kReceiveFailed = -4;       // RecvData, RecvResHeader, Communicate
    static constexpr int32_t kFrameTooLong = -5;        // Communicate

    explicit CSerialPort(std::string devRoot, SerialTimeouts timeouts = {});
    CSerialPort();
    virtual ~CSerialPort();
    CSerialPort(const CSerialPort&) = delete;
    CSerialPort& operator=(const CSerialPort&) = delete;

    // kConnected; kAlreadyOpen; kOpenFailed (missing, busy or locked by someone
    // else); kLineSettingsUnreadable; kRawModeFailed.
    int32_t Connect();

    // Sends `request` and reads one response frame into `response`.
    // >0 bytes of the complete frame; kTimedOut (no head, or no byte within the
    // idle limit); kCapacityTooSmall (below 64, nothing sent); kSendFailed;
    // kReceiveFailed (also when the device hangs up); kFrameTooLong (over 64 bytes).
    int32_t Communicate(const uint8_t* request, int32_t requestLength, uint8_t* response,
                        int32_t capacity);

    // kSent; kBadArgument (no data or length 0); kNotOpen; kSendFailed.
    int32_t SendData(const uint8_t* data, int32_t length);
    // >0 bytes read; kTimedOut (nothing within the read time-outs); kBadArgument
    // (null buffer or length 0); kNotOpen; kPortStateUnreadable; kReceiveFailed
    // (read failed or hang-up).
    int32_t RecvData(uint8_t* buffer, int32_t length);
    // 3 head read; kTimedOut (a byte did not arrive); kReceiveFailed (read failed
    // or hang-up).
    int32_t RecvResHeader(uint8_t* buffer);

    // Forgets the port name. The handle is closed if it is still open (a handle
    // cannot be forgotten without leaking it here). Always 0.
    virtual int32_t Reset();
    // Closes the handle if it is open. Always 0.
    virtual int32_t DisConnect();

    bool IsOpen() const { return m_handle.Valid(); }
    int32_t Handle() const { return m_handle.Valid() ? m_handle.Get() : kInvalidHandle; }
    const std::string& Transcript() const { return m_transcript; }
    const std::string& PortName() const { return m_portName; }
    void SetPortName(const std::string& name) { m_portName = name; }
    const std::string& DevRoot() const { return m_devRoot; }
    void SetDevRoot(const std::string& root) { m_devRoot = root; }
    const SerialTimeouts& Timeouts() const { return m_timeouts; }
    void SetTimeouts(const SerialTimeouts& timeouts) { m_timeouts = timeouts; }

    // The dump lines of `count` bytes (header, ruler, one line per 16 bytes), each
    // without a line end. Null data gives no lines.
    static void HexDumpLines(const uint8_t* data, int32_t count,
                             void (*sink)(void* context, const std::string& line), void* context);

protected:
    // Logs and appends to the transcript.
    void Note(const std::string& text);
    void AppendTranscript(const std::string& text) { m_transcript += text; }
    void ClearTranscript() { m_transcript.clear(); }
    void HexDump(const uint8_t* data, int32_t count);
    void CloseHandle();

private:
    // Blocking read with the port's time-outs. >= 0 bytes read; kReadError on a
    // read error or hang-up (errno-like number left in `err`).
    static constexpr int32_t kReadError = -1;
    int32_t ReadWithTimeouts(uint8_t* buffer, int32_t length, int32_t& err);

    std::string m_transcript;
    std::string m_portName;
    std::string m_devRoot;
    SerialTimeouts m_timeouts;
    UniqueFd m_handle;
};
