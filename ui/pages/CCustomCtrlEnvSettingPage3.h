#pragma once

#include "ui/pages/CCustomCtrlEnvSetting.h"

// Settings-check page 3: unit price, conservation fan, auto powerful and installed position.
class CCustomCtrlEnvSettingPage3 : public CCustomCtrlEnvSetting {
public:
    static constexpr int kRowCount = 4;

    explicit CCustomCtrlEnvSettingPage3(CCustomCtrlBase* parentControl = nullptr);

    // The unit price as the variant words it: one price for A, the price
    // pattern's bands for B and C.
    static QString UnitPriceText(const SettingValues& values, Variant variant);

protected:
    void FillValues(const CRemoConInfo& record, Variant variant) override;
};
