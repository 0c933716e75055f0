// The help window: where the pages are found beside the program, the failure
// the main window turns into its message, and the one window that every call
// reuses.
#include "app/CHelpWindow.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {
const char kIndex[] = "<html><head><title>目次</title></head><body>"
                      "<p>ヘルプの目次</p><a href=\"page.html\">次</a></body></html>";
const char kPage[] = "<html><body><p>二ページ目</p></body></html>";

class HelpWindowTest : public ::testing::Test {
protected:
    void TearDown() override { CHelpWindow::CloseHelp(); }

    // A help folder with an index and one linked page under `relative`.
    QString LayHelp(const std::string& relative) {
        const std::string folder = m_temp.Path() + "/" + relative;
        std::filesystem::create_directories(folder);
        WriteFileBytes(folder + "/index.html", kIndex);
        WriteFileBytes(folder + "/page.html", kPage);
        return QString::fromStdString(folder) + QLatin1Char('/');
    }
    QString Temp(const std::string& relative) const {
        return QString::fromStdString(m_temp.Path() + "/" + relative);
    }
    static QString Shown() { return CHelpWindow::Instance()->Browser()->document()->toPlainText(); }

    TempDir m_temp;
};

TEST_F(HelpWindowTest, FindsThePagesBesideTheProgramFirstThenInTheInstalledShareFolder) {
    struct Case {
        const char* name;
        std::vector<std::string> laid; // help folders laid down, relative to the temp folder
        const char* program;           // program folder, relative to the temp folder
        const char* expected;          // found folder, relative; empty: none
    };
    const Case cases[] = {
        {"build tree", {"build/app/help"}, "build/app/", "build/app/help/"},
        {"installed", {"usr/share/tevaro/help"}, "usr/bin/", "usr/share/tevaro/help/"},
        {"both: beside wins",
         {"usr/bin/help", "usr/share/tevaro/help"},
         "usr/bin/",
         "usr/bin/help/"},
        {"neither", {"elsewhere/help"}, "usr/bin/", ""},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string root = "case" + std::to_string(n++) + "/";
        for (const std::string& folder : c.laid) {
            LayHelp(root + folder);
        }
        std::filesystem::create_directories(m_temp.Path() + "/" + root + c.program);
        const QString expected = *c.expected ? Temp(root + c.expected) : QString();
        EXPECT_EQ(CHelpWindow::FindHelpFolder(Temp(root + c.program)).toStdString(),
                  expected.toStdString());
    }
    // The lookup needs a program folder; without one nothing is tried.
    EXPECT_TRUE(CHelpWindow::HelpFolderCandidates(QString()).isEmpty());
    EXPECT_EQ(CHelpWindow::HelpFolderCandidates(QStringLiteral("/opt/x")),
              (QStringList{QStringLiteral("/opt/x/help/"),
                           QStringLiteral("/opt/x/../share/tevaro/help/")}));
}

TEST_F(HelpWindowTest, FailsWithoutAWindowWhenTheIndexIsMissingOrUnreadable) {
    const QString empty = Temp("empty/");
    QDir().mkpath(empty);
    const QString noIndex = LayHelp("noindex");
    QFile::remove(noIndex + QStringLiteral("index.html"));
    const QString folderNamedIndex = LayHelp("dirindex");
    QFile::remove(folderNamedIndex + QStringLiteral("index.html"));
    QDir().mkpath(folderNamedIndex + QStringLiteral("index.html"));
    const QString unreadable = LayHelp("unreadable");
    QFile::setPermissions(unreadable + QStringLiteral("index.html"), QFileDevice::Permissions());

    const QString folders[] = {QString(), Temp("missing/"), empty,
                               noIndex,   folderNamedIndex, unreadable};
    for (const QString& folder : folders) {
        SCOPED_TRACE(folder.toStdString());
        if (folder == unreadable &&
            QFile(folder + QStringLiteral("index.html")).open(QIODevice::ReadOnly)) {
            continue; // root reads any file; the case says nothing then
        }
        EXPECT_FALSE(CHelpWindow::OpenHelpFrom(nullptr, folder));
        EXPECT_EQ(CHelpWindow::Instance(), nullptr);
    }
}

TEST_F(HelpWindowTest, OpensTheIndexInOneModelessWindowThatLaterCallsReuse) {
    QWidget owner;
    owner.show();
    const QString folder = LayHelp("help");
    ASSERT_TRUE(CHelpWindow::OpenHelpFrom(&owner, folder));
    CHelpWindow* window = CHelpWindow::Instance();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->isWindow());
    EXPECT_EQ(window->windowModality(), Qt::NonModal);
    EXPECT_EQ(window->parentWidget(), &owner);
    CHelpWindow::CloseHelp();

    // Asked from a control inside the window, it still belongs to the window.
    QWidget inner(&owner);
    ASSERT_TRUE(CHelpWindow::OpenHelpFrom(&inner, folder));
    window = CHelpWindow::Instance();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->parentWidget(), &owner);
    EXPECT_TRUE(Shown().contains(QStringLiteral("ヘルプの目次")));

    // Follow the link, hide the window; the next call shows the same window
    // at the index again.
    window->Browser()->setSource(QUrl::fromLocalFile(folder + QStringLiteral("page.html")));
    EXPECT_TRUE(Shown().contains(QStringLiteral("二ページ目")));
    window->hide();
    ASSERT_TRUE(CHelpWindow::OpenHelpFrom(&owner, folder));
    EXPECT_EQ(CHelpWindow::Instance(), window);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(Shown().contains(QStringLiteral("ヘルプの目次")));

    // A failed call leaves the open window alone.
    EXPECT_FALSE(CHelpWindow::OpenHelpFrom(&owner, Temp("missing/")));
    EXPECT_EQ(CHelpWindow::Instance(), window);
    EXPECT_TRUE(window->isVisible());

    // Closing by the user hides the window; the next call brings it back.
    window->close();
    EXPECT_FALSE(window->isVisible());
    ASSERT_TRUE(CHelpWindow::OpenHelpFrom(&owner, folder));
    EXPECT_EQ(CHelpWindow::Instance(), window);
    EXPECT_TRUE(window->isVisible());
}

TEST_F(HelpWindowTest, TheShippedPagesOpenAndEveryLinkStaysInsideTheFolder) {
    const QString shipped =
        QDir::cleanPath(QStringLiteral(TEVARO_TEST_DATA_DIR "/../../../help")) + QLatin1Char('/');
    ASSERT_TRUE(CHelpWindow::OpenHelpFrom(nullptr, shipped));
    EXPECT_TRUE(Shown().contains(QStringLiteral("おしえて「テヴァロ」")));
    const QStringList pages = QDir(shipped).entryList({QStringLiteral("*.html")}, QDir::Files);
    EXPECT_GE(pages.size(), 10);
    for (const QString& name : pages) {
        SCOPED_TRACE(name.toStdString());
        QFile file(shipped + name);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(file.readAll());
        EXPECT_FALSE(html.contains(QStringLiteral("<script"), Qt::CaseInsensitive));
        EXPECT_FALSE(html.contains(QStringLiteral("http:"), Qt::CaseInsensitive));
        EXPECT_FALSE(html.contains(QStringLiteral("https:"), Qt::CaseInsensitive));
        static const QRegularExpression link(QStringLiteral("href=\"([^\"]+)\""));
        for (auto it = link.globalMatch(html); it.hasNext();) {
            const QString target = it.next().captured(1);
            EXPECT_TRUE(QFile::exists(shipped + target)) << target.toStdString();
        }
    }
    // The window belongs to its owner and goes away with it.
    CHelpWindow::CloseHelp();
    {
        QWidget owner;
        ASSERT_TRUE(CHelpWindow::OpenHelpFrom(&owner, shipped));
        EXPECT_NE(CHelpWindow::Instance(), nullptr);
    }
    EXPECT_EQ(CHelpWindow::Instance(), nullptr);
}
} // namespace
