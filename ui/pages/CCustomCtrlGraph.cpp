#include "ui/pages/CCustomCtrlGraph.h"

#include "ui/pages/DayFrames.h"

#include "data/CDataManager.h"
#include "ui/controls/UiMessages.h"
#include "ui/controls/UiText.h"

#include <QPainter>
#include <QPolygon>

#include <algorithm>
#include <optional>

namespace {

QRect Ltrb(int left, int top, int right, int bottom) {
    return QRect(left, top, right - left, bottom - top);
}

// The chart's rounded rectangle (corner 3): every pixel of the rectangle but
// the four corner pixels.
void FillRoundRect(QImage& image, const QRect& rect, const QColor& colour) {
    QPainter painter(&image);
    painter.fillRect(rect.adjusted(1, 0, -1, 0), colour);
    painter.fillRect(QRect(rect.left(), rect.top() + 1, 1, rect.height() - 2), colour);
    painter.fillRect(QRect(rect.right(), rect.top() + 1, 1, rect.height() - 2), colour);
}

// A 1-pixel horizontal line from x0 up to x1 (excluded); dotted lines set
// every other pixel, starting with the first.
void HorizontalLine(QImage& image, int x0, int x1, int y, bool dotted) {
    QPainter painter(&image);
    if (!dotted) {
        painter.fillRect(QRect(x0, y, x1 - x0, 1), Qt::black);
        return;
    }
    for (int x = x0; x < x1; x += 2) {
        painter.fillRect(QRect(x, y, 1, 1), Qt::black);
    }
}

// The scale of a 100 × 280 plot is the plot height over the maximum; the
// product stays far inside 32 bits (7 units × 9,999 yen × a few hundred rows).
int Scaled(int value, int plotHeight, int maximum) {
    return static_cast<int>(static_cast<int64_t>(value) * plotHeight / maximum);
}

} // namespace

const QColor CCustomCtrlGraph::kBackgroundColour = QColor(255, 253, 237);
const QColor CCustomCtrlGraph::kStripeColour = QColor(241, 242, 225);
const QColor CCustomCtrlGraph::kTriangleColour = QColor(35, 24, 21);
const QColor CCustomCtrlGraph::kTodayColour = QColor(255, 173, 51);
const QColor CCustomCtrlGraph::kPointerColour = QColor(200, 200, 200);
const std::array<QColor, 7> CCustomCtrlGraph::kBarColours = {
    QColor(139, 207, 219), QColor(227, 152, 176), QColor(179, 210, 69), QColor(149, 122, 181),
    QColor(37, 128, 86),   QColor(236, 163, 44),  QColor(137, 85, 47)};

QColor CCustomCtrlGraph::BarColour(int deviceIndex) {
    if (deviceIndex < 0 || deviceIndex >= static_cast<int>(kBarColours.size())) {
        return kBarColours[0];
    }
    return kBarColours[static_cast<size_t>(deviceIndex)];
}

CCustomCtrlGraph::ColumnStack
CCustomCtrlGraph::StackColumn(const std::vector<ELE_BILL_DEV_DAY_INFO>& entries, int maximum,
                              int plotHeight) {
    ColumnStack stack;
    if (maximum <= 0 || entries.empty()) {
        return stack;
    }
    int sum = 0;
    int drawn = 0;
    for (const ELE_BILL_DEV_DAY_INFO& entry : entries) {
        // A negative bill (never stored by the data manager) counts as none
        // rather than pushing the next segments below the axis.
        int value = std::max(entry.bill, 0);
        if (maximum - sum < value) {
            value = maximum - sum;
            stack.cut = true;
        }
        const int height = Scaled(value, plotHeight, maximum);
        stack.segments.push_back({entry.deviceIndex, height});
        drawn += height;
        sum += value;
    }
    stack.remainder = Scaled(sum, plotHeight, maximum) - drawn;
    stack.remainderDevice = entries.back().deviceIndex;
    stack.totalHeight = drawn + stack.remainder;
    return stack;
}

bool CCustomCtrlGraph::HasDayLabel(int day, int daysInMonth) {
    return (day % 5 == 0 && day >= 5 && day <= 25) || day == daysInMonth;
}

CCustomCtrlGraph::CCustomCtrlGraph(CCustomCtrlBase* parentControl, int id)
    : CCustomCtrlBase(parentControl, id, true), m_scaleUpButton(this, kCommandScaleUp),
      m_scaleDownButton(this, kCommandScaleDown),
      m_font(CDrawSurface::MakeFont(kDefaultFontSize, false)) {
    AddChild(&m_scaleUpButton);
    AddChild(&m_scaleDownButton);
}

void CCustomCtrlGraph::CreateGraph(IControlHost* host, CDrawSurface* canvas, int x, int y) {
    Create(host, canvas, x, y, kWidth, kHeight, kDefaultFontSize, false);
    m_plotLeft = 75;
    m_plotTop = 50;
    m_plotRight = Width() - 50;
    m_plotBottom = Height() - 50;
    const CHitRect hit{0, 0, 27, 82};
    m_scaleDownButton.CreateButton(0, 84, 29, host, canvas, x + 541, y + 96, kScaleDownPicture,
                                   hit);
    m_scaleUpButton.CreateButton(0, 84, 29, host, canvas, x + 541, y + 200, kScaleUpPicture, hit);
}

void CCustomCtrlGraph::BuildColumns() {
    m_columns.clear();
    if (m_dataManager == nullptr || m_dataManager->GetFirstDayIndex() < 0) {
        return;
    }
    const int first = m_dataManager->GetFirstDayIndex();
    const int days = m_dataManager->GetMonthDayCount();
    const int width = (m_plotRight - m_plotLeft - 12) / 31;
    m_columns.reserve(static_cast<size_t>(days));
    for (int i = 0; i < days; ++i) {
        GRAPH_DAY_INFO column;
        column.index = first + i;
        column.left = m_plotLeft + 6 + i * width;
        column.top = m_plotTop;
        column.right = m_plotLeft + 6 + (i + 1) * width;
        column.bottom = m_plotBottom;
        m_columns.push_back(column);
    }
}

void CCustomCtrlGraph::Update() {
    BuildColumns();
    Render();
    Draw();
}

int CCustomCtrlGraph::MaximumPerUnit(int maximum) const {
    const int units = m_dataManager->GetAppliedSelection() == CDataManager::kAllAircons &&
                              m_dataManager->GetRemoConCount() > 0
                          ? m_dataManager->GetRemoConCount()
                          : 1;
    return maximum / units;
}

void CCustomCtrlGraph::Render() {
    m_surface.FillKey();
    if (m_surface.IsEmpty() || m_dataManager == nullptr || m_columns.empty()) {
        return;
    }
    QImage& image = m_surface.Image();
    m_surface.SetTextColour(QColor(0, 0, 0));
    FillRoundRect(image, QRect(0, 0, Width(), Height()), kBackgroundColour);

    {
        // 2-pixel axes, widened away from the plot so the columns keep their
        // full height above them.
        QPainter painter(&image);
        painter.fillRect(Ltrb(m_plotLeft - 1, m_plotTop, m_plotLeft + 1, m_plotBottom + 3),
                         Qt::black);
        painter.fillRect(Ltrb(m_plotLeft - 1, m_plotBottom + 1, m_plotRight, m_plotBottom + 3),
                         Qt::black);
        for (size_t i = 0; i < m_columns.size(); i += 2) {
            const GRAPH_DAY_INFO& column = m_columns[i];
            painter.fillRect(Ltrb(column.left, column.top, column.right, column.bottom),
                             kStripeColour);
        }
    }

    const int maximum = m_dataManager->GetGraphScaleYen();
    RenderLines(maximum);
    for (const GRAPH_DAY_INFO& column : m_columns) {
        const std::optional<CEleBillDayInfo> record = m_dataManager->GetDayInfo(column.index);
        if (record && record->past) {
            RenderColumn(column, *record, maximum);
        }
    }
    RenderLabels();

    const int scale = m_dataManager->GetGraphScale();
    m_scaleDownButton.SetEnabled(scale != 0);
    m_scaleUpButton.SetEnabled(scale != CDataManager::kGraphScaleCount - 1);
    m_scaleDownButton.Render();
    m_scaleUpButton.Render();
}

void CCustomCtrlGraph::RenderLines(int maximum) {
    QImage& image = m_surface.Image();
    const bool solid = MaximumPerUnit(maximum) == CDataManager::kGraphScaleYen.back();
    HorizontalLine(image, m_plotLeft + 5, m_plotRight, m_plotTop, !solid);
    m_surface.DrawTextBox(QString::number(maximum), CDrawSurface::kAlignRight, true,
                          Ltrb(0, m_plotTop - 20, m_plotLeft - 5, m_plotTop + 20), &m_font);

    const int middle = (m_plotBottom - m_plotTop) / 2 + m_plotTop;
    HorizontalLine(image, m_plotLeft + 5, m_plotRight, middle, true);
    m_surface.DrawTextBox(QString::number(maximum / 2), CDrawSurface::kAlignRight, true,
                          Ltrb(0, middle - 20, m_plotLeft - 5, middle + 20), &m_font);
}

void CCustomCtrlGraph::RenderColumn(const GRAPH_DAY_INFO& column, const CEleBillDayInfo& record,
                                    int maximum) {
    const ColumnStack stack = StackColumn(record.entries, maximum, m_plotBottom - m_plotTop);
    if (stack.segments.empty()) {
        return;
    }
    QPainter painter(&m_surface.Image());
    const int left = column.left + 3;
    const int right = column.right - 3;
    int base = column.bottom;
    for (const Segment& segment : stack.segments) {
        if (segment.height > 0) {
            painter.fillRect(Ltrb(left, base - segment.height, right, base),
                             BarColour(segment.deviceIndex));
        }
        base -= segment.height;
    }
    if (stack.remainder > 0) {
        painter.fillRect(Ltrb(left, base - stack.remainder, right, base),
                         BarColour(stack.remainderDevice));
        base -= stack.remainder;
    }
    if (stack.cut) {
        const int t = base - 5;
        const int apexX = (left + right) / 2;
        const int apexY = t - (column.right - column.left - 6);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(Qt::NoPen);
        painter.setBrush(kTriangleColour);
        painter.drawPolygon(QPolygon({QPoint(left, t), QPoint(right, t), QPoint(apexX, apexY)}));
    }
}

void CCustomCtrlGraph::RenderLabels() {
    const int days = static_cast<int>(m_columns.size());
    for (int i = 0; i < days; ++i) {
        const GRAPH_DAY_INFO& column = m_columns[static_cast<size_t>(i)];
        const std::optional<CEleBillDayInfo> record = m_dataManager->GetDayInfo(column.index);
        const int day = record ? record->day : i + 1;
        if (!HasDayLabel(day, days)) {
            continue;
        }
        const int centre = (column.left + column.right) / 2;
        m_surface.DrawTextBox(QString::number(day), CDrawSurface::kAlignCenter, false,
                              Ltrb(centre - 50, column.bottom + 5, centre + 50, Height()), &m_font);
    }
    m_surface.DrawTextBox(TableText(13201), CDrawSurface::kAlignLeft, false,
                          Ltrb(m_plotRight + 5, m_plotBottom + 5, Width(), Height()), &m_font);
    m_surface.DrawTextBox(TableText(13202), CDrawSurface::kAlignLeft, false,
                          Ltrb(10, 20, m_plotLeft + 50, m_plotTop), &m_font);
}

int CCustomCtrlGraph::TodayColumn() const {
    return DayFrames::TodayIndex(m_dataManager, m_columns);
}

void CCustomCtrlGraph::Draw() {
    if (m_canvas == nullptr || m_surface.IsEmpty() || !IsShown()) {
        return;
    }
    m_canvas->DrawSurface(m_surface, m_x, m_y);
    QImage& canvas = m_canvas->Image();
    const int today = TodayColumn();
    if (today >= 0) {
        const GRAPH_DAY_INFO& column = m_columns[static_cast<size_t>(today)];
        DayFrames::FrameRect(
            canvas,
            DayFrames::Around(m_x, m_y, column.left, column.top, column.right, column.bottom), 2,
            kTodayColour);
    }
    if (m_hoverColumn >= 0 && m_hoverColumn < static_cast<int>(m_columns.size())) {
        // A 3-pixel pen centred on the slot's outline (0, 0)-(width - 1, height - 1).
        const GRAPH_DAY_INFO& column = m_columns[static_cast<size_t>(m_hoverColumn)];
        DayFrames::FrameRect(
            canvas,
            DayFrames::Around(m_x, m_y, column.left, column.top, column.right, column.bottom), 3,
            kPointerColour);
    }
    m_scaleDownButton.Draw();
    m_scaleUpButton.Draw();
}

void CCustomCtrlGraph::AddFocusStops(std::vector<FocusStop>& stops) const {
    if (m_host == nullptr || !m_enabled || !IsShown()) {
        return;
    }
    std::vector<FocusStop> own;
    const int today = TodayColumn();
    for (size_t i = 0; i < m_columns.size(); ++i) {
        const GRAPH_DAY_INFO& column = m_columns[i];
        FocusStop stop;
        stop.control = this;
        stop.part = static_cast<int>(i);
        stop.rect = QRect(m_x + column.left, m_y + column.top, column.right - column.left,
                          column.bottom - column.top);
        stop.rowLength = static_cast<int>(m_columns.size());
        stop.doubleClick = true;
        stop.entry = static_cast<int>(i) == today;
        if (!stop.rect.isEmpty()) {
            own.push_back(stop);
        }
    }
    m_scaleDownButton.AddFocusStops(own);
    m_scaleUpButton.AddFocusStops(own);
    SortInReadingOrder(own);
    stops.insert(stops.end(), own.begin(), own.end());
}

int CCustomCtrlGraph::HitColumn(int x, int y) const {
    if (!HitTest(x, y)) {
        return -1;
    }
    const int px = x - m_x;
    const int py = y - m_y;
    int hit = -1;
    for (size_t i = 0; i < m_columns.size(); ++i) {
        const GRAPH_DAY_INFO& column = m_columns[i];
        if (px >= column.left && px < column.right && py >= column.top && py < column.bottom) {
            hit = static_cast<int>(i);
        }
    }
    return hit;
}

bool CCustomCtrlGraph::OnMessage(uint32_t message, uintptr_t wParam, intptr_t lParam,
                                 intptr_t& result) {
    if (m_host == nullptr) {
        return false;
    }
    // Both buttons see every message; either one taking it ends here, so a
    // move over the upper button is not mistaken for a move off the columns.
    intptr_t buttonResult = 0;
    const bool up = m_scaleUpButton.OnMessage(message, wParam, lParam, buttonResult);
    const bool down = m_scaleDownButton.OnMessage(message, wParam, lParam, buttonResult);
    if (up || down) {
        if (message == UiMsg::kMouseMove && m_hoverColumn >= 0) {
            // Straight from a column onto a button: the column's frame goes.
            m_hoverColumn = -1;
            PostToHost(UiMsg::kRepaint);
        }
        result = buttonResult;
        return true;
    }
    if (message == UiMsg::kResetHover && m_hoverColumn >= 0) {
        // Another window took the pointer.
        m_hoverColumn = -1;
        PostToHost(UiMsg::kRepaint);
        return false;
    }
    if (!UiMsg::IsMouseMessage(message)) {
        return false;
    }
    const int hit = HitColumn(PointParamX(lParam), PointParamY(lParam));
    if (message == UiMsg::kMouseMove && hit != m_hoverColumn) {
        m_hoverColumn = hit;
        Draw();
        PostToHost(UiMsg::kRepaint);
        return true;
    }
    if (message == UiMsg::kLButtonDblClk && hit >= 0 && m_dataManager != nullptr) {
        const std::optional<CEleBillDayInfo> record =
            m_dataManager->GetDayInfo(m_columns[static_cast<size_t>(hit)].index);
        if (record) {
            m_hoverColumn = -1;
            Draw();
            PostToHost(UiMsg::kRepaint);
            if (m_openDayDetail) {
                m_openDayDetail(record->year, record->month, record->day, m_dataManager);
            }
            return true;
        }
    }
    return false;
}
