#pragma once

#include "dialogs/CDialogUpdateBase.h"

// The start-up splash: a frameless translucent window over picture 386 with
// the release label, reading every connected remote controller (job 0) before
// the main window is shown. Shown for at least the splash minimum time (timer
// 1111). The main window runs it with exec() while it sets itself up.
class CDialogSplashScreen : public CDialogUpdateBase {
    Q_OBJECT

public:
    static constexpr int kTimerMinimum = 1111;
    static constexpr int kBackground = 386;
    static constexpr int kWidth = 620;
    static constexpr int kHeight = 350;

    CDialogSplashScreen(CDataManager* dataManager, QWidget* parent = nullptr,
                        const CUiTimings& timings = CUiTimings::Defaults());

    static const char* ReleaseText() { return "リリース 2013.02.19"; }
    static QRect ReleaseTextRect() { return QRect(260, 148, 300, 20); }

protected:
    void Initialise() override;
    void DrawContent(CDrawSurface& canvas) override;
};
