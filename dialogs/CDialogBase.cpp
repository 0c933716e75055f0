#include "dialogs/CDialogBase.h"

#include "ui/controls/CCustomCtrlBase.h"
#include "ui/controls/UiMessages.h"

#include <QBitmap>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>

CDialogBase::CDialogBase(CDataManager* dataManager, QWidget* parent, const CUiTimings& timings)
    : QDialog(parent), m_dataManager(dataManager), m_timings(timings), m_dispatcher(this) {
    // A title and a close box only: the dialogs have a fixed size, and a
    // window manager that minimised a modal one would hide the program behind it.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setMouseTracking(true);
}

CDialogBase::~CDialogBase() = default;

void CDialogBase::SetLayered(bool layered) {
    m_layered = layered;
    if (layered) {
        setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
        setAttribute(Qt::WA_TranslucentBackground);
        setAttribute(Qt::WA_NoSystemBackground);
    }
}

bool CDialogBase::LoadBackground(int pictureId) {
    const bool loaded = m_background.LoadSurface(pictureId);
    if (loaded) {
        m_canvas.CreateSurface(m_background.Width(), m_background.Height());
    } else {
        m_canvas.CreateSurface(width(), height());
    }
    return loaded;
}

void CDialogBase::DrawContent(CDrawSurface& /*canvas*/) {}

void CDialogBase::Redraw() {
    ++m_redrawCount;
    if (m_canvas.IsEmpty()) {
        m_canvas.CreateSurface(width(), height());
    }
    m_canvas.FillKey();
    m_canvas.CopySurface(m_background, 0, 0);
    DrawContent(m_canvas);
    for (CCustomCtrlBase* control : m_dispatcher.Controls()) {
        control->Update();
        control->Draw();
    }
    if (m_layered) {
        ApplyAlphaShape();
        update();
    } else if (isVisible()) {
        repaint();
    }
}

void CDialogBase::ApplyAlphaShape() {
    if (m_canvas.IsEmpty()) {
        return;
    }
    // Any alpha at all counts as inside: the compositor blends the soft edge
    // where there is one, and without one the edge pixels still show. The
    // mask is in logical pixels whatever the canvas's ratio.
    setMask(QBitmap::fromImage(m_canvas.CoverageMask().createAlphaMask()));
}

bool CDialogBase::OnUiEvent(const CUiEvent& event) {
    switch (event.Message()) {
    case UiMsg::kCapture:
        m_dispatcher.SetCapture(reinterpret_cast<CCustomCtrlBase*>(event.WParam()));
        Redraw();
        return true;
    case UiMsg::kReleaseCapture:
        m_dispatcher.ReleaseCapture();
        Redraw();
        return true;
    case UiMsg::kRedrawNow:
        Redraw();
        return true;
    case UiMsg::kForeground:
        raise();
        activateWindow();
        return true;
    case UiMsg::kResetHover:
        m_dispatcher.Offer(UiMsg::kResetHover, event.WParam(), event.LParam());
        return true;
    default:
        return false;
    }
}

bool CDialogBase::event(QEvent* event) {
    if (const CUiEvent* message = CUiEvent::From(event)) {
        if (OnUiEvent(*message)) {
            return true;
        }
        return QDialog::event(event);
    }
    if (event->type() == QEvent::WindowDeactivate) {
        // Controls drop their hover state once the deactivation is handled.
        UiPost(this, UiMsg::kResetHover);
    }
    return QDialog::event(event);
}

void CDialogBase::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    if (m_layered) {
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.fillRect(rect(), Qt::transparent);
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    } else {
        // Where a picture is missing the canvas is transparent; show the
        // dialog colour there rather than whatever the buffer held.
        painter.fillRect(rect(), palette().window());
    }
    if (!m_canvas.IsEmpty()) {
        painter.drawImage(0, 0, m_canvas.Image());
    }
}

void CDialogBase::mousePressEvent(QMouseEvent* event) {
    m_dispatcher.OfferMouseEvent(event);
}

void CDialogBase::mouseReleaseEvent(QMouseEvent* event) {
    m_dispatcher.OfferMouseEvent(event);
}

void CDialogBase::mouseDoubleClickEvent(QMouseEvent* event) {
    m_dispatcher.OfferMouseEvent(event);
}

// The dispatcher moves the tooltip itself before a move or left release.
void CDialogBase::mouseMoveEvent(QMouseEvent* event) {
    m_dispatcher.OfferMouseEvent(event);
}

void CDialogBase::leaveEvent(QEvent* event) {
    m_dispatcher.OfferLeave();
    QDialog::leaveEvent(event);
}

void CDialogBase::keyPressEvent(QKeyEvent* event) {
    if (!m_enterEndsDialog && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
