#include "resources/CStringTable.h"

#include <gtest/gtest.h>

TEST(StringTableTest, KnownIdsGiveTheirTexts) {
    EXPECT_EQ(CStringTable::Text(10004), "%s円");
    EXPECT_EQ(CStringTable::Text(10017), "日");
    EXPECT_EQ(CStringTable::Text(10010), "月");
    EXPECT_EQ(CStringTable::Text(10016), "土");
    EXPECT_EQ(CStringTable::Text(10018), "%d 月 %d 日集計");
    EXPECT_EQ(CStringTable::Text(13107), "%d時間%d分");
}

TEST(StringTableTest, UnknownIdsGiveEmptyText) {
    EXPECT_TRUE(CStringTable::Text(10011).empty()); // a gap between weekday ids
    EXPECT_TRUE(CStringTable::Text(23007).empty());
    EXPECT_TRUE(CStringTable::Text(0).empty());
    EXPECT_TRUE(CStringTable::Text(-1).empty());
    EXPECT_TRUE(CStringTable::Text(99999).empty());
}
