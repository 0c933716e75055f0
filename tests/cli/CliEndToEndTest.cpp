#include "db/CDbAccess.h"
#include "support/TempDir.h"
#include "util/UniqueFd.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const std::string kSim = std::string(TEVARO_BINARY_DIR) + "/sim/tevaro-sim";
const std::string kCli = std::string(TEVARO_BINARY_DIR) + "/cli/tevaro-cli";

// tevaro-sim running in the background until the test ends.
class SimProcess {
public:
    SimProcess(const std::string& root, const std::vector<std::string>& units) {
        int out[2];
        if (pipe(out) != 0) {
            return;
        }
        m_pid = fork();
        if (m_pid == 0) {
            dup2(out[1], STDOUT_FILENO);
            close(out[0]);
            close(out[1]);
            std::vector<std::string> args = {kSim, "--root", root};
            for (const std::string& unit : units) {
                args.push_back("--unit");
                args.push_back(unit);
            }
            std::vector<char*> argv;
            for (std::string& arg : args) {
                argv.push_back(arg.data());
            }
            argv.push_back(nullptr);
            execv(kSim.c_str(), argv.data());
            _exit(127);
        }
        close(out[1]);
        m_out = fdopen(out[0], "r");
    }
    ~SimProcess() {
        if (m_pid > 0) {
            kill(m_pid, SIGTERM);
            int status = 0;
            waitpid(m_pid, &status, 0);
        }
        if (m_out != nullptr) {
            fclose(m_out);
        }
    }
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    // Waits for the "ready" line.
    bool WaitReady() {
        char line[1024];
        while (m_out != nullptr && std::fgets(line, sizeof(line), m_out) != nullptr) {
            if (std::string(line).rfind("ready ", 0) == 0) {
                return true;
            }
        }
        return false;
    }

private:
    pid_t m_pid = -1;
    FILE* m_out = nullptr;
};

// Runs a program with the environment of this process; its standard output
// (and error, unless told otherwise).
std::string RunProgram(const std::string& program, const std::string& args, int& status,
                       bool withErrors = true) {
    const std::string command = program + " " + args + (withErrors ? " 2>&1" : " 2>/dev/null");
    FILE* pipe = popen(command.c_str(), "r");
    std::string output;
    if (pipe == nullptr) {
        status = -1;
        return output;
    }
    char buffer[4096];
    size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof(buffer), pipe)) > 0) {
        output.append(buffer, got);
    }
    const int raw = pclose(pipe);
    status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return output;
}

std::string RunCli(const std::string& args, int& status, bool withErrors = true) {
    return RunProgram(kCli, args, status, withErrors);
}

std::string Yesterday() {
    std::time_t now = std::time(nullptr) - 86400;
    std::tm local{};
    localtime_r(&now, &local);
    char text[16];
    std::strftime(text, sizeof(text), "%Y%m%d", &local);
    return text;
}

TEST(CliEndToEndTest, ReadStoresWhatTheSimulatedRemoteControllersSent) {
    TempDir dir;
    std::filesystem::create_directories(dir.File("data/Morvane/aircon"));
    setenv("TEVARO_DATA_DIR", dir.File("data").c_str(), 1);
    setenv("TEVARO_SYSFS_ROOT", dir.File("sim/sys").c_str(), 1);
    setenv("TEVARO_DEV_ROOT", dir.File("sim/dev").c_str(), 1);
    const std::string yesterday = Yesterday();
    SimProcess sim(dir.File("sim"),
                   {"mac=0011223344556601,model=RAS-E2E1,room=L,variant=A,date=20150310,back=1,"
                    "bill=245,use=30,outdoor=18",
                    "mac=0011223344556602,model=RAS-E2E2,room=B,variant=C,date=" + yesterday +
                        ",back=0,bill=1234",
                    "mac=0011223344556603,fault=zeromac"});
    ASSERT_TRUE(sim.WaitReady());

    int status = 0;
    const std::string output = RunCli("read", status);
    EXPECT_EQ(status, 3) << output; // one of three not read
    EXPECT_NE(output.find("connect-error 362\n"), std::string::npos) << output;
    EXPECT_NE(output.find("tevaro-cli: 1 of 3 remote controllers not read (connect-error 362)\n"),
              std::string::npos)
        << output;
    EXPECT_NE(output.find("0011223344556601\tリビング1\tRAS-E2E1\t"), std::string::npos) << output;
    EXPECT_NE(output.find("0011223344556602\t寝室部屋1\tRAS-E2E2\t"), std::string::npos);
    EXPECT_NE(output.find("\t1\n"), std::string::npos);
    EXPECT_EQ(output.find("0011223344556603"), std::string::npos);

    CDbAccess db;
    ASSERT_EQ(db.Open(dir.File("data/Morvane/aircon/tvraircon.sdf")), 0);
    std::vector<CDbRunStateData> rows;
    ASSERT_EQ(db.GetRunStateInfo(rows, "0011223344556601"), 0);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].date, "20150309");
    EXPECT_EQ(rows[0].electricityBill, 245);
    EXPECT_EQ(rows[0].useTime, 300);
    EXPECT_EQ(rows[0].outdoorTemperature, 18);
    rows.clear();
    ASSERT_EQ(db.GetRunStateInfo(rows, "0011223344556602"), 0);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].date, yesterday);
    std::vector<CDbSettingInfoData> settings;
    ASSERT_EQ(db.GetSettingInfo(settings), 0);
    EXPECT_EQ(settings.size(), 2u);
    db.Close();

    // A later process has read nothing itself: nothing shows as connected.
    const std::string units = RunCli("units", status);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(units.find("\t1\n"), std::string::npos) << units;

    const std::string month =
        RunCli("month " + yesterday.substr(0, 4) + " " +
                   std::to_string(std::stoi(yesterday.substr(4, 2))) + " 1 --json",
               status);
    EXPECT_EQ(status, 0) << month;
    EXPECT_NE(month.find("\"bill\": \"1,234円\""), std::string::npos) << month;

    // Read again, as JSON: the same log days come again and are stored again.
    const std::string again = RunCli("read --json", status, false);
    EXPECT_EQ(status, 3) << again;
    const auto json = nlohmann::json::parse(again);
    EXPECT_EQ(json["units_read"], 2);
    EXPECT_EQ(json["days_stored"], 2);
    EXPECT_EQ(json["connect_errors"], nlohmann::json::array({362}));
    ASSERT_EQ(json["units"].size(), 2u);
    EXPECT_EQ(json["units"][0]["mac"], "0011223344556601");
    EXPECT_EQ(json["units"][0]["connected"], true);
    EXPECT_EQ(json["units"][0]["days_stored"], 1);
}

// Another program holds the port (its flock): read does not talk to it, says
// which one failed and ends with 1; once the port is free it reads.
TEST(CliEndToEndTest, PortLockedByAnotherReaderIsLeftAlone) {
    TempDir dir;
    std::filesystem::create_directories(dir.File("data/Morvane/aircon"));
    setenv("TEVARO_DATA_DIR", dir.File("data").c_str(), 1);
    setenv("TEVARO_SYSFS_ROOT", dir.File("sim/sys").c_str(), 1);
    setenv("TEVARO_DEV_ROOT", dir.File("sim/dev").c_str(), 1);
    SimProcess sim(dir.File("sim"), {"mac=0011223344556611,tty=ttyACM0"});
    ASSERT_TRUE(sim.WaitReady());
    UniqueFd other(open(dir.File("sim/dev/ttyACM0").c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC));
    ASSERT_TRUE(other.Valid());
    ASSERT_EQ(flock(other.Get(), LOCK_EX | LOCK_NB), 0);

    int status = 0;
    std::string output = RunCli("read", status);
    EXPECT_EQ(status, 1) << output;
    EXPECT_EQ(output, "connect-error 364\n"
                      "tevaro-cli: 1 of 1 remote controllers not read (connect-error 364)\n");
    other.Reset();
    output = RunCli("read", status);
    EXPECT_EQ(status, 0) << output;
    EXPECT_EQ(output.rfind("0\t0011223344556611\t", 0), 0u) << output;
}

TEST(CliEndToEndTest, ProgramsTellTheirVersion) {
    for (const std::string& program : {kCli, kSim}) {
        int status = -1;
        const std::string output = RunProgram(program, "--version", status);
        EXPECT_EQ(status, 0) << program;
        const std::string name = program.substr(program.rfind('/') + 1);
        EXPECT_EQ(output, name + " " + TEVARO_VERSION + "\n");
    }
}

} // namespace
