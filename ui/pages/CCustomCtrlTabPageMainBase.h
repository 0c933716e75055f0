#pragma once

#include "ui/controls/CCustomCtrlButton.h"
#include "ui/pages/CCustomCtrlTabPage.h"

// The common frame of the main tab's pages (calendar, graph, settings
// check): the page background and the row of bottom buttons that read the
// remote controllers (32), print (33), open the help (34) and the one-point
// advice (19). The buttons post their ids to the main window.
//
// The page background is the same picture the main tab control draws across
// its whole area; the page copies the part of it that lies under the page, so
// both put the same pixels in the same place.
class CCustomCtrlTabPageMainBase : public CCustomCtrlTabPage {
public:
    static constexpr int kCommandAdvice = 19;
    static constexpr int kCommandRead = 32;
    static constexpr int kCommandPrint = 33;
    static constexpr int kCommandHelp = 34;
    // Offset of the page inside the tab control's picture: below the header
    // strip.
    static constexpr int kBackgroundTop = 26;

    // Strip pictures of the bottom buttons.
    struct BottomStrips {
        int read = -1;
        int print = -1;
        int help = -1;
        int advice = -1;
        // 241/243/380/242 calendar (20), 245/244/381/246 graph (26),
        // 247/249/382/248 settings check (29); none for other ids.
        static BottomStrips ForPage(int pageId);
    };

    // Strips by page id.
    CCustomCtrlTabPageMainBase(CCustomCtrlBase* parentControl, int pageId, int titleStringId,
                               int headerWidth, int backgroundPictureId);
    CCustomCtrlTabPageMainBase(CCustomCtrlBase* parentControl, int pageId, int titleStringId,
                               int headerWidth, int backgroundPictureId,
                               const BottomStrips& strips);
    ~CCustomCtrlTabPageMainBase() override;

    // The page, its background, then the four bottom buttons at page y + 430.
    void CreatePage(IControlHost* host, CDrawSurface* canvas, int x, int y, int width,
                    int height) override;
    // Every child's Render, then the background under the page and what the
    // page draws over it (RenderForeground). The page's own pixels are kept
    // when the picture and the foreground are those already on show.
    void Render() override;

    CCustomCtrlButton& AdviceButton() { return m_adviceButton; }
    CCustomCtrlButton& ReadButton() { return m_readButton; }
    CCustomCtrlButton& PrintButton() { return m_printButton; }
    CCustomCtrlButton& HelpButton() { return m_helpButton; }
    const BottomStrips& Strips() const { return m_strips; }

protected:
    // What a page draws over its background, and a key that changes whenever
    // that would (empty: nothing drawn).
    virtual QByteArray ForegroundKey() const { return {}; }
    virtual void RenderForeground() {}

    CCustomCtrlButton m_adviceButton;
    CCustomCtrlButton m_readButton;
    CCustomCtrlButton m_printButton;
    CCustomCtrlButton m_helpButton;
    BottomStrips m_strips;
};
