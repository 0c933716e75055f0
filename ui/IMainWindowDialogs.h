#pragma once

#include <QPoint>
#include <QString>

#include <cstdint>
#include <string>
#include <vector>

class CDataManager;
class CDialogUpdate;
class CDrawSurface;
class QWidget;

// Every dialog the main window's commands open, behind one seam: the
// production implementation shows the real dialogs, tests answer with a
// script. Each Run/Choose call returns false when the user cancelled.
class IMainWindowDialogs {
public:
    virtual ~IMainWindowDialogs() = default;

    // Positions in the unit list of the ticked air conditioners, in list order.
    virtual bool RunExportSelection(QWidget* owner, CDataManager& dataManager,
                                    std::vector<int32_t>& positions) = 0;
    // MAC addresses of the ticked air conditioners, in list order.
    virtual bool RunDeleteSelection(QWidget* owner, CDataManager& dataManager,
                                    std::vector<std::string>& macs) = 0;
    // Ticked positions and the period (year 0: all data; month 0: whole year).
    virtual bool RunCsvSelection(QWidget* owner, CDataManager& dataManager,
                                 std::vector<int32_t>& positions, int32_t& year,
                                 int32_t& month) = 0;
    // A .dat file to open (`open`) or to save under a suggested name.
    virtual bool ChooseDatFile(QWidget* owner, bool open, const QString& suggestedName,
                               QString& path) = 0;
    virtual bool ChooseFolder(QWidget* owner, QString& path) = 0;
    // The job's modal run; returns its result code.
    virtual int32_t RunProgress(CDialogUpdate& dialog) = 0;
    // False when the help cannot be shown.
    virtual bool OpenHelp(QWidget* owner) = 0;
    // The print dialog, then the window image on one page.
    virtual void PrintWindow(QWidget* owner, const CDrawSurface& canvas) = 0;
    virtual void RunDayDetail(QWidget* owner, CDataManager& dataManager, int32_t year,
                              int32_t month, int32_t day) = 0;
    virtual void RunOnePoint(QWidget* owner, CDataManager& dataManager) = 0;
    // The popup list of a kind (0 year, 1 month, 2 monthly target) with its
    // right edge at the screen point; it answers with 0x8006 and 0x8008.
    virtual void OpenPopup(QWidget* owner, CDataManager& dataManager, int32_t kind,
                           const QPoint& screenPoint, int32_t year, int32_t month,
                           int32_t value) = 0;
    // The popup's window is gone (or none was open).
    virtual bool IsPopupClosed() const = 0;
    virtual void DestroyPopup() = 0;
};
