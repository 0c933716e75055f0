#include "sim/SimUnitConfig.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct DateCase {
    const char* options;
    bool accepted;
    int32_t year, month, day;
};

// Numbers are decimal whatever their leading zeros: "08" and "09" are August,
// September and the 8th and 9th, not broken octal.
TEST(SimUnitConfigTest, ReadsNumbersAsDecimal) {
    const DateCase cases[] = {
        {"date=20260908", true, 2026, 9, 8}, {"date=20261209", true, 2026, 12, 9},
        {"date=20260809", true, 2026, 8, 9}, {"date=20100101", true, 2010, 1, 1},
        {"date=2026130a", false, 0, 0, 0},   {"date=2026-908", false, 0, 0, 0},
        {"date=0x260908", false, 0, 0, 0},   {"date=2026 908", false, 0, 0, 0},
        {"date=202609080", false, 0, 0, 0},  {"date=", false, 0, 0, 0},
    };
    for (const DateCase& c : cases) {
        SimUnitConfig config;
        std::string error;
        EXPECT_EQ(ParseSimUnitOptions(c.options, config, error), c.accepted) << c.options;
        if (c.accepted) {
            EXPECT_EQ(config.year, c.year) << c.options;
            EXPECT_EQ(config.month, c.month) << c.options;
            EXPECT_EQ(config.day, c.day) << c.options;
        } else {
            EXPECT_EQ(error, std::string("bad unit setting: ") + c.options);
        }
    }
}

TEST(SimUnitConfigTest, NumberFieldsKeepTheirRangesAndRefuseOtherBases) {
    struct Case {
        const char* options;
        bool accepted;
    };
    const Case cases[] = {
        {"use=08", true},
        {"use=255", true},
        {"use=256", false},
        {"use=0x10", false},
        {"use=+5", false},
        {"use= 5", false},
        {"bill=09999", true},
        {"bill=65536", false},
        {"indoor=-128", true},
        {"indoor=-129", false},
        {"outdoor=-09", true},
        {"back=-1", false},
        {"room=09", true},
        {"room=L", true},
        {"room=010", true},
        {"mac=00112233445566FF", true},
        {"mac=0011223344556-1f", false},
        {"mac=0x11223344556677", false},
        {"settings=0a0B", false}, // wrong length for A
    };
    for (const Case& c : cases) {
        SimUnitConfig config;
        std::string error;
        EXPECT_EQ(ParseSimUnitOptions(c.options, config, error), c.accepted) << c.options;
    }

    SimUnitConfig config;
    std::string error;
    ASSERT_TRUE(ParseSimUnitOptions("use=08,bill=0900,outdoor=-09,room=09", config, error));
    EXPECT_EQ(config.useTime, 8);
    EXPECT_EQ(config.bill, 900);
    EXPECT_EQ(config.outdoor, -9);
    EXPECT_EQ(config.roomCode, 9);
    ASSERT_TRUE(ParseSimUnitOptions("mac=00112233445566FF", config, error));
    EXPECT_EQ(config.mac[7], 0xFF);
}

} // namespace
