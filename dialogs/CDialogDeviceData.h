#pragma once

#include "dialogs/CDialogBase.h"
#include "model/CCalendarDate.h"
#include "ui/controls/CCustomCtrlButtonDevice.h"

#include <QString>

#include <array>
#include <cstdint>
#include <vector>

class CButtonCustom;
class QAbstractButton;
class QComboBox;

// Asks which registered air conditioners a file command concerns: one toggle
// button per unit (ids 11..17, four in the first row and three in the second)
// and, for the CSV output, a period (all data, one year, or one month of a
// year). The main window creates one of the three subclasses for a command,
// runs it once and reads the ticked positions and the period after OK.
//
// The dialog owns its seven device buttons, the three period choices, the two
// combo boxes and OK / Cancel; the data manager is only borrowed for the run.
class CDialogDeviceData : public CDialogBase {
    Q_OBJECT

public:
    static constexpr int kPositions = 7;
    static constexpr int kFirstButtonId = 11;
    static constexpr int kClientWidth = 631;
    static constexpr int kClientHeight = 342;
    static constexpr int kFirstStripPicture = 171;
    static constexpr int kFirstYear = kFirstSupportedYear;
    static constexpr int kLastYear = kLastSupportedYear;
    // Ids of the period controls, as the main window's resources know them.
    static constexpr int kAllChoiceId = 1004;
    static constexpr int kYearChoiceId = 1005;
    static constexpr int kYearComboId = 1006;
    static constexpr int kMonthChoiceId = 1007;
    static constexpr int kMonthComboId = 1008;
    // Modal results.
    static constexpr int kIdOk = 1;
    static constexpr int kIdCancel = 2;

    ~CDialogDeviceData() override;

    // kIdCancel at once without a data manager; otherwise the modal result.
    int Run(CDataManager* dataManager);
    // False for a position without a shown button.
    bool IsTicked(int position) const;
    // Valid after OK; 0 means no year (all data) and no month (whole year).
    int32_t ChosenYear() const { return m_chosenYear; }
    int32_t ChosenMonth() const { return m_chosenMonth; }

    CDataManager* HostDataManager() override { return m_dataManager; }

    const QString& ExplanatoryLine() const { return m_explanatoryLine; }
    bool HasPeriod() const { return m_hasPeriod; }
    const CCustomCtrlButtonDevice& DeviceButton(int position) const;
    const std::vector<CCustomCtrlButtonDevice*>& ShownButtons() const { return m_shownButtons; }
    CButtonCustom* OkButton() const { return m_ok; }
    CButtonCustom* CancelButton() const { return m_cancel; }
    QAbstractButton* AllChoice() const { return m_allChoice; }
    QAbstractButton* YearChoice() const { return m_yearChoice; }
    QAbstractButton* MonthChoice() const { return m_monthChoice; }
    QComboBox* YearCombo() const { return m_yearCombo; }
    QComboBox* MonthCombo() const { return m_monthCombo; }

protected:
    CDialogDeviceData(const QString& title, const QString& explanatoryLine, bool hasPeriod,
                      QWidget* parent);

    // Asked when OK is pressed; false keeps the dialog open unchanged.
    virtual bool ConfirmOk() { return true; }

    void DrawContent(CDrawSurface& canvas) override;
    bool OnUiEvent(const CUiEvent& event) override;

private:
    void SetUpControls();
    void Initialise();
    void ToggleDevice(int position);
    void UpdateOkEnabled();
    void OnAllClicked();
    void OnYearClicked();
    void OnMonthClicked();
    void OnOkClicked();
    void TakePeriod();
    bool IsShown(int position) const;

    CDataManager* m_dataManager = nullptr;
    std::array<CCustomCtrlButtonDevice, kPositions> m_deviceButtons;
    std::vector<CCustomCtrlButtonDevice*> m_shownButtons;
    // Qt children of the dialog: deleted with it.
    CButtonCustom* m_ok = nullptr;
    CButtonCustom* m_cancel = nullptr;
    QComboBox* m_yearCombo = nullptr;
    QComboBox* m_monthCombo = nullptr;
    QAbstractButton* m_allChoice = nullptr;
    QAbstractButton* m_yearChoice = nullptr;
    QAbstractButton* m_monthChoice = nullptr;
    int32_t m_chosenYear = 0;
    int32_t m_chosenMonth = 0;
    QString m_explanatoryLine;
    bool m_hasPeriod;
};
