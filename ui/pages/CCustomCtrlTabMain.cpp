#include "ui/pages/CCustomCtrlTabMain.h"

#include "data/CDataManager.h"

int CCustomCtrlTabMain::HeaderPictureFor(int selectedPageId, int hoveredPageId,
                                         bool settingsEnabled,
                                         CCustomCtrlTabPage::Variant variant) {
    constexpr int kCalendar = CDataManager::kPageCalendar;
    constexpr int kGraph = CDataManager::kPageGraph;
    constexpr int kSettings = CDataManager::kPageSettingsCheck;
    switch (selectedPageId) {
    case kCalendar:
        if (hoveredPageId == kGraph) {
            return settingsEnabled ? 352 : 353;
        }
        if (hoveredPageId == kSettings) {
            return 351;
        }
        return settingsEnabled ? 283 : 287;
    case kGraph:
        if (hoveredPageId == kCalendar) {
            return settingsEnabled ? 355 : 356;
        }
        if (hoveredPageId == kSettings) {
            return 354;
        }
        return settingsEnabled ? 295 : 298;
    case kSettings: {
        const bool variantC = variant == CCustomCtrlTabPage::Variant::kC;
        if (hoveredPageId == kCalendar) {
            return variantC ? 451 : 358;
        }
        if (hoveredPageId == kGraph) {
            return variantC ? 452 : 357;
        }
        return variantC ? 453 : 350;
    }
    default:
        return -1;
    }
}

CCustomCtrlTabMain::CCustomCtrlTabMain(CCustomCtrlBase* parentControl)
    : CCustomCtrlTab(parentControl, kFirstHeaderOffset), m_calendarPage(this), m_graphPage(this),
      m_settingsPage(this) {
    AddPage(&m_calendarPage);
    AddPage(&m_graphPage);
    AddPage(&m_settingsPage);
}

CCustomCtrlTabMain::~CCustomCtrlTabMain() = default;

int CCustomCtrlTabMain::GetHeaderPicture() {
    const CCustomCtrlTabPage* page = SelectedPage();
    if (page == nullptr) {
        return -1;
    }
    CCustomCtrlTabPage::Variant variant = CCustomCtrlTabPage::Variant::kNone;
    if (m_dataManager != nullptr) {
        if (const auto unit = m_dataManager->GetSelectedRemoCon()) {
            variant = CCustomCtrlTabPage::SettingsVariant(unit->settings);
        }
    }
    return HeaderPictureFor(page->PageId(), m_hoveredPageId, m_settingsPage.IsEnabled(), variant);
}

void CCustomCtrlTabMain::SelectPage(int index) {
    const CCustomCtrlTabPage* page = Page(index);
    if (page == nullptr) {
        return;
    }
    if (m_dataManager != nullptr) {
        m_dataManager->SetCurrentPage(page->PageId());
    }
    CCustomCtrlTab::SelectPage(index);
}

void CCustomCtrlTabMain::Update() {
    CCustomCtrlTab::Update();
    m_settingsPage.SetEnabled(m_dataManager != nullptr &&
                              m_dataManager->GetRequestedSelection() != CDataManager::kAllAircons);
}
