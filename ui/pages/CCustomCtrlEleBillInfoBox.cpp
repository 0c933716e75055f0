#include "ui/pages/CCustomCtrlEleBillInfoBox.h"

#include "data/CDataManager.h"
#include "resources/CStringTable.h"
#include "ui/controls/UiText.h"

#include <string>

namespace {

constexpr int kPageCalendar = 20;
constexpr int kSurfacePoints = 10;
constexpr int kYenPoints = 8;
constexpr int kFootnotePoints = 8;
// Single line, vertically centred, right-aligned / centred both ways.
constexpr int kRight = Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine;
constexpr int kCentre = Qt::AlignCenter | Qt::TextSingleLine;
constexpr int kLeftTop = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine;

// Left, top, right, bottom as the layout gives them.
QRect Box(int left, int top, int right, int bottom) {
    return QRect(left, top, right - left, bottom - top);
}

// One comparison row of step 5: its kind, top and right edge.
struct Row {
    int kind;
    int top;
    int right;
};
constexpr Row kRows[] = {{1, 130, 113}, {2, 166, 113}, {3, 222, 109}, {4, 260, 109}};

} // namespace

int CCustomCtrlEleBillInfoBox::MonthTotalPoints(int characters) {
    if (characters < 7) {
        return 14;
    }
    return characters == 7 ? 11 : 10;
}

int CCustomCtrlEleBillInfoBox::LevelPicture(int level) {
    switch (level) {
    case 5:
        return 289;
    case 1:
        return 290;
    case 2:
        return 291;
    case 3:
        return 292;
    case 4:
        return 293;
    default:
        return -1;
    }
}

int CCustomCtrlEleBillInfoBox::BackgroundPicture(int pageId) {
    return pageId == kPageCalendar ? 216 : 217;
}

int CCustomCtrlEleBillInfoBox::TargetStripPicture(int pageId) {
    return pageId == kPageCalendar ? 214 : 215;
}

CCustomCtrlEleBillInfoBox::CCustomCtrlEleBillInfoBox(CCustomCtrlBase* parentControl)
    : CCustomCtrlBase(parentControl), m_targetField(CCustomCtrlSelectItem::kTarget, this) {
    AddChild(&m_targetField);
}

CCustomCtrlEleBillInfoBox::~CCustomCtrlEleBillInfoBox() = default;

void CCustomCtrlEleBillInfoBox::CreateBox(IControlHost* host, CDrawSurface* canvas, int x, int y,
                                          int pageId) {
    m_upperArea = Box(0, 0, 117, 312);
    m_targetArea = Box(0, 314, 117, 376);
    m_pageId = pageId;
    m_backgroundPicture.LoadSurface(BackgroundPicture(pageId));
    m_targetField.CreateSelectItem(kTargetFieldWidth, y + kTargetFieldY, -48, host, canvas,
                                   x + kTargetFieldX, TargetStripPicture(pageId), 117, 10, true,
                                   {0, 0, 97, 25});
    Create(host, canvas, x, y, kWidth, kHeight, 10, false);
}

void CCustomCtrlEleBillInfoBox::Draw() {
    if (!IsShown()) {
        return;
    }
    CCustomCtrlBase::Draw();
    m_targetField.Draw();
}

bool CCustomCtrlEleBillInfoBox::OnMessage(uint32_t message, uintptr_t wParam, intptr_t lParam,
                                          intptr_t& result) {
    return m_targetField.OnMessage(message, wParam, lParam, result);
}

CCustomCtrlEleBillInfoBox::Content CCustomCtrlEleBillInfoBox::Compose() const {
    Content content;
    const CDataManager* manager = m_dataManager;
    if (manager == nullptr) {
        return content;
    }
    const int32_t selection = manager->GetRequestedSelection();
    if (selection != CDataManager::kAllAircons &&
        (selection < 0 || selection >= manager->GetRemoConCount())) {
        return content;
    }
    content.hasData = true;

    const QString yen = TableText(StringId::kYen);
    const QString mark = TableText(StringId::kPartialMark);
    bool anyMark = false;

    std::string number;
    bool incomplete = false;
    manager->GetTotalText(0, number, incomplete);
    const QString total = QString::fromStdString(number);
    content.texts.push_back({total, Box(8, 56, 87, 85),
                             MonthTotalPoints(static_cast<int>(total.size())), true, kRight});
    content.texts.push_back({yen, Box(87, 62, 100, 85), kYenPoints, false, kRight});
    if (incomplete) {
        content.texts.push_back({mark, Box(100, 61, 111, 85), kSurfacePoints, false, kCentre});
        anyMark = true;
    }

    content.levelPicture = LevelPicture(manager->GetTargetLevel());

    for (const Row& row : kRows) {
        manager->GetTotalText(row.kind, number, incomplete);
        const int t = row.top;
        const int r = row.right;
        content.texts.push_back({QString::fromStdString(number), Box(8, t, r - 26, t + 20),
                                 kSurfacePoints, false, kRight});
        content.texts.push_back(
            {yen, Box(r - 26, t + 2, r - 13, t + 20), kYenPoints, false, kRight});
        if (incomplete) {
            content.texts.push_back(
                {mark, Box(r - 13, t, r - 2, t + 20), kSurfacePoints, false, kCentre});
            anyMark = true;
        }
    }

    content.footnote = anyMark || manager->HasPartialDay(m_pageId);
    if (content.footnote) {
        content.texts.push_back({TableText(StringId::kPartialNote), Box(4, 290, 117, 304),
                                 kFootnotePoints, false, kLeftTop, FootnoteColour()});
    }
    content.targetEnabled = manager->IsTargetEditable();
    return content;
}

void CCustomCtrlEleBillInfoBox::Render() {
    m_surface.FillKey();
    m_surface.DrawSurface(m_backgroundPicture, 0, 0);
    const Content content = Compose();
    m_targetField.SetVisible(content.hasData);
    if (!content.hasData) {
        return;
    }
    for (const TextItem& item : content.texts) {
        m_surface.DrawText(item.text, item.rect, item.flags,
                           CDrawSurface::MakeFont(item.points, item.bold), item.colour);
    }
    if (content.levelPicture != m_levelPictureId) {
        m_levelPictureId = content.levelPicture;
        if (m_levelPictureId < 0) {
            m_levelPicture.ReleaseSurface();
        } else {
            m_levelPicture.LoadSurface(m_levelPictureId);
        }
    }
    if (m_levelPictureId >= 0) {
        m_surface.DrawSurface(m_levelPicture, kLevelPictureX, kLevelPictureY);
    }
    m_targetField.SetEnabled(content.targetEnabled);
    m_targetField.Render();
}

void CCustomCtrlEleBillInfoBox::RemakeSurfaces() {
    CCustomCtrlBase::RemakeSurfaces();
    m_backgroundPicture.Remake();
    m_levelPicture.Remake();
}
