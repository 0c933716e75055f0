#include "files/CDataInfoAppProfile.h"
#include "support/LogCapture.h"
#include "support/TempDir.h"
#include "util/CTextCodec.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

namespace {

const std::string kFixtures = TEVARO_FILES_FIXTURES;
constexpr const char* kMac1 = "0123456789ABCDEF";
constexpr const char* kMac2 = "FEDCBA9876543210";

std::string Cp932(const std::string& utf8) {
    std::string out;
    EXPECT_EQ(CTextCodec::ToCp932(utf8, out), CTextCodec::kOk);
    return out;
}

SettingValues VariantASettings() {
    return {1,  2,  1,  1,  3,  1,  1,  25, 1,  0,  2,  0,  -1,
            -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
}

// Loads `bytes` as a file and returns LoadFile's result.
int32_t LoadBytes(CDataInfoAppProfile& profile, const std::string& bytes) {
    TempDir dir;
    WriteFileBytes(dir.File("in.dat"), bytes);
    return profile.LoadFile(dir.File("in.dat"));
}

const std::string kEightTags = "<ELE_BILL_TGT_TBL>\r\n</ELE_BILL_TGT_TBL>\r\n"
                               "<MODEL_INFO_TBL>\r\n</MODEL_INFO_TBL>\r\n"
                               "<RUN_STATE_TBL>\r\n</RUN_STATE_TBL>\r\n"
                               "<SETTING_INFO_TBL>\r\n</SETTING_INFO_TBL>\r\n";

} // namespace

// --- writing --------------------------------------------------------------

TEST(DataInfoAppProfileWrite, EmptyProfileWritesTheEightTagLines) {
    TempDir dir;
    CDataInfoAppProfile profile;
    ASSERT_EQ(profile.Write(dir.File("empty.dat")), CDataInfoAppProfile::kWritten);
    EXPECT_EQ(ReadFileBytes(dir.File("empty.dat")), kEightTags);
}

TEST(DataInfoAppProfileWrite, OneUnitWithoutRunsOrTargetsMatchesTheFixtureByteForByte) {
    TempDir dir;
    CDataInfoAppProfile profile;
    profile.m_modelInfo.push_back({kMac1, "エアコンAB", "L"});
    profile.m_settingInfo.push_back({kMac1, VariantASettings()});
    ASSERT_EQ(profile.Write(dir.File("one.dat")), CDataInfoAppProfile::kWritten);
    const std::string written = ReadFileBytes(dir.File("one.dat"));
    EXPECT_EQ(written, ReadFileBytes(kFixtures + "/one_unit_no_runs.dat"));
    // Run-state and target sections are empty: their tags are adjacent.
    EXPECT_NE(written.find("<RUN_STATE_TBL>\r\n</RUN_STATE_TBL>\r\n"), std::string::npos);
    EXPECT_EQ(written.rfind("<ELE_BILL_TGT_TBL>\r\n</ELE_BILL_TGT_TBL>\r\n", 0), 0u);
}

TEST(DataInfoAppProfileWrite, SectionsInFixedOrderWithRecordsInGatheringOrder) {
    CDataInfoAppProfile profile;
    profile.m_runState.push_back({kMac2, "20130402", 1, 2, 3, 4, 5});
    profile.m_runState.push_back({kMac1, "20130401", 0, 0, -40, 127, 255});
    profile.m_targetElectricity.push_back({kMac1, "201304", 50000});
    std::string bytes;
    ASSERT_TRUE(profile.Serialize(bytes));
    EXPECT_EQ(bytes,
              "<ELE_BILL_TGT_TBL>\r\n0123456789ABCDEF,201304,50000\r\n</ELE_BILL_TGT_TBL>\r\n"
              "<MODEL_INFO_TBL>\r\n</MODEL_INFO_TBL>\r\n"
              "<RUN_STATE_TBL>\r\nFEDCBA9876543210,20130402,1,2,3,4,5\r\n"
              "0123456789ABCDEF,20130401,0,0,-40,127,255\r\n</RUN_STATE_TBL>\r\n"
              "<SETTING_INFO_TBL>\r\n</SETTING_INFO_TBL>\r\n");
}

TEST(DataInfoAppProfileWrite, TextCp932CannotHoldFailsAndLeavesTheOldFile) {
    TempDir dir;
    const std::string path = dir.File("keep.dat");
    WriteFileBytes(path, "old");
    CDataInfoAppProfile profile;
    profile.m_modelInfo.push_back({kMac1, "AC\xF0\x9F\x98\x80", "L"}); // an emoji
    EXPECT_EQ(profile.Write(path), CDataInfoAppProfile::kNotWritten);
    EXPECT_EQ(ReadFileBytes(path), "old");
}

TEST(DataInfoAppProfileWrite, EmptyPathOrMissingFolderFails) {
    TempDir dir;
    CDataInfoAppProfile profile;
    EXPECT_EQ(profile.Write(""), CDataInfoAppProfile::kNotWritten);
    EXPECT_EQ(profile.Write(dir.File("no/such/folder.dat")), CDataInfoAppProfile::kNotWritten);
}

TEST(DataInfoAppProfileWrite, WrittenFileReadsBackUnchanged) {
    TempDir dir;
    CDataInfoAppProfile out;
    out.m_modelInfo.push_back({kMac1, "ＲＡＳ－２２ 機種", "L"});
    out.m_modelInfo.push_back({kMac2, "ABC ", "O"});
    SettingValues values = VariantASettings();
    values[kDehumidificationMode] = 255;
    out.m_settingInfo.push_back({kMac1, values});
    out.m_runState.push_back({kMac1, "20121231", 1440, 9999, -40, 127, 255});
    out.m_runState.push_back({kMac2, "20130101", 0, 0, 0, 0, 0});
    out.m_targetElectricity.push_back({kMac2, "201301", 0});
    ASSERT_EQ(out.Write(dir.File("rt.dat")), CDataInfoAppProfile::kWritten);

    CDataInfoAppProfile in;
    ASSERT_EQ(in.LoadFile(dir.File("rt.dat")), CDataInfoAppProfile::kLoadOk);
    EXPECT_EQ(in.m_modelInfo, out.m_modelInfo);
    EXPECT_EQ(in.m_settingInfo, out.m_settingInfo);
    EXPECT_EQ(in.m_runState, out.m_runState);
    EXPECT_EQ(in.m_targetElectricity, out.m_targetElectricity);
}

// --- the line parsers ---------------------------------------------------------

TEST(DataInfoAppProfileParse, SettingLineWithFifteenFieldsKeepsTheLaterInitialValues) {
    CDataInfoAppProfile profile;
    _SETTING_INFO_TBL_DATA record;
    ASSERT_TRUE(profile.AnalysisStringDataSettingInfo(
        "0123456789ABCDEF,1,2,1,1,3,1,1,25,1,0,2,0,0,1", record));
    EXPECT_EQ(record.macAddress, kMac1);
    const SettingValues expected = {1, 2,  1,  1,  3,  1,  1,  25, 1,  0,  2,  0,  0,
                                    1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
    EXPECT_EQ(record.values, expected);
}

TEST(DataInfoAppProfileParse, SettingLineFieldCountLimits) {
    CDataInfoAppProfile profile;
    _SETTING_INFO_TBL_DATA record;
    // The MAC alone (with its comma): every value keeps its initial value.
    ASSERT_TRUE(profile.AnalysisStringDataSettingInfo("0123456789ABCDEF,", record));
    EXPECT_EQ(record.values, _SETTING_INFO_TBL_DATA::InitialValues());
    EXPECT_EQ(record.values[kMaintenance], 0);
    EXPECT_EQ(record.values[kRemoconSensor], -1);

    std::string full = kMac1;
    for (int i = 0; i < 26; ++i) {
        full += "," + std::to_string(i);
    }
    ASSERT_TRUE(profile.AnalysisStringDataSettingInfo(full, record));
    EXPECT_EQ(record.values[kDehumidificationMode], 25);
    EXPECT_FALSE(profile.AnalysisStringDataSettingInfo(full + ",26", record));
    EXPECT_FALSE(profile.AnalysisStringDataSettingInfo(kMac1, record)) << "no comma";
}

TEST(DataInfoAppProfileParse, EmptyPiecesAreNoFields) {
    CDataInfoAppProfile profile;
    _RUN_STATE_TBL_DATA record;
    ASSERT_TRUE(
        profile.AnalysisStringDataRunState("0123456789ABCDEF,20130401,,120,45,24,127,0", record));
    EXPECT_EQ(record, (_RUN_STATE_TBL_DATA{kMac1, "20130401", 120, 45, 24, 127, 0}));
    ASSERT_TRUE(
        profile.AnalysisStringDataRunState(",,0123456789ABCDEF,20130401,1,2,3,4,5,,", record));
    EXPECT_EQ(record.absentEco, 5);
    EXPECT_FALSE(profile.AnalysisStringDataRunState("0123456789ABCDEF,20130401,1,2,3,4", record));
    EXPECT_FALSE(
        profile.AnalysisStringDataRunState("0123456789ABCDEF,20130401,1,2,3,4,5,6", record));
}

TEST(DataInfoAppProfileParse, NumbersAreDigitsWithOneOptionalLeadingMinus) {
    CDataInfoAppProfile profile;
    _TARGET_ELECTRICITY_TBL_DATA record;
    ASSERT_TRUE(profile.AnalysisStringDataTagetElectBill("0123456789ABCDEF,201304,-3", record));
    EXPECT_EQ(record.electricityTarget, -3);
    for (const char* bad : {"12a", "+5", "-", "--3", "3-", " 3", "1.5", "３", "2147483648"}) {
        EXPECT_FALSE(profile.AnalysisStringDataTagetElectBill(
            std::string("0123456789ABCDEF,201304,") + bad, record))
            << bad;
    }
    ASSERT_TRUE(
        profile.AnalysisStringDataTagetElectBill("0123456789ABCDEF,201304,-2147483648", record));
    EXPECT_EQ(record.electricityTarget, INT32_MIN);
    // A rejected line leaves the record as it was.
    EXPECT_FALSE(profile.AnalysisStringDataTagetElectBill("X,201305,12a", record));
    EXPECT_EQ(record.years, "201304");
}

TEST(DataInfoAppProfileParse, ModelLineNeedsExactlyThreeFieldsAndKeepsTheTextAsIs) {
    CDataInfoAppProfile profile;
    _MODEL_INFO_TBL_DATA record;
    ASSERT_TRUE(profile.AnalysisStringDataModelInfo("0123456789ABCDEF, ABC ,L", record));
    EXPECT_EQ(record, (_MODEL_INFO_TBL_DATA{kMac1, " ABC ", "L"}));
    EXPECT_FALSE(profile.AnalysisStringDataModelInfo("0123456789ABCDEF,ABC", record));
    EXPECT_FALSE(profile.AnalysisStringDataModelInfo("0123456789ABCDEF,A,B,L", record));
    // Numbers are not checked in the model table.
    ASSERT_TRUE(profile.AnalysisStringDataModelInfo("1,2,3", record));
}

// --- tags ---------------------------------------------------------------------

TEST(DataInfoAppProfileTags, KindsAndTheirLogLines) {
    LogCapture log;
    CDataInfoAppProfile profile;
    EXPECT_EQ(profile.AnalysisTableTag(""), TABLE_KIND_NONE);
    EXPECT_EQ(profile.AnalysisTableTag("<ELE_BILL_TGT_TBL>"), TABLE_KIND_TARGET_ELECTBILL);
    EXPECT_EQ(profile.AnalysisTableTag("<MODEL_INFO_TBL>"), TABLE_KIND_MODEL_INFO);
    EXPECT_EQ(profile.AnalysisTableTag("<RUN_STATE_TBL>"), TABLE_KIND_RUN_STATE);
    EXPECT_EQ(profile.AnalysisTableTag("<SETTING_INFO_TBL>"), TABLE_KIND_SETTING_INFO);
    for (const char* end :
         {"</ELE_BILL_TGT_TBL>", "</MODEL_INFO_TBL>", "</RUN_STATE_TBL>", "</SETTING_INFO_TBL>"}) {
        EXPECT_EQ(profile.AnalysisTableTag(end), TABLE_KIND_TAG_END) << end;
    }
    // Tags are exact: case, blanks and anything around them make a data line.
    for (const char* data : {"<model_info_tbl>", " <MODEL_INFO_TBL>", "<MODEL_INFO_TBL> ",
                             "<MODEL_INFO_TBL>x", "MODEL_INFO_TBL", "a,b,c"}) {
        EXPECT_EQ(profile.AnalysisTableTag(data), TABLE_KIND_DATA) << data;
    }
    const std::string prefix = " - CDataInfoAppProfile::AnalysisTableTag() : ";
    EXPECT_THAT(log.Lines(),
                ElementsAre(prefix + "TABLE_KIND_NONE", prefix + "TABLE_KIND_TARGET_ELECTBILL",
                            prefix + "TABLE_KIND_MODEL_INFO", prefix + "TABLE_KIND_RUN_STATE",
                            prefix + "TABLE_KIND_SETTING_INFO", prefix + "TABLE_KIND_TAG_END",
                            prefix + "TABLE_KIND_TAG_END", prefix + "TABLE_KIND_TAG_END",
                            prefix + "TABLE_KIND_TAG_END"));
}

// --- reading files ----------------------------------------------------------------

TEST(DataInfoAppProfileLoad, FileWrittenOnWindowsReadsEveryRecord) {
    CDataInfoAppProfile profile;
    ASSERT_EQ(profile.LoadFile(kFixtures + "/windows_two_units.dat"), CDataInfoAppProfile::kLoadOk);
    ASSERT_EQ(profile.m_targetElectricity.size(), 2u);
    EXPECT_EQ(profile.m_targetElectricity[0],
              (_TARGET_ELECTRICITY_TBL_DATA{kMac1, "201304", 3000}));
    EXPECT_THAT(profile.m_modelInfo, ElementsAre(_MODEL_INFO_TBL_DATA{kMac1, "ＲＡＳ－２２", "L"},
                                                 _MODEL_INFO_TBL_DATA{kMac2, "ABC ", "B"}));
    ASSERT_EQ(profile.m_runState.size(), 3u);
    EXPECT_EQ(profile.m_runState[2],
              (_RUN_STATE_TBL_DATA{kMac2, "20130401", 1440, 9999, 60, -40, 1}));
    ASSERT_EQ(profile.m_settingInfo.size(), 2u);
    EXPECT_EQ(profile.m_settingInfo[0].values[kReceivingMode], 1);
    EXPECT_EQ(profile.m_settingInfo[0].values[kEleBillPlice1], -1);
    EXPECT_EQ(profile.m_settingInfo[1].values[kEleBillTime2_2], 22);
}

TEST(DataInfoAppProfileLoad, LineEndsNeverReachAField) {
    // LF-only lines, CR LF lines and a last line without any line end.
    CDataInfoAppProfile profile;
    ASSERT_EQ(LoadBytes(profile, "<MODEL_INFO_TBL>\n0123456789ABCDEF,A,L\r\n"
                                 "FEDCBA9876543210,B,C\n</MODEL_INFO_TBL>\r\n<RUN_STATE_TBL>\r\n"
                                 "0123456789ABCDEF,20130401,1,2,3,4,5"),
              CDataInfoAppProfile::kLoadOk);
    EXPECT_THAT(profile.m_modelInfo, ElementsAre(_MODEL_INFO_TBL_DATA{kMac1, "A", "L"},
                                                 _MODEL_INFO_TBL_DATA{kMac2, "B", "C"}));
    ASSERT_EQ(profile.m_runState.size(), 1u);
    EXPECT_EQ(profile.m_runState[0].absentEco, 5);
}

TEST(DataInfoAppProfileLoad, DataOutsideAnySectionIsMissingDataAndSkipped) {
    LogCapture log;
    CDataInfoAppProfile profile;
    ASSERT_EQ(LoadBytes(profile, "X,Y,Z\r\n<MODEL_INFO_TBL>\r\n0123456789ABCDEF,A,L\r\n"
                                 "</MODEL_INFO_TBL>\r\nafter,the,end\r\n"),
              CDataInfoAppProfile::kLoadRejected);
    EXPECT_THAT(profile.m_modelInfo, ElementsAre(_MODEL_INFO_TBL_DATA{kMac1, "A", "L"}));
    const std::string tag = " - CDataInfoAppProfile::AnalysisTableTag() : ";
    EXPECT_THAT(log.Lines(),
                ElementsAre("CDataInfoAppProfile::LoadFile() - start", " - start File Analysis",
                            " - Missing Data", "    - [X,Y,Z]", tag + "TABLE_KIND_MODEL_INFO",
                            tag + "TABLE_KIND_TAG_END", " - Missing Data", "    - [after,the,end]",
                            " - end File Analysis", "CDataInfoAppProfile::LoadFile() - end"));
}

TEST(DataInfoAppProfileLoad, RejectedLinesAreLoggedAndReadingGoesOn) {
    LogCapture log;
    CDataInfoAppProfile profile;
    ASSERT_EQ(LoadBytes(profile, "<ELE_BILL_TGT_TBL>\r\nM,201304,12a\r\nM,201305,7\r\n"
                                 "</ELE_BILL_TGT_TBL>\r\n<MODEL_INFO_TBL>\r\nM,A\r\n"
                                 "</MODEL_INFO_TBL>\r\n<RUN_STATE_TBL>\r\nM,D,+5,1,1,1,1\r\n"
                                 "</RUN_STATE_TBL>\r\n<SETTING_INFO_TBL>\r\nM\r\n"),
              CDataInfoAppProfile::kLoadRejected);
    EXPECT_THAT(profile.m_targetElectricity,
                ElementsAre(_TARGET_ELECTRICITY_TBL_DATA{"M", "201305", 7}));
    const auto lines = log.Lines();
    const auto has = [&lines](const std::string& text) {
        return std::find(lines.begin(), lines.end(), text) != lines.end();
    };
    EXPECT_TRUE(has(" - AnalysisStringDataTagetElectBill() : FAIL"));
    EXPECT_TRUE(has("    - [M,201304,12a]"));
    EXPECT_TRUE(has(" - AnalysisStringDataModelInfo() : FAIL"));
    EXPECT_TRUE(has(" - AnalysisStringDataRunState() : FAIL"));
    EXPECT_TRUE(has(" - AnalysisStringDataSettingInfo() : FAIL"));
    EXPECT_TRUE(has("    - [M]"));
}

TEST(DataInfoAppProfileLoad, TwoSectionsOfOneTableAreBothReadInFileOrder) {
    CDataInfoAppProfile profile;
    ASSERT_EQ(LoadBytes(profile, "<RUN_STATE_TBL>\r\nA,20130401,1,1,1,1,1\r\n</RUN_STATE_TBL>\r\n"
                                 "<MODEL_INFO_TBL>\r\nA,M,L\r\n</MODEL_INFO_TBL>\r\n"
                                 "<RUN_STATE_TBL>\r\nA,20130402,2,2,2,2,2\r\n</RUN_STATE_TBL>\r\n"),
              CDataInfoAppProfile::kLoadOk);
    ASSERT_EQ(profile.m_runState.size(), 2u);
    EXPECT_EQ(profile.m_runState[0].date, "20130401");
    EXPECT_EQ(profile.m_runState[1].date, "20130402");
}

TEST(DataInfoAppProfileLoad, AnOpeningTagSwitchesTheTableWithoutAClosingTag) {
    CDataInfoAppProfile profile;
    ASSERT_EQ(
        LoadBytes(profile, "<MODEL_INFO_TBL>\r\nA,M,L\r\n<ELE_BILL_TGT_TBL>\r\nA,201304,1\r\n"),
        CDataInfoAppProfile::kLoadOk);
    EXPECT_EQ(profile.m_modelInfo.size(), 1u);
    EXPECT_EQ(profile.m_targetElectricity.size(), 1u);
}

TEST(DataInfoAppProfileLoad, LongLinesAreReadInPiecesOf255Bytes) {
    // Exactly 255 bytes before CR LF: one piece, then a bare line end.
    const std::string model255 = std::string(kMac1) + "," + std::string(236, 'M') + ",L";
    ASSERT_EQ(model255.size(), 255u);
    CDataInfoAppProfile profile;
    ASSERT_EQ(LoadBytes(profile, "<MODEL_INFO_TBL>\r\n" + model255 + "\r\n</MODEL_INFO_TBL>\r\n"),
              CDataInfoAppProfile::kLoadOk);
    ASSERT_EQ(profile.m_modelInfo.size(), 1u);
    EXPECT_EQ(profile.m_modelInfo[0].airconInf.size(), 236u);

    // One byte more: the line is cut; the first piece lacks its room field and
    // the second piece ("L") has no comma, so both are rejected.
    LogCapture log;
    const std::string model256 = std::string(kMac1) + "," + std::string(237, 'M') + ",L";
    ASSERT_EQ(LoadBytes(profile, "<MODEL_INFO_TBL>\r\n" + model256 + "\r\n</MODEL_INFO_TBL>\r\n"),
              CDataInfoAppProfile::kLoadRejected);
    EXPECT_TRUE(profile.m_modelInfo.empty());
    const auto lines = log.Lines();
    EXPECT_EQ(std::count(lines.begin(), lines.end(), " - AnalysisStringDataModelInfo() : FAIL"), 2);
    EXPECT_NE(std::find(lines.begin(), lines.end(), "    - [L]"), lines.end());

    // A piece that is a tag on its own is classified as one.
    ASSERT_EQ(LoadBytes(profile, "<MODEL_INFO_TBL>\r\n" + std::string(255, 'x') +
                                     "<RUN_STATE_TBL>\r\n" + "A,20130401,1,1,1,1,1\r\n"),
              CDataInfoAppProfile::kLoadRejected);
    EXPECT_EQ(profile.m_runState.size(), 1u);
}

TEST(DataInfoAppProfileLoad, DamagedCp932BytesDoNotStopTheReading) {
    CDataInfoAppProfile profile;
    // 0x83 starts a double-byte character that the comma cuts short; 0xFD is no
    // CP932 byte at all.
    ASSERT_EQ(LoadBytes(profile, "<MODEL_INFO_TBL>\r\n0123456789ABCDEF,A\x83,\xFD\r\n"
                                 "FEDCBA9876543210," +
                                     Cp932("機種") + ",L\r\n"),
              CDataInfoAppProfile::kLoadOk);
    ASSERT_EQ(profile.m_modelInfo.size(), 2u);
    EXPECT_EQ(profile.m_modelInfo[0].airconInf, "A\xEF\xBF\xBD");
    EXPECT_EQ(profile.m_modelInfo[1].airconInf, "機種");
}

TEST(DataInfoAppProfileLoad, UnreadableFilesGiveTwoWithTheirLogLines) {
    TempDir dir;
    CDataInfoAppProfile profile;
    profile.m_modelInfo.push_back({kMac1, "A", "L"});
    {
        LogCapture log;
        EXPECT_EQ(profile.LoadFile(""), CDataInfoAppProfile::kLoadFailed);
        EXPECT_THAT(log.Lines(),
                    ElementsAre("CDataInfoAppProfile::LoadFile() - start", " - FileName Empty",
                                "CDataInfoAppProfile::LoadFile() - end"));
    }
    EXPECT_TRUE(profile.m_modelInfo.empty()) << "the arrays are emptied first";
    {
        LogCapture log;
        EXPECT_EQ(profile.LoadFile(dir.File("missing.dat")), CDataInfoAppProfile::kLoadFailed);
        EXPECT_THAT(log.Lines(),
                    ElementsAre("CDataInfoAppProfile::LoadFile() - start", " - File Empty",
                                "CDataInfoAppProfile::LoadFile() - end"));
    }
    // A folder, a FIFO (would block) and a device (would never end).
    ASSERT_EQ(mkfifo(dir.File("fifo").c_str(), 0600), 0);
    for (const std::string& path : {dir.Path(), dir.File("fifo"), std::string("/dev/zero")}) {
        LogCapture log;
        EXPECT_EQ(profile.LoadFile(path), CDataInfoAppProfile::kLoadFailed);
        EXPECT_THAT(log.Lines(),
                    ElementsAre("CDataInfoAppProfile::LoadFile() - start", " - OPEN FAIL",
                                "CDataInfoAppProfile::LoadFile() - end"))
            << path;
    }
}

TEST(DataInfoAppProfileLoad, EmptyFileAndBlankLinesAreFine) {
    CDataInfoAppProfile profile;
    EXPECT_EQ(LoadBytes(profile, ""), CDataInfoAppProfile::kLoadOk);
    EXPECT_EQ(LoadBytes(profile, "\r\n\n\r\n" + kEightTags + "\n\n"), CDataInfoAppProfile::kLoadOk);
}

namespace {

// A stream that delivers `text` and then fails as a dying drive would.
struct FailingSource {
    std::string text;
    size_t pos = 0;
};

ssize_t ReadThenFail(void* cookie, char* buffer, size_t size) {
    auto* source = static_cast<FailingSource*>(cookie);
    if (source->pos == source->text.size()) {
        errno = EIO;
        return -1;
    }
    const size_t n = std::min(size, source->text.size() - source->pos);
    source->text.copy(buffer, n, source->pos);
    source->pos += n;
    return static_cast<ssize_t>(n);
}

} // namespace

TEST(DataInfoAppProfileLoad, ReadErrorIsNotACompleteFile) {
    FailingSource source{"<MODEL_INFO_TBL>\r\n0123456789ABCDEF,A,L\r\n"};
    cookie_io_functions_t functions{};
    functions.read = ReadThenFail;
    std::FILE* file = fopencookie(&source, "r", functions);
    ASSERT_NE(file, nullptr);
    CDataInfoAppProfile profile;
    EXPECT_EQ(profile.LoadStream(file), CDataInfoAppProfile::kLoadRejected);
    std::fclose(file);
    // What was read before the error is kept.
    EXPECT_THAT(profile.m_modelInfo, ElementsAre(_MODEL_INFO_TBL_DATA{kMac1, "A", "L"}));
}
