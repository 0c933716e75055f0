#pragma once

#include "dialogs/CDialogBase.h"
#include "ui/controls/CCustomCtrlButton.h"

#include <cstdint>
#include <string>

class CDataManager;
struct CRemoConInfo;

// One energy-saving advice picture that fits the half of the year and the
// selected air conditioner's settings variant, chosen at random on opening,
// with buttons that step through all of them (wrapping both ways). Opened
// modally by the main window's advice command; closes only with the close
// box. The data manager is not owned.
class CDialogOnePoint : public CDialogBase {
    Q_OBJECT

public:
    static constexpr int kClientWidth = 404;
    static constexpr int kClientHeight = 190;
    static constexpr int kPreviousId = 36;
    static constexpr int kNextId = 37;
    static constexpr int kPreviousPicture = 270;
    static constexpr int kNextPicture = 271;

    CDialogOnePoint(CDataManager* dataManager, QWidget* parent);
    ~CDialogOnePoint() override;

    // Shows the advice modally; the result is not used by the callers.
    static int RunOnePoint(CDataManager* dataManager, QWidget* owner);

    // Variant "A", "B", "C" or empty, and sub-variant "S", "X", "Z_CE" or
    // empty, of a unit's record (none: both empty).
    static void DecideVariant(const CRemoConInfo* record, std::string& variant,
                              std::string& subVariant);
    // Months 4..9 are summer; anything else (an unreadable clock too) winter.
    static bool IsSummer(int32_t month);
    // How many advice pictures the variant shows in that half of the year.
    static int32_t AdviceCount(const std::string& variant, const std::string& subVariant,
                               bool summer);
    // The picture of advice `number` (1..count), or -1 outside the range.
    static int32_t AdvicePicture(const std::string& variant, const std::string& subVariant,
                                 bool summer, int32_t number);

    int32_t Number() const { return m_number; }
    int32_t Count() const;
    int32_t PictureId() const;
    const std::string& Variant() const { return m_variant; }
    const std::string& SubVariant() const { return m_subVariant; }
    const CCustomCtrlButton& PreviousButton() const { return m_previous; }
    const CCustomCtrlButton& NextButton() const { return m_next; }

protected:
    bool OnUiEvent(const CUiEvent& event) override;

private:
    bool IsSummerNow() const;
    void ShowAdvice();

    CDataManager* m_dataManager;
    CCustomCtrlButton m_previous;
    CCustomCtrlButton m_next;
    int32_t m_number = 1;
    std::string m_variant;
    std::string m_subVariant;
};
