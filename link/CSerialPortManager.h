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

    CSerialPortManager();
    explicit CSerialPortManager(Options options);
    virtual ~CSerialPortManager();
    CSerialPortManager(const CSerialPortManager&) = delete;
    CSerialPortManager& operator=(const CSerialPortManager&) = delete;

    // Stores the receiver (not owned; may be null to detach). Always 0.
    int32_t InitSetting(IRemoconDataReceiver* dataManager);

    // Rebuilds the list of present remote-controller ports. With `regist`, every
    // port's in-use flag is cleared first and each port found is added (or an
    // existing port of that name reused) and set in use; without it only the
    // present names are refreshed. Result: number of ports in the array (>= 0);
    // -6 the system's device list is unavailable; -2 out of memory; -7 adding a
    // port failed.
    int32_t GetSerialPort(bool regist);

    // Index of the port named `portName` (set in use again), or of a new port.
    // -1 null argument; -2 out of memory.
    int32_t AddSPortArray(const char* portName, const char* devicePath);

    // One full run with port `index` including registration, port lock held
    // throughout. 0 records read and stored, or the port was not in use (it is
    // then reset); -1 bad index or null port; -9 registration failed; -25 seven
    // air conditioners already registered; otherwise the port form's code.
    int32_t CommunicationSerialPort(int32_t index);

    // The request sequence with one port: 0 or
    //  -1 null port, -8 records could not be cleared, -10 port not in use,
    //  -11 Connect failed, -12 phase out of range (also: 64 exchanges without
    //  the end answer 0x24), -13 Communicate failed,
    //  -14 time-out, -15 identity answer without record, -16 identity with an
    //  all-zero MAC, -18 settings answer without record, -20 run-log answer
    //  without record, -21 run-log record not kept, -22 unsound frame or an
    //  answer code outside 0x21..0x26.
    // The port is closed afterwards in every case.
    int32_t CommunicationSerialPort(CSerialPortAircon* port);

    // Hands the port's records to the receiver: identity (kind 1), each received
    // settings record (kinds 2-4, received = volume byte non-zero), each run-log
    // day (kind 5). 0; -1 null port; -23 no receiver; -25 registration limit;
    // -26 identity not stored; -28 a settings record not stored; -29 a run-log
    // record not stored.
    int32_t RegistDBData(CSerialPortAircon* port);

    // Removes and destroys the first port not in use. Its former index, or -1
    // when none is left. The caller holds PortLock().
    int32_t FreeUnUsedCommunication1stData();

    // True when the port whose identity has the MAC of `info` (bytes 20..27)
    // exists and is in use. Null gives false.
    bool IsPortConnected(const PAYLOAD_MSG_RET_AIRCON_INFO* info);

    // Clears the in-use flag of the first port with this device path (case
    // ignored). 0, also when none matches; -1 null path.
    int32_t ClearInUseByDevicePath(const char* devicePath);
    // Always 0.
    int32_t ClearAllInUse();
    // Closes and destroys every port.
    void ReleaseAllPorts();

    // Notes an arrival (removed 0) or removal (1) of a device path; a second
    // note of the same path overwrites the first. Index of the record; -1 null
    // path or not a remote-controller path; -2 out of memory.
    int32_t RecordDeviceChange(const char* devicePath, uint8_t removed);
    // Moves the notes out: removed paths into `removedPaths`, *arrived = 1 when
    // any arrival was noted. 0; -1 null flag.
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
