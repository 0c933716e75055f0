#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "LinkTestSupport.h"
#include "debuglog/AppLog.h"
#include "link/CSerialPortManager.h"
#include "sim/CRemoconSimulator.h"
#include "support/LogCapture.h"
#include "support/TempDir.h"

namespace {

// One simulated remote controller with the default unit.
void PlugInOne(CRemoconSimulator& sim) {
    SimUnitConfig config;
    std::string error;
    ASSERT_EQ(sim.AddUnit(config, error), 0) << error;
}

// Port options on the simulator's device trees.
CSerialPortManager::Options OptionsFor(const CRemoconSimulator& sim) {
    CSerialPortManager::Options options;
    options.sysfsRoot = sim.SysfsRoot();
    options.devRoot = sim.DevRoot();
    return options;
}

// Index of the first line equal to `text` at or after `from`, or npos.
size_t Find(const std::vector<std::string>& lines, const std::string& text, size_t from = 0) {
    for (size_t i = from; i < lines.size(); ++i) {
        if (lines[i] == text) {
            return i;
        }
    }
    return std::string::npos;
}

TEST(LinkLogTest, RunIsFramedAndTracedLineByLine) {
    LogCapture capture;
    ASSERT_TRUE(AppLog().IsOn());
    TempDir dir;
    CRemoconSimulator sim(dir.File("root"));
    ASSERT_NO_FATAL_FAILURE(PlugInOne(sim));
    CSerialPortManager::Options o = OptionsFor(sim);
    o.timeouts = ShortTimeouts();
    o.answerPauseMs = 1;
    CSerialPortManager manager(o);
    RecordingReceiver receiver;
    manager.InitSetting(&receiver);
    ASSERT_EQ(manager.GetSerialPort(true), 1);
    ASSERT_EQ(manager.CommunicationSerialPort(0), 0);

    const auto lines = capture.Lines();

    // The expected sequence, each after the one before.
    const std::vector<std::string> sequence = {
        "-----  CSerialPortManager::GetSerialPort Start.  -----",
        " AddSPortArray[ttyACM0][" + sim.Unit(0)->DevicePath() + "]",
        "-----  CSerialPortManager::GetSerialPort End. [1]  -----",
        "-----  CSerialPortManager::CommunicationSerialPort Start.[0]  -----",
        " [ttyACM0] Communication Start\r\n",
        "-----  CSerialPortManager::CommunicationSerialPort Start.  -----",
        "-----  CSerialPort::Connect Start.  -----",
        "-----  CSerialPort::Connect End. [0]  -----",
        "\tConnect Success. [0]\r\n",
        "\tMakeCommand. Cmd[0x01]\r\n",
        "\tSend Recv Start.\r\n",
        "-----  CSerialPort::Communicate Start.  -----",
        "-----  CSerialPort::SendData Start.  -----",
        "\t\tSend Data. Size[6]\r\n",
        "\t\t          00 01 02 03 04 05 06 07  08 09 0A 0B 0C 0D 0E 0F",
        "\t\t          ------------------------------------------------",
        "\t\t00000000  02 01 01 01 03 03 " + std::string(33, ' ') + "......" + std::string(11, ' '),
        "-----  CSerialPort::SendData End.[0]  -----",
        "-----  CSerialPort::RecvResHeader Start.  -----",
        "\t\tRecvResHeader. readsize[3]\r\n",
        "-----  CSerialPort::RecvResHeader End.[3]  -----",
        "\t\tPAYLOADSIZE [31], ResReadSize[36]\r\n",
        "-----  CSerialPort::RecvData Start.  -----",
        "\t\tRecv param(Read). dwSize[33]\r\n",
        "\t\tRecv Data. Size[33]\r\n",
        "-----  CSerialPort::RecvData End.[33]  -----",
        "\t\tTotal Recv Data. Size[36]\r\n",
        "-----  CSerialPort::Communicate End.[36]  -----",
        "\tSend Recv Success. RecvSize[36]\r\n",
        "\tRecv Analysis Success. Cmd[0x21] RecvSize[36]\r\n",
        "\tMakeCommand. Cmd[0x02]\r\n",
        "\tRecv Analysis Success. Cmd[0x22] RecvSize[18]\r\n",
        "\tRecv Analysis Success. Cmd[0x23] RecvSize[17]\r\n",
        "\tRecv Analysis Success. Cmd[0x24] RecvSize[6]\r\n",
        "\tDisConnect.\r\n",
        "-----  CSerialPortManager::CommunicationSerialPort End.[0]  -----",
        " [ttyACM0] Communication End. RetCode[0]\r\n",
        "-----  CSerialPortManager::RegistDBData Start.  -----",
        "-----  CSerialPortManager::RegistDBData End.[0]  -----",
        "-----  CSerialPortManager::CommunicationSerialPort End.[0]  -----",
    };
    size_t at = 0;
    for (const std::string& expected : sequence) {
        const size_t found = Find(lines, expected, at);
        ASSERT_NE(found, std::string::npos) << "missing or out of order: " << expected;
        at = found + 1;
    }
    // Lines that go to the log only stay out of the transcript.
    EXPECT_EQ(manager.Transcript().find("PAYLOADSIZE"), std::string::npos);
    EXPECT_EQ(manager.Transcript().find("RecvResHeader. readsize"), std::string::npos);
}

TEST(LinkLogTest, FreeingPortsIsFramedWithTheIndex) {
    TempDir dir;
    CRemoconSimulator sim(dir.File("root"));
    ASSERT_NO_FATAL_FAILURE(PlugInOne(sim));
    CSerialPortManager manager(OptionsFor(sim));
    ASSERT_EQ(manager.GetSerialPort(true), 1);
    manager.ClearAllInUse();
    LogCapture capture;
    EXPECT_EQ(manager.FreeUnUsedCommunication1stData(), 0);
    EXPECT_EQ(manager.FreeUnUsedCommunication1stData(), CSerialPortManager::kNoUnusedPort);
    const auto lines = capture.Lines();
    EXPECT_EQ(lines,
              (std::vector<std::string>{
                  "-----  CSerialPortManager::FreeUnUsedCommunication1stData Start.  -----",
                  " Delete element[0][ttyACM0] \r\n",
                  "-----  CSerialPortManager::FreeUnUsedCommunication1stData End.[0]  -----",
                  "-----  CSerialPortManager::FreeUnUsedCommunication1stData Start.  -----",
                  "-----  CSerialPortManager::FreeUnUsedCommunication1stData End.[-1]  -----",
              }));
}

} // namespace
