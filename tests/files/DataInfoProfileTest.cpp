#include "files/CDataInfoProfile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

const std::string kFixtures = TEVARO_FILES_FIXTURES;

ELECTRICITY_BILL_OUTPUT_INFO Day(int32_t day, int32_t bill, int32_t monthTotal, int32_t useTime,
                                 int32_t outdoor) {
    ELECTRICITY_BILL_OUTPUT_INFO r;
    r.remoconName = "リビング1";
    r.modelText = "ABC "; // the model text keeps its blanks; only the file name drops them
    r.yearTotal = 75;
    r.previousYearTotal = 500;
    r.year = 2013;
    r.month = 4;
    r.day = day;
    r.dayBill = bill;
    r.monthTarget = 3000;
    r.useTime = useTime;
    r.monthTotal = monthTotal;
    r.outdoorTemperature = outdoor;
    return r;
}

CDataInfoProfile April2013(CsvEncoding encoding) {
    CDataInfoProfile profile(encoding);
    profile.AddData(Day(1, 45, 45, 120, 12));
    profile.AddData(Day(2, 30, 75, 60, 127));
    return profile;
}

const std::string kHeaderUtf8 =
    "\xEF\xBB\xBF"
    "リモコン情報,機種情報,西暦年,年間累計電気代(円),昨年度電気代(円),年月日,1日電気代(円),"
    "月の目標電気代(円),運転時間(分),月の電気代(円),室外温度\r\n";

} // namespace

TEST(DataInfoProfile, April2013ExampleByteForByteInBothEncodings) {
    TempDir dir;
    ASSERT_EQ(April2013(CsvEncoding::kUtf8Bom).WriteFile(dir.File("u.csv")),
              CDataInfoProfile::kWritten);
    EXPECT_EQ(ReadFileBytes(dir.File("u.csv")), ReadFileBytes(kFixtures + "/april2013_utf8.csv"));
    ASSERT_EQ(April2013(CsvEncoding::kCp932).WriteFile(dir.File("c.csv")),
              CDataInfoProfile::kWritten);
    EXPECT_EQ(ReadFileBytes(dir.File("c.csv")), ReadFileBytes(kFixtures + "/april2013_cp932.csv"));
}

TEST(DataInfoProfile, NoRecordsStillGivesTheHeader) {
    TempDir dir;
    CDataInfoProfile profile;
    ASSERT_EQ(profile.WriteFile(dir.File("h.csv")), CDataInfoProfile::kWritten);
    EXPECT_EQ(ReadFileBytes(dir.File("h.csv")), kHeaderUtf8);
}

TEST(DataInfoProfile, NumbersKeepTheirWidthsAndSigns) {
    CDataInfoProfile profile;
    ELECTRICITY_BILL_OUTPUT_INFO r;
    r.remoconName = "---0";
    r.year = 2010;
    r.month = 1;
    r.day = 9;
    r.outdoorTemperature = -40;
    r.yearTotal = -1; // never expected, but must not be mangled
    profile.AddData(r);
    EXPECT_EQ(profile.Serialize(), kHeaderUtf8 + "---0,,2010,-1,0,20100109,0,0,0,0,-40\r\n");
}

TEST(DataInfoProfile, Cp932ReplacesWhatItCannotHold) {
    CDataInfoProfile profile(CsvEncoding::kCp932);
    ELECTRICITY_BILL_OUTPUT_INFO r;
    r.remoconName = "和室1";
    r.modelText = "A\xF0\x9F\x98\x80Z"; // an emoji between two letters
    r.year = 2013;
    r.month = 4;
    r.day = 1;
    profile.AddData(r);
    const std::string bytes = profile.Serialize();
    EXPECT_NE(bytes.find("\x98\x61\x8E\xBA"
                         "1,A?Z,2013,"),
              std::string::npos);
}

TEST(DataInfoProfile, EmptyNameOrMissingFolderWritesNothing) {
    TempDir dir;
    const CDataInfoProfile profile = April2013(CsvEncoding::kUtf8Bom);
    EXPECT_EQ(profile.WriteFile(""), CDataInfoProfile::kNotWritten);
    EXPECT_EQ(profile.WriteFile(dir.File("no/such.csv")), CDataInfoProfile::kNotWritten);
}
