#pragma once

#include "data/CDataManager.h"
#include "data/FixedClock.h"
#include "support/TempDir.h"
#include "ui/controls/UiTimings.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

// Holds a worker at the start of its job until the test opens it. Gives up
// after a while so a failing test cannot hang in a dialog's final join.
class Gate {
public:
    void Enter() {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_entered = true;
        m_changed.notify_all();
        m_changed.wait_for(lock, std::chrono::seconds(10), [this] { return m_open; });
    }
    void Open() {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_open = true;
        m_changed.notify_all();
    }
    bool Entered() const {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_entered;
    }
    std::function<void()> Hook() {
        return [this] { Enter(); };
    }

private:
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_entered = false;
    bool m_open = false;
};

// Runs `step` every few milliseconds on the GUI thread while the test sits in
// a modal loop; `step` gets the time since Start().
class Poller {
public:
    explicit Poller(std::function<void(qint64 elapsedMs)> step) : m_step(std::move(step)) {
        m_timer.setInterval(2);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            ++m_ticks;
            m_step(m_clock.elapsed());
        });
    }
    void Start() {
        m_clock.start();
        m_timer.start();
    }
    void Stop() { m_timer.stop(); }
    int Ticks() const { return m_ticks; }

private:
    std::function<void(qint64)> m_step;
    QTimer m_timer;
    QElapsedTimer m_clock;
    int m_ticks = 0;
};

inline CUiTimings ShortTimings(int minimumMs, int animationMs = 20) {
    CUiTimings timings;
    timings.splashMinimumMs = minimumMs;
    timings.progressMinimumMs = minimumMs;
    timings.animationMs = animationMs;
    return timings;
}

// The top-level widgets of type T that are shown.
template <typename T>
std::vector<T*> VisibleTopLevels() {
    std::vector<T*> found;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (T* typed = qobject_cast<T*>(widget); typed != nullptr && typed->isVisible()) {
            found.push_back(typed);
        }
    }
    return found;
}

// A data manager on a fresh database in a temporary folder; no remote
// controller plugged in unless the test passes simulator roots.
class DialogFixture : public ::testing::Test {
protected:
    void SetUp() override { CreateManager(); }

    void CreateManager(const std::string& sysfsRoot = {}, const std::string& devRoot = {}) {
        m_manager.reset();
        std::filesystem::create_directories(m_dir.File("no-sys/class/tty"));
        std::filesystem::create_directories(m_dir.File("no-dev"));
        m_manager = NewManager("tvraircon.sdf", sysfsRoot, devRoot);
    }

    std::unique_ptr<CDataManager> NewManager(const std::string& databaseName,
                                             const std::string& sysfsRoot = {},
                                             const std::string& devRoot = {}) {
        CSerialPortManager::Options options;
        options.sysfsRoot = sysfsRoot.empty() ? m_dir.File("no-sys") : sysfsRoot;
        options.devRoot = devRoot.empty() ? m_dir.File("no-dev") : devRoot;
        options.answerPauseMs = 0;
        options.timeouts.readIntervalMs = 1000;
        options.timeouts.readTotalConstantMs = 1000;
        options.timeouts.idleLimitMs = 1000;
        options.timeouts.emptyReadPauseMs = 10;
        auto manager = std::make_unique<CDataManager>(m_clock, options);
        EXPECT_EQ(manager->Initialize(m_dir.File(databaseName)), 0);
        return manager;
    }

    static std::string Mac(int n) {
        char text[17];
        std::snprintf(text, sizeof(text), "00112233445566%02X", n);
        return text;
    }

    // Unit n (model "RAS-<n>", living room) with variant-A settings and one
    // day in April 2013; the unit list is reloaded.
    void AddUnit(CDataManager& manager, int n) {
        CDbModelInfoData model;
        model.macAddress = Mac(n);
        model.model = "RAS-" + std::to_string(n);
        model.roomCode = "L";
        ASSERT_EQ(manager.SetModelInfo(model), 0);
        CDbSettingInfoData settings;
        settings.macAddress = Mac(n);
        settings.values = {0,  0,  0,  0,  3,  0,  0,  27, 0,  0,  1,  0,  -1,
                           -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
        ASSERT_EQ(manager.SetSettingInfo(settings), 0);
        CDbRunStateData day;
        day.macAddress = Mac(n);
        day.date = "20130405";
        day.useTime = 60;
        day.electricityBill = 100 + n;
        day.indoorTemperature = 24;
        day.outdoorTemperature = 20;
        ASSERT_EQ(manager.SetRunStateInfo(day), 0);
        manager.LoadRemoConList();
    }

    bool IsRegistered(CDataManager& manager, const std::string& mac) {
        std::vector<CDbModelInfoData> rows;
        EXPECT_EQ(manager.Db().GetModelInfo(rows, mac), 0);
        return !rows.empty();
    }

    TempDir m_dir;
    FixedClock m_clock{2013, 4, 20};
    std::unique_ptr<CDataManager> m_manager;
};
