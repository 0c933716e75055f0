#pragma once

#include "app/Ctevaro_worldApp.h"
#include "link/CSerialPortManager.h"
#include "support/TempDir.h"
#include "ui/controls/CMessageBox.h"
#include "ui/controls/UiTimings.h"

#include <QString>
#include <QStringList>

#include <filesystem>
#include <string>
#include <vector>

// Timings short enough that a test never waits for a display minimum.
inline CUiTimings ShortTimings() {
    CUiTimings timings;
    timings.splashMinimumMs = 10;
    timings.progressMinimumMs = 10;
    timings.animationMs = 10;
    timings.closePollMs = 10;
    timings.devicePollMs = 20;
    timings.pressedHoldMs = 5;
    return timings;
}

// Keeps every message the program would have shown, answering OK.
class MessageRecorder {
public:
    MessageRecorder() {
        CMessageBox::SetHandler([this](const CMessageBox::Request& request) {
            m_requests.push_back(request);
            return CMessageBox::kIdOk;
        });
    }
    ~MessageRecorder() { CMessageBox::SetHandler({}); }
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    const std::vector<CMessageBox::Request>& Requests() const { return m_requests; }
    QStringList Texts() const {
        QStringList texts;
        for (const auto& request : m_requests) {
            texts << request.text;
        }
        return texts;
    }

private:
    std::vector<CMessageBox::Request> m_requests;
};

// Port options on empty device trees (nothing plugged in) unless roots are
// given, with quick limits for a silent peer.
inline CSerialPortManager::Options TestPortOptions(const TempDir& dir, std::string sysfsRoot = {},
                                                   std::string devRoot = {}) {
    if (sysfsRoot.empty()) {
        std::filesystem::create_directories(dir.File("no-sys/class/tty"));
        std::filesystem::create_directories(dir.File("no-dev"));
        sysfsRoot = dir.File("no-sys");
        devRoot = dir.File("no-dev");
    }
    CSerialPortManager::Options options;
    options.sysfsRoot = sysfsRoot;
    options.devRoot = devRoot;
    options.answerPauseMs = 0;
    options.timeouts.readIntervalMs = 1000;
    options.timeouts.readTotalConstantMs = 1000;
    options.timeouts.idleLimitMs = 1000;
    options.timeouts.emptyReadPauseMs = 10;
    return options;
}

inline Ctevaro_worldApp::Options TestAppOptions(const TempDir& dir) {
    std::filesystem::create_directories(dir.File("run"));
    Ctevaro_worldApp::Options options;
    options.databasePath = dir.File("tvraircon.sdf");
    options.runtimeFolder = QString::fromStdString(dir.File("run"));
    options.dpiFactor = 1.0;
    options.timings = ShortTimings();
    options.handleSignals = false;
    return options;
}
