#include "app/CHelpWindow.h"

#include "app/CAppUtil.h"
#include "ui/controls/CMessageBox.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

CHelpWindow* CHelpWindow::s_instance = nullptr;

namespace {
constexpr int kWidth = 760;
constexpr int kHeight = 560;

// Existing is not enough: a file the user cannot read would show an empty
// window instead of the failure message.
bool IsReadableFile(const QString& path) {
    QFile file(path);
    return QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly);
}

QString WithSlash(QString folder) {
    if (!folder.endsWith(QLatin1Char('/'))) {
        folder += QLatin1Char('/');
    }
    return folder;
}
} // namespace

QStringList CHelpWindow::HelpFolderCandidates(const QString& programFolder) {
    if (programFolder.isEmpty()) {
        return {};
    }
    const QString base = WithSlash(programFolder);
    return {base + QStringLiteral("help/"), base + QStringLiteral("../share/tevaro/help/")};
}

QString CHelpWindow::FindHelpFolder(const QString& programFolder) {
    for (const QString& candidate : HelpFolderCandidates(programFolder)) {
        if (IsReadableFile(candidate + QLatin1String(kIndexFile))) {
            return WithSlash(QDir::cleanPath(candidate));
        }
    }
    return {};
}

bool CHelpWindow::OpenHelp(QWidget* owner) {
    return OpenHelpFrom(owner, FindHelpFolder(CAppUtil::ProgramFolder()));
}

bool CHelpWindow::OpenHelpFrom(QWidget* owner, const QString& helpFolder) {
    if (helpFolder.isEmpty()) {
        return false;
    }
    const QString folder = WithSlash(helpFolder);
    if (!IsReadableFile(folder + QLatin1String(kIndexFile))) {
        return false;
    }
    if (s_instance == nullptr) {
        // The main window is a child of the frame; the help belongs to the
        // frame, so it stays in front of the whole program.
        s_instance = new CHelpWindow(owner != nullptr ? owner->window() : nullptr);
    }
    s_instance->ShowIndex(folder);
    s_instance->show();
    s_instance->raise();
    s_instance->activateWindow();
    return true;
}

CHelpWindow* CHelpWindow::Instance() {
    return s_instance;
}

void CHelpWindow::CloseHelp() {
    delete s_instance;
}

// A window of its own (Qt::Window) that still belongs to the main window, so
// it goes away with it and stays in front of it without blocking it.
// Closing only hides it: a window deleted later than closed could be handed
// out again by a call in between.
CHelpWindow::CHelpWindow(QWidget* owner) : QWidget(owner, Qt::Window) {
    setWindowTitle(QString::fromUtf8(kAppCaption) + QStringLiteral(" ヘルプ"));
    resize(kWidth, kHeight);

    m_back = new QToolButton(this);
    m_back->setText(QStringLiteral("戻る"));
    m_forward = new QToolButton(this);
    m_forward->setText(QStringLiteral("進む"));
    auto* home = new QToolButton(this);
    home->setText(QStringLiteral("目次"));

    m_browser = new QTextBrowser(this);
    // The pages link only to each other; nothing leaves the help folder.
    m_browser->setOpenExternalLinks(false);
    m_browser->setOpenLinks(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_back);
    buttons->addWidget(m_forward);
    buttons->addWidget(home);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_browser, 1);

    m_back->setEnabled(false);
    m_forward->setEnabled(false);
    connect(m_back, &QToolButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QToolButton::clicked, m_browser, &QTextBrowser::forward);
    connect(home, &QToolButton::clicked, m_browser, &QTextBrowser::home);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QToolButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QToolButton::setEnabled);
}

CHelpWindow::~CHelpWindow() {
    if (s_instance == this) {
        s_instance = nullptr;
    }
}

void CHelpWindow::ShowIndex(const QString& helpFolder) {
    const QUrl index = QUrl::fromLocalFile(helpFolder + QLatin1String(kIndexFile));
    if (helpFolder != m_helpFolder) {
        // A new folder starts a new history; going back must not lead into
        // pages of a folder no longer shown.
        m_helpFolder = helpFolder;
        m_browser->setSearchPaths({helpFolder});
        m_browser->setSource(index);
        m_browser->clearHistory();
        return;
    }
    m_browser->setSource(index);
}
