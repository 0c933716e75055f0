#include "app/Ctevaro_worldApp.h"

#include "app/CMainFrame.h"
#include "app/CSingleInstance.h"
#include "app/CTerminationSignals.h"
#include "debuglog/AppLog.h"
#include "ui/controls/CMessageBox.h"
#include "ui/draw/CDrawSurface.h"
#include "ui/draw/CPictureStore.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QPixmap>
#include <QScreen>
#include <QTranslator>

#include <ctime>

Ctevaro_worldApp::Ctevaro_worldApp(const IClock& clock, CSerialPortManager::Options portOptions)
    : Ctevaro_worldApp(clock, std::move(portOptions), Options()) {}

Ctevaro_worldApp::Ctevaro_worldApp(const IClock& clock, CSerialPortManager::Options portOptions,
                                   Options options)
    : m_clock(clock), m_options(std::move(options)), m_dataManager(clock, std::move(portOptions)) {
    AppLog().Initialize(kAppLogName);
}

Ctevaro_worldApp::~Ctevaro_worldApp() {
    // The frame goes first: its main window and device monitor use the data
    // manager, which the members above still hold.
    m_frame.reset();
    m_dataManager.Db().Close();
}

bool Ctevaro_worldApp::IsSupportedYear(int year) {
    return static_cast<unsigned>(year - kFirstYear) <=
           static_cast<unsigned>(kLastYear - kFirstYear);
}

bool Ctevaro_worldApp::LoadJapaneseTranslation() {
    static QTranslator* translator = nullptr;
    if (translator != nullptr) {
        return true;
    }
    auto loaded = std::make_unique<QTranslator>();
    if (!loaded->load(QStringLiteral("qtbase_ja"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        return false;
    }
    // Kept for the process: the application holds a pointer to it.
    translator = loaded.release();
    QCoreApplication::installTranslator(translator);
    return true;
}

int Ctevaro_worldApp::CurrentYear() const {
    const std::time_t now = m_clock.Now();
    std::tm local{};
    if (localtime_r(&now, &local) == nullptr) {
        return 0;
    }
    return local.tm_year + 1900;
}

bool Ctevaro_worldApp::InitInstance() {
    // The interface reads Japanese whatever the locale, the standard buttons too.
    LoadJapaneseTranslation();

    m_instance = std::make_unique<CSingleInstance>(m_options.runtimeFolder);
    if (m_instance->Acquire() != CSingleInstance::Result::kFirst) {
        return false;
    }

    const QString caption = QString::fromUtf8(kAppCaption);
    if (!IsSupportedYear(CurrentYear())) {
        CMessageBox::Show(nullptr, QStringLiteral("日付が有効範囲外です。"), CMessageBox::kTopmost);
        return false;
    }

    const int32_t initialized = m_options.databasePath.empty()
                                    ? m_dataManager.Initialize()
                                    : m_dataManager.Initialize(m_options.databasePath);
    if (initialized != CDataManager::kOk) {
        CMessageBox::Show(nullptr, QStringLiteral("初期化に失敗しました。"), CMessageBox::kTopmost);
        m_dataManager.Db().Close();
        return false;
    }

    m_dpiFactor = 1.0;
    if (m_options.dpiFactor > 0.0) {
        m_dpiFactor = m_options.dpiFactor;
    } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        m_dpiFactor = screen->logicalDotsPerInchY() / 96.0;
    }
    CDrawSurface::SetDpiFactor(m_dpiFactor);

    m_frame = std::make_unique<CMainFrame>(&m_dataManager, m_options.timings);
    CMainFrame* frame = m_frame.get();
    // The surfaces are made at the ratio of the screen the window opens on
    // (1.25 and 1.5 as they are: main() passes fractional ratios through),
    // before CreateContent builds them.
    m_devicePixelRatio =
        m_options.devicePixelRatio > 0.0 ? m_options.devicePixelRatio : frame->devicePixelRatioF();
    CDrawSurface::SetDevicePixelRatio(m_devicePixelRatio);
    QObject::connect(m_instance.get(), &CSingleInstance::raiseRequested, frame,
                     &CMainFrame::RestoreAndRaise);
    QObject::connect(m_instance.get(), &CSingleInstance::closeRequested, frame,
                     &CMainFrame::RequestClose);
    if (m_options.handleSignals) {
        m_signals = std::make_unique<CTerminationSignals>();
        if (m_signals->Install()) {
            QObject::connect(m_signals.get(), &CTerminationSignals::closeRequested, frame,
                             &CMainFrame::RequestClose);
        }
    }
    if (!frame->CreateContent()) {
        return false;
    }

    frame->show();
    m_caption = caption;
    frame->setWindowTitle(m_caption);
    const QImage icon = CPictureStore::Get(kIconPictureId);
    if (!icon.isNull()) {
        const QIcon windowIcon(QPixmap::fromImage(icon));
        frame->setWindowIcon(windowIcon);
        QApplication::setWindowIcon(windowIcon);
    }
    return true;
}

int Ctevaro_worldApp::ExitInstance() {
    m_frame.reset();
    m_dataManager.Db().Close();
    m_signals.reset();
    m_instance.reset();
    return 0;
}
