#include "app/CTerminationSignals.h"

#include <QSocketNotifier>

#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {
constexpr std::array<int, 3> kSignals = {SIGTERM, SIGINT, SIGHUP};

// The write end of the installed object's pipe, for the handler: a plain
// int, read once per signal.
volatile sig_atomic_t g_writeFd = -1;
std::atomic<bool> g_installed{false};
std::array<struct sigaction, kSignals.size()> g_previous{};

extern "C" void OnTerminationSignal(int) {
    const int savedErrno = errno;
    const int fd = g_writeFd;
    if (fd >= 0) {
        const char byte = 1;
        // A full pipe already holds a pending request; losing this byte is fine.
        [[maybe_unused]] const ssize_t written = write(fd, &byte, 1);
    }
    errno = savedErrno;
}
} // namespace

CTerminationSignals::CTerminationSignals(QObject* parent) : QObject(parent) {}

CTerminationSignals::~CTerminationSignals() {
    Uninstall();
}

bool CTerminationSignals::Install() {
    if (m_notifier != nullptr) {
        return true;
    }
    bool expected = false;
    if (!g_installed.compare_exchange_strong(expected, true)) {
        return false;
    }
    int fds[2];
    if (pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0) {
        g_installed = false;
        return false;
    }
    m_readEnd = UniqueFd(fds[0]);
    m_writeEnd = UniqueFd(fds[1]);
    g_writeFd = m_writeEnd.Get();
    m_notifier = std::make_unique<QSocketNotifier>(m_readEnd.Get(), QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &CTerminationSignals::OnReadable);

    struct sigaction action {};
    action.sa_handler = OnTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (size_t i = 0; i < kSignals.size(); ++i) {
        sigaction(kSignals[i], &action, &g_previous[i]);
    }
    return true;
}

void CTerminationSignals::OnReadable() {
    char buffer[64];
    while (read(m_readEnd.Get(), buffer, sizeof(buffer)) > 0) {
    }
    emit closeRequested();
}

void CTerminationSignals::Uninstall() {
    if (m_notifier == nullptr) {
        return;
    }
    for (size_t i = 0; i < kSignals.size(); ++i) {
        sigaction(kSignals[i], &g_previous[i], nullptr);
    }
    m_notifier.reset();
    g_writeFd = -1;
    m_writeEnd.Reset();
    m_readEnd.Reset();
    g_installed = false;
}
