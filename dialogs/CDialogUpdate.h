#pragma once

#include "dialogs/CDialogUpdateBase.h"

#include <QTimer>

#include <cstdint>

// The progress dialog of the file and read commands: a 404 × 190 window with
// the job's title and background picture and a five-step animation, shown for
// at least the progress minimum time (timer 1112) while its worker runs. The
// main window owns it for one command and reads Result() afterwards.
class CDialogUpdate : public CDialogUpdateBase {
    Q_OBJECT

public:
    static constexpr int kTimerMinimum = 1112;
    static constexpr int kTimerAnimation = 1113;
    static constexpr int kClientWidth = 404;
    static constexpr int kClientHeight = 190;
    static constexpr int kReadBackground = 256;
    static constexpr int kAnimationSteps = 5;

    CDialogUpdate(CDataManager* dataManager, QWidget* parent = nullptr,
                  const CUiTimings& timings = CUiTimings::Defaults());

    void SetTitleId(int32_t stringId) { m_titleId = stringId; }
    void SetBackgroundId(int32_t pictureId) { m_backgroundId = pictureId; }
    void SetAnimationPosition(int x, int y);
    // Background `backgroundId`, animation at x 192 for the read picture (256)
    // and 154 for the others, y 40; then the modal run.
    int RunWithBackground(int32_t backgroundId);

    int32_t TitleId() const { return m_titleId; }
    int32_t BackgroundId() const { return m_backgroundId; }
    int AnimationX() const { return m_animationX; }
    int AnimationY() const { return m_animationY; }
    // 1..5; after 5 comes 1.
    int AnimationStep() const { return m_step; }
    // Step 1 → 259 ... step 5 → 263.
    static int32_t AnimationPicture(int step) { return 258 + step; }

protected:
    void Initialise() override;
    void DrawContent(CDrawSurface& canvas) override;

private:
    void OnAnimationTick();

    int m_step = 1;
    CDrawSurface m_animation;
    QTimer m_animationTimer;
    int m_animationX = 192;
    int m_animationY = 40;
    int32_t m_backgroundId = kReadBackground;
    int32_t m_titleId = 21000;
};
