#pragma once

#include "model/CDbSettingInfoData.h"
#include "ui/controls/CCustomCtrlBase.h"

#include <QString>

#include <cstdint>

// One page of a tab control: a title (shown by the header picture, kept for
// the tooltip and the record), a background picture, the width of its header
// and its page id. The page holds its controls as children and owns them as
// members of the concrete page class.
//
// The tab control creates the page (CreatePage) below its header strip and
// shows exactly the selected page. Draw composes the page's own surface and
// then every child in order, so later children overlap earlier ones.
class CCustomCtrlTabPage : public CCustomCtrlBase {
public:
    // The settings variant of a remote controller, read from which values it
    // reported (CURRENT_SWITCH, else OUTDOOR_UNIT_SOUND, else ELEBILL_PLICE1).
    // Decides the connection mark, the main tab's header pictures and the
    // settings-check pages.
    enum class Variant { kNone, kA, kB, kC };
    static Variant SettingsVariant(const SettingValues& values);

    CCustomCtrlTabPage(CCustomCtrlBase* parentControl, int pageId, int titleStringId,
                       int headerWidth, int backgroundPictureId);
    ~CCustomCtrlTabPage() override;

    // Slot 6: Create with font size 10, not bold, then load the background
    // picture (an empty background when it is missing).
    virtual void CreatePage(IControlHost* host, CDrawSurface* canvas, int x, int y, int width,
                            int height);

    // Own surface, then every child.
    void Draw() override;
    // Key colour, then every child's Render.
    void Render() override;
    void RemakeSurfaces() override;
    // Every child sees the message; the answer is the last child's.
    bool OnMessage(uint32_t message, uintptr_t wParam, intptr_t lParam, intptr_t& result) override;

    int PageId() const { return m_pageId; }
    const QString& Title() const { return m_title; }
    int HeaderWidth() const { return m_headerWidth; }
    int BackgroundPictureId() const { return m_backgroundPictureId; }
    const CDrawSurface& Background() const { return m_background; }
    // Replaces the background picture (reloaded at once when created).
    void SetBackgroundPicture(int pictureId);

protected:
    QString m_title;
    CDrawSurface m_background;
    int m_headerWidth;
    int m_pageId;
    int m_backgroundPictureId;
};
