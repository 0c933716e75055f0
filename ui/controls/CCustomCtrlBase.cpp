#include "ui/controls/CCustomCtrlBase.h"

#include "ui/controls/IControlHost.h"
#include "ui/controls/UiMessages.h"

CCustomCtrlBase::CCustomCtrlBase(CCustomCtrlBase* parentControl, int id, bool usesDataManager)
    : m_usesDataManager(usesDataManager), m_id(id), m_parentControl(parentControl) {}

CCustomCtrlBase::~CCustomCtrlBase() = default;

void CCustomCtrlBase::Draw() {
    if (m_canvas == nullptr || m_surface.IsEmpty() || !IsShown()) {
        return;
    }
    m_canvas->DrawSurface(m_surface, m_x, m_y);
}

void CCustomCtrlBase::Create(IControlHost* host, CDrawSurface* canvas, int x, int y, int width,
                             int height, int fontSize, bool bold) {
    m_host = host;
    m_canvas = canvas;
    m_x = x;
    m_y = y;
    m_surface.CreateSurface(width, height, fontSize, bold);
    if (m_usesDataManager && host != nullptr) {
        m_dataManager = host->HostDataManager();
    }
    Render();
}

void CCustomCtrlBase::Update() {
    for (CCustomCtrlBase* child : m_children) {
        child->Update();
    }
}

bool CCustomCtrlBase::GetTipInfo(int x, int y, int& id, QString& text) {
    for (CCustomCtrlBase* child : m_children) {
        if (child->GetTipInfo(x, y, id, text)) {
            return true;
        }
    }
    return false;
}

bool CCustomCtrlBase::OnMessage(uint32_t, uintptr_t, intptr_t, intptr_t&) {
    return false;
}

void CCustomCtrlBase::Render() {
    m_surface.FillKey();
}

void CCustomCtrlBase::AddFocusStops(std::vector<FocusStop>& stops) const {
    if (!m_enabled || !IsShown()) {
        return;
    }
    std::vector<FocusStop> own;
    for (const CCustomCtrlBase* child : m_children) {
        child->AddFocusStops(own);
    }
    SortInReadingOrder(own);
    stops.insert(stops.end(), own.begin(), own.end());
}

void CCustomCtrlBase::RemakeSurfaces() {
    m_surface.Remake();
    for (CCustomCtrlBase* child : m_children) {
        child->RemakeSurfaces();
    }
}

bool CCustomCtrlBase::IsShown() const {
    // Iterative so a long chain cannot exhaust the stack; a parent set to the
    // control itself ends the walk instead of looping.
    for (const CCustomCtrlBase* control = this; control != nullptr;
         control = control->m_parentControl) {
        if (!control->m_visible) {
            return false;
        }
        if (control->m_parentControl == control) {
            break;
        }
    }
    return true;
}

bool CCustomCtrlBase::HitTest(int x, int y) const {
    return HitTestOffsets(x, y, 0, 0, Width(), Height());
}

bool CCustomCtrlBase::HitTestOffsets(int x, int y, int left, int top, int right, int bottom) const {
    if (!m_enabled || !IsShown()) {
        return false;
    }
    return x >= m_x + left && x < m_x + right && y >= m_y + top && y < m_y + bottom;
}

bool CCustomCtrlBase::SendToHost(uint32_t message, uintptr_t wParam, intptr_t lParam) const {
    if (m_host == nullptr) {
        return false;
    }
    return UiSend(m_host->HostObject(), message, wParam, lParam);
}

void CCustomCtrlBase::PostToHost(uint32_t message, uintptr_t wParam, intptr_t lParam) const {
    if (m_host == nullptr) {
        return;
    }
    UiPost(m_host->HostObject(), message, wParam, lParam);
}

void CCustomCtrlBase::AddHitStop(std::vector<FocusStop>& stops, const CHitRect& hit) const {
    const QRect rect(m_x + hit.left, m_y + hit.top, hit.right - hit.left, hit.bottom - hit.top);
    if (m_host != nullptr && m_enabled && IsShown() && !rect.isEmpty()) {
        FocusStop stop;
        stop.control = this;
        stop.rect = rect;
        stops.push_back(stop);
    }
}
