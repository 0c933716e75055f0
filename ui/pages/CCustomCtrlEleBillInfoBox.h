#pragma once

#include "ui/controls/CCustomCtrlBase.h"
#include "ui/controls/CCustomCtrlSelectItem.h"

#include <QColor>
#include <QRect>
#include <QString>

#include <vector>

// The electricity-bill box on the left of the calendar and graph pages: the
// month total with its target level picture, the totals of the previous
// month, the same month last year, the viewed year and the previous year, the
// "*" marks of incomplete totals with their footnote, and the monthly target
// field (its only child). The captions are part of the background picture;
// the box writes only figures. Every value comes from the data manager.
class CCustomCtrlEleBillInfoBox : public CCustomCtrlBase {
public:
    static constexpr int kWidth = 117;
    static constexpr int kHeight = 376;
    static constexpr int kTargetFieldX = 12;
    static constexpr int kTargetFieldY = 346;
    static constexpr int kTargetFieldWidth = 99;
    static constexpr int kTargetFieldHeight = 29;
    static constexpr int kLevelPictureX = 19;
    static constexpr int kLevelPictureY = 88;
    // RGB(90, 81, 75)
    static QColor FootnoteColour() { return QColor(90, 81, 75); }

    // One text the box writes: Qt alignment flags, point size before the DPI
    // division.
    struct TextItem {
        QString text;
        QRect rect;
        int points = 10;
        bool bold = false;
        int flags = 0;
        QColor colour = QColor(0, 0, 0);
        bool operator==(const TextItem&) const = default;
    };
    // Everything one Render puts into the box besides its background.
    struct Content {
        bool hasData = false; // false: a selection that names no unit, only the background
        std::vector<TextItem> texts;
        int levelPicture = -1; // -1: none
        bool footnote = false;
        bool targetEnabled = false;
    };

    // Bold month-total size for a number text of `characters` characters:
    // 14 below 7, 11 with 7, 10 with 8 or more.
    static int MonthTotalPoints(int characters);
    // Target level picture: 5 → 289, 1 → 290, 2 → 291, 3 → 292, 4 → 293; −1
    // for level 0 and anything else.
    static int LevelPicture(int level);
    // 216 / 214 on the calendar page (20), 217 / 215 on every other page.
    static int BackgroundPicture(int pageId);
    static int TargetStripPicture(int pageId);

    explicit CCustomCtrlEleBillInfoBox(CCustomCtrlBase* parentControl = nullptr);
    CCustomCtrlEleBillInfoBox(const CCustomCtrlEleBillInfoBox&) = delete;
    CCustomCtrlEleBillInfoBox& operator=(const CCustomCtrlEleBillInfoBox&) = delete;
    ~CCustomCtrlEleBillInfoBox() override;

    // Creates the target field at (x + 12, y + 346), then the box itself,
    // 117 × 376, font size 10.
    void CreateBox(IControlHost* host, CDrawSurface* canvas, int x, int y, int pageId);

    // Own surface, then the target field.
    void Draw() override;
    // Every message goes to the target field; its answer is the box's.
    bool OnMessage(uint32_t message, uintptr_t wParam, intptr_t lParam, intptr_t& result) override;
    // Background, figures, marks, footnote; sets and renders the target
    // field. With a selection that names no unit only the background shows
    // (the target field is hidden until a later Render has data again).
    void Render() override;
    void RemakeSurfaces() override;

    // What Render writes for the data manager's current state.
    Content Compose() const;

    CCustomCtrlSelectItem& TargetField() { return m_targetField; }
    int PageId() const { return m_pageId; }
    const QRect& UpperArea() const { return m_upperArea; }
    const QRect& TargetArea() const { return m_targetArea; }

private:
    CCustomCtrlSelectItem m_targetField;
    QRect m_upperArea;  // (0, 0)-(117, 312)
    QRect m_targetArea; // (0, 314)-(117, 376)
    int m_pageId = -1;
    CDrawSurface m_backgroundPicture;
    CDrawSurface m_levelPicture;
    int m_levelPictureId = -1;
};
