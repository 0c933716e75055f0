#include "link/CSerialPortAircon.h"

#include <cstddef>
#include <cstring>
#include <new>

#include "link/LinkRoots.h"

CSerialPortAircon::CSerialPortAircon(std::string devRoot, SerialTimeouts timeouts)
    : CSerialPort(std::move(devRoot), timeouts) {}

CSerialPortAircon::CSerialPortAircon() : CSerialPortAircon(DefaultDevRoot()) {}

CSerialPortAircon::~CSerialPortAircon() = default;

int32_t CSerialPortAircon::Reset() {
    m_airconInfo = {};
    m_driveInfo = {};
    m_driveInfoB = {};
    m_driveInfoC = {};
    std::vector<PAYLOAD_MSG_RET_LOG>().swap(m_logData);
    m_inUse = 0;
    m_devicePath.clear();
    return CSerialPort::Reset();
}

int32_t CSerialPortAircon::DisConnect() {
    return CSerialPort::DisConnect();
}

int32_t CSerialPortAircon::InitCommunicationData() {
    m_driveInfo = {};
    m_driveInfoB = {};
    m_driveInfoC = {};
    m_logData.clear();
    return 0;
}

bool CSerialPortAircon::StoreAirconInfo(const uint8_t* payload) {
    const uint8_t* mac = payload + offsetof(PAYLOAD_MSG_RET_AIRCON_INFO, macAddr);
    bool any = false;
    for (size_t i = 0; i < sizeof(m_airconInfo.macAddr); ++i) {
        any = any || mac[i] != 0;
    }
    if (!any) {
        return false;
    }
    std::memcpy(&m_airconInfo, payload, sizeof(m_airconInfo));
    return true;
}

void CSerialPortAircon::StoreDriveInfo(const uint8_t* payload) {
    std::memcpy(&m_driveInfo, payload, sizeof(m_driveInfo));
}

void CSerialPortAircon::StoreDriveInfoB(const uint8_t* payload) {
    std::memcpy(&m_driveInfoB, payload, sizeof(m_driveInfoB));
}

void CSerialPortAircon::StoreDriveInfoC(uint8_t* payload) {
    // The display-time value the remote controller reports is not trusted; the
    // program always keeps it as "not reported".
    payload[offsetof(PAYLOAD_MSG_RET_DRIVE_INFO_C, remoconDisplayTime)] = 0xFF;
    std::memcpy(&m_driveInfoC, payload, sizeof(m_driveInfoC));
}

bool CSerialPortAircon::AddLogData(const PAYLOAD_MSG_RET_LOG& record) {
    try {
        m_logData.push_back(record);
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

bool CSerialPortAircon::GetLogData(int32_t index, PAYLOAD_MSG_RET_LOG& record) const {
    if (index < 0 || index >= GetLogCount()) {
        return false;
    }
    record = m_logData[static_cast<size_t>(index)];
    return true;
}
