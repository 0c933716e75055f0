#pragma once

#include "data/CDataManager.h"

#include <iosfwd>
#include <memory>
#include <string>

class ICliNotifier;

// What a subcommand works with: the output streams, the desktop notifier (null
// when notifications are not available) and, opened on first use, the data
// manager on the program's database (same file and rules as the GUI;
// $TEVARO_DATA_DIR and the link's root variables apply).
class CliContext {
public:
    // The running desktop program may hold a write for a moment (a read of
    // its own, an import); the CLI waits that long rather than fail.
    static constexpr int kBusyTimeoutMs = 5000;

    CliContext(std::ostream& out, std::ostream& err, const IClock& clock,
               ICliNotifier* notifier = nullptr);
    ~CliContext();
    CliContext(const CliContext&) = delete;
    CliContext& operator=(const CliContext&) = delete;

    std::ostream& Out() { return m_out; }
    std::ostream& Err() { return m_err; }
    ICliNotifier* Notifier() const { return m_notifier; }
    const IClock& Clock() const { return m_clock; }

    // Prints "tevaro-cli: <why>" as the one line on Err() that a failure or a
    // partial result carries, and returns `status`.
    int Fail(int status, const std::string& why);

    // The initialised data manager with its unit list loaded, or null after
    // printing the initialisation failure (with its reason) to Err().
    CDataManager* Manager();

private:
    std::ostream& m_out;
    std::ostream& m_err;
    const IClock& m_clock;
    ICliNotifier* m_notifier;
    std::unique_ptr<CDataManager> m_manager;
    bool m_failed = false;
};
