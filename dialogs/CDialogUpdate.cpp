#include "dialogs/CDialogUpdate.h"

#include "ui/controls/UiText.h"

#include <QString>

CDialogUpdate::CDialogUpdate(CDataManager* dataManager, QWidget* parent, const CUiTimings& timings)
    : CDialogUpdateBase(dataManager, parent, timings, kTimerMinimum, timings.progressMinimumMs) {
    setFixedSize(kClientWidth, kClientHeight);
    m_animationTimer.setInterval(timings.animationMs);
    connect(&m_animationTimer, &QTimer::timeout, this, &CDialogUpdate::OnAnimationTick);
}

void CDialogUpdate::SetAnimationPosition(int x, int y) {
    m_animationX = x;
    m_animationY = y;
}

int CDialogUpdate::RunWithBackground(int32_t backgroundId) {
    SetBackgroundId(backgroundId);
    SetAnimationPosition(backgroundId == kReadBackground ? 192 : 154, 40);
    return exec();
}

void CDialogUpdate::Initialise() {
    StartWorker();
    m_animationTimer.start();
    StartMinimumTimer();
    setWindowTitle(TableText(m_titleId));
    m_step = 1;
    m_animation.LoadSurface(AnimationPicture(m_step));
    LoadBackground(m_backgroundId);
    Redraw();
}

void CDialogUpdate::OnAnimationTick() {
    m_step = m_step >= kAnimationSteps ? 1 : m_step + 1;
    m_animation.LoadSurface(AnimationPicture(m_step));
    Redraw();
}

void CDialogUpdate::DrawContent(CDrawSurface& canvas) {
    canvas.DrawSurface(m_animation, m_animationX, m_animationY);
}
