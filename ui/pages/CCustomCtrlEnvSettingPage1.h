#pragma once

#include "ui/pages/CCustomCtrlEnvSetting.h"

// Settings-check page 1: main-body display, auto-save, plasma ion and inside clean.
class CCustomCtrlEnvSettingPage1 : public CCustomCtrlEnvSetting {
public:
    static constexpr int kRowCount = 4;

    explicit CCustomCtrlEnvSettingPage1(CCustomCtrlBase* parentControl = nullptr);

protected:
    void FillValues(const CRemoConInfo& record, Variant variant) override;
};
