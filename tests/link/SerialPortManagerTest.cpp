#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "LinkTestSupport.h"
#include "link/CDeviceChangeMonitor.h"
#include "link/CSerialPortManager.h"
#include "sim/CRemoconSimulator.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

const std::vector<uint8_t> kMacA = {0x00, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77};
const std::vector<uint8_t> kMacB = {0x00, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x88};

class SerialPortManagerTest : public ::testing::Test {
protected:
    int32_t AddUnit(const std::string& options) {
        SimUnitConfig config;
        std::string error;
        EXPECT_TRUE(ParseSimUnitOptions(options, config, error)) << error;
        const int32_t index = m_sim.AddUnit(config, error);
        EXPECT_GE(index, 0) << error;
        return index;
    }

    CSerialPortManager::Options Options(int32_t pauseMs = 1) {
        CSerialPortManager::Options o;
        o.sysfsRoot = m_sim.SysfsRoot();
        o.devRoot = m_sim.DevRoot();
        o.timeouts = ShortTimeouts();
        o.answerPauseMs = pauseMs;
        return o;
    }

    TempDir m_dir;
    CRemoconSimulator m_sim{m_dir.File("root")};
    RecordingReceiver m_receiver;
};

TEST_F(SerialPortManagerTest, TwoUnitsAreFoundReadInOrderAndHandedOver) {
    AddUnit("mac=0011223344556677,model=RAS-A,room=L,variant=A,date=20131005,back=2,use=12,"
            "bill=300,indoor=-5,outdoor=31,eco=1");
    AddUnit("mac=0011223344556688,model=RAS-C,room=D,variant=C");
    CSerialPortManager manager(Options());
    manager.InitSetting(&m_receiver);
    EXPECT_EQ(manager.Transcript(), "InitSetting\tDevicePath[USB#VID_08BA&PID_0002]");

    ASSERT_EQ(manager.GetSerialPort(true), 2);
    EXPECT_EQ(manager.RegisteredPortNames(), (std::vector<std::string>{"ttyACM0", "ttyACM1"}));
    EXPECT_EQ(manager.GetPort(0)->DevicePath(), m_sim.Unit(0)->DevicePath());
    EXPECT_NE(
        manager.Transcript().find("\tDevice Registry Property[USB\\VID_08BA&PID_0002&REV_0100]"),
        std::string::npos);

    ASSERT_EQ(manager.CommunicationSerialPort(0), 0);
    ASSERT_EQ(manager.CommunicationSerialPort(1), 0);
    EXPECT_EQ(m_receiver.Kinds(), (std::vector<int32_t>{1, 2, 5, 1, 4, 5}));

    const auto& calls = m_receiver.m_calls;
    EXPECT_EQ(calls[0].mac, kMacA);
    EXPECT_EQ(calls[2].mac, kMacA);
    EXPECT_EQ(calls[5].mac, kMacB);
    EXPECT_EQ(std::string(calls[0].record.begin(), calls[0].record.begin() + 5), "RAS-A");
    EXPECT_EQ(calls[0].record[28], 0x10);
    EXPECT_EQ(calls[3].record[28], 0x50);
    // The run-log day as sent: BCD date, days back, use time, big-endian bill,
    // signed temperatures, absent-ECO.
    EXPECT_EQ(calls[2].record,
              (std::vector<uint8_t>{0x20, 0x13, 0x10, 0x05, 2, 12, 0x01, 0x2C, 0xFB, 31, 1}));
    EXPECT_EQ(calls[4].record[22], 0xFF) << "display time is never taken from the device";
    EXPECT_EQ(calls[4].record.size(), 24u);

    // Every request of a run, byte for byte, in the fixed order.
    const std::vector<std::vector<uint8_t>> expected = {{0x02, 0x01, 0x01, 0x01, 0x03, 0x03},
                                                        {0x02, 0x01, 0x01, 0x02, 0x04, 0x03},
                                                        {0x02, 0x01, 0x01, 0x03, 0x05, 0x03},
                                                        {0x02, 0x01, 0x01, 0x04, 0x06, 0x03}};
    EXPECT_EQ(m_sim.Unit(0)->Requests(), expected);
    EXPECT_EQ(m_sim.Unit(1)->Requests(), expected);

    // Records are cleared after the run, the identity stays and the port is closed.
    CSerialPortAircon* port = manager.GetPort(0);
    EXPECT_EQ(port->GetLogCount(), 0);
    EXPECT_EQ(port->DriveInfo().volume, 0);
    EXPECT_EQ(port->AirconInfo().macAddr[7], 0x77);
    EXPECT_FALSE(port->IsOpen());
    PAYLOAD_MSG_RET_AIRCON_INFO probe{};
    std::copy(kMacB.begin(), kMacB.end(), probe.macAddr);
    EXPECT_TRUE(manager.IsPortConnected(&probe));
}

TEST_F(SerialPortManagerTest, EachSettingsVariantReachesTheReceiver) {
    AddUnit("mac=0000000000000001,variant=A");
    AddUnit("mac=0000000000000002,variant=B,settings=0301000100000001000002011b1e140107101722");
    AddUnit("mac=0000000000000003,variant=C");
    CSerialPortManager manager(Options());
    manager.InitSetting(&m_receiver);
    ASSERT_EQ(manager.GetSerialPort(true), 3);
    for (int32_t i = 0; i < 3; ++i) {
        ASSERT_EQ(manager.CommunicationSerialPort(i), 0) << manager.Transcript();
    }
    ASSERT_EQ(m_receiver.Kinds(), (std::vector<int32_t>{1, 2, 5, 1, 3, 5, 1, 4, 5}));
    EXPECT_EQ(m_receiver.m_calls[1].record.size(), 12u);
    EXPECT_EQ(m_receiver.m_calls[4].record,
              (std::vector<uint8_t>{0x03, 0x01, 0x00, 0x01, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00,
                                    0x02, 0x01, 0x1b, 0x1e, 0x14, 0x01, 0x07, 0x10, 0x17, 0x22}));
}

TEST_F(SerialPortManagerTest, SettingsWithVolumeZeroAreNotStored) {
    AddUnit("variant=A,settings=000100010100000001"
            "1b0201");
    CSerialPortManager manager(Options());
    manager.InitSetting(&m_receiver);
    ASSERT_EQ(manager.GetSerialPort(true), 1);
    ASSERT_EQ(manager.CommunicationSerialPort(0), 0);
    EXPECT_EQ(m_receiver.Kinds(), (std::vector<int32_t>{1, 5}));
}

struct FaultCase {
    const char* unit;
    int32_t code;
    size_t requests; // how many requests the unit saw
};

class SerialPortManagerFaultTest : public SerialPortManagerTest,
                                   public ::testing::WithParamInterface<FaultCase> {};

TEST_P(SerialPortManagerFaultTest, FailedRunStoresNothingAndClosesThePort) {
    AddUnit(GetParam().unit);
    CSerialPortManager manager(Options());
    manager.InitSetting(&m_receiver);
    ASSERT_EQ(manager.GetSerialPort(true), 1);
    const auto start = Clock::now();
    EXPECT_EQ(manager.CommunicationSerialPort(0), GetParam().code) << manager.Transcript();
    EXPECT_LT(Clock::now() - start, std::chrono::seconds(5)) << "no hang";
    EXPECT_TRUE(m_receiver.m_calls.empty());
    EXPECT_FALSE(manager.GetPort(0)->IsOpen());
    EXPECT_EQ(manager.GetPort(0)->GetLogCount(), 0);
    EXPECT_EQ(m_sim.Unit(0)->Requests().size(), GetParam().requests);
    EXPECT_NE(manager.Transcript().find("\tDisConnect.\r\n"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, SerialPortManagerFaultTest,
    ::testing::Values(
        FaultCase{"fault=zeromac", CSerialPortManager::kZeroMac, 1},
        FaultCase{"fault=silent,faultat=1", CSerialPortManager::kTimedOut, 1},
        FaultCase{"fault=silent,faultat=3", CSerialPortManager::kTimedOut, 3},
        FaultCase{"fault=badsum,faultat=2", CSerialPortManager::kBadAnswer, 2},
        FaultCase{"fault=badend,faultat=3", CSerialPortManager::kBadAnswer, 3},
        FaultCase{"fault=badlen,faultat=1", CSerialPortManager::kBadAnswer, 1},
        FaultCase{"fault=badcode,faultat=4", CSerialPortManager::kBadAnswer, 4},
        FaultCase{"fault=len60,faultat=1", CSerialPortManager::kCommunicateFailed, 1},
        FaultCase{"fault=hangup,faultat=2,splitms=20", CSerialPortManager::kCommunicateFailed, 2},
        // Never the end answer: bounded, not endless.
        FaultCase{"fault=noend,faultat=4", CSerialPortManager::kPhaseOutOfRange, 64}));

TEST_F(SerialPortManagerTest, AllZeroMacIsReportedInTheTranscript) {
    AddUnit("fault=zeromac");
    CSerialPortManager manager(Options());
    manager.InitSetting(&m_receiver);
    ASSERT_EQ(manager.GetSerialPort(true), 1);
    EXPECT_EQ(manager.CommunicationSerialPort(0), CSerialPortManager::kZeroMac);
    EXPECT_NE(
        manager.Transcript().find("\tRecv Analysis Aircon Mac Addr Error(Null). Cmd[0x21]\r\n"),
        std::string::npos);
    EXPECT_NE(manager.Transcript().find(" [ttyACM0] Communication End. RetCode[-16]\r\n"),
              std::string::npos);
}

TEST_F(SerialPortManagerTest, NextRequestFollowsTheAnswerNotTheQuestion) {
    AddUnit("fault=logfirst,faultat=1,date=20120229");
    CSerialPortManager manager(Options());
    ASSERT_EQ(manager.GetSerialPort(true), 1);
    CSerialPortAircon* port = manager.GetPort(0);
    ASSERT_EQ(manager.CommunicationSerialPort(port), 0);
    const auto requests = m_sim.Unit(0)->Requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0][3], 0x01);
    EXPECT_EQ(requests[1][3], 0x04);
    ASSERT_EQ(port->GetLogCount(), 1);
    PAYLOAD_MSG_RET_LOG log{};
    ASSERT_TRUE(port->GetLogData(0, log));
    EXPECT_EQ(log.month, 0x02);
    EXPECT_EQ(port->AirconInfo().macAddr[1], 0) << "identity not refreshed in that run";
}

TEST_F(SerialPortManagerTest, UnpluggedMidFrameLeavesOtherPortsReadable) {
    AddUnit("mac=0000000000000001,fault=hangup,faultat=3,splitms=20");
    AddUnit("mac=0000000000000002,variant=B");
    CSerialPortManager manager(Options());
    manager.InitSetting(&m_receiver);
    ASSERT_EQ(manager.GetSerialPort(true), 2);
    EXPECT_EQ(manager.CommunicationSerialPort(0), CSerialPortManager::kCommunicateFailed);
    EXPECT_FALSE(manager.GetPort(0)->IsOpen());
    EXPECT_EQ(manager.CommunicationSerialPort(1), 0);
    EXPECT_EQ(m_receiver.Kinds(), (std::vector<int32_t>{1, 3, 5}));
}

TEST_F(SerialPortManagerTest, AnswersArePacedByTheMandatedPause) {
    AddUnit("variant=A");
    CSerialPortManager manager(Options(250));
    EXPECT_EQ(CSerialPortManager::Options{}.answerPauseMs, 250);
    manager.InitSetting(&m_receiver);
    ASSERT_EQ(manager.GetSerialPort(true), 1);
    const auto start = Clock::now();
    ASSERT_EQ(manager.CommunicationSerialPort(0), 0);
    EXPECT_GE(Clock::now() - start, std::chrono::milliseconds(1000));
}

// Notes when the last record was handed over (always under the port lock).
class TimedReceiver : public RecordingReceiver {
public:
    int32_t SetRemoconData(const uint8_t* mac, const void* record, int32_t kind) override {
        m_lastCall = Clock::now();
        return RecordingReceiver::SetRemoconData(mac, record, kind);
    }
    Clock::time_point m_lastCall{};
};

TEST_F(SerialPortManagerTest, PortLockSpansTheRunAndDeviceChangesDoNotWaitForIt) {
    AddUnit("variant=A");
    CSerialPortManager manager(Options(60));
    TimedReceiver receiver;
    manager.InitSetting(&receiver);
    ASSERT_EQ(manager.GetSerialPort(true), 1);
    std::thread worker([&] { EXPECT_EQ(manager.CommunicationSerialPort(0), 0); });
    const auto deadline = Clock::now() + std::chrono::seconds(3);
    while (m_sim.Unit(0)->Requests().empty() && Clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }

    // Mid-run: device notes take only their own lock ...
    const auto noteStart = Clock::now();
    EXPECT_GE(manager.RecordDeviceChange(m_sim.Unit(0)->DevicePath().c_str(), 0), 0);
    EXPECT_LT(Clock::now() - noteStart, std::chrono::milliseconds(100));
    // ... while touching the in-use flags waits until the registration is done.
    manager.ClearAllInUse();
    const auto cleared = Clock::now();
    worker.join();
    EXPECT_EQ(receiver.Kinds(), (std::vector<int32_t>{1, 2, 5}));
    EXPECT_GE(cleared, receiver.m_lastCall);
    EXPECT_EQ(manager.GetPort(0)->InUse(), 0);
}

TEST_F(SerialPortManagerTest, RegistrationOutcomes) {
    AddUnit("variant=C");
    CSerialPortManager manager(Options());
    ASSERT_EQ(manager.GetSerialPort(true), 1);
    CSerialPortAircon* port = manager.GetPort(0);

    EXPECT_EQ(manager.RegistDBData(nullptr), CSerialPortManager::kBadArgument);
    ASSERT_EQ(manager.CommunicationSerialPort(port), 0);
    EXPECT_EQ(manager.RegistDBData(port), CSerialPortManager::kNoReceiver) << "no receiver yet";

    manager.InitSetting(&m_receiver);
    m_receiver.m_failKind = 1;
    m_receiver.m_failCode = kRemoconRegistLimit;
    EXPECT_EQ(manager.RegistDBData(port), CSerialPortManager::kRegistLimit);
    EXPECT_EQ(m_receiver.Kinds(), (std::vector<int32_t>{1})) << "nothing after a refused identity";

    m_receiver.m_calls.clear();
    m_receiver.m_failCode = kRemoconStoreFailed;
    EXPECT_EQ(manager.RegistDBData(port), CSerialPortManager::kIdentityNotStored);
    m_receiver.m_failKind = 4;
    EXPECT_EQ(manager.RegistDBData(port), CSerialPortManager::kSettingsNotStored);
    m_receiver.m_failKind = 5;
    EXPECT_EQ(manager.RegistDBData(port), CSerialPortManager::kLogNotStored);

    // The index form maps the limit to kRegistLimit and every other failure to
    // kRegistFailed, and
    // keeps the records of a failed registration until the next run.
    m_receiver.m_failKind = 1;
    m_receiver.m_failCode = kRemoconRegistLimit;
    EXPECT_EQ(manager.CommunicationSerialPort(0), CSerialPortManager::kRegistLimit);
    EXPECT_NE(manager.Transcript().find("[ttyACM0] Communication DB Regist Max Error.\r\n"),
              std::string::npos);
    EXPECT_EQ(port->GetLogCount(), 1);
    m_receiver.m_failKind = 5;
    m_receiver.m_failCode = kRemoconStoreFailed;
    EXPECT_EQ(manager.CommunicationSerialPort(0), CSerialPortManager::kRegistFailed);
}

TEST_F(SerialPortManagerTest, IndexChecks) {
    CSerialPortManager manager(Options());
    EXPECT_EQ(manager.CommunicationSerialPort(0), CSerialPortManager::kBadArgument);
    EXPECT_NE(manager.Transcript().find("\tRegistDBData Param Error. Index[0]Count[0]\r\n"),
              std::string::npos);
    EXPECT_EQ(manager.CommunicationSerialPort(-1), CSerialPortManager::kBadArgument);
    EXPECT_EQ(manager.CommunicationSerialPort(static_cast<CSerialPortAircon*>(nullptr)),
              CSerialPortManager::kBadArgument);
    EXPECT_EQ(manager.AddSPortArray(nullptr, "x"), CSerialPortManager::kBadArgument);
    EXPECT_EQ(manager.AddSPortArray("x", nullptr), CSerialPortManager::kBadArgument);
}

TEST_F(SerialPortManagerTest, EnumerationReusesPortsAndKeepsVanishedOnesUntilFreed) {
    AddUnit("mac=0000000000000001");
    AddUnit("mac=0000000000000002");
    CSerialPortManager manager(Options());
    manager.InitSetting(&m_receiver);
    ASSERT_EQ(manager.GetSerialPort(true), 2);
    CSerialPortAircon* first = manager.GetPort(0);
    CSerialPortAircon* second = manager.GetPort(1);
    ASSERT_EQ(manager.CommunicationSerialPort(1), 0);

    m_sim.Unplug(1);
    ASSERT_EQ(manager.GetSerialPort(true), 2) << "the vanished port stays";
    EXPECT_EQ(manager.GetPort(0), first) << "same object reused";
    EXPECT_EQ(first->InUse(), 1);
    EXPECT_EQ(manager.GetPort(1), second);
    EXPECT_EQ(second->InUse(), 0);
    PAYLOAD_MSG_RET_AIRCON_INFO probe{};
    probe.macAddr[7] = 0x02;
    EXPECT_FALSE(manager.IsPortConnected(&probe));

    // A port not in use is not read but reset.
    EXPECT_EQ(manager.CommunicationSerialPort(1), 0);
    EXPECT_TRUE(second->PortName().empty());
    EXPECT_EQ(second->AirconInfo().macAddr[7], 0);

    {
        std::lock_guard<std::recursive_mutex> lock(manager.PortLock());
        EXPECT_EQ(manager.FreeUnUsedCommunication1stData(), 1);
        EXPECT_EQ(manager.FreeUnUsedCommunication1stData(), CSerialPortManager::kNoUnusedPort);
    }
    EXPECT_EQ(manager.GetPortCount(), 1);

    // Without registering only the present names change.
    EXPECT_EQ(manager.GetSerialPort(false), 1);
    EXPECT_EQ(manager.PresentPortNames(), (std::vector<std::string>{"ttyACM0"}));
    EXPECT_EQ(first->InUse(), 1);
}

TEST_F(SerialPortManagerTest, OnlyRemoteControllerTerminalsQualify) {
    AddUnit("mac=0000000000000001,vid=1234,pid=0002");
    AddUnit("mac=0000000000000002,vid=08ba,pid=0003");
    AddUnit("mac=0000000000000003,tty=ttyACM7");
    // The pattern appears in the hardware id, but not at its start.
    AddUnit("mac=0000000000000004,vid=0001&PID_0001&USB\\VID_08BA,pid=0002");
    // A remote controller whose interface is not a terminal: USB ids, no tty.
    const fs::path usb = fs::path(m_sim.SysfsRoot()) / "devices/tevaro-sim/usb1/9-9";
    fs::create_directories(usb / "9-9:1.0");
    WriteFileBytes((usb / "idVendor").string(), "08ba\n");
    WriteFileBytes((usb / "idProduct").string(), "0002\n");
    // A terminal without a USB device above it (a virtual console).
    fs::create_directories(fs::path(m_sim.SysfsRoot()) / "devices/virtual/tty/tty1");
    fs::create_directory_symlink("../../devices/virtual/tty/tty1",
                                 fs::path(m_sim.SysfsRoot()) / "class/tty/tty1");

    CSerialPortManager manager(Options());
    ASSERT_EQ(manager.GetSerialPort(true), 1);
    EXPECT_EQ(manager.GetPort(0)->PortName(), "ttyACM7");
    EXPECT_NE(
        manager.Transcript().find(
            "\tDevice Registry Property[USB\\VID_0001&PID_0001&USB\\VID_08BA&PID_0002&REV_0100]"),
        std::string::npos);

    // Present in sysfs but its node is gone from the dev root: skipped.
    fs::remove(fs::path(m_sim.DevRoot()) / "ttyACM7");
    ASSERT_EQ(manager.GetSerialPort(true), 1);
    EXPECT_EQ(manager.GetPort(0)->InUse(), 0);
}

TEST_F(SerialPortManagerTest, MissingTtyClassIsReported) {
    CSerialPortManager::Options o = Options();
    o.sysfsRoot = m_dir.File("nothing");
    CSerialPortManager manager(o);
    EXPECT_EQ(manager.GetSerialPort(true), CSerialPortManager::kNoDeviceList);
}

TEST_F(SerialPortManagerTest, InUseFlagsFollowDevicePaths) {
    AddUnit("mac=0000000000000001");
    AddUnit("mac=0000000000000002");
    CSerialPortManager manager(Options());
    manager.InitSetting(&m_receiver);
    ASSERT_EQ(manager.GetSerialPort(true), 2);
    ASSERT_EQ(manager.CommunicationSerialPort(0), 0);
    PAYLOAD_MSG_RET_AIRCON_INFO probe{};
    probe.macAddr[7] = 0x01;
    EXPECT_TRUE(manager.IsPortConnected(&probe));
    EXPECT_FALSE(manager.IsPortConnected(nullptr));

    std::string lower = m_sim.Unit(0)->DevicePath();
    for (char& c : lower) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    EXPECT_EQ(manager.ClearInUseByDevicePath(lower.c_str()), 0);
    EXPECT_FALSE(manager.IsPortConnected(&probe));
    EXPECT_EQ(manager.GetPort(1)->InUse(), 1);
    EXPECT_EQ(manager.ClearInUseByDevicePath("\\\\?\\USB#VID_08BA&PID_0002#NONE"), 0);
    EXPECT_EQ(manager.ClearInUseByDevicePath(nullptr), CSerialPortManager::kBadArgument);

    // A never-read port has an all-zero identity; a zero MAC matches nothing.
    PAYLOAD_MSG_RET_AIRCON_INFO zero{};
    EXPECT_FALSE(manager.IsPortConnected(&zero));

    EXPECT_EQ(manager.ClearAllInUse(), 0);
    EXPECT_EQ(manager.GetPort(1)->InUse(), 0);
    manager.ReleaseAllPorts();
    EXPECT_EQ(manager.GetPortCount(), 0);
}

TEST(SerialPortManagerDeviceChangeTest, RecordsAreMergedPerPathAndTakenOnce) {
    CSerialPortManager::Options o;
    o.sysfsRoot = "/nonexistent";
    o.devRoot = "/nonexistent";
    CSerialPortManager manager(o);
    const char* path = "\\\\?\\usb#vid_08ba&pid_0002#s1#{4d36e978-e325-11ce-bfc1-08002be10318}";
    EXPECT_EQ(manager.RecordDeviceChange(path, 0), 0);
    EXPECT_EQ(manager.RecordDeviceChange(path, 0), 0) << "two arrivals, one record";
    EXPECT_EQ(manager.RecordDeviceChange("\\\\?\\USB#VID_08BA&PID_0002#S2", 1), 1);
    EXPECT_EQ(manager.RecordDeviceChange("\\\\?\\USB#VID_1234&PID_0002#S3", 0),
              CSerialPortManager::kBadArgument);
    EXPECT_EQ(manager.RecordDeviceChange(nullptr, 0), CSerialPortManager::kBadArgument);

    std::vector<std::string> removed = {"stale"};
    uint8_t arrived = 7;
    EXPECT_EQ(manager.TakeDeviceChanges(removed, nullptr), CSerialPortManager::kBadArgument);
    EXPECT_EQ(manager.TakeDeviceChanges(removed, &arrived), 0);
    EXPECT_EQ(arrived, 1);
    EXPECT_EQ(removed, (std::vector<std::string>{"\\\\?\\USB#VID_08BA&PID_0002#S2"}));
    EXPECT_EQ(manager.TakeDeviceChanges(removed, &arrived), 0);
    EXPECT_EQ(arrived, 0);
    EXPECT_TRUE(removed.empty());

    // A removal after an arrival of the same path overwrites it.
    manager.RecordDeviceChange(path, 0);
    manager.RecordDeviceChange(path, 1);
    manager.TakeDeviceChanges(removed, &arrived);
    EXPECT_EQ(arrived, 0);
    ASSERT_EQ(removed.size(), 1u);
}

TEST_F(SerialPortManagerTest, DeviceChangeSourceSeesUnitsComeAndGo) {
    AddUnit("mac=0000000000000001");
    CSerialPortManager manager(Options());
    CDeviceChangeMonitor monitor(manager, m_sim.SysfsRoot(), 20);
    ASSERT_TRUE(monitor.Start());
    EXPECT_FALSE(monitor.Start());

    const int32_t second = AddUnit("mac=0000000000000002");
    std::vector<std::string> removed;
    uint8_t arrived = 0;
    const auto waitFor = [&](auto done) {
        const auto deadline = Clock::now() + std::chrono::seconds(3);
        while (Clock::now() < deadline) {
            std::vector<std::string> r;
            uint8_t a = 0;
            manager.TakeDeviceChanges(r, &a);
            arrived |= a;
            removed.insert(removed.end(), r.begin(), r.end());
            if (done()) {
                return true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return false;
    };
    EXPECT_TRUE(waitFor([&] { return arrived == 1; }));
    EXPECT_TRUE(removed.empty()) << "the unit present at start is no change";

    m_sim.Unplug(second);
    EXPECT_TRUE(waitFor([&] { return !removed.empty(); }));
    EXPECT_EQ(removed, (std::vector<std::string>{m_sim.Unit(second)->DevicePath()}));
    monitor.Stop();

    // Stepping by hand: a replug is one arrival, an unchanged tree nothing.
    std::string error;
    ASSERT_TRUE(m_sim.Plug(second, error)) << error;
    EXPECT_EQ(monitor.PollOnce(), 1);
    EXPECT_EQ(monitor.PollOnce(), 0);
    uint8_t replugged = 0;
    manager.TakeDeviceChanges(removed, &replugged);
    EXPECT_EQ(replugged, 1);
    EXPECT_TRUE(removed.empty());
}

} // namespace
