#include "ui/controls/UiMessages.h"

#include <QCoreApplication>

const CUiEvent* CUiEvent::From(const QEvent* event) {
    if (event == nullptr) {
        return nullptr;
    }
    const int type = static_cast<int>(event->type());
    if (type < QEvent::User + 0x8000 || type > QEvent::User + 0x80FF) {
        return nullptr;
    }
    return dynamic_cast<const CUiEvent*>(event);
}

bool UiSend(QObject* target, uint32_t message, uintptr_t wParam, intptr_t lParam) {
    if (target == nullptr) {
        return false;
    }
    CUiEvent event(message, wParam, lParam);
    return QCoreApplication::sendEvent(target, &event);
}

void UiPost(QObject* target, uint32_t message, uintptr_t wParam, intptr_t lParam) {
    if (target == nullptr) {
        return;
    }
    QCoreApplication::postEvent(target, new CUiEvent(message, wParam, lParam));
}
