#pragma once

#include "model/CCalendarDate.h"

#include <QString>

#include <cstdint>
#include <string>
#include <vector>

class CDataManager;
struct CRemoConInfo;
class CWndCustom;
class IMainWindowDialogs;

// The main window's file commands (import, data duplication export, model
// delete, CSV output) and help: the selection and file dialogs, the job's
// progress dialog and the result message. Also the pure rules they and the
// keyboard use. Owned by CWndCustom, which lends itself for redraws and the
// progress dialogs' runs; UI thread only.
class CMainWindowCommands {
public:
    static constexpr int32_t kCommandImport = 3;
    static constexpr int32_t kCommandExport = 4;
    static constexpr int32_t kCommandDelete = 5;
    static constexpr int32_t kCommandCsv = 6;
    static constexpr int32_t kCommandMenuHelp = 7;
    static constexpr int32_t kCommandAbout = 8;
    static constexpr int32_t kCommandAllUnits = 10;
    static constexpr int32_t kCommandLastUnit = 17;
    static constexpr int32_t kCommandAdvice = 19;
    static constexpr int32_t kCommandPreviousYear = 21;
    static constexpr int32_t kCommandNextYear = 22;
    static constexpr int32_t kCommandPreviousMonth = 23;
    static constexpr int32_t kCommandThisMonth = 24;
    static constexpr int32_t kCommandNextMonth = 25;
    static constexpr int32_t kCommandScaleUp = 27;
    static constexpr int32_t kCommandScaleDown = 28;
    static constexpr int32_t kCommandRead = 32;
    static constexpr int32_t kCommandPrint = 33;
    static constexpr int32_t kCommandHelp = 34;
    // Not a command of 0x8004: the keyboard's close request.
    static constexpr int32_t kKeyCloseRequest = -2;

    CMainWindowCommands(CWndCustom& window, CDataManager* dataManager, IMainWindowDialogs*& dialogs)
        : m_window(window), m_dataManager(dataManager), m_dialogs(dialogs) {}

    void Import();
    void Export();
    void Delete();
    void Csv();
    void Help();

    // The message after an import with this result; empty for none.
    static QString ImportMessage(int32_t result);
    // "<room>_<model>-YYYYMMDD.dat" for exactly one unit found in the list,
    // else "テヴァロ-YYYYMMDD.dat"; a "/" in room or model becomes "_".
    static QString ExportFileName(const std::vector<CRemoConInfo>& list,
                                  const std::vector<int32_t>& positions, int32_t year,
                                  int32_t month, int32_t day);

    // What the main window knows when a key is pressed.
    struct KeyState {
        int32_t leftPage = 9;
        int32_t currentPage = 20;
        int32_t viewYear = kFirstSupportedYear;
        int32_t viewMonth = 1;
        int32_t todayYear = kFirstSupportedYear;
        int32_t todayMonth = 1;
    };
    // The command a key runs (Qt key and modifiers), or −1 when the key has
    // none or its button is disabled or not shown; kKeyCloseRequest for
    // Ctrl+Q.
    static int32_t KeyCommand(int key, bool control, const KeyState& state);

private:
    // Clears the about flag and redraws, as every file command starts.
    void Begin();
    void Message(const QString& text);

    CWndCustom& m_window;
    CDataManager* m_dataManager;
    IMainWindowDialogs*& m_dialogs;
};
