#pragma once

#include "ui/pages/CCustomCtrlEnvSetting.h"

// Settings-check page 5: filter-clean interval, and side fan, outdoor-unit sound and
// dehumidification mode (C only).
class CCustomCtrlEnvSettingPage5 : public CCustomCtrlEnvSetting {
public:
    static constexpr int kRowCount = 4;

    explicit CCustomCtrlEnvSettingPage5(CCustomCtrlBase* parentControl = nullptr);

protected:
    void FillValues(const CRemoConInfo& record, Variant variant) override;
};
