#pragma once

#include "data/CDataManager.h"
#include "data/CSystemClock.h"
#include "link/CSerialPortManager.h"
#include "model/CCalendarDate.h"
#include "ui/controls/UiTimings.h"

#include <QString>

#include <memory>
#include <string>

class CMainFrame;
class CSingleInstance;
class CTerminationSignals;
class QTranslator;

// The application object: lives for the whole process and owns the long-lived
// services (the data manager with its database and port manager, the debug
// log's set-up, the caption, the DPI factor), the single-instance guard and
// the frame. main() makes the QApplication, then this object, and runs the
// event loop only when InitInstance says so.
class Ctevaro_worldApp {
public:
    static constexpr int32_t kIconPictureId = 129;
    static constexpr int kFirstYear = kFirstSupportedYear;
    static constexpr int kLastYear = kLastSupportedYear;

    // Seams for tests; production uses the defaults.
    struct Options {
        std::string databasePath;      // empty: the default location
        QString runtimeFolder;         // single-instance socket folder; empty: the default
        double dpiFactor = 0.0;        // > 0: use it instead of measuring the screen
        double devicePixelRatio = 0.0; // > 0: use it instead of the window's screen's
        CUiTimings timings;
        bool handleSignals = true; // SIGTERM/SIGINT/SIGHUP become close requests
    };

    explicit Ctevaro_worldApp(const IClock& clock = CSystemClock::Instance(),
                              CSerialPortManager::Options portOptions = {});
    Ctevaro_worldApp(const IClock& clock, CSerialPortManager::Options portOptions, Options options);
    ~Ctevaro_worldApp();
    Ctevaro_worldApp(const Ctevaro_worldApp&) = delete;
    Ctevaro_worldApp& operator=(const Ctevaro_worldApp&) = delete;

    // The start-up sequence. True: run the event loop; false: end the process
    // (another copy runs, the clock or the database refused, or a close
    // request came during start-up).
    bool InitInstance();
    int ExitInstance();

    // Whether `year` lies in the supported years (one unsigned comparison,
    // so a failed time conversion, year 0, is refused too).
    static bool IsSupportedYear(int year);
    // Loads Qt's Japanese translation once for the process; false when the
    // file cannot be found.
    static bool LoadJapaneseTranslation();

    CDataManager& DataManager() { return m_dataManager; }
    const QString& Caption() const { return m_caption; }
    double DpiFactor() const { return m_dpiFactor; }
    double DevicePixelRatio() const { return m_devicePixelRatio; }
    CMainFrame* Frame() { return m_frame.get(); }
    CSingleInstance* Instance() { return m_instance.get(); }

private:
    int CurrentYear() const;

    const IClock& m_clock;
    Options m_options;
    CDataManager m_dataManager;
    QString m_caption;
    double m_dpiFactor = 1.0;
    double m_devicePixelRatio = 1.0;
    std::unique_ptr<CSingleInstance> m_instance;
    std::unique_ptr<CTerminationSignals> m_signals;
    // Declared last: the frame and its main window use everything above.
    std::unique_ptr<CMainFrame> m_frame;
};
