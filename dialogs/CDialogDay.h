#pragma once

#include "dialogs/CDialogBase.h"
#include "ui/controls/CCustomCtrlButton.h"

#include <QString>

#include <cstdint>

class CDataManager;

// Bill, use time and outdoor temperature of one day, with buttons to step to
// the previous and the next day within 1 January 2010 … 31 December 2099.
// Opened modally by the calendar page for the day the person clicked; it
// closes only with the close box (Enter does nothing). The data manager is
// not owned.
class CDialogDay : public CDialogBase {
    Q_OBJECT

public:
    static constexpr int kClientWidth = 440;
    static constexpr int kClientHeight = 140;
    static constexpr int kPreviousId = 36;
    static constexpr int kNextId = 37;
    static constexpr int kPreviousPicture = 268;
    static constexpr int kNextPicture = 269;

    CDialogDay(CDataManager* dataManager, int32_t year, int32_t month, int32_t day,
               QWidget* parent);
    ~CDialogDay() override;

    // Shows the day modally; the result is not used by the callers.
    static int RunDay(CDataManager* dataManager, int32_t year, int32_t month, int32_t day,
                      QWidget* owner);

    int32_t Year() const { return m_year; }
    int32_t Month() const { return m_month; }
    int32_t Day() const { return m_day; }
    const QString& BillText() const { return m_billText; }
    const QString& UseTimeText() const { return m_useTimeText; }
    const QString& TemperatureText() const { return m_temperatureText; }
    const CCustomCtrlButton& PreviousButton() const { return m_previous; }
    const CCustomCtrlButton& NextButton() const { return m_next; }
    // Each caption with its value, then the note.
    QStringList ShownTexts() const override;

    // The use time split for its two boxes: the figure up to "時間" (or "分"
    // when there is no "時間") and the unit text from there on.
    static void SplitUseTime(const QString& text, QString& figure, QString& rest);

protected:
    void DrawContent(CDrawSurface& canvas) override;
    bool OnUiEvent(const CUiEvent& event) override;

private:
    void StepBack();
    void StepForward();
    void SetTitle(bool incomplete);
    void ReadDay();
    int32_t DateNumber() const { return m_year * 10000 + m_month * 100 + m_day; }

    CDataManager* m_dataManager;
    CCustomCtrlButton m_previous;
    CCustomCtrlButton m_next;
    int32_t m_year;
    int32_t m_month;
    int32_t m_day;
    QString m_billText;
    QString m_useTimeText;
    QString m_temperatureText;
};
