#pragma once

// The main window's dialog seam answered from a script, and a frame that
// keeps the close requests the window sends it: shared by the main window's
// tests.
#include "app/CMainWindowDialogs.h"
#include "data/CDataManager.h"
#include "dialogs/CDialogUpdate.h"
#include "ui/CWndCustom.h"
#include "ui/IMainWindowDialogs.h"
#include "ui/controls/UiMessages.h"

#include <QCoreApplication>
#include <QPoint>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// Answers every dialog from a script and records what was asked.
class FakeDialogs : public IMainWindowDialogs {
public:
    bool selectionOk = true;
    std::vector<int32_t> positions;
    std::vector<std::string> macs;
    int32_t csvYear = 0;
    int32_t csvMonth = 0;
    bool fileOk = true;
    QString filePath = QStringLiteral("/nonexistent/file.dat");
    bool folderOk = true;
    QString folder = QStringLiteral("/nonexistent");
    // Unset: the real progress dialog runs its job.
    std::optional<int32_t> forcedResult;
    bool helpOk = true;
    bool popupClosed = true;

    // The days whose detail was asked for, as yyyymmdd.
    std::vector<int32_t> dayDetails;
    int selections = 0;
    int fileChoices = 0;
    bool lastOpen = false;
    QString suggestedName;
    int progressRuns = 0;
    int32_t jobKind = -1;
    int32_t titleId = -1;
    int32_t backgroundId = -1;
    int animationX = -1;
    int helpOpens = 0;
    int prints = 0;
    int onePoints = 0;
    int popupOpens = 0;
    int popupDestroys = 0;
    int32_t popupKind = -1;
    int32_t popupYear = -1;
    int32_t popupMonth = -1;
    int32_t popupValue = -1;
    std::function<void()> duringProgress;

    bool RunExportSelection(QWidget*, CDataManager&, std::vector<int32_t>& out) override {
        ++selections;
        out = positions;
        return selectionOk;
    }
    bool RunDeleteSelection(QWidget*, CDataManager&, std::vector<std::string>& out) override {
        ++selections;
        out = macs;
        return selectionOk;
    }
    bool RunCsvSelection(QWidget*, CDataManager&, std::vector<int32_t>& out, int32_t& year,
                         int32_t& month) override {
        ++selections;
        out = positions;
        year = csvYear;
        month = csvMonth;
        return selectionOk;
    }
    bool ChooseDatFile(QWidget*, bool open, const QString& suggested, QString& path) override {
        ++fileChoices;
        lastOpen = open;
        suggestedName = suggested;
        path = filePath;
        return fileOk;
    }
    bool ChooseFolder(QWidget*, QString& path) override {
        ++fileChoices;
        path = folder;
        return folderOk;
    }
    int32_t RunProgress(CDialogUpdate& dialog) override {
        ++progressRuns;
        jobKind = dialog.JobKind();
        titleId = dialog.TitleId();
        backgroundId = dialog.BackgroundId();
        animationX = dialog.AnimationX();
        if (forcedResult) {
            if (duringProgress) {
                duringProgress();
            }
            return *forcedResult;
        }
        dialog.exec();
        return dialog.Result();
    }
    void PrintWindow(QWidget*, const CDrawSurface&) override { ++prints; }
    bool OpenHelp(QWidget*) override {
        ++helpOpens;
        return helpOk;
    }
    void RunDayDetail(QWidget*, CDataManager&, int32_t year, int32_t month, int32_t day) override {
        dayDetails.push_back(year * 10000 + month * 100 + day);
    }
    void RunOnePoint(QWidget*, CDataManager&) override { ++onePoints; }
    void OpenPopup(QWidget*, CDataManager&, int32_t kind, const QPoint&, int32_t year,
                   int32_t month, int32_t value) override {
        ++popupOpens;
        popupKind = kind;
        popupYear = year;
        popupMonth = month;
        popupValue = value;
    }
    bool IsPopupClosed() const override { return popupClosed; }
    void DestroyPopup() override { ++popupDestroys; }
};

// Keeps the close requests the window sends its frame.
class FrameStub : public QWidget {
public:
    int closeRequests = 0;

protected:
    bool event(QEvent* event) override {
        if (const CUiEvent* ui = CUiEvent::From(event)) {
            if (ui->Message() == UiMsg::kCloseRequest) {
                ++closeRequests;
            }
            return true;
        }
        return QWidget::event(event);
    }
};

// The main window over `manager` inside `frame`, its commands' dialogs the
// fakes, set up and with its first events handled.
inline std::unique_ptr<CWndCustom> OpenTestWindow(CDataManager* manager, FakeDialogs& dialogs,
                                                  QWidget* frame, const CUiTimings& timings) {
    auto window = std::make_unique<CWndCustom>(manager, std::make_unique<CMainWindowDialogs>(),
                                               timings, frame);
    window->SetDialogs(&dialogs);
    window->Setup();
    QCoreApplication::processEvents();
    return window;
}
