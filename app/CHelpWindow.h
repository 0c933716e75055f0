#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

class QTextBrowser;
class QToolButton;

// The program's help: the Japanese HTML pages of help/, shown in one modeless
// window with a QTextBrowser. The main window's help commands and F1 call
// OpenHelp and show "ヘルプファイルを開けませんでした。" when it returns false.
// Used on the user-interface thread only.
class CHelpWindow : public QWidget {
    Q_OBJECT

public:
    // The first page; every other page is reached from it.
    static constexpr const char kIndexFile[] = "index.html";

    // Shows help/index.html from the folder FindHelpFolder finds beside the
    // program. The window is made once and shown, raised and turned back to
    // the index on every later call. False when no readable index exists;
    // an open window is then left as it is.
    static bool OpenHelp(QWidget* owner);
    // The same from a given folder (tests lay one down in a temporary folder).
    static bool OpenHelpFrom(QWidget* owner, const QString& helpFolder);

    // Where the pages may lie for a program in `programFolder` (ending in
    // "/"), in the order they are tried: "help/" beside the program (the
    // build tree), then "../share/tevaro/help/" (an installation).
    static QStringList HelpFolderCandidates(const QString& programFolder);
    // The first candidate whose index file is readable, cleaned and ending in
    // "/"; empty when there is none.
    static QString FindHelpFolder(const QString& programFolder);

    // The one help window while it exists, else null.
    static CHelpWindow* Instance();
    // Destroys the window (between tests; in the program its owner does).
    static void CloseHelp();

    QTextBrowser* Browser() const { return m_browser; }

private:
    explicit CHelpWindow(QWidget* owner);
    ~CHelpWindow() override;

    void ShowIndex(const QString& helpFolder);

    QTextBrowser* m_browser = nullptr;
    QToolButton* m_back = nullptr;
    QToolButton* m_forward = nullptr;
    QString m_helpFolder;

    static CHelpWindow* s_instance;
};
