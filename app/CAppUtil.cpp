#include "app/CAppUtil.h"

#include <QFileDialog>
#include <QStandardPaths>

#include <filesystem>
#include <system_error>

QString CAppUtil::ProgramFolder() {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error || !program.has_parent_path()) {
        return {};
    }
    QString folder = QString::fromStdString(program.parent_path().string());
    if (!folder.endsWith(QLatin1Char('/'))) {
        folder += QLatin1Char('/');
    }
    return folder;
}

QString CAppUtil::DocumentsFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

bool CAppUtil::ChooseDatFile(QWidget* owner, QString& path, const QString& initialFolder, bool open,
                             const QString& suggestedName) {
    QFileDialog dialog(owner);
    // Qt's own dialog: a close request can find and dismiss it, and it reads
    // Japanese through the program's translation.
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setAcceptMode(open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setNameFilter(QStringLiteral("dat (*.dat)"));
    dialog.setDefaultSuffix(QStringLiteral("dat"));
    // Saving over an existing file asks first (the dialog's default, kept explicit).
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    if (!initialFolder.isEmpty()) {
        dialog.setDirectory(initialFolder);
    }
    if (!suggestedName.isEmpty()) {
        dialog.selectFile(suggestedName);
    }
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    const QStringList files = dialog.selectedFiles();
    path = files.isEmpty() ? QString() : files.first();
    return true;
}

bool CAppUtil::ChooseFolder(QWidget* owner, QString& path) {
    const QString chosen = QFileDialog::getExistingDirectory(
        owner, QStringLiteral("フォルダの選択"), QString(),
        QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
    if (chosen.isEmpty()) {
        return false;
    }
    path = chosen;
    return true;
}
