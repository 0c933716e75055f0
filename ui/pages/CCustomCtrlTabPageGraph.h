#pragma once

#include "ui/pages/CCustomCtrlGraph.h"
#include "ui/pages/CCustomCtrlTabPageMainBaseEleBill.h"

// The graph page of the main tab control (page id 26): the common bill page
// with the column chart as its last child. The main window creates it once
// its canvas exists and updates it after every rebuild and scale change
// (commands 27 and 28 of the chart's buttons).
class CCustomCtrlTabPageGraph : public CCustomCtrlTabPageMainBaseEleBill {
public:
    static constexpr int kPageId = 26;
    static constexpr int kTitleStringId = 13200; // "グラフ"
    static constexpr int kHeaderWidth = 158;
    static constexpr int kBackgroundPicture = 295;
    static constexpr int kGraphLeft = 204;
    static constexpr int kGraphTop = 45;

    explicit CCustomCtrlTabPageGraph(CCustomCtrlBase* parentControl = nullptr);
    ~CCustomCtrlTabPageGraph() override;

    // The bill page, then the graph at (x + 204, y + 45).
    void CreatePage(IControlHost* host, CDrawSurface* canvas, int x, int y, int width,
                    int height) override;
    // The bill page's update first, then the graph's.
    void Update() override;

    CCustomCtrlGraph& Graph() { return m_graph; }

private:
    CCustomCtrlGraph m_graph;
};
