#include "ui/pages/CCustomCtrlTab.h"

#include "ui/controls/UiMessages.h"
#include "ui/pages/CCustomCtrlTabPage.h"

#include <cmath>

std::vector<QRect> CCustomCtrlTab::LayoutHeaders(const std::vector<int>& headerWidths,
                                                 int firstOffset, bool headersInColumn) {
    std::vector<QRect> rects;
    rects.reserve(headerWidths.size());
    int start = firstOffset;
    for (const int length : headerWidths) {
        if (headersInColumn) {
            rects.emplace_back(0, start, kHeaderThickness, length);
        } else {
            rects.emplace_back(start, 0, length, kHeaderThickness);
        }
        start += length + kHeaderGap;
    }
    return rects;
}

CCustomCtrlTab::CCustomCtrlTab(CCustomCtrlBase* parentControl, int firstHeaderOffset,
                               bool headersInColumn)
    : CCustomCtrlBase(parentControl), m_firstHeaderOffset(firstHeaderOffset),
      m_headersInColumn(headersInColumn) {}

CCustomCtrlTab::~CCustomCtrlTab() = default;

void CCustomCtrlTab::AddPage(CCustomCtrlTabPage* page) {
    page->SetParentControl(this);
    m_pages.push_back(page);
    AddChild(page);
    if (m_selectedIndex < 0) {
        m_selectedIndex = 0;
    }
}

CCustomCtrlTabPage* CCustomCtrlTab::Page(int index) const {
    if (index < 0 || index >= PageCount()) {
        return nullptr;
    }
    return m_pages[static_cast<size_t>(index)];
}

void CCustomCtrlTab::Draw() {
    if (!IsShown()) {
        return;
    }
    CCustomCtrlTabPage* page = SelectedPage();
    const int strip = page != nullptr ? page->Y() - m_y : 0;
    if (m_canvas != nullptr && !m_surface.IsEmpty() && !m_headersInColumn && strip > 0 &&
        PageHidesBelow(*page, strip)) {
        // The opaque page replaces every pixel of the tab below the header
        // strip: composing those first would be work thrown away.
        m_canvas->DrawSurface(m_surface, m_x, m_y, QRect(0, 0, Width(), strip));
    } else {
        CCustomCtrlBase::Draw();
    }
    if (page != nullptr) {
        page->Draw();
    }
}

bool CCustomCtrlTab::PageHidesBelow(const CCustomCtrlTabPage& page, int strip) const {
    const CDrawSurface& surface = page.Surface();
    const double ratio = m_canvas->Ratio();
    if (!page.IsShown() || surface.Ratio() != ratio || m_surface.Ratio() != ratio ||
        !surface.IsOpaque()) {
        return false;
    }
    // In the canvas's device pixels, as the blits place them.
    const auto device = [ratio](int logical) {
        return static_cast<int>(std::lround(logical * ratio));
    };
    const QRectF tab =
        m_surface.DeviceRect(QRect(0, 0, Width(), Height())).translated(device(m_x), device(m_y));
    const QRectF covered = surface.DeviceRect(QRect(0, 0, page.Width(), page.Height()))
                               .translated(device(page.X()), device(page.Y()));
    const double stripBottom =
        tab.top() + m_surface.DeviceRect(QRect(0, 0, Width(), strip)).height();
    return covered.left() <= tab.left() && covered.top() <= stripBottom &&
           covered.right() >= tab.right() && covered.bottom() >= tab.bottom();
}

void CCustomCtrlTab::Create(IControlHost* host, CDrawSurface* canvas, int x, int y, int width,
                            int height, int fontSize, bool bold) {
    // The pages are created after the control itself, so its first Render
    // finds them without surfaces and only the second draws them.
    CCustomCtrlBase::Create(host, canvas, x, y, width, height, fontSize, bold);
    std::vector<int> widths;
    for (const CCustomCtrlTabPage* page : m_pages) {
        widths.push_back(page->HeaderWidth());
    }
    m_headerRects = LayoutHeaders(widths, m_firstHeaderOffset, m_headersInColumn);
    for (int i = 0; i < PageCount(); ++i) {
        CCustomCtrlTabPage* page = m_pages[static_cast<size_t>(i)];
        page->SetVisible(i == m_selectedIndex);
        if (m_headersInColumn) {
            page->CreatePage(host, canvas, x + kHeaderThickness, y, width - kHeaderThickness,
                             kColumnPageHeight);
        } else {
            page->CreatePage(host, canvas, x, y + kHeaderThickness, width, kRowPageHeight);
        }
    }
    Render();
}

void CCustomCtrlTab::Update() {
    if (CCustomCtrlTabPage* page = SelectedPage()) {
        page->Update();
    }
}

QRect CCustomCtrlTab::PageArea() const {
    const CCustomCtrlTabPage* page = SelectedPage();
    if (page == nullptr) {
        return {};
    }
    return {page->X(), page->Y(), page->Width(), page->Height()};
}

int CCustomCtrlTab::HeaderAt(int x, int y) const {
    const QPoint local(x - m_x, y - m_y);
    for (int i = 0; i < PageCount() && i < static_cast<int>(m_headerRects.size()); ++i) {
        if (m_pages[static_cast<size_t>(i)]->IsEnabled() &&
            m_headerRects[static_cast<size_t>(i)].contains(local)) {
            return i;
        }
    }
    return -1;
}

void CCustomCtrlTab::Redraw() {
    Render();
    Draw();
    SendToHost(UiMsg::kRedrawNow);
}

void CCustomCtrlTab::SetHovered(int pageId) {
    if (pageId == m_hoveredPageId) {
        return;
    }
    if (m_hoveredPageId < 0) {
        SendToHost(UiMsg::kCapture, ControlParam());
    } else if (pageId < 0) {
        SendToHost(UiMsg::kReleaseCapture);
    }
    m_hoveredPageId = pageId;
    Redraw();
}

bool CCustomCtrlTab::OnMessage(uint32_t message, uintptr_t wParam, intptr_t lParam,
                               intptr_t& result) {
    CCustomCtrlTabPage* page = SelectedPage();
    const int x = PointParamX(lParam);
    const int y = PointParamY(lParam);
    const bool inside = UiMsg::IsMouseMessage(message) && HitTest(x, y);

    if (message == UiMsg::kMouseMove && inside) {
        const bool inPage = PageArea().contains(x, y);
        if (m_hoveredPageId < 0 && page != nullptr && inPage &&
            page->OnMessage(message, wParam, lParam, result)) {
            return true;
        }
        if (page != nullptr && !inPage) {
            // Straight from a page's control to the headers: the control
            // must see the pointer go, or its hover frame stays behind.
            intptr_t ignored = 0;
            page->OnMessage(message, wParam, lParam, ignored);
        }
        const int header = HeaderAt(x, y);
        SetHovered(header < 0 ? -1 : m_pages[static_cast<size_t>(header)]->PageId());
        return m_hoveredPageId >= 0;
    }
    if (message == UiMsg::kMouseMove && m_hoveredPageId >= 0) {
        SetHovered(-1);
        return false;
    }
    if (message == UiMsg::kLButtonDown && inside) {
        if (page != nullptr && PageArea().contains(x, y)) {
            page->OnMessage(message, wParam, lParam, result);
        } else {
            const int header = HeaderAt(x, y);
            if (header >= 0 && header != m_selectedIndex) {
                SelectPage(header);
            }
        }
        return true;
    }
    if (message == UiMsg::kResetHover) {
        // The window lost activation: a hovered header would otherwise keep
        // the mouse until the pointer next moves over the window.
        SetHovered(-1);
    }
    return page != nullptr && page->OnMessage(message, wParam, lParam, result);
}

void CCustomCtrlTab::Render() {
    const int pictureId = GetHeaderPicture();
    if (pictureId != m_loadedPictureId) {
        m_loadedPictureId = pictureId;
        if (pictureId < 0) {
            m_headerPicture.ReleaseSurface();
        } else {
            m_headerPicture.LoadSurface(pictureId);
        }
    }
    // Onto the transparent surface a copy lays the same pixels as a
    // composition, and costs much less at a device pixel ratio of 2. A
    // redraw renders the tab more than once: the picture already on show
    // stays.
    const QByteArray key = QByteArray::number(m_headerPicture.Image().cacheKey()) + ',' +
                           QByteArray::number(m_headerPicture.Width()) + ',' +
                           QByteArray::number(m_headerPicture.Height());
    if (!m_surface.HoldsContent(key)) {
        m_surface.ReplaceWith(m_headerPicture, 0, 0,
                              QRect(0, 0, m_headerPicture.Width(), m_headerPicture.Height()));
        m_surface.SetContentKey(key);
    }
    if (CCustomCtrlTabPage* page = SelectedPage()) {
        page->Render();
    }
}

void CCustomCtrlTab::AddFocusStops(std::vector<FocusStop>& stops) const {
    if (m_host == nullptr || !m_enabled || !IsShown()) {
        return;
    }
    for (int i = 0; i < PageCount() && i < static_cast<int>(m_headerRects.size()); ++i) {
        if (m_pages[static_cast<size_t>(i)]->IsEnabled()) {
            FocusStop stop;
            stop.control = this;
            stop.part = i;
            stop.rect = m_headerRects[static_cast<size_t>(i)].translated(m_x, m_y);
            stops.push_back(stop);
        }
    }
    if (const CCustomCtrlTabPage* page = SelectedPage()) {
        page->AddFocusStops(stops);
    }
}

int CCustomCtrlTab::GetHeaderPicture() {
    return -1;
}

void CCustomCtrlTab::SelectPage(int index) {
    if (Page(index) == nullptr) {
        return;
    }
    m_selectedIndex = index;
    for (int i = 0; i < PageCount(); ++i) {
        m_pages[static_cast<size_t>(i)]->SetVisible(i == index);
    }
    Update();
    Render();
    Draw();
    PostToHost(UiMsg::kFullRedraw);
}

void CCustomCtrlTab::RemakeSurfaces() {
    CCustomCtrlBase::RemakeSurfaces();
    m_headerPicture.Remake();
}
