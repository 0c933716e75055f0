#pragma once

#include "ui/controls/CHitRect.h"
#include "ui/controls/FocusStop.h"
#include "ui/draw/CDrawSurface.h"

#include <QString>

#include <cstdint>
#include <vector>

class CDataManager;
class IControlHost;

// A light-weight drawn control: not a window. It owns its surface, renders
// itself into it on every state change, and Draw composes that surface onto
// the host's canvas with the key colour transparent. The host (main window or
// dialog) forwards mouse input to OnMessage; the control answers with the
// private messages of UiMessages.h sent or posted to the host.
//
// Children (a page's controls) are held by pointer in creation order; the page
// owns them as members.
class CCustomCtrlBase {
public:
    explicit CCustomCtrlBase(CCustomCtrlBase* parentControl = nullptr, int id = -1,
                             bool usesDataManager = true);
    virtual ~CCustomCtrlBase();
    CCustomCtrlBase(const CCustomCtrlBase&) = delete;
    CCustomCtrlBase& operator=(const CCustomCtrlBase&) = delete;

    // Slot 0: when shown and the surface exists, compose it onto the canvas at
    // (x, y) with the key colour transparent.
    virtual void Draw();
    // Slot 1: store host, canvas and position, create the surface, take the
    // data manager when allowed, Render.
    virtual void Create(IControlHost* host, CDrawSurface* canvas, int x, int y, int width,
                        int height, int fontSize, bool bold);
    // Slot 2: Update every child in order.
    virtual void Update();
    // Slot 3: the first child that answers wins.
    virtual bool GetTipInfo(int x, int y, int& id, QString& text);
    // Slot 4: true means the message was consumed. `result` is the message's
    // answer where it has one.
    virtual bool OnMessage(uint32_t message, uintptr_t wParam, intptr_t lParam, intptr_t& result);
    // Slot 5: fill the surface with the key colour.
    virtual void Render();
    // Appends the places the keyboard can stand on in this control, in
    // reading order; none while it is hidden or disabled. By default the
    // children's, sorted together; a control that takes clicks lists itself
    // or its parts.
    virtual void AddFocusStops(std::vector<FocusStop>& stops) const;
    // The surface, every picture the control keeps and every child's made
    // again at the current device pixel ratio; the next Render fills them.
    virtual void RemakeSurfaces();

    // Own flag and, recursively, the parent's.
    bool IsShown() const;
    // (x, y, x + width, y + height); only when shown and enabled.
    bool HitTest(int x, int y) const;
    // The same for the rectangle (x + left, y + top, x + right, y + bottom),
    // right and bottom excluded.
    bool HitTestOffsets(int x, int y, int left, int top, int right, int bottom) const;

    int X() const { return m_x; }
    int Y() const { return m_y; }
    int Width() const { return m_surface.Width(); }
    int Height() const { return m_surface.Height(); }
    void SetPosition(int x, int y) {
        m_x = x;
        m_y = y;
    }
    int Id() const { return m_id; }
    void SetId(int id) { m_id = id; }
    bool IsEnabled() const { return m_enabled; }
    void SetEnabled(bool enabled) { m_enabled = enabled; }
    bool IsVisible() const { return m_visible; }
    void SetVisible(bool visible) { m_visible = visible; }

    CCustomCtrlBase* ParentControl() const { return m_parentControl; }
    void SetParentControl(CCustomCtrlBase* parent) { m_parentControl = parent; }
    const std::vector<CCustomCtrlBase*>& Children() const { return m_children; }
    void AddChild(CCustomCtrlBase* child) { m_children.push_back(child); }

    IControlHost* Host() const { return m_host; }
    CDrawSurface* Canvas() const { return m_canvas; }
    CDrawSurface& Surface() { return m_surface; }
    const CDrawSurface& Surface() const { return m_surface; }
    CDataManager* DataManager() const { return m_dataManager; }

    // The wParam of 0x8002: the host turns it back into this pointer.
    uintptr_t ControlParam() { return reinterpret_cast<uintptr_t>(this); }

protected:
    // Send or post a private message to the host (nothing without a host).
    bool SendToHost(uint32_t message, uintptr_t wParam = 0, intptr_t lParam = 0) const;
    void PostToHost(uint32_t message, uintptr_t wParam = 0, intptr_t lParam = 0) const;
    // The control as one stop at its hit rectangle, when created, shown and
    // enabled.
    void AddHitStop(std::vector<FocusStop>& stops, const CHitRect& hit) const;

    bool m_usesDataManager;
    int m_x = 0;
    int m_y = 0;
    IControlHost* m_host = nullptr;
    CDrawSurface m_surface;
    CDrawSurface* m_canvas = nullptr;
    std::vector<CCustomCtrlBase*> m_children;
    int m_id;
    bool m_pressed = false;
    bool m_pressedInside = false;
    bool m_enabled = true;
    bool m_visible = true;
    CDataManager* m_dataManager = nullptr;
    CCustomCtrlBase* m_parentControl;
};
