#pragma once

#include "ui/pages/CCustomCtrlTab.h"
#include "ui/pages/CCustomCtrlTabPageCalendar.h"
#include "ui/pages/CCustomCtrlTabPageEnvSetting.h"
#include "ui/pages/CCustomCtrlTabPageGraph.h"

// The main tab control of the main window: calendar (id 20), graph (26) and
// settings check (29), in this tab order, headers from x 295. The page on
// show is the data manager's current page. The settings check is only for
// one air conditioner: its header is disabled while all are selected.
class CCustomCtrlTabMain : public CCustomCtrlTab {
public:
    static constexpr int kFirstHeaderOffset = 295;

    // The header picture for the page on show, the page id under the pointer
    // (−1 none), whether the settings check can be chosen and the settings
    // variant of the selected air conditioner; −1 for an unknown page.
    static int HeaderPictureFor(int selectedPageId, int hoveredPageId, bool settingsEnabled,
                                CCustomCtrlTabPage::Variant variant);

    explicit CCustomCtrlTabMain(CCustomCtrlBase* parentControl = nullptr);
    ~CCustomCtrlTabMain() override;

    int GetHeaderPicture() override;
    // Makes the page the data manager's current page first.
    void SelectPage(int index) override;
    // The page on show, then the settings check enabled exactly when one air
    // conditioner is selected.
    void Update() override;

    CCustomCtrlTabPageCalendar& CalendarPage() { return m_calendarPage; }
    CCustomCtrlTabPageGraph& GraphPage() { return m_graphPage; }
    CCustomCtrlTabPageEnvSetting& SettingsPage() { return m_settingsPage; }

private:
    CCustomCtrlTabPageCalendar m_calendarPage;
    CCustomCtrlTabPageGraph m_graphPage;
    CCustomCtrlTabPageEnvSetting m_settingsPage;
};
