#include "ui/pages/CCustomCtrlCalendar.h"

#include "ui/pages/DayFrames.h"

#include "data/CDataManager.h"
#include "model/CCalendarDate.h"
#include "resources/CStringTable.h"
#include "ui/controls/CMessageBox.h"
#include "ui/controls/UiMessages.h"
#include "ui/controls/UiText.h"

#include <QPainter>

#include <cstdio>
#include <optional>
#include <utility>

namespace {

QRect Ltrb(int left, int top, int right, int bottom) {
    return QRect(left, top, right - left, bottom - top);
}

// A rounded rectangle of the small corners the calendar uses (2): every
// pixel of (left, top)..(right - 1, bottom - 1) but the four corner pixels.
void FillRoundRect(QPainter& painter, const QRect& rect, const QColor& colour) {
    painter.fillRect(rect.adjusted(1, 0, -1, 0), colour);
    painter.fillRect(QRect(rect.left(), rect.top() + 1, 1, rect.height() - 2), colour);
    painter.fillRect(QRect(rect.right(), rect.top() + 1, 1, rect.height() - 2), colour);
}

// The outer `thickness` pixels of `outer`, inside left untouched.
constexpr const char kOutOfRangeText[] = "選択した日付は有効範囲外です。";

} // namespace

const QColor CCustomCtrlCalendar::kHeaderOuterColour = QColor(255, 253, 237);
const QColor CCustomCtrlCalendar::kSundayColour = QColor(236, 177, 207);
const QColor CCustomCtrlCalendar::kSaturdayColour = QColor(156, 210, 223);
const QColor CCustomCtrlCalendar::kMonthCellColour = QColor(255, 253, 237);
const QColor CCustomCtrlCalendar::kNeighbourCellColour = QColor(212, 229, 232);
const QColor CCustomCtrlCalendar::kNeighbourTextColour = QColor(51, 51, 51);
const QColor CCustomCtrlCalendar::kMonthBadgeColour = QColor(201, 200, 188);
const QColor CCustomCtrlCalendar::kNeighbourBadgeColour = QColor(157, 171, 174);
const QColor CCustomCtrlCalendar::kTodayColour = QColor(255, 173, 51);
const QColor CCustomCtrlCalendar::kPointerColour = QColor(128, 128, 128);

CCustomCtrlCalendar::CCustomCtrlCalendar(CCustomCtrlBase* parentControl, int id)
    : CCustomCtrlBase(parentControl, id, true),
      m_font(CDrawSurface::MakeFont(kDefaultFontSize, false)) {}

CALENDAR_DAY_INFO CCustomCtrlCalendar::CellAt(int index, int cellWidth, int cellHeight) {
    const int column = index % 7;
    const int row = index / 7;
    CALENDAR_DAY_INFO cell;
    cell.index = index;
    // Two-pixel gaps between cells; the weekday header takes the top 19 rows.
    cell.left = column * cellWidth + 3;
    cell.top = row * cellHeight + kHeaderHeight;
    cell.right = (column + 1) * cellWidth + 1;
    cell.bottom = (row + 1) * cellHeight + 17;
    return cell;
}

QString CCustomCtrlCalendar::BillNumber(const QString& billText) {
    const qsizetype cut = billText.indexOf(TableText(StringId::kYen));
    return cut < 0 ? billText : billText.left(cut);
}

void CCustomCtrlCalendar::SplitUseTime(const QString& useText, QString& number, QString& unit) {
    const QString hours = TableText(StringId::kHours);
    const qsizetype hoursAt = useText.indexOf(hours);
    if (hoursAt >= 0) {
        number = useText.left(hoursAt);
        unit = hours;
        return;
    }
    unit = TableText(StringId::kMinutes);
    const qsizetype minutesAt = useText.indexOf(unit);
    number = minutesAt < 0 ? useText : useText.left(minutesAt);
}

int CCustomCtrlCalendar::BillPointSize(const QString& number) {
    return number.size() < 6 ? 12 : 10;
}

bool CCustomCtrlCalendar::IsDetailDate(int32_t year, int32_t month, int32_t day) {
    char text[32];
    std::snprintf(text, sizeof(text), "%04d%02d%02d", year, month, day);
    const std::string date = text;
    return date >= kFirstSupportedDay.Text() && date <= kLastSupportedDay.Text();
}

void CCustomCtrlCalendar::Layout() {
    m_cells.clear();
    if (m_dataManager == nullptr || m_dataManager->GetFirstDayIndex() < 0) {
        return;
    }
    const int count = m_dataManager->GetDayCount();
    m_rows = count / 7;
    if (m_rows <= 0) {
        return;
    }
    m_cellHeight = (Height() - 20) / m_rows;
    m_cellWidth = (Width() - 4) / 7;
    m_gridWidth = 7 * m_cellWidth + 4;
    m_gridHeight = m_rows * m_cellHeight + 20;
    m_cells.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        m_cells.push_back(CellAt(i, m_cellWidth, m_cellHeight));
    }
}

void CCustomCtrlCalendar::Update() {
    // The pointer frame stays only on a cell that stays where it was: a month
    // of another number of weeks moves the cells, and the frame would then
    // sit on a cell the pointer is not over until it next moves.
    const std::vector<CALENDAR_DAY_INFO> before = m_cells;
    Layout();
    const auto index = static_cast<size_t>(m_hoverCell);
    const auto same = [](const CALENDAR_DAY_INFO& a, const CALENDAR_DAY_INFO& b) {
        return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
    };
    if (m_hoverCell >= 0 && (index >= before.size() || index >= m_cells.size() ||
                             !same(before[index], m_cells[index]))) {
        m_hoverCell = -1;
    }
    Render();
    Draw();
}

void CCustomCtrlCalendar::EnsureFonts() {
    // Fonts follow the DPI factor, which the application sets once at start-up,
    // possibly after this control was constructed.
    const double factor = CDrawSurface::DpiFactor();
    if (factor == m_fontsFactor) {
        return;
    }
    m_fontsFactor = factor;
    m_font = CDrawSurface::MakeFont(kDefaultFontSize, false);
    m_headerFont = CDrawSurface::MakeFont(9, true);
    m_billSmallFont = CDrawSurface::MakeFont(10, true);
    m_valueFont = CDrawSurface::MakeFont(12, true);
    m_unitFont = CDrawSurface::MakeFont(8, false);
    m_markFont = CDrawSurface::MakeFont(12, false);
}

void CCustomCtrlCalendar::TextBox(QPainter& painter, const QString& text, int align, bool centerV,
                                  const QRect& rect, const QFont& font) const {
    // The placement of CDrawSurface::DrawTextBox, on the one painter a render
    // shares: a painter per text would cost a six-week month its redraw budget.
    QRect box = rect;
    if (centerV) {
        box.translate(0, (rect.height() - m_surface.TextHeight(text, &font)) / 2);
    }
    int flags = Qt::AlignTop;
    if (align == CDrawSurface::kAlignCenter) {
        flags |= Qt::AlignHCenter;
    } else if (align == CDrawSurface::kAlignRight) {
        flags |= Qt::AlignRight;
    } else {
        flags |= Qt::AlignLeft;
    }
    painter.setPen(m_surface.TextColour());
    CDrawSurface::PaintText(painter, text, box, flags, font);
}

void CCustomCtrlCalendar::Render() {
    if (m_surface.IsEmpty()) {
        return;
    }
    EnsureFonts();
    std::vector<std::pair<const CALENDAR_DAY_INFO*, CEleBillDayInfo>> shown;
    // Everything the pixels depend on: a redraw renders the calendar from the
    // page's update, its own and the tab's render, mostly with the same days.
    QByteArray key = QByteArray::number(m_fontsFactor);
    if (m_dataManager != nullptr) {
        shown.reserve(m_cells.size());
        for (const CALENDAR_DAY_INFO& cell : m_cells) {
            std::optional<CEleBillDayInfo> record = m_dataManager->GetDayInfo(cell.index);
            if (!record) {
                continue;
            }
            key += QByteArray::number(cell.index) + ',' + QByteArray::number(cell.left) + ',' +
                   QByteArray::number(cell.top) + ',' + QByteArray::number(cell.right) + ',' +
                   QByteArray::number(cell.bottom) + ',' + QByteArray::number(record->day) +
                   (record->inMonth ? 'm' : 'n') + (record->partial ? 'p' : 'w') +
                   QByteArray::fromStdString(record->billText) + '\n' +
                   QByteArray::fromStdString(record->useTimeShort) + '\n';
            shown.emplace_back(&cell, std::move(*record));
        }
    }
    m_surface.SetTextColour(QColor(0, 0, 0));
    if (!CDrawSurface::HasTextObserver() && m_surface.HoldsContent(key)) {
        return;
    }
    m_surface.FillKey();
    {
        QPainter painter(&m_surface.Image());
        RenderHeader(painter);
        for (const auto& [cell, record] : shown) {
            RenderCell(painter, *cell, record, cell->index % 7);
        }
    }
    m_surface.SetTextColour(QColor(0, 0, 0));
    m_surface.SetContentKey(key);
}

void CCustomCtrlCalendar::RenderHeader(QPainter& painter) {
    // The header keeps its place before the first layout: the cell width
    // follows from the control's width alone.
    const int cellWidth = (Width() - 4) / 7;
    for (int column = 0; column < 7; ++column) {
        const int x = 2 + column * cellWidth;
        const QRect outer = Ltrb(x + 1, 1, x + cellWidth - 1, 17);
        FillRoundRect(painter, outer, kHeaderOuterColour);
        const QColor inner =
            column == 0 ? kSundayColour : (column == 6 ? kSaturdayColour : kHeaderOuterColour);
        FillRoundRect(painter, Ltrb(x + 3, 3, x + cellWidth - 3, 15), inner);
        m_surface.SetTextColour(QColor(0, 0, 0));
        TextBox(painter, Utf8Text(CDataManager::GetWeekdayName(column)), CDrawSurface::kAlignCenter,
                true, outer, m_headerFont);
    }
}

void CCustomCtrlCalendar::RenderCell(QPainter& painter, const CALENDAR_DAY_INFO& cell,
                                     const CEleBillDayInfo& record, int column) {
    const QRect rect = Ltrb(cell.left, cell.top, cell.right, cell.bottom);
    FillRoundRect(painter, rect, record.inMonth ? kMonthCellColour : kNeighbourCellColour);
    m_surface.SetTextColour(record.inMonth ? QColor(0, 0, 0) : kNeighbourTextColour);

    // Weekend columns keep their colours for neighbouring-month days.
    QColor badge = record.inMonth ? kMonthBadgeColour : kNeighbourBadgeColour;
    if (column == 0) {
        badge = kSundayColour;
    } else if (column == 6) {
        badge = kSaturdayColour;
    }
    const QRect badgeRect = Ltrb(cell.left + 4, cell.top + 3, cell.left + 22, cell.top + 21);
    FillRoundRect(painter, badgeRect, badge);
    TextBox(painter, QString::number(record.day), CDrawSurface::kAlignCenter, true, badgeRect,
            m_font);

    if (record.billText.empty() || record.useTimeShort.empty()) {
        return;
    }
    const int l = cell.left + 2;
    const int r = cell.right - 2;
    const int t = cell.top + 2;
    const int b = cell.bottom - 2;
    const int third = (b - t) / 3;

    const QString bill = BillNumber(Utf8Text(record.billText));
    TextBox(painter, bill, CDrawSurface::kAlignRight, false, Ltrb(l, t + third, r - 25, b),
            BillPointSize(bill) == 10 ? m_billSmallFont : m_valueFont);
    TextBox(painter, TableText(StringId::kYen), CDrawSurface::kAlignRight, false,
            Ltrb(r - 25, t + third + 5, r, b), m_unitFont);

    QString number;
    QString unit;
    SplitUseTime(Utf8Text(record.useTimeShort), number, unit);
    TextBox(painter, number, CDrawSurface::kAlignRight, false, Ltrb(l, t + third + 16, r - 25, b),
            m_valueFont);
    TextBox(painter, unit, CDrawSurface::kAlignRight, false, Ltrb(r - 25, t + third + 21, r, b),
            m_unitFont);

    if (record.partial) {
        TextBox(painter, TableText(StringId::kPartialMark), CDrawSurface::kAlignRight, false,
                Ltrb(r - 25, t + 2, r - 2, b), m_markFont);
    }
}

int CCustomCtrlCalendar::TodayCell() const {
    return DayFrames::TodayIndex(m_dataManager, m_cells);
}

void CCustomCtrlCalendar::Draw() {
    if (m_canvas == nullptr || m_surface.IsEmpty() || !IsShown()) {
        return;
    }
    m_canvas->DrawSurface(m_surface, m_x, m_y);
    QImage& canvas = m_canvas->Image();
    // Both frames sit one pixel outside the cell, over the gap around it.
    const int today = TodayCell();
    if (today >= 0) {
        const CALENDAR_DAY_INFO& cell = m_cells[static_cast<size_t>(today)];
        DayFrames::FrameRect(
            canvas, DayFrames::Around(m_x, m_y, cell.left, cell.top, cell.right, cell.bottom), 2,
            kTodayColour);
    }
    if (m_hoverCell >= 0 && m_hoverCell < static_cast<int>(m_cells.size())) {
        // A 3-pixel pen centred on the outline (0, 0)-(width - 1, height - 1).
        const CALENDAR_DAY_INFO& cell = m_cells[static_cast<size_t>(m_hoverCell)];
        DayFrames::FrameRect(
            canvas, DayFrames::Around(m_x, m_y, cell.left, cell.top, cell.right, cell.bottom), 3,
            kPointerColour);
    }
}

void CCustomCtrlCalendar::AddFocusStops(std::vector<FocusStop>& stops) const {
    if (m_host == nullptr || !m_enabled || !IsShown()) {
        return;
    }
    const int today = TodayCell();
    for (size_t i = 0; i < m_cells.size(); ++i) {
        const CALENDAR_DAY_INFO& cell = m_cells[i];
        FocusStop stop;
        stop.control = this;
        stop.part = static_cast<int>(i);
        stop.rect =
            QRect(m_x + cell.left, m_y + cell.top, cell.right - cell.left, cell.bottom - cell.top);
        stop.rowLength = 7;
        stop.doubleClick = true;
        stop.entry = static_cast<int>(i) == today;
        if (!stop.rect.isEmpty()) {
            stops.push_back(stop);
        }
    }
}

int CCustomCtrlCalendar::HitCell(int x, int y) const {
    if (!HitTest(x, y)) {
        return -1;
    }
    const int px = x - m_x;
    const int py = y - m_y;
    int hit = -1;
    for (size_t i = 0; i < m_cells.size(); ++i) {
        const CALENDAR_DAY_INFO& cell = m_cells[i];
        if (px >= cell.left - 1 && px < cell.right + 1 && py >= cell.top - 1 &&
            py < cell.bottom + 1) {
            hit = static_cast<int>(i);
        }
    }
    return hit;
}

bool CCustomCtrlCalendar::OnMessage(uint32_t message, uintptr_t, intptr_t lParam, intptr_t&) {
    if (m_host != nullptr && message == UiMsg::kResetHover && m_hoverCell >= 0) {
        // Another window took the pointer.
        m_hoverCell = -1;
        PostToHost(UiMsg::kRepaint);
        return false;
    }
    if (m_host == nullptr || !UiMsg::IsMouseMessage(message)) {
        return false;
    }
    const int hit = HitCell(PointParamX(lParam), PointParamY(lParam));
    switch (message) {
    case UiMsg::kMouseMove:
        if (hit == m_hoverCell) {
            return false;
        }
        m_hoverCell = hit;
        Draw();
        PostToHost(UiMsg::kRepaint);
        return true;
    case UiMsg::kLButtonDown:
        if (hit < 0) {
            return false;
        }
        Draw();
        PostToHost(UiMsg::kRepaint);
        return true;
    case UiMsg::kLButtonDblClk:
        return hit >= 0 && OnDoubleClick(hit);
    default:
        return false;
    }
}

bool CCustomCtrlCalendar::OnDoubleClick(int cellIndex) {
    if (m_dataManager == nullptr) {
        return false;
    }
    const std::optional<CEleBillDayInfo> record =
        m_dataManager->GetDayInfo(m_cells[static_cast<size_t>(cellIndex)].index);
    if (!record) {
        return false;
    }
    if (!IsDetailDate(record->year, record->month, record->day)) {
        CMessageBox::Show(nullptr, QString::fromUtf8(kOutOfRangeText), CMessageBox::kTopmost);
        return false;
    }
    m_hoverCell = -1;
    Draw();
    PostToHost(UiMsg::kRepaint);
    if (m_openDayDetail) {
        m_openDayDetail(record->year, record->month, record->day, m_dataManager);
    }
    return true;
}
