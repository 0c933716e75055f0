#pragma once

#include <cstdint>

// Pictures of the connect-error message, one per way a port's read can fail.
inline constexpr int32_t kConnectErrorPictureNoMac = 362;   // all-zero MAC address
inline constexpr int32_t kConnectErrorPictureLimit = 363;   // seven units already registered
inline constexpr int32_t kConnectErrorPictureTimeout = 454; // no answer in time
inline constexpr int32_t kConnectErrorPictureGeneral = 364; // any other failure

// Who tells the person that a remote controller could not be read. The GUI
// shows the connect-error dialog with the picture; the CLI prints a line.
// Called on the thread that runs the update; the update reads the next port
// only after this returns, so a dialog here holds the update until it closes.
class IConnectErrorReceiver {
public:
    virtual ~IConnectErrorReceiver() = default;
    virtual void ShowConnectError(int32_t pictureId) = 0;
};
