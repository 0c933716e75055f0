#pragma once

#include "ui/controls/CCustomCtrlBase.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

class CDataManager;
class QPainter;
struct CEleBillDayInfo;

// One cell of the calendar: which day record it shows and where (control
// coordinates, right and bottom excluded).
struct CALENDAR_DAY_INFO {
    int index = 0;
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// The month calendar of the calendar page: whole weeks from Sunday, each past
// day with its bill and operating time, a mark where some air conditioners
// lack the day, an orange frame on today and a grey frame under the pointer.
// Everything comes from the data manager's day array; the page creates it and
// calls Update after every rebuild. A double click asks the window (through
// the opener it was given) for the day-detail dialog.
class CCustomCtrlCalendar : public CCustomCtrlBase {
public:
    // Opens the day-detail dialog modally; filled in by the main window.
    using DayDetailOpener =
        std::function<void(int32_t year, int32_t month, int32_t day, CDataManager* manager)>;

    static constexpr int kHeaderHeight = 19;
    static constexpr int kDefaultFontSize = 10;

    static const QColor kHeaderOuterColour;
    static const QColor kSundayColour;
    static const QColor kSaturdayColour;
    static const QColor kMonthCellColour;
    static const QColor kNeighbourCellColour;
    static const QColor kNeighbourTextColour;
    static const QColor kMonthBadgeColour;
    static const QColor kNeighbourBadgeColour;
    static const QColor kTodayColour;
    static const QColor kPointerColour;

    explicit CCustomCtrlCalendar(CCustomCtrlBase* parentControl = nullptr, int id = -1);

    void SetDayDetailOpener(DayDetailOpener opener) { m_openDayDetail = std::move(opener); }

    // Slot 0: the surface, then today's frame and the pointer frame.
    void Draw() override;
    // Slot 2: layout, Render, Draw.
    void Update() override;
    // Slot 4: hover, press and double click on a cell.
    bool OnMessage(uint32_t message, uintptr_t wParam, intptr_t lParam, intptr_t& result) override;
    // Slot 5: weekday header and cells.
    void Render() override;
    // Every cell, a week to a row; Enter gives the double click that opens
    // the day.
    void AddFocusStops(std::vector<FocusStop>& stops) const override;

    int GridWidth() const { return m_gridWidth; }
    int GridHeight() const { return m_gridHeight; }
    int CellWidth() const { return m_cellWidth; }
    int CellHeight() const { return m_cellHeight; }
    int Rows() const { return m_rows; }
    int HoverCell() const { return m_hoverCell; }
    const std::vector<CALENDAR_DAY_INFO>& Cells() const { return m_cells; }

    // Cell `index` of a grid with that cell size.
    static CALENDAR_DAY_INFO CellAt(int index, int cellWidth, int cellHeight);
    // A value text split into its number and unit: the bill before "円", the
    // use time before "時間" or else before "分".
    static QString BillNumber(const QString& billText);
    static void SplitUseTime(const QString& useText, QString& number, QString& unit);
    // Point size of a bill number: 12, or 10 from six characters on.
    static int BillPointSize(const QString& number);
    // Whether a date opens the day detail (2010-01-01 .. 2099-12-31).
    static bool IsDetailDate(int32_t year, int32_t month, int32_t day);

private:
    void Layout();
    void EnsureFonts();
    void TextBox(QPainter& painter, const QString& text, int align, bool centerV, const QRect& rect,
                 const QFont& font) const;
    void RenderHeader(QPainter& painter);
    void RenderCell(QPainter& painter, const CALENDAR_DAY_INFO& cell, const CEleBillDayInfo& record,
                    int column);
    int HitCell(int x, int y) const;
    int TodayCell() const;
    bool OnDoubleClick(int cellIndex);

    int m_gridWidth = 0;
    int m_gridHeight = 0;
    int m_cellWidth = 0;
    int m_cellHeight = 0;
    int m_rows = 0;
    int m_hoverCell = -1;
    QFont m_font;
    std::vector<CALENDAR_DAY_INFO> m_cells;
    // The texts' fonts, made again when the DPI factor changes.
    double m_fontsFactor = 0.0;
    QFont m_headerFont;
    QFont m_billSmallFont;
    QFont m_valueFont;
    QFont m_unitFont;
    QFont m_markFont;
    DayDetailOpener m_openDayDetail;
};
