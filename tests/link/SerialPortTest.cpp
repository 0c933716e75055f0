#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <vector>

#include "LinkTestSupport.h"
#include "link/CSerialCommand.h"
#include "link/CSerialPort.h"
#include "sim/CRemoconSimulator.h"
#include "support/TempDir.h"
#include "util/UniqueFd.h"

namespace {

using Clock = std::chrono::steady_clock;

class SerialPortTest : public ::testing::Test {
protected:
    // One simulated unit with `options`, and a port on it with short limits.
    void Start(const std::string& options) {
        SimUnitConfig config;
        std::string error;
        ASSERT_TRUE(ParseSimUnitOptions(options, config, error)) << error;
        ASSERT_EQ(m_sim.AddUnit(config, error), 0) << error;
        m_port.SetDevRoot(m_sim.DevRoot());
        m_port.SetPortName(m_sim.Unit(0)->TtyName());
        m_port.SetTimeouts(ShortTimeouts());
    }

    int32_t Ask(uint8_t code, std::vector<uint8_t>& response) {
        CSerialCommand request;
        MakeCommand(code, request);
        uint8_t buffer[65] = {};
        const int32_t n = m_port.Communicate(request.m_frame, request.m_length, buffer, 64);
        response.assign(buffer, buffer + (n > 0 ? n : 0));
        return n;
    }

    TempDir m_dir;
    CRemoconSimulator m_sim{m_dir.File("root")};
    CSerialPort m_port;
};

TEST(SerialPortLimitsTest, DefaultsAreTheRemoteControllersOwn) {
    const SerialTimeouts t = CSerialPort("/dev").Timeouts();
    EXPECT_EQ(t.readIntervalMs, 15000);
    EXPECT_EQ(t.readTotalPerByteMs, 1);
    EXPECT_EQ(t.readTotalConstantMs, 15000);
    EXPECT_EQ(t.idleLimitMs, 15000);
    EXPECT_EQ(t.emptyReadPauseMs, 100);
}

TEST_F(SerialPortTest, ConnectTwiceReportsAlreadyOpen) {
    Start("variant=A");
    ASSERT_EQ(m_port.Connect(), CSerialPort::kConnected);
    EXPECT_TRUE(m_port.IsOpen());
    EXPECT_EQ(m_port.Connect(), CSerialPort::kAlreadyOpen);
    EXPECT_NE(m_port.Transcript().find("\t\tConnect Info(Already Handle). Handle[0x"),
              std::string::npos);
    m_port.DisConnect();
    EXPECT_FALSE(m_port.IsOpen());
}

TEST_F(SerialPortTest, PortIsExclusiveEvenForRootAndFreedOnClose) {
    Start("variant=A");
    ASSERT_EQ(m_port.Connect(), CSerialPort::kConnected);
    CSerialPort other(m_sim.DevRoot(), ShortTimeouts());
    other.SetPortName(m_sim.Unit(0)->TtyName());
    EXPECT_EQ(other.Connect(), CSerialPort::kOpenFailed);
    EXPECT_NE(other.Transcript().find("\t\tConnect Error(Open). Handle[0xffffffff] Err["),
              std::string::npos);
    m_port.DisConnect();
    EXPECT_EQ(other.Connect(), CSerialPort::kConnected)
        << "exclusive flag and lock must go with the close";
    other.DisConnect();

    // Another reader's lock alone (no exclusive flag, as a root reader meets
    // it) also keeps the port busy: the open fails with EWOULDBLOCK.
    UniqueFd holder(
        ::open((m_sim.DevRoot() + "/" + m_sim.Unit(0)->TtyName()).c_str(), O_RDWR | O_NOCTTY));
    ASSERT_TRUE(holder.Valid());
    ASSERT_EQ(::flock(holder.Get(), LOCK_EX | LOCK_NB), 0);
    EXPECT_EQ(m_port.Connect(), CSerialPort::kOpenFailed);
    EXPECT_NE(m_port.Transcript().find("Err[" + std::to_string(EWOULDBLOCK) + "]"),
              std::string::npos)
        << m_port.Transcript();
    holder.Reset();
    EXPECT_EQ(m_port.Connect(), CSerialPort::kConnected);
}

TEST_F(SerialPortTest, MissingOrNonTerminalPortFailsToOpen) {
    Start("variant=A");
    m_port.SetPortName("ttyACM9");
    EXPECT_EQ(m_port.Connect(), CSerialPort::kOpenFailed);
    EXPECT_FALSE(m_port.IsOpen());

    WriteFileBytes(m_sim.DevRoot() + "/plainfile", "x");
    m_port.SetPortName("plainfile");
    EXPECT_LT(m_port.Connect(), 0);
}

TEST_F(SerialPortTest, ExchangeOfOneFrame) {
    Start("variant=A,mac=0102030405060708,model=RAS-T1,room=C");
    ASSERT_EQ(m_port.Connect(), CSerialPort::kConnected);
    std::vector<uint8_t> response;
    ASSERT_EQ(Ask(0x01, response), 36);
    CSerialCommand frame;
    std::copy(response.begin(), response.end(), frame.m_frame);
    EXPECT_EQ(AnalyzeResponse(frame), 0x21);
    EXPECT_EQ(response[24], 0x01);
    EXPECT_EQ(response[32], 0x20);
    EXPECT_NE(m_port.Transcript().find("\t\tTotal Recv Data. Size[36]\r\n"), std::string::npos);
    EXPECT_NE(m_port.Transcript().find("\t\tSend Data. Size[6]\r\n"), std::string::npos);
    const auto requests = m_sim.Unit(0)->Requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0], (std::vector<uint8_t>{0x02, 0x01, 0x01, 0x01, 0x03, 0x03}));
}

TEST_F(SerialPortTest, CapacityBelow64SendsNothing) {
    Start("variant=A");
    ASSERT_EQ(m_port.Connect(), CSerialPort::kConnected);
    CSerialCommand request;
    MakeCommand(0x01, request);
    uint8_t buffer[65] = {};
    EXPECT_EQ(m_port.Communicate(request.m_frame, request.m_length, buffer, 63),
              CSerialPort::kCapacityTooSmall);
    EXPECT_EQ(m_port.Communicate(request.m_frame, request.m_length, nullptr, 64),
              CSerialPort::kCapacityTooSmall);
    std::vector<uint8_t> response;
    EXPECT_EQ(Ask(0x04, response), 6) << "the port still works";
    const auto requests = m_sim.Unit(0)->Requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0][3], 0x04);
}

TEST_F(SerialPortTest, SplitResponseIsReassembled) {
    Start("variant=C,fault=split,splitms=40");
    ASSERT_EQ(m_port.Connect(), CSerialPort::kConnected);
    std::vector<uint8_t> response;
    ASSERT_EQ(Ask(0x02, response), 30);
    CSerialCommand frame;
    std::copy(response.begin(), response.end(), frame.m_frame);
    EXPECT_EQ(AnalyzeResponse(frame), 0x26);
}

TEST_F(SerialPortTest, PausedPiecesBeyondOneReadAreWaitedFor) {
    // Each pause is longer than one read's limits, so empty reads happen and
    // are followed by the short pause and another read, within the idle limit.
    SerialTimeouts t = ShortTimeouts();
    t.readIntervalMs = 20;
    t.readTotalConstantMs = 20;
    t.idleLimitMs = 400;
    Start("variant=A,fault=split,splitms=100");
    m_port.SetTimeouts(t);
    ASSERT_EQ(m_port.Connect(), CSerialPort::kConnected);
    std::vector<uint8_t> response;
    EXPECT_EQ(Ask(0x02, response), 18);
}

TEST_F(SerialPortTest, FrameOf64BytesIsAcceptedAnd65Refused) {
    Start("variant=A,fault=len59");
    ASSERT_EQ(m_port.Connect(), CSerialPort::kConnected);
    std::vector<uint8_t> response;
    ASSERT_EQ(Ask(0x01, response), 64);
    EXPECT_EQ(response[2], 59);
    EXPECT_EQ(response[63], 0x03);
    m_port.DisConnect();

    m_sim.Unit(0)->SetFault(SimFault::Len60);
    ASSERT_EQ(m_port.Connect(), CSerialPort::kConnected);
    EXPECT_EQ(Ask(0x01, response), CSerialPort::kFrameTooLong);
}

TEST_F(SerialPortTest, SilentPeerTimesOut) {
    Start("variant=A,fault=silent");
    ASSERT_EQ(m_port.Connect(), CSerialPort::kConnected);
    std::vector<uint8_t> response;
    EXPECT_EQ(Ask(0x01, response), CSerialPort::kTimedOut);
    EXPECT_NE(m_port.Transcript().find(
                  "\t\tRecvResHeader Error(Read). ReadCnt=0 dwReadSize=0 Err timeout!!"),
              std::string::npos);
}

TEST_F(SerialPortTest, HangUpMidFrameFailsAtOnce) {
    SerialTimeouts t = ShortTimeouts();
    t.readIntervalMs = 5000;
    t.readTotalConstantMs = 5000;
    t.idleLimitMs = 5000;
    Start("variant=A,fault=hangup,faultat=1,splitms=20");
    m_port.SetTimeouts(t);
    ASSERT_EQ(m_port.Connect(), CSerialPort::kConnected);
    const auto start = Clock::now();
    std::vector<uint8_t> response;
    EXPECT_EQ(Ask(0x01, response), CSerialPort::kReceiveFailed);
    // Far below the 5 s limits: the hang-up itself ends the read.
    EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(4000));
}

TEST_F(SerialPortTest, StaleBytesOfAnEarlierSessionAreDropped) {
    Start("variant=A,fault=garbage,faultat=4");
    ASSERT_EQ(m_port.Connect(), CSerialPort::kConnected);
    std::vector<uint8_t> response;
    ASSERT_EQ(Ask(0x04, response), 6) << "the answer ends at its announced length";
    m_port.DisConnect();
    ASSERT_EQ(m_port.Connect(), CSerialPort::kConnected);
    ASSERT_EQ(Ask(0x01, response), 36);
    EXPECT_EQ(response[0], 0x02);
    EXPECT_EQ(response[3], 0x21);
}

TEST_F(SerialPortTest, StepsRefuseBadArgumentsAndClosedPorts) {
    Start("variant=A");
    uint8_t buffer[8] = {};
    EXPECT_EQ(m_port.SendData(buffer, 0), CSerialPort::kBadArgument);
    EXPECT_EQ(m_port.SendData(buffer, 6), CSerialPort::kNotOpen);
    EXPECT_EQ(m_port.RecvData(nullptr, 5), CSerialPort::kBadArgument);
    EXPECT_EQ(m_port.RecvData(buffer, 0), CSerialPort::kBadArgument);
    EXPECT_EQ(m_port.RecvData(buffer, 5), CSerialPort::kNotOpen);
    EXPECT_EQ(m_port.RecvResHeader(buffer), CSerialPort::kReceiveFailed);
    CSerialCommand request;
    MakeCommand(0x01, request);
    uint8_t response[65] = {};
    EXPECT_EQ(m_port.Communicate(request.m_frame, 6, response, 64), CSerialPort::kSendFailed);
}

} // namespace
