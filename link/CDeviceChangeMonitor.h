#pragma once

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <set>
#include <string>
#include <thread>

#include "link/CPortEnumerator.h"

class CSerialPortManager;

// Device arrival/removal source for Linux: compares the remote-controller ports
// under the sysfs root once per interval and reports each path that appeared
// (removed 0) or vanished (removed 1) to CSerialPortManager::RecordDeviceChange.
// A diff of the enumeration sees the simulator's trees as well as real devices,
// which a kernel uevent monitor would not. Runs its own thread between Start
// and Stop (or destruction).
class CDeviceChangeMonitor {
public:
    CDeviceChangeMonitor(CSerialPortManager& manager, std::string sysfsRoot,
                         int32_t intervalMs = 1000);
    ~CDeviceChangeMonitor();
    CDeviceChangeMonitor(const CDeviceChangeMonitor&) = delete;
    CDeviceChangeMonitor& operator=(const CDeviceChangeMonitor&) = delete;

    // Takes the present set as the starting point (no arrival reported for it)
    // and starts polling. False when already running.
    bool Start();
    void Stop();

    // One comparison step (also what the thread runs); number of changes reported.
    int32_t PollOnce();

private:
    void Run();
    std::set<std::string> CurrentPaths() const;

    CSerialPortManager& m_manager;
    CPortEnumerator m_enumerator;
    int32_t m_intervalMs;
    std::mutex m_pollLock; // guards m_known: PollOnce may also be called from outside
    std::set<std::string> m_known;
    std::mutex m_lock; // guards m_stop and the thread
    std::condition_variable m_wake;
    bool m_stop = false;
    std::thread m_thread;
};
