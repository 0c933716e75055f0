#pragma once

#include <cstdint>
#include <string>

#include "link/SerialTimeouts.h"
#include "link/UniqueFd.h"

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

    explicit CSerialPort(std::string devRoot, SerialTimeouts timeouts = {});
    CSerialPort();
    virtual ~CSerialPort();
    CSerialPort(const CSerialPort&) = delete;
    CSerialPort& operator=(const CSerialPort&) = delete;

    // 0 opened; 1 was already open; -1 open failed (missing, busy or locked by
    // someone else); -2 reading the line settings failed; -3 setting raw mode failed.
    int32_t Connect();

    // Sends `request` and reads one response frame into `response`.
    // >0 bytes of the complete frame; 0 time-out (no head, or no byte within the
    // idle limit); -2 capacity below 64 (nothing sent); -3 send failed; -4 receive
    // failed (also when the device hangs up); -5 the frame would exceed 64 bytes.
    int32_t Communicate(const uint8_t* request, int32_t requestLength, uint8_t* response,
                        int32_t capacity);

    // 0 written; -1 length 0; -2 port not open; -3 write failed.
    int32_t SendData(const uint8_t* data, int32_t length);
    // >0 bytes read; 0 nothing within the read time-outs; -1 null buffer or length
    // 0; -2 port not open; -3 port state unreadable; -4 read failed or hang-up.
    int32_t RecvData(uint8_t* buffer, int32_t length);
    // 3 head read; 0 a byte did not arrive; -4 read failed or hang-up.
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
    // Blocking read with the port's time-outs. >= 0 bytes read; -1 read error
    // or hang-up (errno-like number left in `err`).
    int32_t ReadWithTimeouts(uint8_t* buffer, int32_t length, int32_t& err);

    std::string m_transcript;
    std::string m_portName;
    std::string m_devRoot;
    SerialTimeouts m_timeouts;
    UniqueFd m_handle;
};
