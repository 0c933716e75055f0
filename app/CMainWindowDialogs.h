#pragma once

#include "dialogs/CDialogPopup.h"
#include "ui/IMainWindowDialogs.h"

// The dialogs of the main window's commands as the user sees them: the unit
// selections of the file commands, the .dat and folder choices, the progress
// dialog's modal run, the help window, the day detail, the advice and the
// popup list. The frame builds them and hands them to the main window, which
// owns them, so the popup list lives as long as the main window: its window
// comes and goes with each 0x8007 / 0x8008.
class CMainWindowDialogs : public IMainWindowDialogs {
public:
    bool RunExportSelection(QWidget* owner, CDataManager& dataManager,
                            std::vector<int32_t>& positions) override;
    bool RunDeleteSelection(QWidget* owner, CDataManager& dataManager,
                            std::vector<std::string>& macs) override;
    bool RunCsvSelection(QWidget* owner, CDataManager& dataManager, std::vector<int32_t>& positions,
                         int32_t& year, int32_t& month) override;
    bool ChooseDatFile(QWidget* owner, bool open, const QString& suggestedName,
                       QString& path) override;
    bool ChooseFolder(QWidget* owner, QString& path) override;
    int32_t RunProgress(CDialogUpdate& dialog) override;
    bool OpenHelp(QWidget* owner) override;
    void PrintWindow(QWidget* owner, const CDrawSurface& canvas) override;
    void RunDayDetail(QWidget* owner, CDataManager& dataManager, int32_t year, int32_t month,
                      int32_t day) override;
    void RunOnePoint(QWidget* owner, CDataManager& dataManager) override;
    void OpenPopup(QWidget* owner, CDataManager& dataManager, int32_t kind,
                   const QPoint& screenPoint, int32_t year, int32_t month, int32_t value) override;
    bool IsPopupClosed() const override { return m_popup.IsClosed(); }
    void DestroyPopup() override { m_popup.Destroy(); }

    // The popup list (tests look at its window).
    const CDialogPopup& Popup() const { return m_popup; }

private:
    CDialogPopup m_popup;
};
