#include "dialogs/CDialogPopup.h"

#include "data/CDataManager.h"
#include "dialogs/CListBoxPopup.h"
#include "resources/CStringTable.h"
#include "ui/controls/UiMessages.h"
#include "ui/controls/UiText.h"

#include <QEvent>
#include <QScrollBar>

#include <algorithm>
#include <string>

namespace {

constexpr int kRows = 11;
constexpr int kMonthRows = 12;
// The year list opens with this many earlier years above the current one.
constexpr int kYearsAbove = 5;

QString Format(int32_t formatId, int value) {
    return TableFormat(formatId, value);
}

} // namespace

CDialogPopup::CDialogPopup() = default;

CDialogPopup::~CDialogPopup() {
    Destroy();
}

void CDialogPopup::Setup(int kind, int viewYear, int viewMonth, int currentValue,
                         QPoint screenAnchor, QObject* owner, CDataManager* dataManager) {
    m_owner = owner;
    m_dataManager = dataManager;
    m_kind = kind;
    m_viewYear = viewYear;
    m_viewMonth = viewMonth;
    m_currentValue = currentValue;
    m_anchorX = screenAnchor.x();
    m_anchorY = screenAnchor.y();
    m_closed = false;
}

int CDialogPopup::VisibleRows(int kind, int itemCount) {
    return std::min(kind == kMonth ? kMonthRows : kRows, itemCount);
}

bool CDialogPopup::Show() {
    Destroy();
    if (m_kind < kYear || m_kind > kTarget || (m_kind == kTarget && m_dataManager == nullptr)) {
        m_closed = true;
        return false;
    }
    m_list = std::make_unique<CListBoxPopup>();
    m_list->setWindowFlags(Qt::Popup | Qt::FramelessWindowHint);
    m_list->setFrameShape(QFrame::Box);
    m_list->setLineWidth(1);
    // What a screen reader says the list chooses (Qt reads its lines).
    static const char* const kListNames[] = {"年", "月", "月目標電気代"};
    m_list->setAccessibleName(QString::fromUtf8(kListNames[m_kind]));
    m_list->installEventFilter(this);
    connect(m_list.get(), &CListBoxPopup::Chosen, this, &CDialogPopup::OnChosen);
    Fill();
    Place();
    m_closed = false;
    m_list->show();
    m_list->activateWindow();
    m_list->setFocus();
    return true;
}

void CDialogPopup::Fill() {
    int top = 0;
    int preselected = -1;
    switch (m_kind) {
    case kYear:
        for (int year = kFirstYear; year <= kLastYear; ++year) {
            m_list->AddItem(Format(StringId::kYearFormat, year), year);
            if (year == m_currentValue) {
                preselected = year - kFirstYear;
            }
        }
        top = std::max(0, preselected - kYearsAbove);
        break;
    case kMonth:
        for (int month = 1; month <= 12; ++month) {
            m_list->AddItem(Format(StringId::kMonthFormat, month), month);
            if (month == m_currentValue) {
                preselected = month - 1;
            }
        }
        top = std::max(0, preselected);
        break;
    default:
        for (int yen = 0; yen <= kTargetLimit; yen += kTargetStep) {
            m_list->AddItem(QString::fromStdString(CDataManager::FormatYen(yen)), yen);
            if (yen == m_currentValue) {
                preselected = yen / kTargetStep;
            }
        }
        top = std::max(0, preselected);
        break;
    }
    if (preselected >= 0) {
        m_list->setCurrentRow(preselected);
    }
    const int rows = VisibleRows(m_kind, m_list->count());
    const int frame = m_list->frameWidth();
    const bool scrolls = m_list->count() > rows;
    m_list->setVerticalScrollBarPolicy(scrolls ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    const int scrollWidth = scrolls ? m_list->verticalScrollBar()->sizeHint().width() : 0;
    m_list->setFixedSize(kClientWidth + scrollWidth + 2 * frame,
                         rows * CListBoxPopup::ItemHeight() + 2 * frame);
    m_list->SetTopRow(top);
}

void CDialogPopup::Place() {
    const int x = m_anchorX - m_list->width();
    const int y = m_kind == kTarget ? m_anchorY - m_list->height() : m_anchorY;
    m_list->move(x, y);
}

void CDialogPopup::OnChosen() {
    if (m_closed) {
        return;
    }
    const int row = m_list->currentRow();
    UiPost(m_owner.data(), UiMsg::kPopupSelect, static_cast<uintptr_t>(m_kind),
           row < 0 ? -1 : m_list->ValueAt(row));
    m_closed = true;
    UiPost(m_owner.data(), UiMsg::kPopupClose);
}

void CDialogPopup::CloseOnce() {
    if (m_closed) {
        return;
    }
    m_closed = true;
    UiPost(m_owner.data(), UiMsg::kPopupClose);
}

bool CDialogPopup::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_list.get()) {
        // A pop-up that Qt closes for a click elsewhere only hides; count that
        // as the lost activation it is.
        if (event->type() == QEvent::WindowDeactivate || event->type() == QEvent::Hide) {
            CloseOnce();
        }
    }
    return QObject::eventFilter(watched, event);
}

void CDialogPopup::Destroy() {
    if (!m_list) {
        return;
    }
    // Hiding now must not tell the owner again.
    m_list->removeEventFilter(this);
    std::unique_ptr<CListBoxPopup> list = std::move(m_list);
    list->hide();
    list.reset();
}
