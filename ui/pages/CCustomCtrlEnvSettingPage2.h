#pragma once

#include "ui/pages/CCustomCtrlEnvSetting.h"

// Settings-check page 2: current switch (A only), voice, volume and remote-controller sensor (B and
// C only).
class CCustomCtrlEnvSettingPage2 : public CCustomCtrlEnvSetting {
public:
    static constexpr int kRowCount = 4;

    explicit CCustomCtrlEnvSettingPage2(CCustomCtrlBase* parentControl = nullptr);

protected:
    void FillValues(const CRemoConInfo& record, Variant variant) override;
};
