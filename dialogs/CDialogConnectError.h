#pragma once

#include "dialogs/CDialogBase.h"

#include <cstdint>

// Tells the person why one remote controller could not be read: a 404 × 190
// picture (362 no data yet, 363 seven units registered, 454 no answer, 364
// any other failure) centred on white, titled "データ取得エラー". Closes with
// Enter, Escape or the close box. Shown by CGuiConnectErrorReceiver on the GUI
// thread while the read waits for it.
class CDialogConnectError : public CDialogBase {
    Q_OBJECT

public:
    static constexpr int kClientWidth = 404;
    static constexpr int kClientHeight = 190;

    CDialogConnectError(int32_t pictureId, QWidget* parent);

    int32_t PictureId() const { return m_pictureId; }
    static const char* Title() { return "データ取得エラー"; }

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int32_t m_pictureId;
    bool m_initialised = false;
};
