#pragma once

class CControlDispatcher;
class CDataManager;
class QObject;

// The window a drawn control lives in (the main window or a dialog): it
// receives the messages the control sends and posts, and lends the control the
// application's data manager.
class IControlHost {
public:
    virtual ~IControlHost() = default;
    // Receiver of the control's CUiEvents; never null for a created control.
    virtual QObject* HostObject() = 0;
    // The application's data manager, or null where there is none (tests).
    virtual CDataManager* HostDataManager() = 0;
    // The window's top-level controls and its input routing, through which
    // assistive technology reads and presses the controls; null for a host
    // that is not a window (tests).
    virtual CControlDispatcher* HostDispatcher() { return nullptr; }
};
