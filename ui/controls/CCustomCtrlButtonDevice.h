#pragma once

#include "ui/controls/CCustomCtrlButton.h"

#include <QString>

// The button of one air conditioner (ids 11..17 for list entries 0..6, 10 for
// all together) on the select-device page and in the device dialogs: the
// state frame, the entry's list icon, the room name over the model text, and
// the connection mark while the remote controller is plugged in. The tooltip
// shows the whole model text the face may have to cut.
class CCustomCtrlButtonDevice : public CCustomCtrlButton {
public:
    static constexpr int kWidth = 149;
    static constexpr int kHeight = 49;
    static constexpr int kFontSize = 10;
    static constexpr int kDefaultMarkPicture = 240;
    // The model text is cut until it is narrower than this.
    static constexpr int kCaptionWidthLimit = 81;

    explicit CCustomCtrlButtonDevice(CCustomCtrlBase* parentControl = nullptr, int id = -1,
                                     bool usesDataManager = true);

    // A 149 × 49 button with frames of 149; loads the icon of the id (set the
    // id first) and the connection mark.
    void CreateButtonDevice(IControlHost* host, CDrawSurface* canvas, int x, int y,
                            int stripPictureId, const CHitRect& hitRect);

    bool GetTipInfo(int x, int y, int& id, QString& text) override;
    void Render() override;
    void RemakeSurfaces() override;

    // Setters store only; the owner renders when it is done changing.
    const QString& SecondText() const { return m_secondText; }
    void SetSecondText(const QString& text) { m_secondText = text; }
    bool IsConnected() const { return m_connected; }
    void SetConnected(bool connected) { m_connected = connected; }
    // The picture of the connection mark (two 24 × 24 frames: normal,
    // selected), loaded at once when the button exists already.
    void SetMarkPictureId(int pictureId);
    int MarkPictureId() const { return m_markPictureId; }

    // The list icon: 192..198 for ids 11..17 (frames 26 × 14), else 199
    // (frames 28 × 18).
    static int IconPictureFor(int id);
    // The icon frame of the current state (2 when disabled).
    int IconFrame() const;
    // The model text as the face shows it: trimmed, then cut at the end while
    // it is kCaptionWidthLimit pixels wide or more in the surface font.
    QString DisplayedCaption() const;

private:
    QString m_secondText;
    bool m_connected = false;
    CDrawSurface m_icon;
    int m_iconWidth = 0;
    int m_iconHeight = 0;
    CDrawSurface m_mark;
    int m_markPictureId = kDefaultMarkPicture;
};
