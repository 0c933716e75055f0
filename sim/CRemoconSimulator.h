#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "sim/CRemoconSimUnit.h"

// A set of simulated remote controllers under one folder: <root>/sys is the
// sysfs root and <root>/dev the dev root the app is pointed at
// (TEVARO_SYSFS_ROOT, TEVARO_DEV_ROOT). Used by tevaro-sim and, in-process, by
// tests and benchmarks. Everything it laid down is removed on destruction.
// One simulator per root.
class CRemoconSimulator {
public:
    explicit CRemoconSimulator(std::string root);
    ~CRemoconSimulator();
    CRemoconSimulator(const CRemoconSimulator&) = delete;
    CRemoconSimulator& operator=(const CRemoconSimulator&) = delete;

    // AddUnit's answer when the unit could not be added.
    static constexpr int32_t kAddFailed = -1;

    // Adds and plugs in a unit. Its index, or kAddFailed with a reason in `error`.
    int32_t AddUnit(const SimUnitConfig& config, std::string& error);
    bool Plug(int32_t index, std::string& error);
    bool Unplug(int32_t index);
    CRemoconSimUnit* Unit(int32_t index);
    int32_t UnitCount() const { return static_cast<int32_t>(m_units.size()); }

    const std::string& Root() const { return m_root; }
    std::string SysfsRoot() const { return m_root + "/sys"; }
    std::string DevRoot() const { return m_root + "/dev"; }

private:
    std::string m_root;
    bool m_createdRoot = false;
    bool m_createdSys = false;
    bool m_createdDev = false;
    std::vector<std::unique_ptr<CRemoconSimUnit>> m_units;
};
