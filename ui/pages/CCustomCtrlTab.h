#pragma once

#include "ui/controls/CCustomCtrlBase.h"

#include <QRect>

#include <vector>

class CCustomCtrlTabPage;

// A tab control: a header picture that shows the state of all headers at
// once (the control draws no text of its own) and a set of pages, exactly one
// of them visible. The pages are the control's children; the concrete tab
// control owns them as members and adds them in tab order.
//
// Headers lie in a row above the pages (both tab controls of the main window)
// or in a column at their left. Pointer over a header of an enabled page asks
// the window for the mouse (0x8002) and changes the picture; a press on it
// selects that page. Everything else goes to the selected page.
class CCustomCtrlTab : public CCustomCtrlBase {
public:
    static constexpr int kHeaderThickness = 26;
    static constexpr int kHeaderGap = 2;
    static constexpr int kRowPageHeight = 472;
    static constexpr int kColumnPageHeight = 498;
    static constexpr int kDefaultFirstHeaderOffset = 5;

    // Header rectangles relative to the control's origin: each header as long
    // as its page's header width, the first at `firstOffset`, each next one
    // kHeaderGap past the previous one's far edge.
    static std::vector<QRect> LayoutHeaders(const std::vector<int>& headerWidths, int firstOffset,
                                            bool headersInColumn);

    explicit CCustomCtrlTab(CCustomCtrlBase* parentControl = nullptr,
                            int firstHeaderOffset = kDefaultFirstHeaderOffset,
                            bool headersInColumn = false);
    ~CCustomCtrlTab() override;

    // In tab order, before Create. The page becomes a child of this control.
    void AddPage(CCustomCtrlTabPage* page);

    // Composes the control's surface, then the selected page.
    void Draw() override;
    // Lays out the headers and creates every page below (or beside) them;
    // only the selected page is visible.
    void Create(IControlHost* host, CDrawSurface* canvas, int x, int y, int width, int height,
                int fontSize, bool bold) override;
    // The selected page's Update.
    void Update() override;
    bool OnMessage(uint32_t message, uintptr_t wParam, intptr_t lParam, intptr_t& result) override;
    // Key colour, the header picture of the current state at (0, 0), then the
    // selected page's Render.
    void Render() override;
    // The headers of the enabled pages in order, then the selected page's
    // stops.
    void AddFocusStops(std::vector<FocusStop>& stops) const override;
    void RemakeSurfaces() override;

    // Slot 6: the picture for the current state, −1 for none.
    virtual int GetHeaderPicture();
    // Slot 7: shows page `index` (and only it), updates, renders and draws it
    // and asks the window for a full redraw (0x800B, posted).
    virtual void SelectPage(int index);

    int PageCount() const { return static_cast<int>(m_pages.size()); }
    CCustomCtrlTabPage* Page(int index) const;
    CCustomCtrlTabPage* SelectedPage() const { return Page(m_selectedIndex); }
    int SelectedIndex() const { return m_selectedIndex; }
    // Page id of the page whose header is under the pointer, −1 for none.
    int HoveredPageId() const { return m_hoveredPageId; }
    int LoadedHeaderPicture() const { return m_loadedPictureId; }
    const CDrawSurface& HeaderPicture() const { return m_headerPicture; }
    int FirstHeaderOffset() const { return m_firstHeaderOffset; }
    bool HeadersInColumn() const { return m_headersInColumn; }
    // Relative to the control's origin, in page order (empty before Create).
    const std::vector<QRect>& HeaderRects() const { return m_headerRects; }
    // The selected page's area in canvas coordinates (empty without pages).
    QRect PageArea() const;

protected:
    // Index of the enabled page whose header lies under the canvas point, −1
    // for none.
    int HeaderAt(int x, int y) const;
    // Render, Draw and repaint the window now.
    void Redraw();
    // Whether `page`, shown and opaque, covers every device pixel of this
    // control below its first `strip` rows on the canvas.
    bool PageHidesBelow(const CCustomCtrlTabPage& page, int strip) const;
    void SetHovered(int pageId);

    int m_selectedIndex = -1;
    int m_hoveredPageId = -1;
    int m_loadedPictureId = -1;
    CDrawSurface m_headerPicture;
    int m_firstHeaderOffset;
    bool m_headersInColumn;
    std::vector<CCustomCtrlTabPage*> m_pages;
    std::vector<QRect> m_headerRects;
};
