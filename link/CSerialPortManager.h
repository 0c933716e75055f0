#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "link/CSerialPortAircon.h"
#include "link/IRemoconDataReceiver.h"
#include "link/SerialTimeouts.h"

// One device arrival or removal not yet taken by the main window's timer.
struct CSerialPortDevChg {
    uint8_t m_removed = 0;    // 1 removal, 0 arrival
    std::string m_devicePath; // upper case
};

// Finds the remote controllers that are plugged in, keeps one CSerialPortAircon
// per port, runs the fixed request sequence with each and hands the records to
// the data manager (IRemoconDataReceiver). Also collects device arrivals and
// removals for the main window and answers which stored units are connected.
//
// Owned by the data manager, which drives it from its worker thread; the main
// thread records and takes device changes and clears in-use flags.
// Locks: the port lock (recursive) guards the port array and the in-use flags
// and is held across a whole communication run; the device-change lock guards
// only the device-change records. No operation holds both.
class CSerialPortManager {
public:
    // Seams: where ports are found and opened, the transport's time limits and
    // the pause after every accepted answer.
    struct Options {
        std::string sysfsRoot;   // empty: DefaultSysfsRoot()
        std::string devRoot;     // empty: DefaultDevRoot()
        SerialTimeouts timeouts; // the remote controller's own by default
        int32_t answerPauseMs = 250;
    };

    static constexpr const char* kVendorId = "08BA";
    static constexpr const char* kProductId = "0002";

    // Result codes. The negative codes are one numbering shared by the
    // functions below (gaps are numbers no longer given); each function says
    // which of them it gives. No function here answers 1.
    static constexpr int32_t kOk = 0;
    static constexpr int32_t kBadArgument = -1; // null argument or port, index out of range
    static constexpr int32_t kOutOfMemory = -2;
    static constexpr int32_t kNoDeviceList = -6; // the system's device list is unavailable
    static constexpr int32_t kAddPortFailed = -7;
    static constexpr int32_t kClearFailed = -8; // the port's records could not be cleared
    static constexpr int32_t kRegistFailed = -9;
    static constexpr int32_t kNotInUse = -10;
    static constexpr int32_t kConnectFailed = -11;
    // Phase out of range, also after 64 exchanges without the end answer 0x24.
    static constexpr int32_t kPhaseOutOfRange = -12;
    static constexpr int32_t kCommunicateFailed = -13;
    static constexpr int32_t kTimedOut = -14;
    static constexpr int32_t kNoIdentityRecord = -15; // identity answer without record
    static constexpr int32_t kZeroMac = -16;          // identity with an all-zero MAC
    static constexpr int32_t kNoSettingsRecord = -18; // settings answer without record
    static constexpr int32_t kNoLogRecord = -20;      // run-log answer without record
    static constexpr int32_t kLogNotKept = -21;       // run-log record not kept
    // An unsound frame or an answer code outside 0x21..0x26.
    static constexpr int32_t kBadAnswer = -22;
    static constexpr int32_t kNoReceiver = -23;
    static constexpr int32_t kRegistLimit = -25; // seven air conditioners already registered
    static constexpr int32_t kIdentityNotStored = -26;
    static constexpr int32_t kSettingsNotStored = -28;
    static constexpr int32_t kLogNotStored = -29;
    // FreeUnUsedCommunication1stData when every port is in use.
    static constexpr int32_t kNoUnusedPort = -1;

    CSerialPortManager();
    explicit CSerialPortManager(Options options);
    virtual ~CSerialPortManager();
    CSerialPortManager(const CSerialPortManager&) = delete;
    CSerialPortManager& operator=(const CSerialPortManager&) = delete;

    // Stores the receiver (not owned; may be null to detach). Always kOk.
    int32_t InitSetting(IRemoconDataReceiver* dataManager);

    // Rebuilds the list of present remote-controller ports. With `regist`, every
    // port's in-use flag is cleared first and each port found is added (or an
    // existing port of that name reused) and set in use; without it only the
    // present names are refreshed. Result: number of ports in the array (>= 0);
    // kNoDeviceList; kOutOfMemory; kAddPortFailed.
    int32_t GetSerialPort(bool regist);

    // Index of the port named `portName` (set in use again), or of a new port.
    // kBadArgument (null argument); kOutOfMemory.
    int32_t AddSPortArray(const char* portName, const char* devicePath);

    // One full run with port `index` including registration, port lock held
    // throughout. kOk: records read and stored, or the port was not in use (it
    // is then reset); kBadArgument (bad index or null port); kClearFailed;
    // kRegistFailed; kRegistLimit; otherwise the port form's code.
    int32_t CommunicationSerialPort(int32_t index);

    // The request sequence with one port: kOk, or kBadArgument (null port),
    // kClearFailed, kNotInUse, kConnectFailed, kPhaseOutOfRange,
    // kCommunicateFailed, kTimedOut, kNoIdentityRecord, kZeroMac,
    // kNoSettingsRecord, kNoLogRecord, kLogNotKept, kBadAnswer.
    // The port is closed afterwards in every case.
    int32_t CommunicationSerialPort(CSerialPortAircon* port);

    // Hands the port's records to the receiver: identity (kind 1), each received
    // settings record (kinds 2-4, received = volume byte non-zero), each run-log
    // day (kind 5). kOk; kBadArgument (null port); kNoReceiver; kRegistLimit;
    // kIdentityNotStored; kSettingsNotStored; kLogNotStored.
    int32_t RegistDBData(CSerialPortAircon* port);

    // Removes and destroys the first port not in use. Its former index, or
    // kNoUnusedPort when none is left. The caller holds PortLock().
    int32_t FreeUnUsedCommunication1stData();

    // True when the port whose identity has the MAC of `info` (bytes 20..27)
    // exists and is in use. Null gives false.
    bool IsPortConnected(const PAYLOAD_MSG_RET_AIRCON_INFO* info);

    // Clears the in-use flag of the first port with this device path (case
    // ignored). kOk, also when none matches; kBadArgument (null path).
    int32_t ClearInUseByDevicePath(const char* devicePath);
    // Always kOk.
    int32_t ClearAllInUse();
    // Closes and destroys every port.
    void ReleaseAllPorts();

    // Notes an arrival (removed 0) or removal (1) of a device path; a second
    // note of the same path overwrites the first. Index of the record;
    // kBadArgument (null path or not a remote-controller path); kOutOfMemory.
    int32_t RecordDeviceChange(const char* devicePath, uint8_t removed);
    // Moves the notes out: removed paths into `removedPaths`, *arrived = 1 when
    // any arrival was noted. kOk; kBadArgument (null flag).
    int32_t TakeDeviceChanges(std::vector<std::string>& removedPaths, uint8_t* arrived);

    // The lock a caller takes around a FreeUnUsedCommunication1stData loop.
    std::recursive_mutex& PortLock() { return m_portLock; }

    // Inspection, mainly for tests and the command line. Callers that keep the
    // pointer hold PortLock().
    int32_t GetPortCount();
    CSerialPortAircon* GetPort(int32_t index);
    const std::string& Transcript() const { return m_transcript; }
    const std::vector<std::string>& RegisteredPortNames() const { return m_registeredPortNames; }
    const std::vector<std::string>& PresentPortNames() const { return m_presentPortNames; }
    const std::string& HardwareIdPattern() const { return m_hardwareIdPattern; }
    const std::string& DevicePathPattern() const { return m_devicePathPattern; }
    const Options& GetOptions() const { return m_options; }

private:
    void Note(const std::string& text);

    Options m_options;
    std::string m_transcript;
    std::string m_hardwareIdPattern;
    std::string m_devicePathPattern;
    IRemoconDataReceiver* m_dataManager = nullptr;
    std::recursive_mutex m_devChgLock;
    std::vector<std::unique_ptr<CSerialPortDevChg>> m_devChanges;
    std::vector<std::string> m_registeredPortNames;
    std::vector<std::string> m_presentPortNames;
    std::recursive_mutex m_portLock;
    std::vector<std::unique_ptr<CSerialPortAircon>> m_ports;
};
