#include "link/CSerialPort.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>

#include "debuglog/AppLog.h"
#include "link/LinkFormat.h"
#include "link/LinkRoots.h"

namespace {

using Clock = std::chrono::steady_clock;

int64_t MillisSince(Clock::time_point start) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

constexpr int32_t kFrameArea = 65;
constexpr int32_t kMaxFrame = 64;
constexpr int32_t kHeadLength = 3;

} // namespace

CSerialPort::CSerialPort(std::string devRoot, SerialTimeouts timeouts)
    : m_devRoot(std::move(devRoot)), m_timeouts(timeouts) {}

CSerialPort::CSerialPort() : CSerialPort(DefaultDevRoot()) {}

CSerialPort::~CSerialPort() {
    CloseHandle();
}

void CSerialPort::Note(const std::string& text) {
    AppLog().Write("%s", text.c_str());
    m_transcript += text;
}

void CSerialPort::CloseHandle() {
    if (m_handle.Valid()) {
        // The exclusive flag belongs to the tty, not to our descriptor: if the
        // other end keeps the tty alive it would lock out the next Connect.
        ::ioctl(m_handle.Get(), TIOCNXCL);
        m_handle.Reset();
    }
}

int32_t CSerialPort::Connect() {
    AppLog().Write("-----  CSerialPort::Connect Start.  -----");
    ClearTranscript();
    int32_t result = kConnected;
    if (IsOpen()) {
        Note(LinkFormat("\t\tConnect Info(Already Handle). Handle[0x%x]\r\n",
                        static_cast<unsigned>(m_handle.Get())));
        result = kAlreadyOpen;
    } else {
        const std::string path = m_devRoot + "/" + m_portName;
        UniqueFd fd(::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
        int err = errno;
        // TIOCEXCL keeps other users out but not root; the advisory lock does.
        if (fd.Valid() && ::flock(fd.Get(), LOCK_EX | LOCK_NB) != 0) {
            err = errno;
            fd.Reset();
        }
        if (fd.Valid() && ::ioctl(fd.Get(), TIOCEXCL) != 0) {
            err = errno;
            fd.Reset();
        }
        if (!fd.Valid()) {
            Note(LinkFormat("\t\tConnect Error(Open). Handle[0x%x] Err[%d]\r\n",
                            static_cast<unsigned>(kInvalidHandle), err));
            result = kOpenFailed;
        } else {
            m_handle = std::move(fd);
            termios settings{};
            if (::tcgetattr(m_handle.Get(), &settings) != 0) {
                AppendTranscript(
                    LinkFormat("\t\tConnect Error(Get CommTimeouts). Handle[0x%x] Err[%d]\r\n",
                               static_cast<unsigned>(m_handle.Get()), errno));
                result = kLineSettingsUnreadable;
            } else {
                // Raw: no byte of a frame may be translated or swallowed. The line
                // speed stays what the driver reports; time limits are ours (poll).
                ::cfmakeraw(&settings);
                settings.c_cflag |= CLOCAL | CREAD;
                settings.c_cc[VMIN] = 0;
                settings.c_cc[VTIME] = 0;
                if (::tcsetattr(m_handle.Get(), TCSANOW, &settings) != 0) {
                    AppendTranscript(
                        LinkFormat("\t\tConnect Error(Set CommTimeouts). Handle[0x%x] Err[%d]\r\n",
                                   static_cast<unsigned>(m_handle.Get()), errno));
                    result = kRawModeFailed;
                } else {
                    // Bytes left from an earlier session (a late or overlong answer)
                    // belong to no request of ours and would be read as a head.
                    ::tcflush(m_handle.Get(), TCIFLUSH);
                }
            }
        }
    }
    AppLog().Write("-----  CSerialPort::Connect End. [%d]  -----", result);
    return result;
}

int32_t CSerialPort::ReadWithTimeouts(uint8_t* buffer, int32_t length, int32_t& err) {
    err = 0;
    if (!IsOpen()) {
        err = EBADF;
        return kReadError;
    }
    const auto start = Clock::now();
    const int64_t total = static_cast<int64_t>(m_timeouts.readTotalPerByteMs) * length +
                          m_timeouts.readTotalConstantMs;
    int32_t got = 0;
    int64_t lastByteAt = 0;
    while (got < length) {
        const int64_t elapsed = MillisSince(start);
        int64_t wait = total - elapsed;
        if (got > 0) {
            wait = std::min<int64_t>(wait, m_timeouts.readIntervalMs - (elapsed - lastByteAt));
        }
        if (wait <= 0) {
            break;
        }
        pollfd p{m_handle.Get(), POLLIN, 0};
        const int ready = ::poll(&p, 1, static_cast<int>(wait));
        if (ready < 0) {
            if (errno == EINTR) {
                continue;
            }
            err = errno;
            return kReadError;
        }
        if (ready == 0) {
            continue; // the limits are re-checked above
        }
        if ((p.revents & POLLIN) != 0) {
            const ssize_t n =
                ::read(m_handle.Get(), buffer + got, static_cast<size_t>(length - got));
            if (n > 0) {
                got += static_cast<int32_t>(n);
                lastByteAt = MillisSince(start);
                continue;
            }
            if (n < 0 && (errno == EAGAIN || errno == EINTR)) {
                continue;
            }
            // 0 is end of file: the other end hung up and will never send again.
            err = (n == 0) ? EIO : errno;
            return kReadError;
        }
        if ((p.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0) {
            err = (p.revents & POLLNVAL) != 0 ? EBADF : EIO;
            return kReadError;
        }
    }
    return got;
}

int32_t CSerialPort::SendData(const uint8_t* data, int32_t length) {
    AppLog().Write("-----  CSerialPort::SendData Start.  -----");
    int32_t result = kSent;
    if (data == nullptr || length <= 0) {
        Note(LinkFormat("\t\tSend Error(Param). Size[%d]\r\n", length));
        result = kBadArgument;
    } else if (!IsOpen()) {
        Note("\t\tSend Error(Handle).\r\n");
        result = kNotOpen;
    } else {
        Note(LinkFormat("\t\tSend Data. Size[%d]\r\n", length));
        HexDump(data, length);
        // The whole frame must go out; a full buffer is waited for within the
        // read time-out's constant.
        const auto start = Clock::now();
        int32_t sent = 0;
        int err = 0;
        while (sent < length) {
            const ssize_t n =
                ::write(m_handle.Get(), data + sent, static_cast<size_t>(length - sent));
            if (n > 0) {
                sent += static_cast<int32_t>(n);
                continue;
            }
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n < 0 && errno == EAGAIN) {
                const int64_t left = m_timeouts.readTotalConstantMs - MillisSince(start);
                pollfd p{m_handle.Get(), POLLOUT, 0};
                if (left > 0 && ::poll(&p, 1, static_cast<int>(left)) > 0 &&
                    (p.revents & POLLOUT) != 0) {
                    continue;
                }
                err = ETIMEDOUT;
            } else {
                err = (n == 0) ? EIO : errno;
            }
            break;
        }
        if (sent < length) {
            Note(LinkFormat("\t\tSend Error(Write). Err[%d]\r\n", err));
            result = kSendFailed;
        }
    }
    AppLog().Write("-----  CSerialPort::SendData End.[%d]  -----", result);
    return result;
}

int32_t CSerialPort::RecvResHeader(uint8_t* buffer) {
    AppLog().Write("-----  CSerialPort::RecvResHeader Start.  -----");
    AppLog().Write("\t\tRecvResHeader. readsize[%d]\r\n", kHeadLength);
    int32_t result = kHeadLength;
    for (int32_t i = 0; i < kHeadLength; ++i) {
        int32_t err = 0;
        const int32_t n = ReadWithTimeouts(buffer + i, 1, err);
        if (n < 0) {
            Note(LinkFormat("\t\tRecvResHeader Error(Read). Err[%d]\r\n", err));
            result = kReceiveFailed;
            break;
        }
        if (n == 0) {
            Note(LinkFormat(
                "\t\tRecvResHeader Error(Read). ReadCnt=%d dwReadSize=0 Err timeout!!\r\n", i));
            result = kTimedOut;
            break;
        }
    }
    if (result == kHeadLength) {
        HexDump(buffer, kHeadLength);
    }
    AppLog().Write("-----  CSerialPort::RecvResHeader End.[%d]  -----", result);
    return result;
}

int32_t CSerialPort::RecvData(uint8_t* buffer, int32_t length) {
    AppLog().Write("-----  CSerialPort::RecvData Start.  -----");
    int32_t result = kTimedOut;
    termios state{};
    if (buffer == nullptr || length <= 0) {
        Note(LinkFormat("\t\tRecv Error(Param). lpData[0x%x] Size[%d]\r\n",
                        static_cast<unsigned>(reinterpret_cast<uintptr_t>(buffer)), length));
        result = kBadArgument;
    } else if (!IsOpen()) {
        Note("\t\tRecv Error(Handle).\r\n");
        result = kNotOpen;
    } else if (::tcgetattr(m_handle.Get(), &state) != 0) {
        // The port no longer answers as a terminal (gone, or not a tty at all).
        Note(LinkFormat("\t\tRecv Error(ClearCommError). Err[%d]\r\n", errno));
        result = kPortStateUnreadable;
    } else {
        Note(LinkFormat("\t\tRecv param(Read). dwSize[%d]\r\n", length));
        int32_t err = 0;
        const int32_t n = ReadWithTimeouts(buffer, length, err);
        if (n < 0) {
            Note(LinkFormat("\t\tRecv Error(Read). Err[%d]\r\n", err));
            result = kReceiveFailed;
        } else if (n == 0) {
            Note("\t\tRecv Error(Read). dwReadSize=0 Err timeout!!\r\n");
            result = kTimedOut;
        } else {
            Note(LinkFormat("\t\tRecv Data. Size[%d]\r\n", n));
            HexDump(buffer, n);
            AppendTranscript("\r\n");
            result = n;
        }
    }
    AppLog().Write("-----  CSerialPort::RecvData End.[%d]  -----", result);
    return result;
}

int32_t CSerialPort::Communicate(const uint8_t* request, int32_t requestLength, uint8_t* response,
                                 int32_t capacity) {
    AppLog().Write("-----  CSerialPort::Communicate Start.  -----");
    ClearTranscript();
    uint8_t assembly[kFrameArea] = {};
    uint8_t readArea[kFrameArea] = {};
    int32_t total = 0;
    int32_t result = kTimedOut;

    if (response == nullptr || capacity < kMaxFrame) {
        result = kCapacityTooSmall;
    } else if (SendData(request, requestLength) < 0) {
        result = kSendFailed;
    } else {
        auto idleStart = Clock::now();
        const int32_t head = RecvResHeader(readArea);
        if (head < 0) {
            result = kReceiveFailed;
        } else if (head == kTimedOut) {
            result = kTimedOut;
        } else {
            const int32_t len = readArea[2];
            const int32_t expected = len + 5;
            AppLog().Write("\t\tPAYLOADSIZE [%d], ResReadSize[%d]\r\n", len, expected);
            int32_t piece = head;
            bool done = false;
            while (!done) {
                if (piece > 0) {
                    idleStart = Clock::now();
                    if (total + piece > kMaxFrame) {
                        result = kFrameTooLong;
                        break;
                    }
                    std::memcpy(assembly + total, readArea, static_cast<size_t>(piece));
                    total += piece;
                    if (total >= kHeadLength && total >= assembly[2] + 5) {
                        done = true;
                        break;
                    }
                }
                std::memset(readArea, 0, sizeof(readArea));
                const int32_t r = RecvData(readArea, std::min(expected - total, kMaxFrame));
                if (r < 0) {
                    result = kReceiveFailed;
                    break;
                }
                if (r == kTimedOut) {
                    if (MillisSince(idleStart) >= m_timeouts.idleLimitMs) {
                        result = kTimedOut;
                        break;
                    }
                    std::this_thread::sleep_for(
                        std::chrono::milliseconds(m_timeouts.emptyReadPauseMs));
                }
                piece = r;
            }
            if (done) {
                std::memcpy(response, assembly, static_cast<size_t>(total));
                Note(LinkFormat("\t\tTotal Recv Data. Size[%d]\r\n", total));
                HexDump(response, total);
                result = total;
            }
        }
    }
    AppLog().Write("-----  CSerialPort::Communicate End.[%d]  -----", result);
    return result;
}

int32_t CSerialPort::Reset() {
    m_portName.clear();
    CloseHandle();
    return 0;
}

int32_t CSerialPort::DisConnect() {
    CloseHandle();
    return 0;
}

void CSerialPort::HexDumpLines(const uint8_t* data, int32_t count,
                               void (*sink)(void* context, const std::string& line),
                               void* context) {
    if (data == nullptr) {
        return;
    }
    sink(context, "\t\t          00 01 02 03 04 05 06 07  08 09 0A 0B 0C 0D 0E 0F");
    sink(context, "\t\t          ------------------------------------------------");
    for (int32_t row = 0; row < count; row += 16) {
        std::string hex = LinkFormat("\t\t%08d  ", row);
        std::string chars = " ";
        for (int32_t pos = 0; pos < 16; ++pos) {
            if (pos == 8) {
                hex += ' ';
                chars += ' ';
            }
            const int32_t at = row + pos;
            if (at < count) {
                const uint8_t b = data[at];
                hex += LinkFormat("%02x ", b);
                chars += (b >= 0x20 && b <= 0x7E) ? static_cast<char>(b) : '.';
            } else {
                hex += "   ";
                chars += ' ';
            }
        }
        std::string line = hex + " " + chars;
        // The log takes its text as a format; a stray per-cent sign would be read
        // as a conversion.
        line.erase(std::remove(line.begin(), line.end(), '%'), line.end());
        sink(context, line);
    }
}

void CSerialPort::HexDump(const uint8_t* data, int32_t count) {
    HexDumpLines(
        data, count,
        [](void* context, const std::string& line) {
            static_cast<CSerialPort*>(context)->Note(line);
        },
        this);
}
