#include "dialogs/CDialogDeviceData.h"

#include "data/CDataManager.h"
#include "ui/controls/CButtonCustom.h"
#include "ui/controls/UiMessages.h"

#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QRadioButton>

#include <algorithm>
#include <initializer_list>
#include <string>

namespace {

const QColor kBackgroundColour(0xE9, 0xE5, 0xE7, 255);
// Nearly opaque black, like the other texts the dialogs draw themselves.
const QColor kTextColour(0, 0, 0, 254);
constexpr int kTextX = 10;
constexpr int kTextY = 10;

constexpr int kButtonPitch = 154;
constexpr int kFirstRowY = 60;
constexpr int kSecondRowY = 114;
constexpr int kRowStartX = 10;
constexpr int kFirstRowCount = 4;
constexpr CHitRect kDeviceHitRect{0, 0, 147, 47};

// The choices and buttons are 26 pixels high; the combo boxes share their
// row, so they take that height too (their list drops below).
constexpr int kRowHeight = 26;
// The open lists fit the 144 pixels a combo box takes with its list down.
constexpr int kComboRows = 6;

} // namespace

CDialogDeviceData::CDialogDeviceData(const QString& title, const QString& explanatoryLine,
                                     bool hasPeriod, QWidget* parent)
    : CDialogBase(nullptr, parent), m_explanatoryLine(explanatoryLine), m_hasPeriod(hasPeriod) {
    setWindowTitle(title);
    setFixedSize(kClientWidth, kClientHeight);
    for (int position = 0; position < kPositions; ++position) {
        m_deviceButtons[static_cast<size_t>(position)].SetId(kFirstButtonId + position);
        AddControl(&m_deviceButtons[static_cast<size_t>(position)]);
    }
    SetUpControls();
}

CDialogDeviceData::~CDialogDeviceData() = default;

void CDialogDeviceData::SetUpControls() {
    m_ok = new CButtonCustom(QStringLiteral("OK"), this);
    m_cancel = new CButtonCustom(QStringLiteral("キャンセル"), this);
    m_ok->setEnabled(false);
    m_ok->setDefault(true);
    m_ok->setGeometry(130, 282, 120, 30);
    m_cancel->setGeometry(330, 282, 120, 30);
    connect(m_ok, &QPushButton::clicked, this, [this] { OnOkClicked(); });
    connect(m_cancel, &QPushButton::clicked, this, [this] { reject(); });

    // "全て" and "年" are a radio pair, "月" a check box on top of the year.
    // Their checked state is kept by the handlers below so a click on the
    // selected radio choice leaves it selected.
    m_allChoice = new QRadioButton(QStringLiteral("全て"), this);
    m_yearChoice = new QRadioButton(QStringLiteral("年"), this);
    m_monthChoice = new QCheckBox(QStringLiteral("月"), this);
    for (QAbstractButton* choice : {m_allChoice, m_yearChoice, m_monthChoice}) {
        CButtonCustom::UseFaceColour(*choice);
    }
    m_allChoice->setChecked(true);
    m_allChoice->setGeometry(30, 188, 80, kRowHeight);
    m_yearChoice->setGeometry(30, 230, 80, kRowHeight);
    m_monthChoice->setEnabled(false);
    m_monthChoice->setGeometry(230, 230, 80, kRowHeight);
    connect(m_allChoice, &QPushButton::clicked, this, [this] { OnAllClicked(); });
    connect(m_yearChoice, &QPushButton::clicked, this, [this] { OnYearClicked(); });
    connect(m_monthChoice, &QPushButton::clicked, this, [this] { OnMonthClicked(); });

    m_yearCombo = new QComboBox(this);
    for (int year = kFirstYear; year <= kLastYear; ++year) {
        m_yearCombo->addItem(QString::asprintf("%d年", year));
    }
    m_yearCombo->setCurrentIndex(0);
    m_yearCombo->setEnabled(false);
    m_yearCombo->setGeometry(110, 230, 100, kRowHeight);
    // A drop-down of a few rows, scrolled to the chosen year, rather than the
    // style's menu that grows to the screen's height for ninety years.
    m_yearCombo->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
    m_yearCombo->setMaxVisibleItems(kComboRows);
    m_monthCombo = new QComboBox(this);
    for (int month = 1; month <= 12; ++month) {
        m_monthCombo->addItem(QString::asprintf("%02d月", month));
    }
    m_monthCombo->setCurrentIndex(0);
    m_monthCombo->setEnabled(false);
    m_monthCombo->setGeometry(310, 230, 100, kRowHeight);
    m_monthCombo->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
    m_monthCombo->setMaxVisibleItems(kComboRows);

    for (QWidget* widget : std::initializer_list<QWidget*>{m_allChoice, m_yearChoice, m_monthChoice,
                                                           m_yearCombo, m_monthCombo}) {
        widget->setVisible(m_hasPeriod);
    }
}

int CDialogDeviceData::Run(CDataManager* dataManager) {
    if (dataManager == nullptr) {
        return kIdCancel;
    }
    m_dataManager = dataManager;
    Initialise();
    return exec() == QDialog::Accepted ? kIdOk : kIdCancel;
}

void CDialogDeviceData::Initialise() {
    EditCanvas().CreateSurface(kClientWidth, kClientHeight);
    m_shownButtons.clear();
    for (CCustomCtrlButtonDevice& button : m_deviceButtons) {
        button.SetVisible(false);
        button.SetEnabled(true);
        button.SetSelected(false);
    }
    const auto& units = m_dataManager->GetRemoConList();
    const int count = std::min(static_cast<int>(units.size()), kPositions);
    int x = kRowStartX;
    for (int position = 0; position < count; ++position) {
        if (position == kFirstRowCount) {
            x = kRowStartX;
        }
        const int y = position < kFirstRowCount ? kFirstRowY : kSecondRowY;
        CCustomCtrlButtonDevice& button = m_deviceButtons[static_cast<size_t>(position)];
        std::string model;
        std::string room;
        bool connected = false;
        m_dataManager->GetRemoConNames(position, model, room, connected);
        button.SetCaption(QString::fromStdString(model));
        button.SetSecondText(QString::fromStdString(room));
        button.CreateButtonDevice(this, &EditCanvas(), x, y, kFirstStripPicture + position,
                                  kDeviceHitRect);
        button.SetVisible(true);
        m_shownButtons.push_back(&button);
        x += kButtonPitch;
    }
    setTabOrder(m_yearChoice, m_yearCombo);
    setTabOrder(m_yearCombo, m_monthChoice);
    setTabOrder(m_monthChoice, m_monthCombo);
    setTabOrder(m_monthCombo, m_ok);
    setTabOrder(m_ok, m_cancel);
    UpdateOkEnabled();
    Redraw();
}

const CCustomCtrlButtonDevice& CDialogDeviceData::DeviceButton(int position) const {
    return m_deviceButtons.at(static_cast<size_t>(position));
}

bool CDialogDeviceData::IsShown(int position) const {
    if (position < 0 || position >= kPositions) {
        return false;
    }
    const CCustomCtrlButtonDevice* button = &m_deviceButtons[static_cast<size_t>(position)];
    return std::find(m_shownButtons.begin(), m_shownButtons.end(), button) != m_shownButtons.end();
}

bool CDialogDeviceData::IsTicked(int position) const {
    return IsShown(position) && m_deviceButtons[static_cast<size_t>(position)].IsSelected();
}

void CDialogDeviceData::DrawContent(CDrawSurface& canvas) {
    canvas.Fill(kBackgroundColour);
    canvas.DrawText(m_explanatoryLine,
                    QRect(kTextX, kTextY, canvas.Width() - kTextX, canvas.Height() - kTextY),
                    Qt::AlignLeft | Qt::AlignTop, canvas.Font(), kTextColour);
}

bool CDialogDeviceData::OnUiEvent(const CUiEvent& event) {
    switch (event.Message()) {
    case UiMsg::kCommand: {
        const int position = static_cast<int>(event.WParam()) - kFirstButtonId;
        // A command from a button that is not shown (a stale post) must not
        // tick a unit the user cannot see.
        if (IsShown(position)) {
            ToggleDevice(position);
        }
        UpdateOkEnabled();
        Redraw();
        return true;
    }
    default:
        return CDialogBase::OnUiEvent(event);
    }
}

void CDialogDeviceData::ToggleDevice(int position) {
    CCustomCtrlButtonDevice& button = m_deviceButtons[static_cast<size_t>(position)];
    button.SetSelected(!button.IsSelected());
    button.Render();
}

void CDialogDeviceData::UpdateOkEnabled() {
    bool anyTicked = false;
    for (const CCustomCtrlButtonDevice* button : m_shownButtons) {
        anyTicked = anyTicked || button->IsSelected();
    }
    m_ok->setEnabled(anyTicked);
}

void CDialogDeviceData::OnAllClicked() {
    m_allChoice->setChecked(true);
    m_yearChoice->setChecked(false);
    m_monthChoice->setEnabled(false);
    m_yearCombo->setEnabled(false);
    m_monthCombo->setEnabled(false);
}

void CDialogDeviceData::OnYearClicked() {
    m_yearChoice->setChecked(true);
    m_allChoice->setChecked(false);
    m_monthChoice->setEnabled(true);
    m_monthCombo->setEnabled(m_monthChoice->isChecked());
    m_yearCombo->setEnabled(true);
}

void CDialogDeviceData::OnMonthClicked() {
    // The click has toggled the tick already.
    m_monthCombo->setEnabled(m_monthChoice->isChecked());
}

void CDialogDeviceData::OnOkClicked() {
    if (!m_ok->isEnabled() || !ConfirmOk()) {
        return;
    }
    TakePeriod();
    accept();
}

void CDialogDeviceData::TakePeriod() {
    m_chosenYear = 0;
    m_chosenMonth = 0;
    if (!m_hasPeriod || !m_yearChoice->isChecked()) {
        return;
    }
    m_chosenYear = m_yearCombo->currentText().remove(QStringLiteral("年")).toInt();
    // A month is only a period inside a chosen year: "月" may still be ticked
    // from before "全て" was chosen, and a month without a year means nothing.
    if (m_monthChoice->isChecked()) {
        m_chosenMonth = m_monthCombo->currentText().remove(QStringLiteral("月")).toInt();
    }
}
