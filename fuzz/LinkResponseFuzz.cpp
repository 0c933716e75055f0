// Arbitrary bytes as the remote controller's answers. The input is queued on a
// pseudo-terminal as the device's side of the line, then one complete
// communication run reads it: Communicate assembles frames from it, and
// AnalyzeResponse, GetPayload and the phase machine judge them. The first 65
// bytes are also checked as a frame on their own.
#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "link/CSerialCommand.h"
#include "link/CSerialPortManager.h"
#include "util/UniqueFd.h"

namespace {

class NullReceiver : public IRemoconDataReceiver {
public:
    int32_t SetRemoconData(const uint8_t* mac, const void* record, int32_t kind) override {
        return (mac != nullptr && record != nullptr && kind >= 1 && kind <= 5)
                   ? kRemoconStored
                   : kRemoconConvertFailed;
    }
};

struct Line {
    UniqueFd master;
    std::string dir;
    std::string name;
    bool ok = false;

    Line() {
        master.Reset(::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
        char path[128] = {};
        if (!master.Valid() || ::grantpt(master.Get()) != 0 || ::unlockpt(master.Get()) != 0 ||
            ::ptsname_r(master.Get(), path, sizeof(path)) != 0) {
            return;
        }
        const std::string full = path;
        const size_t slash = full.rfind('/');
        dir = full.substr(0, slash);
        name = full.substr(slash + 1);
        ok = true;
    }

    void Drain() {
        uint8_t sink[4096];
        while (::read(master.Get(), sink, sizeof(sink)) > 0) {
        }
    }
};

Line& TheLine() {
    static Line line;
    return line;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CSerialCommand frame;
    std::memcpy(frame.m_frame, data, size < 65 ? size : 65);
    frame.m_length = static_cast<int32_t>(size < 64 ? size : 64);
    const int32_t code = AnalyzeResponse(frame);
    const uint8_t* payload = GetPayload(frame);
    if (payload != nullptr && (code < 0x21 || payload != frame.m_frame + 4)) {
        __builtin_trap();
    }

    Line& line = TheLine();
    if (!line.ok || size > 2048) {
        return 0;
    }
    CSerialPortManager::Options options;
    options.sysfsRoot = "/nonexistent";
    options.devRoot = line.dir;
    options.timeouts.readIntervalMs = 1;
    options.timeouts.readTotalPerByteMs = 0;
    options.timeouts.readTotalConstantMs = 1;
    options.timeouts.idleLimitMs = 2;
    options.timeouts.emptyReadPauseMs = 0;
    options.answerPauseMs = 0;
    CSerialPortManager manager(options);
    NullReceiver receiver;
    manager.InitSetting(&receiver);
    const int32_t index = manager.AddSPortArray(line.name.c_str(), "USB#VID_08BA&PID_0002#FUZZ");
    CSerialPortAircon* port = manager.GetPort(index);
    // Opened first so the queued answers survive the flush of a fresh open; the
    // run then finds the port open and goes on with it.
    if (port == nullptr || port->Connect() != CSerialPort::kConnected) {
        return 0;
    }
    line.Drain();
    size_t written = 0;
    while (written < size) {
        const ssize_t n = ::write(line.master.Get(), data + written, size - written);
        if (n <= 0) {
            break;
        }
        written += static_cast<size_t>(n);
    }
    const int32_t result = manager.CommunicationSerialPort(index);
    if (result > 0 || port->IsOpen()) {
        __builtin_trap(); // a run ends closed, with 0 or a negative code
    }
    line.Drain();
    return 0;
}
