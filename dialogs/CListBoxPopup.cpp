#include "dialogs/CListBoxPopup.h"

#include "ui/draw/CDrawSurface.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <cmath>

const QColor CListBoxPopup::kSelectedText(0xFF, 0xFF, 0xFF);
const QColor CListBoxPopup::kSelectedBack(0x52, 0x63, 0x92);
const QColor CListBoxPopup::kNormalText(0x00, 0x00, 0x00);
const QColor CListBoxPopup::kNormalBack(0xED, 0xF5, 0xF8);

namespace {
// A menu line at 96 dpi.
constexpr int kMenuLineHeight = 19;
} // namespace

CListBoxPopup::CListBoxPopup(QWidget* parent) : QListWidget(parent) {
    setMouseTracking(true);
    viewport()->setMouseTracking(true);
    setFrameShape(QFrame::NoFrame);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
}

int CListBoxPopup::ItemHeight() {
    return static_cast<int>(std::lround(kMenuLineHeight * CDrawSurface::DpiFactor()));
}

void CListBoxPopup::AddItem(const QString& text, int value) {
    auto* item = new QListWidgetItem(text, this);
    item->setData(Qt::UserRole, value);
    item->setSizeHint(QSize(0, ItemHeight()));
}

int CListBoxPopup::ValueAt(int row) const {
    const QListWidgetItem* found = item(row);
    return found == nullptr ? -1 : found->data(Qt::UserRole).toInt();
}

int CListBoxPopup::TopRow() const {
    return verticalScrollBar()->value();
}

void CListBoxPopup::SetTopRow(int row) {
    // The range is known only once the items are laid out.
    doItemsLayout();
    verticalScrollBar()->setValue(row);
}

void CListBoxPopup::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(viewport());
    const QRect client = viewport()->rect();
    const QFont font = CDrawSurface::MakeFont(9, false);
    painter.setFont(font);
    const int height = ItemHeight();
    const int top = TopRow();
    int y = 0;
    for (int row = top; row < count() && y < client.height(); ++row, y += height) {
        const QRect line(0, y, client.width(), height);
        const bool selected = row == currentRow();
        painter.fillRect(line, selected ? kSelectedBack : kNormalBack);
        painter.setPen(selected ? kSelectedText : kNormalText);
        painter.drawText(line, Qt::AlignCenter | Qt::TextSingleLine, item(row)->text());
    }
    if (y < client.height()) {
        painter.fillRect(QRect(0, y, client.width(), client.height() - y), kNormalBack);
    }
}

void CListBoxPopup::mouseMoveEvent(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    if (!viewport()->rect().contains(point)) {
        m_tracking = false;
        return;
    }
    m_tracking = true;
    const int row = TopRow() + point.y() / ItemHeight();
    if (row < count() && row != currentRow()) {
        setCurrentRow(row);
        viewport()->update();
    }
}

bool CListBoxPopup::event(QEvent* event) {
    // A pop-up receives every press while it is open, those outside it in its
    // own coordinates. A scroll area hands only its viewport's presses on, so
    // the one outside would be swallowed and the list would hold the window
    // until something was chosen: close it, as a menu does.
    if (event->type() == QEvent::MouseButtonPress && isWindow()) {
        const auto* press = static_cast<QMouseEvent*>(event);
        if (!rect().contains(press->position().toPoint())) {
            close();
            return true;
        }
    }
    return QListWidget::event(event);
}

void CListBoxPopup::mousePressEvent(QMouseEvent* event) {
    mouseMoveEvent(event);
}

void CListBoxPopup::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton ||
        !viewport()->rect().contains(event->position().toPoint())) {
        return;
    }
    mouseMoveEvent(event);
    emit Chosen();
}

void CListBoxPopup::mouseDoubleClickEvent(QMouseEvent* event) {
    mouseMoveEvent(event);
}

void CListBoxPopup::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit Chosen();
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QListWidget::keyPressEvent(event);
    viewport()->update();
}

void CListBoxPopup::leaveEvent(QEvent* event) {
    m_tracking = false;
    QListWidget::leaveEvent(event);
}
