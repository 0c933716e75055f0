#include "app/CMainWindowDialogs.h"

#include "app/CAppUtil.h"
#include "app/CHelpWindow.h"
#include "app/CWindowImagePrinter.h"
#include "data/CDataManager.h"
#include "dialogs/CDialogDay.h"
#include "dialogs/CDialogDeviceDataDelete.h"
#include "dialogs/CDialogDeviceDataExport.h"
#include "dialogs/CDialogDeviceDataOutput.h"
#include "dialogs/CDialogOnePoint.h"
#include "dialogs/CDialogUpdate.h"
#include "ui/draw/CDrawSurface.h"

namespace {
// The ticked positions of a selection dialog after OK, in list order.
std::vector<int32_t> TickedPositions(const CDialogDeviceData& dialog, const CDataManager& manager) {
    std::vector<int32_t> positions;
    const int32_t count = manager.GetRemoConCount();
    for (int32_t position = 0; position < count && position < CDialogDeviceData::kPositions;
         ++position) {
        if (dialog.IsTicked(position)) {
            positions.push_back(position);
        }
    }
    return positions;
}
} // namespace

bool CMainWindowDialogs::RunExportSelection(QWidget* owner, CDataManager& dataManager,
                                            std::vector<int32_t>& positions) {
    CDialogDeviceDataExport dialog(owner);
    if (dialog.Run(&dataManager) != CDialogDeviceData::kIdOk) {
        return false;
    }
    positions = TickedPositions(dialog, dataManager);
    return true;
}

bool CMainWindowDialogs::RunDeleteSelection(QWidget* owner, CDataManager& dataManager,
                                            std::vector<std::string>& macs) {
    CDialogDeviceDataDelete dialog(owner);
    if (dialog.Run(&dataManager) != CDialogDeviceData::kIdOk) {
        return false;
    }
    macs.clear();
    const std::vector<CRemoConInfo>& list = dataManager.GetRemoConList();
    for (int32_t position : TickedPositions(dialog, dataManager)) {
        macs.push_back(list[static_cast<size_t>(position)].macAddress);
    }
    return true;
}

bool CMainWindowDialogs::RunCsvSelection(QWidget* owner, CDataManager& dataManager,
                                         std::vector<int32_t>& positions, int32_t& year,
                                         int32_t& month) {
    CDialogDeviceDataOutput dialog(owner);
    if (dialog.Run(&dataManager) != CDialogDeviceData::kIdOk) {
        return false;
    }
    positions = TickedPositions(dialog, dataManager);
    year = dialog.ChosenYear();
    month = dialog.ChosenMonth();
    return true;
}

bool CMainWindowDialogs::ChooseDatFile(QWidget* owner, bool open, const QString& suggestedName,
                                       QString& path) {
    return CAppUtil::ChooseDatFile(owner, path, CAppUtil::DocumentsFolder(), open, suggestedName);
}

bool CMainWindowDialogs::ChooseFolder(QWidget* owner, QString& path) {
    return CAppUtil::ChooseFolder(owner, path);
}

int32_t CMainWindowDialogs::RunProgress(CDialogUpdate& dialog) {
    dialog.exec();
    return dialog.Result();
}

bool CMainWindowDialogs::OpenHelp(QWidget* owner) {
    return CHelpWindow::OpenHelp(owner);
}

void CMainWindowDialogs::PrintWindow(QWidget* owner, const CDrawSurface& canvas) {
    CWindowImagePrinter::Print(owner, canvas, QRect(0, 0, canvas.Width(), canvas.Height()));
}

void CMainWindowDialogs::RunDayDetail(QWidget* owner, CDataManager& dataManager, int32_t year,
                                      int32_t month, int32_t day) {
    CDialogDay::RunDay(&dataManager, year, month, day, owner);
}

void CMainWindowDialogs::RunOnePoint(QWidget* owner, CDataManager& dataManager) {
    CDialogOnePoint::RunOnePoint(&dataManager, owner);
}

void CMainWindowDialogs::OpenPopup(QWidget* owner, CDataManager& dataManager, int32_t kind,
                                   const QPoint& screenPoint, int32_t year, int32_t month,
                                   int32_t value) {
    // A window left from an earlier list (closed but not yet destroyed)
    // would otherwise stay on screen next to the new one.
    m_popup.Destroy();
    m_popup.Setup(kind, year, month, value, screenPoint, owner, &dataManager);
    m_popup.Show();
}
