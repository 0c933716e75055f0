#include "ui/pages/CCustomCtrlTabPageSelectDevice.h"

#include "data/CDataManager.h"

namespace {

constexpr int kColumnWidth = 169;
constexpr int kAllButtonStrip = 188;
constexpr int kFirstUnitStrip = 181;
constexpr CHitRect kHitRect{0, 0, 147, 47};

// Until the first unit is registered the page would be empty but for the all
// button; it says how a unit gets there instead.
constexpr const char* kNoUnitsHint =
    "エアコンが登録されていません。リモコンをUSBで接続すると読み込みます。";
constexpr int kHintFontSize = 10;
constexpr int kHintGap = 16;
constexpr int kHintHeight = 120;
const QColor kHintColour(0x33, 0x33, 0x33);

} // namespace

int CCustomCtrlTabPageSelectDevice::StripPictureFor(int buttonId) {
    if (buttonId >= kFirstUnitButtonId && buttonId < kFirstUnitButtonId + kUnitButtons) {
        return kFirstUnitStrip + buttonId - kFirstUnitButtonId;
    }
    return kAllButtonStrip;
}

int CCustomCtrlTabPageSelectDevice::MarkPictureFor(const SettingValues& settings) {
    return SettingsVariant(settings) == Variant::kC ? kMarkPictureVariantC : kMarkPicture;
}

CCustomCtrlTabPageSelectDevice::CCustomCtrlTabPageSelectDevice(CCustomCtrlBase* parentControl)
    : CCustomCtrlTabPage(parentControl, kPageId, kTitleString, kHeaderWidth, kBackgroundPicture),
      m_unitButtons{CCustomCtrlButtonDevice(this, 11), CCustomCtrlButtonDevice(this, 12),
                    CCustomCtrlButtonDevice(this, 13), CCustomCtrlButtonDevice(this, 14),
                    CCustomCtrlButtonDevice(this, 15), CCustomCtrlButtonDevice(this, 16),
                    CCustomCtrlButtonDevice(this, 17)},
      m_allButton(this, kAllButtonId) {
    for (CCustomCtrlButtonDevice& button : m_unitButtons) {
        AddChild(&button);
    }
    AddChild(&m_allButton);
}

CCustomCtrlTabPageSelectDevice::~CCustomCtrlTabPageSelectDevice() = default;

CCustomCtrlButtonDevice& CCustomCtrlTabPageSelectDevice::Button(int index) {
    if (index >= 0 && index < kUnitButtons) {
        return m_unitButtons[static_cast<size_t>(index)];
    }
    return m_allButton;
}

void CCustomCtrlTabPageSelectDevice::CreatePage(IControlHost* host, CDrawSurface* canvas, int x,
                                                int y, int width, int height) {
    CCustomCtrlTabPage::CreatePage(host, canvas, x, y, width, height);
    for (CCustomCtrlButtonDevice& button : m_unitButtons) {
        button.CreateButtonDevice(host, canvas, x, y, StripPictureFor(button.Id()), kHitRect);
    }
    m_allButton.CreateButtonDevice(host, canvas, x, y, kAllButtonStrip, kHitRect);
    Update();
}

void CCustomCtrlTabPageSelectDevice::Update() {
    const CDataManager* manager = m_dataManager;
    const int count = manager == nullptr ? 0 : manager->GetRemoConCount();
    const int x = m_x + (Width() - kColumnWidth) / 2;
    int y = m_y + kTopMargin;
    for (int k = 0; k < kUnitButtons; ++k) {
        CCustomCtrlButtonDevice& button = m_unitButtons[static_cast<size_t>(k)];
        if (k >= count) {
            button.SetVisible(false);
            continue;
        }
        std::string model;
        std::string room;
        bool connected = false;
        manager->GetRemoConNames(k, model, room, connected);
        button.SetCaption(QString::fromStdString(model));
        button.SetSecondText(QString::fromStdString(room));
        button.SetConnected(connected);
        if (connected) {
            if (const auto unit = manager->GetRemoCon(k)) {
                button.SetMarkPictureId(MarkPictureFor(unit->settings));
            }
        }
        button.SetPosition(x, y);
        button.SetVisible(true);
        y += kButtonPitch;
    }

    std::string model;
    std::string room;
    bool connected = false;
    if (manager != nullptr) {
        manager->GetRemoConNames(CDataManager::kAllAircons, model, room, connected);
    }
    m_allButton.SetSecondText(QString::fromStdString(room));
    m_allButton.SetConnected(false);
    m_allButton.SetPosition(x, y);
    m_allButton.SetVisible(true);
    // Without units, and while the settings check (one unit only) is shown,
    // the all button keeps working but loses its face.
    m_allButton.SetHasStrip(count > 0 && manager != nullptr &&
                            manager->GetCurrentPage() != CDataManager::kPageSettingsCheck);
}

void CCustomCtrlTabPageSelectDevice::Render() {
    const int selected = m_dataManager == nullptr ? CDataManager::kAllAircons
                                                  : m_dataManager->GetRequestedSelection();
    for (CCustomCtrlButtonDevice& button : m_unitButtons) {
        button.SetSelected(button.Id() == selected + kFirstUnitButtonId);
    }
    m_allButton.SetSelected(m_allButton.Id() == selected + kFirstUnitButtonId);
    CCustomCtrlTabPage::Render();
    if (m_dataManager != nullptr && m_dataManager->GetRemoConCount() == 0) {
        const int left = (Width() - kColumnWidth) / 2;
        const QRect box(left, kTopMargin + m_allButton.Height() + kHintGap, kColumnWidth,
                        kHintHeight);
        m_surface.DrawText(QString::fromUtf8(kNoUnitsHint), box,
                           Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                           CDrawSurface::MakeFont(kHintFontSize, false), kHintColour);
    }
}
