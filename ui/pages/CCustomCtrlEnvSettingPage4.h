#pragma once

#include "ui/pages/CCustomCtrlEnvSetting.h"

#include <string>
// Settings-check page 4: room, receiving mode (B and C only) and the remote-controller display
// time, which is never shown.
class CCustomCtrlEnvSettingPage4 : public CCustomCtrlEnvSetting {
public:
    static constexpr int kRowCount = 3;

    explicit CCustomCtrlEnvSettingPage4(CCustomCtrlBase* parentControl = nullptr);

    // The first known room name within the room-name text, else "---".
    static QString RoomText(const std::string& roomName);

protected:
    void FillValues(const CRemoConInfo& record, Variant variant) override;
};
