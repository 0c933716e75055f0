#include "dialogs/CDialogSplashScreen.h"

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QString>

CDialogSplashScreen::CDialogSplashScreen(CDataManager* dataManager, QWidget* parent,
                                         const CUiTimings& timings)
    : CDialogUpdateBase(dataManager, parent, timings, kTimerMinimum, timings.splashMinimumMs) {
    SetLayered(true);
    setFixedSize(kWidth, kHeight);
}

void CDialogSplashScreen::Initialise() {
    StartWorker();
    if (LoadBackground(kBackground)) {
        setFixedSize(Background().Width(), Background().Height());
    }
    Redraw();
    StartMinimumTimer();
}

void CDialogSplashScreen::DrawContent(CDrawSurface& canvas) {
    if (canvas.IsEmpty()) {
        return;
    }
    QPainter painter(&canvas.Image());
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(CDrawSurface::MakeFont(12, true));
    painter.setPen(QColor(0x3D, 0x3A, 0x39, 254));
    // Top left and word-wrapped in the layout box, as a default string format.
    painter.drawText(ReleaseTextRect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                     QString::fromUtf8(ReleaseText()));
}
