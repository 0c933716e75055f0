#include "cli/CliContext.h"

#include <ostream>

CliContext::CliContext(std::ostream& out, std::ostream& err, const IClock& clock)
    : m_out(out), m_err(err), m_clock(clock) {}

CliContext::~CliContext() = default;

CDataManager* CliContext::Manager() {
    if (m_manager != nullptr) {
        return m_manager.get();
    }
    if (m_failed) {
        return nullptr;
    }
    auto manager = std::make_unique<CDataManager>(m_clock);
    if (manager->Initialize() != CDataManager::kOk) {
        m_failed = true;
        m_err << "初期化に失敗しました。" << std::endl;
        return nullptr;
    }
    manager->LoadRemoConList();
    m_manager = std::move(manager);
    return m_manager.get();
}
