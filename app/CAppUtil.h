#pragma once

#include <QString>

class QWidget;

// Small services the windows share: where the program and the user's
// documents are, and the file and folder choices of the file commands. Called
// on the user-interface thread.
class CAppUtil {
public:
    // The folder of /proc/self/exe with a trailing "/", or empty.
    static QString ProgramFolder();
    // The user's documents folder.
    static QString DocumentsFolder();

    // A ".dat" file to open (`open`) or to save, starting in `initialFolder`
    // (when not empty) with `suggestedName` filled in. True when the user
    // chose a file; `path` is then that file.
    static bool ChooseDatFile(QWidget* owner, QString& path, const QString& initialFolder,
                              bool open, const QString& suggestedName);
    // A folder for the CSV files. True when one was chosen.
    static bool ChooseFolder(QWidget* owner, QString& path);
};
