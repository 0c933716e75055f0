#include "cli/CliContext.h"

#include "cli/CliCommand.h"
#include "cli/CliReasons.h"
#include "db/CDataLocation.h"

#include <ostream>

CliContext::CliContext(std::ostream& out, std::ostream& err, const IClock& clock,
                       ICliNotifier* notifier)
    : m_out(out), m_err(err), m_clock(clock), m_notifier(notifier) {}

CliContext::~CliContext() = default;

int CliContext::Fail(int status, const std::string& why) {
    m_out.flush();
    m_err << "tevaro-cli: " << why << std::endl;
    return status;
}

CDataManager* CliContext::Manager() {
    if (m_manager != nullptr) {
        return m_manager.get();
    }
    if (m_failed) {
        return nullptr;
    }
    auto manager = std::make_unique<CDataManager>(m_clock);
    manager->Db().SetBusyTimeout(kBusyTimeoutMs);
    if (manager->Initialize() != CDataManager::kOk) {
        m_failed = true;
        // The message the GUI shows, then why, on one line.
        Fail(kCliFailed,
             "初期化に失敗しました。" + DatabaseFailureReason(CDataLocation::DatabasePath()));
        return nullptr;
    }
    manager->LoadRemoConList();
    m_manager = std::move(manager);
    return m_manager.get();
}
