#include "link/CPortEnumerator.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "link/LinkFormat.h"

namespace fs = std::filesystem;

namespace {

std::string Upper(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return text;
}

// First line of a small sysfs attribute, without surrounding blanks.
bool ReadAttribute(const fs::path& file, std::string& value) {
    std::ifstream in(file);
    if (!in) {
        return false;
    }
    std::getline(in, value);
    const auto notBlank = [](unsigned char c) { return !std::isspace(c); };
    value.erase(value.begin(), std::find_if(value.begin(), value.end(), notBlank));
    value.erase(std::find_if(value.rbegin(), value.rend(), notBlank).base(), value.end());
    return true;
}

// The USB device above a tty's device: the first directory, walking up, that
// holds both idVendor and idProduct. Stops at the sysfs root.
bool FindUsbDevice(const fs::path& start, const fs::path& root, fs::path& usbDevice) {
    std::error_code ec;
    fs::path dir = start;
    for (int depth = 0; depth < 64; ++depth) {
        if (fs::exists(dir / "idVendor", ec) && fs::exists(dir / "idProduct", ec)) {
            usbDevice = dir;
            return true;
        }
        if (dir == root || !dir.has_parent_path() || dir.parent_path() == dir) {
            return false;
        }
        dir = dir.parent_path();
    }
    return false;
}

bool NameOrder(const SerialDeviceEntry& a, const SerialDeviceEntry& b) {
    // ttyACM2 before ttyACM10
    if (a.ttyName.size() != b.ttyName.size()) {
        return a.ttyName.size() < b.ttyName.size();
    }
    return a.ttyName < b.ttyName;
}

} // namespace

CPortEnumerator::CPortEnumerator(std::string sysfsRoot) : m_sysfsRoot(std::move(sysfsRoot)) {}

std::string CPortEnumerator::MakeDevicePath(const std::string& vid, const std::string& pid,
                                            const std::string& instance) {
    return Upper(LinkFormat("\\\\?\\USB#VID_%s&PID_%s#%s#{4D36E978-E325-11CE-BFC1-08002BE10318}",
                            vid.c_str(), pid.c_str(), instance.c_str()));
}

int32_t CPortEnumerator::Enumerate(std::vector<SerialDeviceEntry>& entries) const {
    entries.clear();
    std::error_code ec;
    const fs::path root = fs::weakly_canonical(fs::path(m_sysfsRoot), ec);
    const fs::path ttyClass = fs::path(m_sysfsRoot) / "class" / "tty";
    fs::directory_iterator it(ttyClass, ec);
    if (ec) {
        return kNoTtyClass;
    }
    for (; it != fs::directory_iterator(); it.increment(ec)) {
        if (ec) {
            break;
        }
        const std::string ttyName = it->path().filename().string();
        // Virtual terminals have no device link; only hardware ttys are candidates.
        const fs::path device = fs::canonical(it->path() / "device", ec);
        if (ec) {
            ec.clear();
            continue;
        }
        fs::path usb;
        if (!FindUsbDevice(device, root, usb)) {
            continue;
        }
        std::string vid;
        std::string pid;
        std::string rev;
        std::string serial;
        if (!ReadAttribute(usb / "idVendor", vid) || !ReadAttribute(usb / "idProduct", pid)) {
            continue;
        }
        ReadAttribute(usb / "bcdDevice", rev);
        ReadAttribute(usb / "serial", serial);
        const std::string instance = serial.empty() ? usb.filename().string() : serial;

        SerialDeviceEntry entry;
        entry.ttyName = ttyName;
        entry.hardwareId =
            Upper(LinkFormat("USB\\VID_%s&PID_%s&REV_%s", vid.c_str(), pid.c_str(), rev.c_str()));
        entry.instanceId =
            Upper(LinkFormat("USB\\VID_%s&PID_%s\\%s", vid.c_str(), pid.c_str(), instance.c_str()));
        entry.devicePath = MakeDevicePath(vid, pid, instance);
        entries.push_back(std::move(entry));
    }
    std::sort(entries.begin(), entries.end(), NameOrder);
    return kListed;
}
