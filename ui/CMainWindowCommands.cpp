#include "ui/CMainWindowCommands.h"

#include "data/CDataManager.h"
#include "dialogs/CDialogUpdate.h"
#include "files/CFileJobs.h"
#include "ui/CWndCustom.h"
#include "ui/IMainWindowDialogs.h"
#include "ui/controls/CMessageBox.h"
#include "ui/pages/CCustomCtrlTabPageMainBaseEleBill.h"

#include <QFile>

namespace {
constexpr int kFileAnimationX = 154;
constexpr int kFileAnimationY = 40;

struct JobLook {
    int32_t titleId;
    int32_t backgroundId;
};
constexpr JobLook kImportLook{21001, 365};
constexpr JobLook kExportLook{21002, 366};
constexpr JobLook kDeleteLook{21003, 367};
constexpr JobLook kCsvLook{21004, 368};

void SetLook(CDialogUpdate& dialog, const JobLook& look) {
    dialog.SetTitleId(look.titleId);
    dialog.SetBackgroundId(look.backgroundId);
    dialog.SetAnimationPosition(kFileAnimationX, kFileAnimationY);
}

std::string LocalPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

// A name part that never names a subfolder.
QString FileNamePart(std::string text) {
    for (char& c : text) {
        if (c == '/') {
            c = '_';
        }
    }
    return QString::fromStdString(text);
}
} // namespace

void CMainWindowCommands::Begin() {
    m_window.SetAboutShown(false);
    m_window.FullRedraw();
}

void CMainWindowCommands::Message(const QString& text) {
    CMessageBox::Show(&m_window, text);
}

QString CMainWindowCommands::ImportMessage(int32_t result) {
    switch (result) {
    case CFileJobs::kImportOk:
        return QStringLiteral("読み込み処理に成功しました。");
    case CFileJobs::kImportRejected:
        return QStringLiteral("読み込んだデータに誤りがあります。");
    case CFileJobs::kImportUnreadable:
        return QStringLiteral("ファイルの読み込みに失敗しました。");
    case CFileJobs::kImportLimit:
        return QStringLiteral("登録できるエアコン機種は７台までです。");
    default:
        return QString();
    }
}

QString CMainWindowCommands::ExportFileName(const std::vector<CRemoConInfo>& list,
                                            const std::vector<int32_t>& positions, int32_t year,
                                            int32_t month, int32_t day) {
    const QString date = QString::asprintf("%04d%02d%02d", year, month, day);
    if (positions.size() == 1 && positions[0] >= 0 &&
        static_cast<size_t>(positions[0]) < list.size()) {
        const CRemoConInfo& unit = list[static_cast<size_t>(positions[0])];
        std::string model = unit.model;
        while (!model.empty() && (model.back() == ' ' || model.back() == '\t' ||
                                  model.back() == '\r' || model.back() == '\n')) {
            model.pop_back();
        }
        return FileNamePart(unit.roomName) + QLatin1Char('_') + FileNamePart(model) +
               QLatin1Char('-') + date + QStringLiteral(".dat");
    }
    return QStringLiteral("テヴァロ-") + date + QStringLiteral(".dat");
}

void CMainWindowCommands::Import() {
    Begin();
    if (m_dataManager == nullptr) {
        return;
    }
    QString path;
    if (!m_dialogs->ChooseDatFile(&m_window, true, QString(), path)) {
        return;
    }
    CDialogUpdate dialog(m_dataManager, &m_window, m_window.Timings());
    dialog.SetImportJob(LocalPath(path));
    SetLook(dialog, kImportLook);
    const int32_t result = m_window.RunJob(dialog);
    m_dataManager->RefreshConnectedFlags();
    m_window.FullRedraw();
    m_window.RepaintNow();
    const QString text = ImportMessage(result);
    if (!text.isEmpty()) {
        Message(text);
    }
}

void CMainWindowCommands::Export() {
    Begin();
    if (m_dataManager == nullptr) {
        return;
    }
    std::vector<int32_t> positions;
    if (!m_dialogs->RunExportSelection(&m_window, *m_dataManager, positions)) {
        return;
    }
    int32_t year = 0;
    int32_t month = 0;
    int32_t day = 0;
    m_dataManager->GetToday(year, month, day);
    const QString suggested =
        ExportFileName(m_dataManager->GetRemoConList(), positions, year, month, day);
    QString path;
    if (!m_dialogs->ChooseDatFile(&m_window, false, suggested, path)) {
        return;
    }
    CDialogUpdate dialog(m_dataManager, &m_window, m_window.Timings());
    dialog.SetExportJob(LocalPath(path), &positions);
    SetLook(dialog, kExportLook);
    const int32_t result = m_window.RunJob(dialog);
    Message(result == 0 ? QStringLiteral("データ複製処理に成功しました。")
                        : QStringLiteral("データ複製処理に失敗しました。"));
}

void CMainWindowCommands::Delete() {
    Begin();
    if (m_dataManager == nullptr) {
        return;
    }
    std::vector<std::string> macs;
    if (!m_dialogs->RunDeleteSelection(&m_window, *m_dataManager, macs)) {
        return;
    }
    CDialogUpdate dialog(m_dataManager, &m_window, m_window.Timings());
    dialog.SetDeleteJob(&macs);
    SetLook(dialog, kDeleteLook);
    const int32_t result = m_window.RunJob(dialog);
    m_dataManager->RefreshConnectedFlags();
    m_window.FullRedraw();
    m_window.RepaintNow();
    Message(result == 0 ? QStringLiteral("機種削除処理に成功しました。")
                        : QStringLiteral("機種削除処理に失敗した機種がありました。"));
}

void CMainWindowCommands::Csv() {
    Begin();
    if (m_dataManager == nullptr) {
        return;
    }
    std::vector<int32_t> positions;
    int32_t year = 0;
    int32_t month = 0;
    if (!m_dialogs->RunCsvSelection(&m_window, *m_dataManager, positions, year, month)) {
        return;
    }
    QString folder;
    if (!m_dialogs->ChooseFolder(&m_window, folder)) {
        return;
    }
    CDialogUpdate dialog(m_dataManager, &m_window, m_window.Timings());
    dialog.SetCsvJob(LocalPath(folder), &positions, year, month);
    SetLook(dialog, kCsvLook);
    const int32_t result = m_window.RunJob(dialog);
    Message(result == 0 ? QStringLiteral("CSV書き出し処理に成功しました。")
                        : QStringLiteral("CSV書き出し処理に失敗した機種がありました。"));
}

void CMainWindowCommands::Help() {
    if (!m_dialogs->OpenHelp(&m_window)) {
        Message(QStringLiteral("ヘルプファイルを開けませんでした。"));
    }
}

int32_t CMainWindowCommands::KeyCommand(int key, bool control, const KeyState& state) {
    const bool mainPages = state.leftPage == CDataManager::kPageSelectDevice;
    const bool billPage = mainPages && (state.currentPage == CDataManager::kPageCalendar ||
                                        state.currentPage == CDataManager::kPageGraph);
    const CCustomCtrlTabPageMainBaseEleBill::NavigationState navigation =
        CCustomCtrlTabPageMainBaseEleBill::NavigationFor(state.viewYear, state.viewMonth,
                                                         state.todayYear, state.todayMonth);
    if (control) {
        switch (key) {
        case Qt::Key_P:
            return mainPages ? kCommandPrint : -1;
        case Qt::Key_Q:
            return kKeyCloseRequest;
        default:
            return -1;
        }
    }
    switch (key) {
    case Qt::Key_PageUp:
        return billPage && navigation.previousMonth ? kCommandPreviousMonth : -1;
    case Qt::Key_PageDown:
        return billPage && navigation.nextMonth ? kCommandNextMonth : -1;
    case Qt::Key_Home:
        return billPage && navigation.currentMonth ? kCommandThisMonth : -1;
    case Qt::Key_F1:
        return mainPages ? kCommandHelp : kCommandMenuHelp;
    default:
        return -1;
    }
}
