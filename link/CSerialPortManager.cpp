#include "link/CSerialPortManager.h"

#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstring>
#include <new>
#include <strings.h>
#include <thread>

#include "debuglog/AppLog.h"
#include "link/CPortEnumerator.h"
#include "link/CSerialCommand.h"
#include "link/LinkFormat.h"
#include "link/LinkRoots.h"

namespace {

std::string Upper(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return text;
}

bool IsCharacterDevice(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISCHR(st.st_mode);
}

// A sound run takes four exchanges; a unit may skip ahead or send extra run-log
// days, but never this many.
constexpr int32_t kMaxExchanges = 64;

bool AllZero(const uint8_t* bytes, size_t count) {
    return std::all_of(bytes, bytes + count, [](uint8_t b) { return b == 0; });
}

} // namespace

CSerialPortManager::CSerialPortManager() : CSerialPortManager(Options{}) {}

CSerialPortManager::CSerialPortManager(Options options) : m_options(std::move(options)) {
    if (m_options.sysfsRoot.empty()) {
        m_options.sysfsRoot = DefaultSysfsRoot();
    }
    if (m_options.devRoot.empty()) {
        m_options.devRoot = DefaultDevRoot();
    }
    m_hardwareIdPattern = Upper(LinkFormat("USB\\VID_%s&PID_%s", kVendorId, kProductId));
    m_devicePathPattern = Upper(LinkFormat("USB#VID_%s&PID_%s", kVendorId, kProductId));
}

CSerialPortManager::~CSerialPortManager() {
    ReleaseAllPorts();
    std::lock_guard<std::recursive_mutex> guard(m_devChgLock);
    m_devChanges.clear();
}

void CSerialPortManager::Note(const std::string& text) {
    AppLog().Write("%s", text.c_str());
    m_transcript += text;
}

int32_t CSerialPortManager::InitSetting(IRemoconDataReceiver* dataManager) {
    m_dataManager = dataManager;
    m_transcript = LinkFormat("InitSetting\tDevicePath[%s]", m_devicePathPattern.c_str());
    return kOk;
}

int32_t CSerialPortManager::GetSerialPort(bool regist) {
    AppLog().Write("-----  CSerialPortManager::GetSerialPort Start.  -----");
    m_transcript.clear();
    int32_t result = kOk;
    try {
        if (regist) {
            ClearAllInUse();
            m_registeredPortNames.clear();
        }
        m_presentPortNames.clear();

        std::vector<SerialDeviceEntry> entries;
        const CPortEnumerator enumerator(m_options.sysfsRoot);
        if (enumerator.Enumerate(entries) < 0) {
            result = kNoDeviceList;
        } else {
            size_t i = 0;
            for (; i < entries.size(); ++i) {
                const SerialDeviceEntry& entry = entries[i];
                m_transcript += LinkFormat("%02d ", static_cast<int>(i));
                m_transcript += LinkFormat("\tDevice Interface Detail Instance DevicePath[%s]\r\n",
                                           entry.devicePath.c_str());
                m_transcript +=
                    LinkFormat("\tDevice Instance ID[%s]\r\n", entry.instanceId.c_str());
                m_transcript +=
                    LinkFormat("\tDevice Registry Property[%s]\r\n", entry.hardwareId.c_str());
                if (entry.hardwareId.rfind(m_hardwareIdPattern, 0) != 0) {
                    continue;
                }
                m_transcript += LinkFormat("\tCOM Port[%s]\r\n", entry.ttyName.c_str());
                // Our stand-in for the "COM" name test: the name must open a
                // terminal device under the dev root.
                if (!IsCharacterDevice(m_options.devRoot + "/" + entry.ttyName)) {
                    continue;
                }
                if (regist) {
                    const int32_t index =
                        AddSPortArray(entry.ttyName.c_str(), entry.devicePath.c_str());
                    if (index < 0) {
                        result = kAddPortFailed;
                        break;
                    }
                    AppLog().Write(" AddSPortArray[%s][%s]", entry.ttyName.c_str(),
                                   entry.devicePath.c_str());
                    m_registeredPortNames.push_back(entry.ttyName);
                } else {
                    m_presentPortNames.push_back(entry.ttyName);
                }
            }
            if (result == kOk) {
                m_transcript += LinkFormat("%02d ", static_cast<int>(i));
            }
        }
    } catch (const std::bad_alloc&) {
        result = kOutOfMemory;
    }
    if (result == kOk) {
        m_transcript += "End.\r\n";
        result = GetPortCount();
    }
    AppLog().Write("-----  CSerialPortManager::GetSerialPort End. [%d]  -----", result);
    return result;
}

int32_t CSerialPortManager::AddSPortArray(const char* portName, const char* devicePath) {
    if (portName == nullptr || devicePath == nullptr) {
        return kBadArgument;
    }
    std::lock_guard<std::recursive_mutex> guard(m_portLock);
    for (size_t i = 0; i < m_ports.size(); ++i) {
        CSerialPortAircon* port = m_ports[i].get();
        if (port != nullptr && strcasecmp(port->PortName().c_str(), portName) == 0) {
            port->SetInUse(1);
            // tty names are handed out again to whatever is plugged in next; the
            // path must follow the device now behind the name, or its removal
            // would not be recognised.
            port->SetDevicePath(Upper(devicePath));
            return static_cast<int32_t>(i);
        }
    }
    try {
        auto port = std::make_unique<CSerialPortAircon>(m_options.devRoot, m_options.timeouts);
        port->SetPortName(portName);
        port->SetDevicePath(Upper(devicePath));
        port->SetInUse(1);
        m_ports.push_back(std::move(port));
    } catch (const std::bad_alloc&) {
        return kOutOfMemory;
    }
    return static_cast<int32_t>(m_ports.size() - 1);
}

int32_t CSerialPortManager::CommunicationSerialPort(int32_t index) {
    AppLog().Write("-----  CSerialPortManager::CommunicationSerialPort Start.[%d]  -----", index);
    m_transcript.clear();
    int32_t result = kOk;
    {
        std::lock_guard<std::recursive_mutex> guard(m_portLock);
        const int32_t count = static_cast<int32_t>(m_ports.size());
        CSerialPortAircon* port = nullptr;
        if (index < 0 || index > count - 1) {
            Note(LinkFormat("\tRegistDBData Param Error. Index[%d]Count[%d]\r\n", index, count));
            result = kBadArgument;
        } else if ((port = m_ports[static_cast<size_t>(index)].get()) == nullptr) {
            Note(" Port NULL Error.\r\n");
            result = kBadArgument;
        } else {
            const std::string name = port->PortName();
            Note(LinkFormat(" [%s] Communication Start\r\n", name.c_str()));
            if (port->InitCommunicationData() != 0) {
                Note(LinkFormat(" [%s] Communication Init CommunicationData Error.\r\n",
                                name.c_str()));
                result = kClearFailed;
            } else if (port->InUse() == 0) {
                port->Reset();
                result = kOk;
            } else {
                result = CommunicationSerialPort(port);
                Note(LinkFormat(" [%s] Communication End. RetCode[%d]\r\n", name.c_str(), result));
                bool registFailed = false;
                if (result == kOk) {
                    const int32_t regist = RegistDBData(port);
                    if (regist == kRegistLimit) {
                        Note(LinkFormat("[%s] Communication DB Regist Max Error.\r\n",
                                        name.c_str()));
                        result = kRegistLimit;
                        registFailed = true;
                    } else if (regist < 0) {
                        Note(LinkFormat("[%s] Communication DB Regist Error.\r\n", name.c_str()));
                        result = kRegistFailed;
                        registFailed = true;
                    }
                }
                if (!registFailed) {
                    port->InitCommunicationData();
                }
            }
        }
    }
    AppLog().Write("-----  CSerialPortManager::CommunicationSerialPort End.[%d]  -----", result);
    return result;
}

int32_t CSerialPortManager::CommunicationSerialPort(CSerialPortAircon* port) {
    AppLog().Write("-----  CSerialPortManager::CommunicationSerialPort Start.  -----");
    if (port == nullptr) {
        AppLog().Write("-----  CSerialPortManager::CommunicationSerialPort End.[%d]  -----",
                       kBadArgument);
        return kBadArgument;
    }
    int32_t result = kOk;
    if (port->InUse() == 0) {
        result = kNotInUse;
    } else if (port->InitCommunicationData() != 0) {
        result = kClearFailed;
    } else {
        const int32_t connected = port->Connect();
        if (connected < 0) {
            Note(LinkFormat("\tConnect Error. [%d]\r\n", connected));
            m_transcript += port->Transcript() + "\r\n";
            result = kConnectFailed;
        } else {
            Note(LinkFormat("\tConnect Success. [%d]\r\n", connected));
        }
    }
    int32_t phase = 1;
    int32_t exchanges = 0;
    while (result == kOk && phase != 5) {
        // The next phase follows the answer, so a unit that never answers 0x24
        // would keep the run (and the port lock) forever; a bounded number of
        // exchanges ends it as a sequence out of range.
        if (phase < 1 || phase > 4 || exchanges >= kMaxExchanges) {
            Note(LinkFormat("\tPhase Error. [%d]\r\n", phase));
            result = kPhaseOutOfRange;
            break;
        }
        ++exchanges;
        const auto code = static_cast<uint8_t>(phase);
        Note(LinkFormat("\tMakeCommand. Cmd[0x%02x]\r\n", code));
        CSerialCommand request;
        MakeCommand(code, request);

        Note("\tSend Recv Start.\r\n");
        CSerialCommand response;
        const int32_t received = port->Communicate(request.m_frame, request.m_length,
                                                   response.m_frame, CSerialCommand::kMaxFrame);
        m_transcript += port->Transcript() + "\r\n";
        if (received < 0) {
            Note(LinkFormat("\tSend Recv Error(Process). [%d]\r\n", received));
            result = kCommunicateFailed;
            break;
        }
        if (received == CSerialPort::kTimedOut) {
            Note(LinkFormat("\tSend Recv Error(Timeout). [%d]\r\n", received));
            result = kTimedOut;
            break;
        }
        Note(LinkFormat("\tSend Recv Success. RecvSize[%d]\r\n", received));
        response.m_length = received;

        const int32_t answer = AnalyzeResponse(response);
        if (answer < RES_AIRCON_INFO || answer > RES_DRIVE_INFO_C) {
            Note(LinkFormat("\tRecv Analysis Error. [%d]\r\n", answer));
            result = kBadAnswer;
            break;
        }
        Note(LinkFormat("\tRecv Analysis Success. Cmd[0x%02x] RecvSize[%d]\r\n", answer, received));
        uint8_t* payload = GetPayload(response);
        // The next request follows from what the unit answered, not from what
        // was asked: a unit that skips ahead is followed.
        switch (answer) {
        case RES_AIRCON_INFO:
            if (payload == nullptr) {
                Note(LinkFormat("\tRecv Analysis Msg Error(Null). Cmd[0x%02x]\r\n", answer));
                result = kNoIdentityRecord;
            } else if (!port->StoreAirconInfo(payload)) {
                Note(LinkFormat("\tRecv Analysis Aircon Mac Addr Error(Null). Cmd[0x%02x]\r\n",
                                answer));
                result = kZeroMac;
            } else {
                phase = 2;
            }
            break;
        case RES_DRIVE_INFO:
        case RES_DRIVE_INFO_B:
        case RES_DRIVE_INFO_C:
            if (payload == nullptr) {
                Note(LinkFormat("\tRecv Analysis Msg Error(Null). Cmd[0x%02x]\r\n", answer));
                result = kNoSettingsRecord;
            } else {
                if (answer == RES_DRIVE_INFO) {
                    port->StoreDriveInfo(payload);
                } else if (answer == RES_DRIVE_INFO_B) {
                    port->StoreDriveInfoB(payload);
                } else {
                    port->StoreDriveInfoC(payload);
                }
                phase = 3;
            }
            break;
        case RES_LOG_DATA:
            if (payload == nullptr) {
                Note(LinkFormat("\tRecv Analysis Msg Error(Null). Cmd[0x%02x]\r\n", answer));
                result = kNoLogRecord;
            } else {
                PAYLOAD_MSG_RET_LOG record{};
                std::memcpy(&record, payload, sizeof(record));
                if (!port->AddLogData(record)) {
                    Note(LinkFormat("\tRecv Analysis Aircon RecvData Save Error. Cmd[0x%02x]\r\n",
                                    answer));
                    result = kLogNotKept;
                } else {
                    phase = 4;
                }
            }
            break;
        case RES_END:
            phase = 5;
            break;
        default:
            Note(LinkFormat("\tRecv Analysis Error. [%d]\r\n", answer));
            result = kBadAnswer;
            break;
        }
        if (result == kOk) {
            std::this_thread::sleep_for(std::chrono::milliseconds(m_options.answerPauseMs));
        }
    }
    Note("\tDisConnect.\r\n");
    port->DisConnect();
    AppLog().Write("-----  CSerialPortManager::CommunicationSerialPort End.[%d]  -----", result);
    return result;
}

int32_t CSerialPortManager::RegistDBData(CSerialPortAircon* port) {
    AppLog().Write("-----  CSerialPortManager::RegistDBData Start.  -----");
    int32_t result = kOk;
    if (port == nullptr) {
        Note("\tRegistDBData Param Error. \r\n");
        result = kBadArgument;
    } else if (m_dataManager == nullptr) {
        Note("\tRegistDBData Init Class Error. \r\n");
        result = kNoReceiver;
    } else {
        const PAYLOAD_MSG_RET_AIRCON_INFO identity = port->AirconInfo();
        const uint8_t* mac = identity.macAddr;
        int32_t r = m_dataManager->SetRemoconData(mac, &identity, kRemoconKindAirconInfo);
        if (r == kRemoconRegistLimit) {
            Note(LinkFormat("\tRegistDBData Max Error (AirconInfo). [%d] \r\n", r));
            result = kRegistLimit;
        } else if (r < 0) {
            Note(LinkFormat("\tRegistDBData Error (AirconInfo). [%d] \r\n", r));
            result = kIdentityNotStored;
        }
        struct Settings {
            const void* record;
            uint8_t volume;
            int32_t kind;
            const char* name;
        };
        const Settings settings[] = {
            {&port->DriveInfo(), port->DriveInfo().volume, kRemoconKindDriveInfo, "DriveInfo"},
            {&port->DriveInfoB(), port->DriveInfoB().volume, kRemoconKindDriveInfoB, "DriveInfoB"},
            {&port->DriveInfoC(), port->DriveInfoC().volume, kRemoconKindDriveInfoC, "DriveInfoC"},
        };
        for (const Settings& s : settings) {
            // A volume byte of 0 is how a settings record that never came looks.
            if (result != kOk || s.volume == 0) {
                continue;
            }
            r = m_dataManager->SetRemoconData(mac, s.record, s.kind);
            if (r < 0) {
                Note(LinkFormat("\tRegistDBData Error (%s). [%d] \r\n", s.name, r));
                result = kSettingsNotStored;
            }
        }
        for (int32_t i = 0; result == kOk && i < port->GetLogCount(); ++i) {
            PAYLOAD_MSG_RET_LOG record{};
            port->GetLogData(i, record);
            r = m_dataManager->SetRemoconData(mac, &record, kRemoconKindLogData);
            if (r < 0) {
                Note(LinkFormat("\tRegistDBData Error (LogData). [%d] \r\n", r));
                result = kLogNotStored;
            }
        }
    }
    AppLog().Write("-----  CSerialPortManager::RegistDBData End.[%d]  -----", result);
    return result;
}

int32_t CSerialPortManager::FreeUnUsedCommunication1stData() {
    AppLog().Write("-----  CSerialPortManager::FreeUnUsedCommunication1stData Start.  -----");
    m_transcript.clear();
    int32_t result = kNoUnusedPort;
    {
        std::lock_guard<std::recursive_mutex> guard(m_portLock);
        for (size_t i = 0; i < m_ports.size(); ++i) {
            if (m_ports[i] != nullptr && m_ports[i]->InUse() == 0) {
                Note(LinkFormat(" Delete element[%d][%s] \r\n", static_cast<int>(i),
                                m_ports[i]->PortName().c_str()));
                m_ports.erase(m_ports.begin() + static_cast<std::ptrdiff_t>(i));
                result = static_cast<int32_t>(i);
                break;
            }
        }
    }
    AppLog().Write("-----  CSerialPortManager::FreeUnUsedCommunication1stData End.[%d]  -----",
                   result);
    return result;
}

bool CSerialPortManager::IsPortConnected(const PAYLOAD_MSG_RET_AIRCON_INFO* info) {
    m_transcript.clear();
    // An all-zero MAC is "no identity"; it must not match a port never read.
    if (info == nullptr || AllZero(info->macAddr, sizeof(info->macAddr))) {
        return false;
    }
    std::lock_guard<std::recursive_mutex> guard(m_portLock);
    for (const auto& port : m_ports) {
        if (port != nullptr &&
            std::memcmp(port->AirconInfo().macAddr, info->macAddr, sizeof(info->macAddr)) == 0) {
            return port->InUse() != 0;
        }
    }
    return false;
}

int32_t CSerialPortManager::ClearInUseByDevicePath(const char* devicePath) {
    m_transcript.clear();
    if (devicePath == nullptr) {
        return kBadArgument;
    }
    const std::string path = Upper(devicePath);
    std::lock_guard<std::recursive_mutex> guard(m_portLock);
    for (const auto& port : m_ports) {
        if (port != nullptr && port->DevicePath() == path) {
            port->SetInUse(0);
            break;
        }
    }
    return kOk;
}

int32_t CSerialPortManager::ClearAllInUse() {
    std::lock_guard<std::recursive_mutex> guard(m_portLock);
    for (const auto& port : m_ports) {
        if (port != nullptr) {
            port->SetInUse(0);
        }
    }
    return kOk;
}

void CSerialPortManager::ReleaseAllPorts() {
    std::lock_guard<std::recursive_mutex> guard(m_portLock);
    for (const auto& port : m_ports) {
        if (port != nullptr) {
            port->DisConnect();
        }
    }
    m_ports.clear();
}

int32_t CSerialPortManager::RecordDeviceChange(const char* devicePath, uint8_t removed) {
    if (devicePath == nullptr) {
        return kBadArgument;
    }
    std::lock_guard<std::recursive_mutex> guard(m_devChgLock);
    try {
        std::string path = Upper(devicePath);
        if (path.find(m_devicePathPattern) == std::string::npos) {
            return kBadArgument;
        }
        for (size_t i = 0; i < m_devChanges.size(); ++i) {
            if (m_devChanges[i]->m_devicePath == path) {
                m_devChanges[i]->m_removed = removed ? 1 : 0;
                return static_cast<int32_t>(i);
            }
        }
        auto change = std::make_unique<CSerialPortDevChg>();
        change->m_removed = removed ? 1 : 0;
        change->m_devicePath = std::move(path);
        m_devChanges.push_back(std::move(change));
    } catch (const std::bad_alloc&) {
        return kOutOfMemory;
    }
    return static_cast<int32_t>(m_devChanges.size() - 1);
}

int32_t CSerialPortManager::TakeDeviceChanges(std::vector<std::string>& removedPaths,
                                              uint8_t* arrived) {
    if (arrived == nullptr) {
        return kBadArgument;
    }
    std::lock_guard<std::recursive_mutex> guard(m_devChgLock);
    *arrived = 0;
    removedPaths.clear();
    for (const auto& change : m_devChanges) {
        if (change->m_removed != 0) {
            removedPaths.push_back(change->m_devicePath);
        } else {
            *arrived = 1;
        }
    }
    m_devChanges.clear();
    return kOk;
}

int32_t CSerialPortManager::GetPortCount() {
    std::lock_guard<std::recursive_mutex> guard(m_portLock);
    return static_cast<int32_t>(m_ports.size());
}

CSerialPortAircon* CSerialPortManager::GetPort(int32_t index) {
    std::lock_guard<std::recursive_mutex> guard(m_portLock);
    if (index < 0 || index >= static_cast<int32_t>(m_ports.size())) {
        return nullptr;
    }
    return m_ports[static_cast<size_t>(index)].get();
}
