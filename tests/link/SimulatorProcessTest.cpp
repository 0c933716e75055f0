#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "LinkTestSupport.h"
#include "link/CSerialPortManager.h"
#include "support/TempDir.h"
#include "util/UniqueFd.h"

namespace {

namespace fs = std::filesystem;

// tevaro-sim started the way other programs' tests and the demo start it.
class SimProcess {
public:
    explicit SimProcess(const std::vector<std::string>& args) {
        int out[2];
        int in[2];
        if (::pipe(out) != 0 || ::pipe(in) != 0) {
            return;
        }
        m_pid = ::fork();
        if (m_pid == 0) {
            ::dup2(out[1], 1);
            ::dup2(in[0], 0);
            ::close(out[0]);
            ::close(out[1]);
            ::close(in[0]);
            ::close(in[1]);
            std::vector<char*> argv;
            const std::string program = std::string(TEVARO_BINARY_DIR) + "/sim/tevaro-sim";
            argv.push_back(const_cast<char*>(program.c_str()));
            for (const std::string& a : args) {
                argv.push_back(const_cast<char*>(a.c_str()));
            }
            argv.push_back(nullptr);
            ::execv(program.c_str(), argv.data());
            ::_exit(127);
        }
        ::close(out[1]);
        ::close(in[0]);
        m_in.Reset(in[1]);
        m_out = ::fdopen(out[0], "r");
    }

    void Send(const std::string& line) {
        const std::string text = line + "\n";
        [[maybe_unused]] ssize_t n = ::write(m_in.Get(), text.data(), text.size());
    }
    ~SimProcess() {
        Stop(SIGKILL);
        if (m_out != nullptr) {
            std::fclose(m_out);
        }
    }

    // Next line of its output without the line end; empty at the end.
    std::string Line() {
        char buffer[512];
        if (m_out == nullptr || std::fgets(buffer, sizeof(buffer), m_out) == nullptr) {
            return {};
        }
        std::string line = buffer;
        if (!line.empty() && line.back() == '\n') {
            line.pop_back();
        }
        return line;
    }

    // Exit status after `signal` (0: only wait for it), -1 when it did not end
    // normally.
    int Stop(int signal) {
        if (m_pid <= 0) {
            return -1;
        }
        ::kill(m_pid, signal);
        int status = 0;
        ::waitpid(m_pid, &status, 0);
        m_pid = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

private:
    pid_t m_pid = -1;
    FILE* m_out = nullptr;
    UniqueFd m_in;
};

TEST(SimulatorProcessTest, AnnouncesUnitsServesThemAndCleansUpOnSigterm) {
    TempDir dir;
    const std::string root = dir.File("sim");
    SimProcess sim({"--root", root, "--unit", "mac=0011223344556677,model=RAS-P,room=J,variant=B",
                    "--unit", "mac=0011223344556688,variant=A"});
    const std::string unit0 = sim.Line();
    EXPECT_EQ(unit0.rfind("unit 0 ttyACM0 \\\\?\\USB#VID_08BA&PID_0002#", 0), 0u) << unit0;
    EXPECT_EQ(sim.Line().rfind("unit 1 ttyACM1 ", 0), 0u);
    ASSERT_EQ(sim.Line(), "ready " + root + "/sys " + root + "/dev");

    CSerialPortManager::Options o;
    o.sysfsRoot = root + "/sys";
    o.devRoot = root + "/dev";
    o.timeouts = ShortTimeouts();
    o.answerPauseMs = 1;
    RecordingReceiver receiver;
    {
        CSerialPortManager manager(o);
        manager.InitSetting(&receiver);
        ASSERT_EQ(manager.GetSerialPort(true), 2);
        EXPECT_EQ(manager.CommunicationSerialPort(0), 0);
        EXPECT_EQ(manager.CommunicationSerialPort(1), 0);
    }
    EXPECT_EQ(receiver.Kinds(), (std::vector<int32_t>{1, 3, 5, 1, 2, 5}));
    EXPECT_EQ(receiver.m_calls[0].record[28], 0x40);

    EXPECT_EQ(sim.Stop(SIGTERM), 0);
    EXPECT_FALSE(fs::exists(root)) << "entries removed on exit";
}

TEST(SimulatorProcessTest, UnplugsAndPlugsOnCommand) {
    TempDir dir;
    const std::string root = dir.File("sim");
    SimProcess sim({"--root", root, "--unit", "mac=0011223344556677"});
    sim.Line();
    ASSERT_EQ(sim.Line().rfind("ready ", 0), 0u);
    const fs::path dev = fs::path(root) / "dev" / "ttyACM0";
    EXPECT_TRUE(fs::is_symlink(dev));
    sim.Send("unplug 0");
    EXPECT_EQ(sim.Line(), "unplugged 0");
    EXPECT_FALSE(fs::is_symlink(dev));
    EXPECT_FALSE(fs::exists(fs::path(root) / "sys/class/tty/ttyACM0"));
    sim.Send("unplug 5");
    EXPECT_EQ(sim.Line().rfind("error ", 0), 0u);
    sim.Send("plug 0");
    EXPECT_EQ(sim.Line(), "plugged 0");
    EXPECT_TRUE(fs::is_symlink(dev));
    sim.Send("quit");
    EXPECT_EQ(sim.Stop(0), 0);
    EXPECT_FALSE(fs::exists(root));
}

TEST(SimulatorProcessTest, RefusesABadCommandLine) {
    TempDir dir;
    EXPECT_EQ(SimProcess({"--root", dir.File("x")}).Stop(0), 2) << "no unit";
    EXPECT_EQ(SimProcess({"--root", dir.File("x"), "--unit", "variant=Q"}).Stop(0), 2);
    EXPECT_EQ(SimProcess({"--root", dir.File("x"), "--unit", "colour=red"}).Stop(0), 2);
    EXPECT_FALSE(fs::exists(dir.File("x")));
}

} // namespace
