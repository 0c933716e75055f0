#pragma once

#include "model/CCalendarDate.h"

#include <QObject>
#include <QPoint>
#include <QPointer>

#include <memory>

class CDataManager;
class CListBoxPopup;

// The popup list with which the main window lets the person choose a year, a
// month or the monthly target. The main window keeps one for the whole run:
// Setup (on 0x8007) stores what to offer, Show creates the pop-up window and
// shows it with its right edge at the anchor. A choice posts 0x8006 (wParam
// kind, lParam value, -1 for none) and then 0x8008 to the owner; losing
// activation posts 0x8008 only. The owner answers 0x8008 with Destroy.
class CDialogPopup : public QObject {
    Q_OBJECT

public:
    enum Kind { kYear = 0, kMonth = 1, kTarget = 2 };
    static constexpr int kListId = 1003;
    static constexpr int kClientWidth = 90;
    static constexpr int kFirstYear = kFirstSupportedYear;
    static constexpr int kLastYear = kLastSupportedYear;
    static constexpr int kTargetStep = 100;
    static constexpr int kTargetLimit = 50000;

    CDialogPopup();
    ~CDialogPopup() override;

    // The data manager is not owned; a target list needs one.
    void Setup(int kind, int viewYear, int viewMonth, int currentValue, QPoint screenAnchor,
               QObject* owner, CDataManager* dataManager = nullptr);
    // Creates, fills, places and shows the pop-up. False when the kind cannot
    // be offered (a target list without data manager, an unknown kind).
    bool Show();
    // Closes and deletes the pop-up window, if any. Safe at any time.
    void Destroy();

    bool IsClosed() const { return m_closed; }
    int Kind() const { return m_kind; }
    // The pop-up's list while it exists (tests, the owner's checks).
    CListBoxPopup* List() const { return m_list.get(); }
    // How many rows the pop-up shows for `itemCount` items of `kind`.
    static int VisibleRows(int kind, int itemCount);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Fill();
    void Place();
    void OnChosen();
    void CloseOnce();

    std::unique_ptr<CListBoxPopup> m_list;
    QPointer<QObject> m_owner;
    CDataManager* m_dataManager = nullptr;
    int m_kind = kYear;
    int m_viewYear = 0;
    int m_viewMonth = 0;
    int m_currentValue = 0;
    int m_anchorX = 0;
    int m_anchorY = 0;
    bool m_closed = true;
};
