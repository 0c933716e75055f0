#include "link/CDeviceChangeMonitor.h"

#include <chrono>
#include <vector>

#include "link/CSerialPortManager.h"

CDeviceChangeMonitor::CDeviceChangeMonitor(CSerialPortManager& manager, std::string sysfsRoot,
                                           int32_t intervalMs)
    : m_manager(manager), m_enumerator(std::move(sysfsRoot)), m_intervalMs(intervalMs) {}

CDeviceChangeMonitor::~CDeviceChangeMonitor() {
    Stop();
}

std::set<std::string> CDeviceChangeMonitor::CurrentPaths() const {
    std::set<std::string> paths;
    std::vector<SerialDeviceEntry> entries;
    if (m_enumerator.Enumerate(entries) < 0) {
        return paths;
    }
    for (const SerialDeviceEntry& entry : entries) {
        // RecordDeviceChange refuses every path that is not a remote controller's.
        if (entry.devicePath.find(m_manager.DevicePathPattern()) != std::string::npos) {
            paths.insert(entry.devicePath);
        }
    }
    return paths;
}

int32_t CDeviceChangeMonitor::PollOnce() {
    std::lock_guard<std::mutex> guard(m_pollLock);
    const std::set<std::string> now = CurrentPaths();
    int32_t changes = 0;
    for (const std::string& path : now) {
        if (m_known.count(path) == 0 && m_manager.RecordDeviceChange(path.c_str(), 0) >= 0) {
            ++changes;
        }
    }
    for (const std::string& path : m_known) {
        if (now.count(path) == 0 && m_manager.RecordDeviceChange(path.c_str(), 1) >= 0) {
            ++changes;
        }
    }
    m_known = now;
    return changes;
}

bool CDeviceChangeMonitor::Start() {
    std::lock_guard<std::mutex> guard(m_lock);
    if (m_thread.joinable()) {
        return false;
    }
    {
        std::lock_guard<std::mutex> pollGuard(m_pollLock);
        m_known = CurrentPaths();
    }
    m_stop = false;
    m_thread = std::thread([this] { Run(); });
    return true;
}

void CDeviceChangeMonitor::Stop() {
    {
        std::lock_guard<std::mutex> guard(m_lock);
        m_stop = true;
    }
    m_wake.notify_all();
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

void CDeviceChangeMonitor::Run() {
    std::unique_lock<std::mutex> guard(m_lock);
    while (!m_stop) {
        m_wake.wait_for(guard, std::chrono::milliseconds(m_intervalMs), [this] { return m_stop; });
        if (m_stop) {
            break;
        }
        guard.unlock();
        PollOnce();
        guard.lock();
    }
}
