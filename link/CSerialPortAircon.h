#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "link/CSerialPort.h"
#include "link/RemoconPayload.h"

// One remote controller's port together with what it reported. The identity
// survives between runs (the port manager matches stored air conditioners to
// ports by its MAC); settings and run log live for one communication run and
// are cleared before and after it. Created and owned by CSerialPortManager;
// its in-use flag is guarded by the manager's port lock.
class CSerialPortAircon : public CSerialPort {
public:
    explicit CSerialPortAircon(std::string devRoot, SerialTimeouts timeouts = {});
    CSerialPortAircon();
    ~CSerialPortAircon() override;

    // Zeroes every record, empties the run log, in use 0, forgets the device path
    // and the port name; closes the handle if it is still open. Always 0.
    int32_t Reset() override;
    int32_t DisConnect() override;

    // Clears settings A, B, C and the run log; identity, names, flag and handle
    // stay. Always 0 (success).
    int32_t InitCommunicationData();

    // Storing rules of the answers. The identity is taken only when one of its
    // eight MAC bytes is non-zero (false otherwise, nothing stored).
    bool StoreAirconInfo(const uint8_t* payload);
    void StoreDriveInfo(const uint8_t* payload);
    void StoreDriveInfoB(const uint8_t* payload);
    // The display-time byte (22) is forced to 0xFF in `payload` itself, then stored.
    void StoreDriveInfoC(uint8_t* payload);
    // Appends one run-log day; false when it could not be stored.
    bool AddLogData(const PAYLOAD_MSG_RET_LOG& record);
    // Copy of run-log record `index`; false when the index is beyond the log.
    bool GetLogData(int32_t index, PAYLOAD_MSG_RET_LOG& record) const;
    int32_t GetLogCount() const { return static_cast<int32_t>(m_logData.size()); }

    const PAYLOAD_MSG_RET_AIRCON_INFO& AirconInfo() const { return m_airconInfo; }
    const PAYLOAD_MSG_RET_DRIVE_INFO& DriveInfo() const { return m_driveInfo; }
    const PAYLOAD_MSG_RET_DRIVE_INFO_B& DriveInfoB() const { return m_driveInfoB; }
    const PAYLOAD_MSG_RET_DRIVE_INFO_C& DriveInfoC() const { return m_driveInfoC; }

    uint8_t InUse() const { return m_inUse; }
    void SetInUse(uint8_t inUse) { m_inUse = inUse ? 1 : 0; }
    const std::string& DevicePath() const { return m_devicePath; }
    void SetDevicePath(const std::string& path) { m_devicePath = path; }

private:
    PAYLOAD_MSG_RET_AIRCON_INFO m_airconInfo{};
    PAYLOAD_MSG_RET_DRIVE_INFO m_driveInfo{};
    std::vector<PAYLOAD_MSG_RET_LOG> m_logData;
    PAYLOAD_MSG_RET_DRIVE_INFO_B m_driveInfoB{};
    PAYLOAD_MSG_RET_DRIVE_INFO_C m_driveInfoC{};
    uint8_t m_inUse = 0;
    std::string m_devicePath;
};
