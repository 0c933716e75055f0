#include "dialogs/CDialogBase.h"

#include "resources/art/CPictureTable.h"
#include "resources/art/CPictureTexts.h"
#include "ui/controls/UiText.h"

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

namespace {

std::function<void(QWidget*)>& RedrawObserver() {
    static std::function<void(QWidget*)> observer;
    return observer;
}

} // namespace

void CDialogBase::SetRedrawObserver(std::function<void(QWidget*)> observer) {
    RedrawObserver() = std::move(observer);
}

QStringList CDialogBase::ShownTexts() const {
    QStringList texts;
    if (const PictureSpec* spec = CPictureTable::Find(m_backgroundId)) {
        for (const std::string_view label : spec->labels) {
            if (!label.empty()) {
                texts << Utf8Text(label);
            }
        }
    }
    if (const PictureSentences* sentences = CPictureTexts::Find(m_backgroundId)) {
        if (sentences->lead != nullptr) {
            texts << Utf8Text(sentences->lead);
        }
        for (const char* line : sentences->lines) {
            if (line != nullptr) {
                texts << Utf8Text(line);
            }
        }
    }
    return texts;
}

bool CDialogBase::LoadBackground(int pictureId) {
    m_backgroundId = pictureId;
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
    if (RedrawObserver()) {
        RedrawObserver()(this);
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
    if (event->type() == QEvent::KeyPress && DrawnControlsHaveKeys()) {
        auto* key = static_cast<QKeyEvent*>(event);
        const std::vector<QWidget*> widgets = TabWidgets();
        if (m_dispatcher.OfferKey(key, widgets.empty())) {
            key->accept();
            return true;
        }
        const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
        if (tab && !widgets.empty() && (key->modifiers() & Qt::ControlModifier) == 0) {
            // Past the drawn controls: on to the first (last) Qt widget.
            const bool backward =
                key->key() == Qt::Key_Backtab || (key->modifiers() & Qt::ShiftModifier) != 0;
            (backward ? widgets.back() : widgets.front())->setFocus(Qt::TabFocusReason);
            update();
            key->accept();
            return true;
        }
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
    if (DrawnControlsHaveKeys()) {
        m_dispatcher.PaintFocus(painter);
    }
}

std::vector<QWidget*> CDialogBase::TabWidgets() const {
    std::vector<QWidget*> widgets;
    for (QWidget* widget = nextInFocusChain(); widget != nullptr && widget != this;
         widget = widget->nextInFocusChain()) {
        if (widget->window() == this && (widget->focusPolicy() & Qt::TabFocus) != 0 &&
            widget->isVisibleTo(this) && widget->isEnabled()) {
            widgets.push_back(widget);
        }
    }
    return widgets;
}

bool CDialogBase::DrawnControlsHaveKeys() const {
    const QWidget* focused = focusWidget();
    return focused == nullptr || focused == this;
}

bool CDialogBase::focusNextPrevChild(bool next) {
    const std::vector<QWidget*> widgets = TabWidgets();
    QWidget* focused = focusWidget();
    if (!widgets.empty() && focused != nullptr && focused != this &&
        focused == (next ? widgets.back() : widgets.front()) && m_dispatcher.FocusEdge(!next)) {
        setFocus(Qt::TabFocusReason);
        update();
        return true;
    }
    return QDialog::focusNextPrevChild(next);
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
