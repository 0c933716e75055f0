#pragma once

#include <QEvent>

#include <cstdint>

class QObject;

// The private window messages that connect the drawn controls, the main
// window, the frame and the dialogs. Each keeps its number; in Qt it travels as
// a CUiEvent of type QEvent::User + number. "Send" is handled before the call
// returns (QCoreApplication::sendEvent), "post" is queued (postEvent), so the
// order of handling is that of the original message loop.
namespace UiMsg {
inline constexpr uint32_t kRepaint = 0x8001; // repaint request (select item hover)
inline constexpr uint32_t kCapture = 0x8002; // wParam: the control that wants the mouse
inline constexpr uint32_t kReleaseCapture = 0x8003;
inline constexpr uint32_t kCommand = 0x8004; // wParam: command id; lParam: 1 from the device poll
inline constexpr uint32_t kForeground = 0x8005;  // left button went down on a button
inline constexpr uint32_t kPopupSelect = 0x8006; // wParam: kind; lParam: chosen value
inline constexpr uint32_t kPopupOpen = 0x8007;   // wParam: kind; lParam: anchor point
inline constexpr uint32_t kPopupClose = 0x8008;
inline constexpr uint32_t kResetHover = 0x8009; // the window lost activation
inline constexpr uint32_t kTimeChanged = 0x800A;
inline constexpr uint32_t kFullRedraw = 0x800B;
inline constexpr uint32_t kRedrawNow = 0x800C;
inline constexpr uint32_t kFullRedrawUpdate = 0x800E;
inline constexpr uint32_t kCloseRequest = 0x800F;
inline constexpr uint32_t kWorkerFinished = 0x8064;

// Mouse input as the controls receive it (lParam: MakePointParam of the
// client point; wParam: the button state flags below).
inline constexpr uint32_t kMouseMove = 0x0200;
inline constexpr uint32_t kLButtonDown = 0x0201;
inline constexpr uint32_t kLButtonUp = 0x0202;
inline constexpr uint32_t kLButtonDblClk = 0x0203;
inline constexpr uint32_t kRButtonDown = 0x0204;
inline constexpr uint32_t kRButtonUp = 0x0205;
inline constexpr uint32_t kRButtonDblClk = 0x0206;
inline constexpr uint32_t kMButtonDown = 0x0207;
inline constexpr uint32_t kMButtonUp = 0x0208;
inline constexpr uint32_t kMButtonDblClk = 0x0209;
inline constexpr uintptr_t kKeyLButton = 0x0001;
inline constexpr uintptr_t kKeyRButton = 0x0002;
inline constexpr uintptr_t kKeyShift = 0x0004;
inline constexpr uintptr_t kKeyControl = 0x0008;
inline constexpr uintptr_t kKeyMButton = 0x0010;

inline constexpr bool IsMouseMessage(uint32_t message) {
    return message >= kMouseMove && message <= kMButtonDblClk;
}
} // namespace UiMsg

// One private message with its two parameters.
class CUiEvent : public QEvent {
public:
    explicit CUiEvent(uint32_t message, uintptr_t wParam = 0, intptr_t lParam = 0)
        : QEvent(TypeOf(message)), m_message(message), m_wParam(wParam), m_lParam(lParam) {}

    uint32_t Message() const { return m_message; }
    uintptr_t WParam() const { return m_wParam; }
    intptr_t LParam() const { return m_lParam; }

    static QEvent::Type TypeOf(uint32_t message) {
        return static_cast<QEvent::Type>(QEvent::User + static_cast<int>(message));
    }
    // The CUiEvent behind `event`, or null when it is some other event.
    static const CUiEvent* From(const QEvent* event);

private:
    uint32_t m_message;
    uintptr_t m_wParam;
    intptr_t m_lParam;
};

// Handled by `target` before the call returns; false when target is null.
bool UiSend(QObject* target, uint32_t message, uintptr_t wParam = 0, intptr_t lParam = 0);
// Queued for `target`'s thread; safe from any thread.
void UiPost(QObject* target, uint32_t message, uintptr_t wParam = 0, intptr_t lParam = 0);

// Client point packed as x in the low and y in the high 16 bits, both signed.
inline intptr_t MakePointParam(int x, int y) {
    return static_cast<intptr_t>((static_cast<uint32_t>(static_cast<uint16_t>(y)) << 16) |
                                 static_cast<uint16_t>(x));
}
inline int PointParamX(intptr_t lParam) {
    return static_cast<int16_t>(static_cast<uint16_t>(lParam & 0xFFFF));
}
inline int PointParamY(intptr_t lParam) {
    return static_cast<int16_t>(static_cast<uint16_t>((lParam >> 16) & 0xFFFF));
}
