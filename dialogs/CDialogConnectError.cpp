#include "dialogs/CDialogConnectError.h"

#include <QKeyEvent>
#include <QPainter>
#include <QShowEvent>
#include <QString>

CDialogConnectError::CDialogConnectError(int32_t pictureId, QWidget* parent)
    : CDialogBase(nullptr, parent), m_pictureId(pictureId) {
    setWindowTitle(QString::fromUtf8(Title()));
    setFixedSize(kClientWidth, kClientHeight);
}

void CDialogConnectError::showEvent(QShowEvent* event) {
    CDialogBase::showEvent(event);
    if (!m_initialised) {
        m_initialised = true;
        LoadBackground(m_pictureId);
        Redraw();
    }
}

void CDialogConnectError::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        accept();
        return;
    }
    CDialogBase::keyPressEvent(event);
}

void CDialogConnectError::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const CDrawSurface& canvas = Canvas();
    if (canvas.IsEmpty()) {
        return;
    }
    const int x = canvas.Width() < width() ? (width() - canvas.Width()) / 2 : 0;
    const int y = canvas.Height() < height() ? (height() - canvas.Height()) / 2 : 0;
    painter.drawImage(x, y, canvas.Image());
}
