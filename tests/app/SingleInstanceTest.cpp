// The single-instance rule and the requests from outside, with real copies of
// the program (the helper runs the application object with short timings).
#include "app/CSingleInstance.h"
#include "db/CDataLocation.h"
#include "support/TempDir.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <array>
#include <csignal>
#include <filesystem>
#include <memory>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {
constexpr int kWaitMs = 30000;

// Collects Qt's own warnings while it lives, e.g. a read of a closed socket.
class QtWarnings {
public:
    QtWarnings() : m_previous(qInstallMessageHandler(Record)) { Lines().clear(); }
    ~QtWarnings() { qInstallMessageHandler(m_previous); }
    QtWarnings(const QtWarnings&) = delete;
    QtWarnings& operator=(const QtWarnings&) = delete;

    static QStringList& Lines() {
        static QStringList lines;
        return lines;
    }

private:
    static void Record(QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type != QtDebugMsg && type != QtInfoMsg) {
            Lines().append(message);
        }
    }

    QtMessageHandler m_previous;
};

class SingleInstanceTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* folder : {"run", "data/Morvane/aircon", "sys/class/tty", "dev"}) {
            std::filesystem::create_directories(m_dir.File(folder));
        }
        chmod(m_dir.File("run").c_str(), 0700);
        m_environment = QProcessEnvironment::systemEnvironment();
        m_environment.insert("XDG_RUNTIME_DIR", Folder());
        m_environment.insert("TEVARO_DATA_DIR", QString::fromStdString(m_dir.File("data")));
        m_environment.insert("TEVARO_SYSFS_ROOT", QString::fromStdString(m_dir.File("sys")));
        m_environment.insert("TEVARO_DEV_ROOT", QString::fromStdString(m_dir.File("dev")));
        m_environment.insert("XDG_STATE_HOME", QString::fromStdString(m_dir.File("state")));
        m_environment.insert("QT_QPA_PLATFORM", "offscreen");
    }

    QString Folder() const { return QString::fromStdString(m_dir.File("run")); }

    std::unique_ptr<QProcess> Launch() {
        auto process = std::make_unique<QProcess>();
        process->setProcessEnvironment(m_environment);
        process->setProgram(QStringLiteral(TEVARO_BINARY_DIR "/tests/app/AppInstanceHelper"));
        process->start();
        return process;
    }

    // Waits until the copy printed `line`; false when it ended or time ran out first.
    static bool WaitForLine(QProcess& process, const QByteArray& line, QByteArray& output) {
        QElapsedTimer timer;
        timer.start();
        while (!output.split('\n').contains(line)) {
            if (timer.elapsed() > kWaitMs) {
                return false;
            }
            if (!process.waitForReadyRead(100) && process.state() == QProcess::NotRunning) {
                output += process.readAllStandardOutput();
                return output.split('\n').contains(line);
            }
            output += process.readAllStandardOutput();
        }
        return true;
    }

    // "started" or "refused", whichever the copy says first.
    static QByteArray Verdict(QProcess& process, QByteArray& output) {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < kWaitMs) {
            for (const QByteArray& line : output.split('\n')) {
                if (line == "started" || line == "refused") {
                    return line;
                }
            }
            if (!process.waitForReadyRead(100) && process.state() == QProcess::NotRunning) {
                output += process.readAllStandardOutput();
                if (!output.contains("started") && !output.contains("refused")) {
                    return "ended";
                }
            }
            output += process.readAllStandardOutput();
        }
        return "timeout";
    }

    static void ExpectCleanExit(QProcess& process) {
        ASSERT_TRUE(process.waitForFinished(kWaitMs));
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    }

    TempDir m_dir;
    QProcessEnvironment m_environment;
};

TEST_F(SingleInstanceTest, TwoCopiesStartedTogetherLeaveExactlyOne) {
    for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE(round);
        std::array<std::unique_ptr<QProcess>, 2> copies = {Launch(), Launch()};
        std::array<QByteArray, 2> outputs;
        std::array<QByteArray, 2> verdicts;
        for (size_t i = 0; i < copies.size(); ++i) {
            verdicts[i] = Verdict(*copies[i], outputs[i]);
        }
        const int started = (verdicts[0] == "started" ? 1 : 0) + (verdicts[1] == "started" ? 1 : 0);
        ASSERT_EQ(started, 1) << verdicts[0].toStdString() << " " << verdicts[1].toStdString();
        ASSERT_NE(verdicts[0], verdicts[1]);
        const size_t running = verdicts[0] == "started" ? 0 : 1;
        EXPECT_EQ(verdicts[1 - running], "refused");
        ExpectCleanExit(*copies[1 - running]);
        EXPECT_EQ(copies[running]->state(), QProcess::Running);

        ASSERT_TRUE(CSingleInstance::SendCommand(Folder(), "close"));
        EXPECT_TRUE(WaitForLine(*copies[running], "closed", outputs[running]));
        ExpectCleanExit(*copies[running]);
    }
}

TEST_F(SingleInstanceTest, SecondCopyRaisesTheFirstAndEndsSilently) {
    auto first = Launch();
    QByteArray firstOutput;
    ASSERT_TRUE(WaitForLine(*first, "started", firstOutput));
    auto second = Launch();
    QByteArray secondOutput;
    EXPECT_EQ(Verdict(*second, secondOutput), "refused");
    ExpectCleanExit(*second);
    EXPECT_TRUE(second->readAllStandardError().isEmpty());
    EXPECT_TRUE(WaitForLine(*first, "raised", firstOutput));
    ASSERT_TRUE(CSingleInstance::SendCommand(Folder(), "close"));
    ExpectCleanExit(*first);
}

TEST_F(SingleInstanceTest, TerminationSignalsCloseTheProgramCleanly) {
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(signal);
        auto copy = Launch();
        QByteArray output;
        ASSERT_TRUE(WaitForLine(*copy, "started", output));
        ASSERT_EQ(kill(static_cast<pid_t>(copy->processId()), signal), 0);
        EXPECT_TRUE(WaitForLine(*copy, "closed", output));
        ExpectCleanExit(*copy);
        // Its socket went with it.
        EXPECT_FALSE(QFile::exists(Folder() + "/" + CSingleInstance::kSocketName));
    }
}

TEST_F(SingleInstanceTest, SocketOfAKilledCopyDoesNotBlockTheNextStart) {
    auto killed = Launch();
    QByteArray output;
    ASSERT_TRUE(WaitForLine(*killed, "started", output));
    killed->kill();
    ASSERT_TRUE(killed->waitForFinished(kWaitMs));
    ASSERT_TRUE(QFile::exists(Folder() + "/" + CSingleInstance::kSocketName));
    EXPECT_FALSE(CSingleInstance::SendCommand(Folder(), "raise", 500));

    auto next = Launch();
    QByteArray nextOutput;
    EXPECT_EQ(Verdict(*next, nextOutput), "started");
    ASSERT_TRUE(CSingleInstance::SendCommand(Folder(), "raise"));
    EXPECT_TRUE(WaitForLine(*next, "raised", nextOutput));
    ASSERT_TRUE(CSingleInstance::SendCommand(Folder(), "close"));
    ExpectCleanExit(*next);
}

TEST_F(SingleInstanceTest, InProcessGuardTakesOverAStaleSocketAndReadsCommandLines) {
    // A socket file nobody listens on, as a crash leaves it.
    const std::string socketPath = m_dir.File("run/") + CSingleInstance::kSocketName;
    {
        const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
        ASSERT_GE(fd, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::snprintf(address.sun_path, sizeof(address.sun_path), "%s", socketPath.c_str());
        ASSERT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
        close(fd);
    }
    CSingleInstance guard(Folder());
    ASSERT_EQ(guard.Acquire(), CSingleInstance::Result::kFirst);
    EXPECT_TRUE(guard.IsFirst());
    QSignalSpy raised(&guard, &CSingleInstance::raiseRequested);
    QSignalSpy closed(&guard, &CSingleInstance::closeRequested);

    // A second guard on the same folder is refused and sends "raise".
    CSingleInstance other(Folder());
    EXPECT_EQ(other.Acquire(), CSingleInstance::Result::kRunning);
    EXPECT_FALSE(other.IsFirst());
    QTRY_COMPARE(raised.count(), 1);

    struct Case {
        QByteArray bytes;
        int raises;
        int closes;
    };
    const Case cases[] = {
        {"raise\nclose\n", 1, 1},     {"close", 0, 1},
        {"  raise \r\n", 1, 0},       {"quit\nhello\n", 0, 0},
        {QByteArray(200, 'x'), 0, 0}, {"ra", 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes.left(20).toStdString());
        raised.clear();
        closed.clear();
        QLocalSocket client;
        client.connectToServer(guard.SocketPath());
        ASSERT_TRUE(client.waitForConnected(2000));
        client.write(c.bytes);
        ASSERT_TRUE(client.waitForBytesWritten(2000));
        client.disconnectFromServer();
        // Let the guard read everything, then count.
        QTest::qWait(50);
        QTRY_COMPARE(raised.count(), c.raises);
        QTRY_COMPARE(closed.count(), c.closes);
    }
}

TEST_F(SingleInstanceTest, CloseFromAClientThatHungUpArrivesAndTheGuardGoesQuietly) {
    const QtWarnings warnings;
    auto guard = std::make_unique<CSingleInstance>(Folder());
    ASSERT_EQ(guard->Acquire(), CSingleInstance::Result::kFirst);
    QEventLoop loop;
    int closes = 0;
    QObject::connect(guard.get(), &CSingleInstance::closeRequested, &loop, [&] {
        ++closes;
        loop.quit();
    });
    // Connected, written and gone before the guard reads, as a one-line
    // script client does it.
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof(address.sun_path), "%s",
                  QFile::encodeName(guard->SocketPath()).constData());
    ASSERT_EQ(::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
    ASSERT_EQ(::write(fd, "close\n", 6), 6);
    ::close(fd);
    QTimer::singleShot(kWaitMs, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_EQ(closes, 1);
    // The program ends at once on "close": the guard goes while the client's
    // hang-up is still unread.
    guard.reset();
    EXPECT_TRUE(QtWarnings::Lines().isEmpty()) << QtWarnings::Lines().join('\n').toStdString();
}

TEST_F(SingleInstanceTest, FallbackFolderIsPrivateToTheUser) {
    const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
    qunsetenv("XDG_RUNTIME_DIR");
    const QString folder = CSingleInstance::DefaultFolder();
    const std::string coreFolder = CDataLocation::RuntimeFolder();
    qputenv("XDG_RUNTIME_DIR", saved);
    EXPECT_EQ(coreFolder, folder.toStdString()) << "tevaro-cli looks for the lock there";
    ASSERT_EQ(folder, QStringLiteral("/tmp/tevaro-%1").arg(getuid()));
    struct stat info {};
    ASSERT_EQ(lstat(folder.toLocal8Bit().constData(), &info), 0);
    EXPECT_TRUE(S_ISDIR(info.st_mode));
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    EXPECT_EQ(info.st_uid, getuid());
    EXPECT_EQ(CSingleInstance(Folder()).SocketPath(),
              Folder() + "/tvraircon_{D93FC629-4D91-4ab3-B5BE-DC56EA286DD0}");
}

// tevaro-cli finds the running program by its lock and leaves the remote
// controllers to it; once the program has closed, the command reads again.
TEST_F(SingleInstanceTest, CommandLineReadLeavesThePortsToTheRunningProgram) {
    const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(Folder()));
    const std::string coreLockPath = CDataLocation::InstanceLockPath();
    qputenv("XDG_RUNTIME_DIR", saved);
    EXPECT_EQ(coreLockPath, CSingleInstance(Folder()).LockPath().toStdString());

    const auto read = [this](QByteArray& output) {
        QProcess cli;
        cli.setProcessEnvironment(m_environment);
        cli.start(QStringLiteral(TEVARO_BINARY_DIR "/cli/tevaro-cli"), {QStringLiteral("read")});
        EXPECT_TRUE(cli.waitForFinished(kWaitMs));
        output = cli.readAllStandardOutput() + cli.readAllStandardError();
        return cli.exitCode();
    };
    auto program = Launch();
    QByteArray programOutput;
    ASSERT_TRUE(WaitForLine(*program, "started", programOutput));
    QByteArray output;
    EXPECT_EQ(read(output), 0);
    EXPECT_EQ(output, "the desktop program is running and reads the remote controllers itself\n");
    ASSERT_TRUE(CSingleInstance::SendCommand(Folder(), "close"));
    ExpectCleanExit(*program);
    EXPECT_EQ(read(output), 0);
    EXPECT_EQ(output, "") << "nothing plugged in, nothing registered";
}
} // namespace
