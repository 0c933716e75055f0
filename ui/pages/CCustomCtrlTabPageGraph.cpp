#include "ui/pages/CCustomCtrlTabPageGraph.h"

CCustomCtrlTabPageGraph::CCustomCtrlTabPageGraph(CCustomCtrlBase* parentControl)
    : CCustomCtrlTabPageMainBaseEleBill(parentControl, kPageId, kTitleStringId, kHeaderWidth,
                                        kBackgroundPicture),
      m_graph(this) {
    AddChild(&m_graph);
}

CCustomCtrlTabPageGraph::~CCustomCtrlTabPageGraph() = default;

void CCustomCtrlTabPageGraph::CreatePage(IControlHost* host, CDrawSurface* canvas, int x, int y,
                                         int width, int height) {
    CCustomCtrlTabPageMainBaseEleBill::CreatePage(host, canvas, x, y, width, height);
    m_graph.CreateGraph(host, canvas, x + kGraphLeft, y + kGraphTop);
}

void CCustomCtrlTabPageGraph::Update() {
    CCustomCtrlTabPageMainBaseEleBill::Update();
    m_graph.Update();
}
