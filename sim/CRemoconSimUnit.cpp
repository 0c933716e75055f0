#include "sim/CRemoconSimUnit.h"

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "link/CPortEnumerator.h"
#include "link/CSerialCommand.h"
#include "link/RemoconPayload.h"

namespace fs = std::filesystem;

namespace {

bool WriteText(const fs::path& file, const std::string& text) {
    std::ofstream out(file);
    out << text << "\n";
    return static_cast<bool>(out);
}

uint8_t Bcd(int32_t value) {
    return static_cast<uint8_t>(((value / 10) % 10) << 4 | (value % 10));
}

std::vector<uint8_t> Frame(uint8_t code, const std::vector<uint8_t>& data) {
    // Built with reserve + push_back: GCC 12 at -O2 misreads an insert after an
    // initializer list as an out-of-bounds copy.
    std::vector<uint8_t> frame;
    frame.reserve(data.size() + 6);
    frame.push_back(0x02);
    frame.push_back(0x01);
    frame.push_back(static_cast<uint8_t>(data.size() + 1));
    frame.push_back(code);
    for (const uint8_t byte : data) {
        frame.push_back(byte);
    }
    frame.push_back(FrameChecksum(frame.data(), frame[2]));
    frame.push_back(0x03);
    return frame;
}

} // namespace

CRemoconSimUnit::CRemoconSimUnit(SimUnitConfig config, std::string sysfsRoot, std::string devRoot,
                                 int32_t number)
    : m_config(std::move(config)), m_sysfsRoot(std::move(sysfsRoot)), m_devRoot(std::move(devRoot)),
      m_number(number) {
    m_ttyName = m_config.ttyName.empty() ? "ttyACM" + std::to_string(number) : m_config.ttyName;
    if (m_config.serial.empty()) {
        m_serial = "TEVSIM";
        for (uint8_t b : m_config.mac) {
            char hex[3];
            std::snprintf(hex, sizeof(hex), "%02X", b);
            m_serial += hex;
        }
    } else {
        m_serial = m_config.serial;
    }
}

CRemoconSimUnit::~CRemoconSimUnit() {
    Unplug();
}

std::string CRemoconSimUnit::DevicePath() const {
    return CPortEnumerator::MakeDevicePath(m_config.vendorId, m_config.productId, m_serial);
}

std::string CRemoconSimUnit::UsbName() const {
    // USB port numbers count from 1.
    return "1-" + std::to_string(m_number + 1);
}

std::string CRemoconSimUnit::UsbDir() const {
    return m_sysfsRoot + "/devices/tevaro-sim/usb1/" + UsbName();
}

std::string CRemoconSimUnit::PtsPath() {
    std::lock_guard<std::mutex> guard(m_lock);
    return m_ptsPath;
}

bool CRemoconSimUnit::IsPlugged() {
    std::lock_guard<std::mutex> guard(m_lock);
    return m_plugged;
}

std::vector<std::vector<uint8_t>> CRemoconSimUnit::Requests() {
    std::lock_guard<std::mutex> guard(m_lock);
    return m_requests;
}

bool CRemoconSimUnit::LayEntries(std::string& error) {
    // The shape of a real CDC-ACM device: the USB device with its ids, its first
    // interface, the tty below it, and the class link pointing at the tty.
    std::error_code ec;
    const fs::path usb = UsbDir();
    const std::string iface = UsbName() + ":1.0";
    const fs::path tty = usb / iface / "tty" / m_ttyName;
    fs::create_directories(tty, ec);
    fs::create_directories(fs::path(m_sysfsRoot) / "class" / "tty", ec);
    fs::create_directories(m_devRoot, ec);
    if (ec) {
        error = "cannot create " + tty.string() + ": " + ec.message();
        return false;
    }
    bool ok = WriteText(usb / "idVendor", m_config.vendorId) &&
              WriteText(usb / "idProduct", m_config.productId) &&
              WriteText(usb / "bcdDevice", m_config.revision) &&
              WriteText(usb / "serial", m_serial) &&
              WriteText(usb / "product", "tevaro-sim remote controller") &&
              WriteText(usb / iface / "bInterfaceClass", "02") &&
              WriteText(tty / "uevent", "DEVNAME=" + m_ttyName);
    const fs::path classLink = fs::path(m_sysfsRoot) / "class" / "tty" / m_ttyName;
    const fs::path devLink = fs::path(m_devRoot) / m_ttyName;
    fs::remove(tty / "device", ec);
    fs::remove(classLink, ec);
    fs::remove(devLink, ec);
    fs::create_directory_symlink("../../../" + iface, tty / "device", ec);
    ok = ok && !ec;
    fs::create_directory_symlink("../../devices/tevaro-sim/usb1/" + UsbName() + "/" + iface +
                                     "/tty/" + m_ttyName,
                                 classLink, ec);
    ok = ok && !ec;
    fs::create_symlink(m_ptsPath, devLink, ec);
    ok = ok && !ec;
    if (!ok) {
        error = "cannot lay down the entries of " + m_ttyName;
    }
    return ok;
}

void CRemoconSimUnit::RemoveEntries() {
    std::error_code ec;
    fs::remove(fs::path(m_devRoot) / m_ttyName, ec);
    fs::remove(fs::path(m_sysfsRoot) / "class" / "tty" / m_ttyName, ec);
    fs::remove_all(UsbDir(), ec);
}

bool CRemoconSimUnit::Plug(std::string& error) {
    Unplug();
    std::lock_guard<std::mutex> guard(m_lock);
    UniqueFd master(::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC));
    char name[128] = {};
    if (!master.Valid() || ::grantpt(master.Get()) != 0 || ::unlockpt(master.Get()) != 0 ||
        ::ptsname_r(master.Get(), name, sizeof(name)) != 0) {
        error = "cannot open a pseudo-terminal";
        return false;
    }
    UniqueFd slave(::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC));
    termios raw{};
    if (!slave.Valid() || ::tcgetattr(slave.Get(), &raw) != 0) {
        error = std::string("cannot open ") + name;
        return false;
    }
    // Raw from the start: an echo would bounce the requests back to the app.
    ::cfmakeraw(&raw);
    ::tcsetattr(slave.Get(), TCSANOW, &raw);
    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC) != 0) {
        error = "cannot create a pipe";
        return false;
    }
    m_wakeRead.Reset(pipeFds[0]);
    m_wakeWrite.Reset(pipeFds[1]);
    m_ptsPath = name;
    if (!LayEntries(error)) {
        RemoveEntries();
        m_wakeRead.Reset();
        m_wakeWrite.Reset();
        return false;
    }
    m_master = std::move(master);
    m_slave = std::move(slave);
    m_requests.clear();
    m_hungUp = false;
    m_plugged = true;
    const int masterFd = m_master.Get();
    const int wakeFd = m_wakeRead.Get();
    m_thread = std::thread([this, masterFd, wakeFd] { Serve(masterFd, wakeFd); });
    return true;
}

void CRemoconSimUnit::Unplug() {
    std::thread thread;
    {
        std::lock_guard<std::mutex> guard(m_lock);
        if (m_wakeWrite.Valid()) {
            const char stop = 'q';
            [[maybe_unused]] ssize_t n = ::write(m_wakeWrite.Get(), &stop, 1);
        }
        thread = std::move(m_thread);
    }
    if (thread.joinable()) {
        thread.join();
    }
    std::lock_guard<std::mutex> guard(m_lock);
    if (m_plugged) {
        RemoveEntries();
    }
    m_master.Reset();
    m_slave.Reset();
    m_wakeRead.Reset();
    m_wakeWrite.Reset();
    m_ptsPath.clear();
    m_plugged = false;
}

void CRemoconSimUnit::HangUpFromServer() {
    // Called on the answering thread: the device vanishes mid-frame, the way a
    // pulled cable looks to the app (hang-up, then the entries disappear).
    std::lock_guard<std::mutex> guard(m_lock);
    m_master.Reset();
    m_slave.Reset();
    RemoveEntries();
    m_ptsPath.clear();
    m_plugged = false;
    m_hungUp = true;
}

void CRemoconSimUnit::SetFault(SimFault fault, uint8_t faultAt) {
    std::lock_guard<std::mutex> guard(m_lock);
    m_config.fault = fault;
    m_config.faultAt = faultAt;
}

bool CRemoconSimUnit::FaultApplies(uint8_t request) {
    std::lock_guard<std::mutex> guard(m_lock);
    return m_config.fault != SimFault::None &&
           (m_config.faultAt == 0 || m_config.faultAt == request);
}

bool CRemoconSimUnit::WriteAll(int master, const uint8_t* data, size_t length) {
    size_t sent = 0;
    while (sent < length) {
        const ssize_t n = ::write(master, data + sent, length - sent);
        if (n > 0) {
            sent += static_cast<size_t>(n);
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else {
            return false;
        }
    }
    return true;
}

void CRemoconSimUnit::Serve(int master, int wake) {
    std::vector<uint8_t> pending;
    for (;;) {
        pollfd fds[2] = {{master, POLLIN, 0}, {wake, POLLIN, 0}};
        if (::poll(fds, 2, -1) < 0) {
            if (errno == EINTR) {
                continue;
            }
            return;
        }
        if (fds[1].revents != 0) {
            return;
        }
        if ((fds[0].revents & POLLIN) == 0) {
            // No reader on the far side yet; nothing to do until one writes.
            ::poll(fds + 1, 1, 20);
            if (fds[1].revents != 0) {
                return;
            }
            continue;
        }
        uint8_t buffer[256];
        const ssize_t n = ::read(master, buffer, sizeof(buffer));
        if (n <= 0) {
            if (n < 0 && (errno == EINTR || errno == EAGAIN || errno == EIO)) {
                // EIO: no slave open at this instant; wait for the next one.
                ::poll(fds + 1, 1, 20);
                if (fds[1].revents != 0) {
                    return;
                }
                continue;
            }
            return;
        }
        pending.insert(pending.end(), buffer, buffer + n);
        // Cut complete request frames off the front; bytes before a start byte
        // are line noise and dropped.
        for (;;) {
            while (!pending.empty() && pending.front() != 0x02) {
                pending.erase(pending.begin());
            }
            if (pending.size() < 3 || pending.size() < static_cast<size_t>(pending[2]) + 5) {
                break;
            }
            const size_t length = static_cast<size_t>(pending[2]) + 5;
            std::vector<uint8_t> request(pending.begin(), pending.begin() + length);
            pending.erase(pending.begin(), pending.begin() + length);
            {
                std::lock_guard<std::mutex> guard(m_lock);
                m_requests.push_back(request);
            }
            Answer(master, request);
            std::lock_guard<std::mutex> guard(m_lock);
            if (m_hungUp) {
                return;
            }
        }
    }
}

void CRemoconSimUnit::Answer(int master, const std::vector<uint8_t>& request) {
    const uint8_t code = request[3];
    const bool fault = FaultApplies(code);
    SimFault kind = SimFault::None;
    {
        std::lock_guard<std::mutex> guard(m_lock);
        kind = m_config.fault;
    }
    if (fault && kind == SimFault::NoAnswer) {
        return;
    }
    PAYLOAD_MSG_RET_LOG log{};
    log.year[0] = Bcd(m_config.year / 100);
    log.year[1] = Bcd(m_config.year % 100);
    log.month = Bcd(m_config.month);
    log.day = Bcd(m_config.day);
    log.daysBack = m_config.daysBack;
    log.useTime = m_config.useTime;
    log.bill[0] = static_cast<uint8_t>(m_config.bill >> 8);
    log.bill[1] = static_cast<uint8_t>(m_config.bill & 0xFF);
    log.indoorTemp = m_config.indoor;
    log.outdoorTemp = m_config.outdoor;
    log.absentEco = m_config.absentEco;
    const auto* logBytes = reinterpret_cast<const uint8_t*>(&log);
    const std::vector<uint8_t> logRecord(logBytes, logBytes + sizeof(log));

    std::vector<uint8_t> frame;
    switch (code) {
    case REQ_AIRCON_INFO:
        if (fault && kind == SimFault::LogFirst) {
            frame = Frame(RES_LOG_DATA, logRecord);
        } else {
            std::vector<uint8_t> identity(30, 0);
            std::copy(m_config.model.begin(), m_config.model.end(), identity.begin());
            if (!(fault && kind == SimFault::ZeroMac)) {
                std::copy(m_config.mac.begin(), m_config.mac.end(), identity.begin() + 20);
            }
            identity[28] = m_config.roomCode;
            frame = Frame(RES_AIRCON_INFO, identity);
        }
        break;
    case REQ_DRIVE_INFO:
        frame = Frame(m_config.variant == 'B'   ? RES_DRIVE_INFO_B
                      : m_config.variant == 'C' ? RES_DRIVE_INFO_C
                                                : RES_DRIVE_INFO,
                      SimSettingsRecord(m_config));
        break;
    case REQ_LOG_DATA:
        frame = Frame(RES_LOG_DATA, logRecord);
        break;
    case REQ_END:
        frame = (fault && kind == SimFault::NoEnd) ? Frame(RES_LOG_DATA, logRecord)
                                                   : Frame(RES_END, {});
        break;
    default:
        return; // the device ignores what it does not know
    }

    if (fault) {
        switch (kind) {
        case SimFault::BadChecksum:
            frame[frame.size() - 2] = static_cast<uint8_t>(frame[frame.size() - 2] + 1);
            break;
        case SimFault::BadEnd:
            frame.back() = 0x04;
            break;
        case SimFault::BadLen:
            frame[2] = static_cast<uint8_t>(frame[2] - 1);
            break;
        case SimFault::UnknownCode:
            frame = Frame(0x27, {});
            break;
        case SimFault::Len59:
        case SimFault::Len60: {
            const size_t dataBytes = kind == SimFault::Len59 ? 58 : 59;
            frame = Frame(RES_AIRCON_INFO, std::vector<uint8_t>(dataBytes, 0x41));
            break;
        }
        default:
            break;
        }
    }

    if (fault && kind == SimFault::Split) {
        // Three pieces: the head broken after two bytes (a short gap), then the
        // rest of the frame in two halves `splitPauseMs` apart.
        const size_t cut1 = std::min<size_t>(2, frame.size());
        const size_t cut2 = std::max(cut1, (frame.size() + 3) / 2);
        WriteAll(master, frame.data(), cut1);
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        WriteAll(master, frame.data() + cut1, cut2 - cut1);
        std::this_thread::sleep_for(std::chrono::milliseconds(m_config.splitPauseMs));
        WriteAll(master, frame.data() + cut2, frame.size() - cut2);
        return;
    }
    if (fault && kind == SimFault::HangUp) {
        WriteAll(master, frame.data(), frame.size() / 2);
        // Give the reader a moment to take the first half, then pull the plug.
        std::this_thread::sleep_for(std::chrono::milliseconds(m_config.splitPauseMs));
        HangUpFromServer();
        return;
    }
    if (fault && kind == SimFault::Garbage) {
        frame.insert(frame.end(), {0xAA, 0x55, 0x00});
    }
    WriteAll(master, frame.data(), frame.size());
}
