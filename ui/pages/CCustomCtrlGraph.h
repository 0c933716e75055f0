#pragma once

#include "data/CEleBillDayInfo.h"
#include "ui/controls/CCustomCtrlBase.h"
#include "ui/controls/CCustomCtrlButton.h"

#include <QColor>
#include <QFont>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

class CDataManager;

// One column of the graph: which day record it shows and its slot (control
// coordinates, right and bottom excluded).
struct GRAPH_DAY_INFO {
    int index = 0;
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// The column chart of the graph page: one column per day of the viewed month,
// stacked from the bills of the air conditioners in their colours, against a
// maximum the data manager chooses (and the two scale buttons, its children,
// change through the main window). A column above the maximum is cut and
// marked with a triangle. The page creates it and calls Update after every
// rebuild and scale change; a double click asks the window for the day
// detail.
class CCustomCtrlGraph : public CCustomCtrlBase {
public:
    using DayDetailOpener =
        std::function<void(int32_t year, int32_t month, int32_t day, CDataManager* manager)>;

    static constexpr int kCommandScaleUp = 27;
    static constexpr int kCommandScaleDown = 28;
    static constexpr int kScaleUpPicture = 206;
    static constexpr int kScaleDownPicture = 207;
    static constexpr int kWidth = 581;
    static constexpr int kHeight = 380;
    static constexpr int kDefaultFontSize = 10;

    static const QColor kBackgroundColour;
    static const QColor kStripeColour;
    static const QColor kTriangleColour;
    static const QColor kTodayColour;
    static const QColor kPointerColour;
    static const std::array<QColor, 7> kBarColours;

    // The colour of list entry `deviceIndex`; outside 0..6 the first one.
    static QColor BarColour(int deviceIndex);

    // One stacked part of a column, bottom first.
    struct Segment {
        int deviceIndex = 0;
        int height = 0;
    };
    // The pixel arithmetic of one column: each entry's share rounded down on
    // its own, then the remainder that brings the column to its rounded total,
    // in the last entry's colour. Entries beyond the maximum are cut to it.
    struct ColumnStack {
        std::vector<Segment> segments;
        int remainder = 0;
        int remainderDevice = 0;
        bool cut = false;
        int totalHeight = 0; // segments plus remainder
    };
    static ColumnStack StackColumn(const std::vector<ELE_BILL_DEV_DAY_INFO>& entries, int maximum,
                                   int plotHeight);
    // Whether day `day` of a month of `daysInMonth` days gets its number below
    // the column: 5, 10, 15, 20, 25 and the last day.
    static bool HasDayLabel(int day, int daysInMonth);

    explicit CCustomCtrlGraph(CCustomCtrlBase* parentControl = nullptr, int id = -1);

    // Step G: the graph at (x, y) in its fixed size and its two buttons.
    void CreateGraph(IControlHost* host, CDrawSurface* canvas, int x, int y);
    void SetDayDetailOpener(DayDetailOpener opener) { m_openDayDetail = std::move(opener); }

    // Slot 0: the surface, today's frame, the pointer frame, the buttons.
    void Draw() override;
    // Slot 2: columns, Render, Draw.
    void Update() override;
    // Slot 4: the buttons first, then hover and double click on a column.
    bool OnMessage(uint32_t message, uintptr_t wParam, intptr_t lParam, intptr_t& result) override;
    // The scale buttons and every column, the columns one row; Enter gives
    // the double click that opens the day.
    void AddFocusStops(std::vector<FocusStop>& stops) const override;
    // Slot 5: chart, lines and labels, columns, captions, the buttons.
    void Render() override;

    int PlotLeft() const { return m_plotLeft; }
    int PlotTop() const { return m_plotTop; }
    int PlotRight() const { return m_plotRight; }
    int PlotBottom() const { return m_plotBottom; }
    int HoverColumn() const { return m_hoverColumn; }
    const std::vector<GRAPH_DAY_INFO>& Columns() const { return m_columns; }
    CCustomCtrlButton& ScaleUpButton() { return m_scaleUpButton; }
    CCustomCtrlButton& ScaleDownButton() { return m_scaleDownButton; }

private:
    void BuildColumns();
    void RenderLines(int maximum);
    void RenderColumn(const GRAPH_DAY_INFO& column, const CEleBillDayInfo& record, int maximum);
    void RenderLabels();
    int HitColumn(int x, int y) const;
    int TodayColumn() const;
    // Maximum per air conditioner: the list size divides it when all are shown.
    int MaximumPerUnit(int maximum) const;

    std::vector<GRAPH_DAY_INFO> m_columns;
    CCustomCtrlButton m_scaleUpButton;
    CCustomCtrlButton m_scaleDownButton;
    int m_plotLeft = 75;
    int m_plotTop = 50;
    int m_plotRight = kWidth - 50;
    int m_plotBottom = kHeight - 50;
    int m_hoverColumn = -1;
    QFont m_font;
    DayDetailOpener m_openDayDetail;
};
