#pragma once

#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "sim/SimUnitConfig.h"
#include "util/UniqueFd.h"

// One simulated remote controller: a pseudo-terminal that answers the four
// requests like the real device, plus the sysfs and dev entries a USB CDC-ACM
// device would have, so the link finds it under the given roots. Plugging lays
// the entries down and starts the answering thread; unplugging removes them and
// closes the terminal. Owned by CRemoconSimulator.
class CRemoconSimUnit {
public:
    // `number` names the unit's USB device (1-<number + 1>) and default tty.
    CRemoconSimUnit(SimUnitConfig config, std::string sysfsRoot, std::string devRoot,
                    int32_t number);
    ~CRemoconSimUnit();
    CRemoconSimUnit(const CRemoconSimUnit&) = delete;
    CRemoconSimUnit& operator=(const CRemoconSimUnit&) = delete;

    // False with a reason when the terminal or the entries cannot be made.
    bool Plug(std::string& error);
    void Unplug();
    bool IsPlugged();

    const SimUnitConfig& Config() const { return m_config; }
    // Changes the misbehaviour while plugged in; takes effect with the next request.
    void SetFault(SimFault fault, uint8_t faultAt = 0);
    const std::string& TtyName() const { return m_ttyName; }
    // The path the link reports for this device (also in device changes).
    std::string DevicePath() const;
    // The pseudo-terminal the dev entry points at (/dev/pts/N), empty when unplugged.
    std::string PtsPath();

    // Every request frame received since plugging, in order.
    std::vector<std::vector<uint8_t>> Requests();

private:
    void Serve(int master, int wake);
    void Answer(int master, const std::vector<uint8_t>& request);
    bool WriteAll(int master, const uint8_t* data, size_t length);
    bool LayEntries(std::string& error);
    void RemoveEntries();
    std::string UsbName() const;
    std::string UsbDir() const;
    bool FaultApplies(uint8_t request);
    void HangUpFromServer();

    SimUnitConfig m_config;
    std::string m_sysfsRoot;
    std::string m_devRoot;
    int32_t m_number;
    std::string m_ttyName;
    std::string m_serial;

    std::mutex m_lock; // guards everything below
    UniqueFd m_master;
    UniqueFd m_slave; // kept open so the terminal survives the app closing it
    UniqueFd m_wakeRead;
    UniqueFd m_wakeWrite;
    std::string m_ptsPath;
    std::thread m_thread;
    bool m_plugged = false;
    bool m_hungUp = false;
    std::vector<std::vector<uint8_t>> m_requests;
};
