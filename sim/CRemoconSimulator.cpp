#include "sim/CRemoconSimulator.h"

#include <filesystem>

namespace fs = std::filesystem;

CRemoconSimulator::CRemoconSimulator(std::string root) : m_root(std::move(root)) {
    std::error_code ec;
    m_createdRoot = !fs::exists(m_root, ec);
    m_createdSys = !fs::exists(SysfsRoot(), ec);
    m_createdDev = !fs::exists(DevRoot(), ec);
    fs::create_directories(SysfsRoot() + "/class/tty", ec);
    fs::create_directories(DevRoot(), ec);
}

CRemoconSimulator::~CRemoconSimulator() {
    m_units.clear(); // each unit removes its own entries
    std::error_code ec;
    // Only what we made: never a tree that was there before us.
    fs::remove_all(SysfsRoot() + "/devices/tevaro-sim", ec);
    if (m_createdSys) {
        fs::remove_all(SysfsRoot(), ec);
    }
    if (m_createdDev) {
        fs::remove_all(DevRoot(), ec);
    }
    if (m_createdRoot) {
        fs::remove(m_root, ec);
    }
}

int32_t CRemoconSimulator::AddUnit(const SimUnitConfig& config, std::string& error) {
    const auto number = static_cast<int32_t>(m_units.size());
    auto unit = std::make_unique<CRemoconSimUnit>(config, SysfsRoot(), DevRoot(), number);
    for (const auto& other : m_units) {
        if (other->TtyName() == unit->TtyName()) {
            error = "two units named " + unit->TtyName();
            return kAddFailed;
        }
    }
    if (!unit->Plug(error)) {
        return kAddFailed;
    }
    m_units.push_back(std::move(unit));
    return number;
}

bool CRemoconSimulator::Plug(int32_t index, std::string& error) {
    CRemoconSimUnit* unit = Unit(index);
    if (unit == nullptr) {
        error = "no unit " + std::to_string(index);
        return false;
    }
    return unit->Plug(error);
}

bool CRemoconSimulator::Unplug(int32_t index) {
    CRemoconSimUnit* unit = Unit(index);
    if (unit == nullptr) {
        return false;
    }
    unit->Unplug();
    return true;
}

CRemoconSimUnit* CRemoconSimulator::Unit(int32_t index) {
    if (index < 0 || index >= static_cast<int32_t>(m_units.size())) {
        return nullptr;
    }
    return m_units[static_cast<size_t>(index)].get();
}
