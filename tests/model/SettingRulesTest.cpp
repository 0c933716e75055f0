#include "model/SettingRules.h"

#include <gtest/gtest.h>

#include <iterator>

namespace {

TEST(SettingRulesTest, OneRulePerSettingInColumnOrder) {
    // A setting without a rule would be stored unchecked.
    ASSERT_EQ(std::size(kSettingRules), static_cast<size_t>(kSettingCount));
    for (int32_t i = 0; i < kSettingCount; ++i) {
        EXPECT_EQ(kSettingRules[i].column, i);
        EXPECT_LE(kSettingRules[i].lo, kSettingRules[i].hi) << i;
        EXPECT_LE(kSettingRules[i].hi, kSettingRules[i].hiC) << i;
    }
}

TEST(SettingRulesTest, RangeMarkersAndTheVariantCPrices) {
    const SettingRule& price = kSettingRules[kEleBillPlice1];
    struct Case {
        int32_t value;
        SettingsVariant variant;
        bool accepted;
    };
    const Case cases[] = {
        {0, SettingsVariant::kB, false},
        {1, SettingsVariant::kB, true},
        {50, SettingsVariant::kA, true},
        {51, SettingsVariant::kB, false},
        {51, SettingsVariant::kC, true},
        {99, SettingsVariant::kC, true},
        {100, SettingsVariant::kC, false},
        {kSettingNotReported, SettingsVariant::kB, true},
        {kSettingNotFitted, SettingsVariant::kC, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(price.Accepts(c.value, c.variant), c.accepted) << c.value;
    }
    // PLASMA_ION allows neither marker.
    const SettingRule& plasma = kSettingRules[kPlasmaIon];
    EXPECT_TRUE(plasma.Accepts(1, SettingsVariant::kA));
    EXPECT_FALSE(plasma.Accepts(kSettingNotReported, SettingsVariant::kA));
    EXPECT_FALSE(plasma.Accepts(kSettingNotFitted, SettingsVariant::kA));
}

} // namespace
