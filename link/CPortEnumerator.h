#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One serial device found under <sysfs root>/class/tty.
struct SerialDeviceEntry {
    std::string ttyName;    // port name, opened as <dev root>/<ttyName>
    std::string hardwareId; // USB\VID_xxxx&PID_xxxx&REV_xxxx, upper case
    std::string instanceId; // USB\VID_xxxx&PID_xxxx\<serial or sysfs name>, upper case
    std::string devicePath; // stable upper-case path, also what device changes report
};

// Walks the tty class of a sysfs tree and reports every tty that sits on a USB
// device, with the ids the port manager filters on. Stateless apart from its
// root; used by the port manager's enumeration and by the device-change source.
class CPortEnumerator {
public:
    // Results of Enumerate.
    static constexpr int32_t kListed = 0;
    static constexpr int32_t kNoTtyClass = -6; // the tty class cannot be listed

    explicit CPortEnumerator(std::string sysfsRoot);

    // kListed and the entries in tty-name order; kNoTtyClass.
    int32_t Enumerate(std::vector<SerialDeviceEntry>& entries) const;

    // Device path for a USB device:
    // "\\?\USB#VID_vvvv&PID_pppp#<instance>#{4D36E978-E325-11CE-BFC1-08002BE10318}" in upper case,
    // <instance> being the serial number, or the device's sysfs name when it has none.
    static std::string MakeDevicePath(const std::string& vid, const std::string& pid,
                                      const std::string& instance);

    const std::string& SysfsRoot() const { return m_sysfsRoot; }

private:
    std::string m_sysfsRoot;
};
