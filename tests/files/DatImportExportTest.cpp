#include "../db/RawDatabase.h"
#include "FileJobsFixture.h"
#include "files/CDataInfoAppProfile.h"
#include "util/CTextCodec.h"

#include <csignal>
#include <filesystem>
#include <gmock/gmock.h>
#include <sys/wait.h>
#include <unistd.h>

using ::testing::Contains;
using ::testing::ElementsAre;

namespace {

const std::string kFixtures = TEVARO_FILES_FIXTURES;

std::string Cp932(const std::string& utf8) {
    std::string out;
    EXPECT_EQ(CTextCodec::ToCp932(utf8, out), CTextCodec::kOk);
    return out;
}

struct Tables {
    std::vector<CDbModelInfoData> models;
    std::vector<CDbSettingInfoData> settings;
    std::vector<CDbRunStateData> runs;
    std::vector<CDbEleBillTgtData> targets;
};

Tables ReadTables(CDataManager& manager) {
    Tables t;
    EXPECT_EQ(manager.Db().GetModelInfo(t.models), 0);
    EXPECT_EQ(manager.Db().GetSettingInfo(t.settings), 0);
    EXPECT_EQ(manager.Db().GetRunStateInfo(t.runs), 0);
    EXPECT_EQ(manager.Db().GetTargetEleBillInfo(t.targets), 0);
    for (auto& model : t.models) {
        model.getDate.clear(); // the importing installation registers anew
    }
    return t;
}

const std::string kEightTags = "<ELE_BILL_TGT_TBL>\r\n</ELE_BILL_TGT_TBL>\r\n"
                               "<MODEL_INFO_TBL>\r\n</MODEL_INFO_TBL>\r\n"
                               "<RUN_STATE_TBL>\r\n</RUN_STATE_TBL>\r\n"
                               "<SETTING_INFO_TBL>\r\n</SETTING_INFO_TBL>\r\n";

} // namespace

using DatExport = FileJobsFixture;
using DatImport = FileJobsFixture;

TEST_F(DatExport, OneUnitWithoutRunsOrTargetsGivesAdjacentTags) {
    AddUnit(*m_manager, "0123456789ABCDEF", "エアコンAB");
    CFileJobs jobs(m_manager.get());
    ASSERT_EQ(jobs.RunExportJob({0}, m_dir.File("one.dat")), CFileJobs::kJobOk);
    EXPECT_EQ(ReadFileBytes(m_dir.File("one.dat")),
              ReadFileBytes(kFixtures + "/one_unit_no_runs.dat"));
}

TEST_F(DatExport, EmptySelectionWritesTheEightTagLines) {
    AddUnit(*m_manager, Mac(1), "A");
    CFileJobs jobs(m_manager.get());
    ASSERT_EQ(jobs.RunExportJob({}, m_dir.File("none.dat")), CFileJobs::kJobOk);
    EXPECT_EQ(ReadFileBytes(m_dir.File("none.dat")), kEightTags);
}

TEST_F(DatExport, UnknownPositionOrNoPathFailsWithoutAFile) {
    AddUnit(*m_manager, Mac(1), "A");
    CFileJobs jobs(m_manager.get());
    EXPECT_EQ(jobs.RunExportJob({0, 1}, m_dir.File("x.dat")), CFileJobs::kJobFailed);
    EXPECT_EQ(jobs.RunExportJob({-1}, m_dir.File("x.dat")), CFileJobs::kJobFailed);
    EXPECT_FALSE(std::filesystem::exists(m_dir.File("x.dat")));
    EXPECT_EQ(jobs.RunExportJob({0}, ""), CFileJobs::kJobFailed);
    EXPECT_FALSE(CFileJobs(nullptr).SaveAppInfoProfile({}, m_dir.File("x.dat")));
}

TEST_F(DatExport, FailedQueryFailsTheExportInsteadOfWritingAPartialCopy) {
    AddUnit(*m_manager, Mac(1), "A");
    AddDay(*m_manager, Mac(1), "20130401", 10);
    CFileJobs jobs(m_manager.get());
    ASSERT_EQ(jobs.RunExportJob({0}, m_dir.File("x.dat")), CFileJobs::kJobOk);
    for (const char* table : {"RUN_STATE_TBL", "ELECTRICITY_TARGET_TBL", "SETTING_INFO_TBL"}) {
        std::filesystem::remove(m_dir.File("x.dat"));
        {
            RawDatabase raw(m_dir.File("a.sdf"));
            ASSERT_EQ(raw.Exec(std::string("ALTER TABLE ") + table + " RENAME TO GONE"), 0);
        }
        EXPECT_EQ(jobs.RunExportJob({0}, m_dir.File("x.dat")), CFileJobs::kJobFailed) << table;
        EXPECT_FALSE(std::filesystem::exists(m_dir.File("x.dat"))) << table;
        RawDatabase raw(m_dir.File("a.sdf"));
        ASSERT_EQ(raw.Exec(std::string("ALTER TABLE GONE RENAME TO ") + table), 0);
    }
    m_manager->Db().Close();
    EXPECT_EQ(jobs.RunExportJob({0}, m_dir.File("x.dat")), CFileJobs::kJobFailed);
}

TEST_F(DatExport, SelectionOrderDecidesRecordOrder) {
    AddUnit(*m_manager, Mac(1), "FIRST");
    AddUnit(*m_manager, Mac(2), "SECOND", "B");
    AddDay(*m_manager, Mac(1), "20130401", 10);
    AddDay(*m_manager, Mac(2), "20130401", 20);
    CFileJobs jobs(m_manager.get());
    ASSERT_EQ(jobs.RunExportJob({1, 0}, m_dir.File("two.dat")), CFileJobs::kJobOk);
    CDataInfoAppProfile read;
    ASSERT_EQ(read.LoadFile(m_dir.File("two.dat")), 0);
    ASSERT_EQ(read.m_modelInfo.size(), 2u);
    EXPECT_EQ(read.m_modelInfo[0].airconInf, "SECOND");
    EXPECT_EQ(read.m_runState[0].electricityBill, 20);
    EXPECT_EQ(read.m_settingInfo[1].macAddress, Mac(1));
}

TEST_F(DatImport, RoundTripIntoAnEmptyDatabaseGivesIdenticalRows) {
    AddUnit(*m_manager, Mac(1), "ＲＡＳ－２２ 機種"); // 17 CP932 bytes
    AddUnit(*m_manager, Mac(2), "ABC ", "B");
    AddUnit(*m_manager, Mac(3), "C3", "L");
    AddDay(*m_manager, Mac(1), "20121231", 9999, 1440, 127);
    AddDay(*m_manager, Mac(1), "20130101", 0, 0, -40);
    AddDay(*m_manager, Mac(2), "20130401", 55, 300, 60);
    AddTarget(*m_manager, Mac(1), "201301", 50000);
    AddTarget(*m_manager, Mac(2), "201304", 0);
    CFileJobs jobs(m_manager.get());
    ASSERT_EQ(jobs.RunExportJob({0, 1, 2}, m_dir.File("all.dat")), CFileJobs::kJobOk);

    auto target = NewManager("b.sdf");
    CFileJobs importer(target.get());
    ASSERT_EQ(importer.RunImportJob(m_dir.File("all.dat")), CFileJobs::kImportOk);
    const Tables before = ReadTables(*m_manager);
    const Tables after = ReadTables(*target);
    EXPECT_EQ(after.models, before.models);
    EXPECT_EQ(after.settings, before.settings);
    EXPECT_EQ(after.runs, before.runs);
    EXPECT_EQ(after.targets, before.targets);
    // The import reloads the unit list.
    EXPECT_EQ(target->GetRemoConCount(), 3);
}

TEST_F(DatImport, FileFromWindowsRegistersEverythingAndOldSettingsKeepTheirDefaults) {
    CFileJobs jobs(m_manager.get());
    ASSERT_EQ(jobs.RunImportJob(kFixtures + "/windows_two_units.dat"), CFileJobs::kImportOk);
    const Tables t = ReadTables(*m_manager);
    ASSERT_EQ(t.models.size(), 2u);
    EXPECT_EQ(t.models[0].model, "ＲＡＳ－２２");
    EXPECT_EQ(t.runs.size(), 3u);
    EXPECT_EQ(t.targets.size(), 2u);
    ASSERT_EQ(t.settings.size(), 2u);
    const auto first = std::find_if(t.settings.begin(), t.settings.end(), [](const auto& s) {
        return s.macAddress == "0123456789ABCDEF";
    });
    ASSERT_NE(first, t.settings.end());
    const SettingValues expected = {1, 2,  1,  1,  3,  1,  1,  25, 1,  0,  2,  0,  0,
                                    1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
    EXPECT_EQ(first->values, expected);
    EXPECT_EQ(m_manager->GetRemoConCount(), 2);
}

TEST_F(DatImport, LogLinesOfASuccessfulImport) {
    WriteFileBytes(m_dir.File("in.dat"), "<MODEL_INFO_TBL>\r\n" + Mac(1) + ",A,L\r\n");
    LogCapture log;
    CFileJobs jobs(m_manager.get());
    ASSERT_EQ(jobs.LoadAppInfoProfile(m_dir.File("in.dat")), CFileJobs::kImportOk);
    EXPECT_THAT(log.Lines(),
                ElementsAre("Ctevaro_worldApp::LoadAppInfoProfile() - start",
                            "CDataInfoAppProfile::LoadFile() - start", " - start File Analysis",
                            " - CDataInfoAppProfile::AnalysisTableTag() : TABLE_KIND_MODEL_INFO",
                            " - end File Analysis", "CDataInfoAppProfile::LoadFile() - end",
                            "Start Data Set to DB", " - ModelInfoCount[1]", " - SettingInfo[0]",
                            " - RunState[0]", " - TargetElect[0]", "End Data Set to DB",
                            "nReturnCode : 0", "Ctevaro_worldApp::LoadAppInfoProfile() - end",
                            std::string(58, '-')));
}

TEST_F(DatImport, MissingFileGivesTwoAndLeavesTheDatabaseAlone) {
    AddUnit(*m_manager, Mac(1), "A");
    const Tables before = ReadTables(*m_manager);
    LogCapture log;
    CFileJobs jobs(m_manager.get());
    EXPECT_EQ(jobs.LoadAppInfoProfile(m_dir.File("missing.dat")), CFileJobs::kImportUnreadable);
    const Tables after = ReadTables(*m_manager);
    EXPECT_EQ(after.models, before.models);
    EXPECT_EQ(after.settings, before.settings);
    // The import ends at once: no closing lines of its own.
    EXPECT_THAT(log.Lines(), ElementsAre("Ctevaro_worldApp::LoadAppInfoProfile() - start",
                                         "CDataInfoAppProfile::LoadFile() - start", " - File Empty",
                                         "CDataInfoAppProfile::LoadFile() - end"));
}

TEST_F(DatImport, EmptyPathOrNoDataManagerGiveTwoWithTheClosingLines) {
    {
        LogCapture log;
        EXPECT_EQ(CFileJobs(m_manager.get()).LoadAppInfoProfile(""), CFileJobs::kImportUnreadable);
        EXPECT_THAT(log.Lines(), ElementsAre("Ctevaro_worldApp::LoadAppInfoProfile() - start",
                                             " - FileName Empty", "nReturnCode : 2",
                                             "Ctevaro_worldApp::LoadAppInfoProfile() - end",
                                             std::string(58, '-')));
    }
    LogCapture log;
    EXPECT_EQ(CFileJobs(nullptr).RunImportJob(m_dir.File("x.dat")), CFileJobs::kImportUnreadable);
    EXPECT_THAT(log.Lines(), Contains(" - DataManager NULL"));
}

TEST_F(DatImport, EighthUnitGivesMinusOneEvenWithOtherFailures) {
    for (int n = 1; n <= 7; ++n) {
        AddUnit(*m_manager, Mac(n), "U" + std::to_string(n));
    }
    WriteFileBytes(m_dir.File("in.dat"), "<MODEL_INFO_TBL>\r\n" + Mac(8) + ",EIGHT,L\r\n" + Mac(1) +
                                             ",RENAMED,L\r\n</MODEL_INFO_TBL>\r\n"
                                             "<RUN_STATE_TBL>\r\n" +
                                             Mac(1) +
                                             ",20130229,1,1,1,1,1\r\n"
                                             "stray,line\r\n");
    LogCapture log;
    CFileJobs jobs(m_manager.get());
    EXPECT_EQ(jobs.RunImportJob(m_dir.File("in.dat")), CFileJobs::kImportLimit);
    const auto lines = log.Lines();
    EXPECT_THAT(lines, Contains("Data[0]FILE_ERROR_MAX : SetModelInfo()"));
    EXPECT_THAT(lines, Contains("Data[0]FILE_ERROR_DATA_FAIL : SetRunStateInfo()"));
    EXPECT_THAT(lines, Contains("nReturnCode : -1"));
    // The seven stay, and re-registering one of them still worked.
    std::vector<CDbModelInfoData> models;
    ASSERT_EQ(m_manager->Db().GetModelInfo(models), 0);
    ASSERT_EQ(models.size(), 7u);
    EXPECT_EQ(models[0].model, "RENAMED");
}

TEST_F(DatImport, LengthLimitsAreCountedInCp932Bytes) {
    // Ten full-width letters are 20 bytes in CP932 (30 in UTF-8): accepted.
    // Eleven are 22 bytes: refused before registration.
    const std::string ten = "ＡＢＣＤＥＦＧＨＩＪ";
    const std::string eleven = ten + "Ｋ";
    WriteFileBytes(m_dir.File("in.dat"),
                   Cp932("<MODEL_INFO_TBL>\r\n" + Mac(1) + "," + ten + ",L\r\n" + Mac(2) + "," +
                         eleven + ",L\r\n" + Mac(3) + ",A,LL\r\n" + Mac(4) +
                         "0,A,L\r\n"
                         "<RUN_STATE_TBL>\r\n" +
                         Mac(1) +
                         ",201304011,1,1,1,1,1\r\n"
                         "<ELE_BILL_TGT_TBL>\r\n" +
                         Mac(1) + ",2013041,100\r\n"));
    LogCapture log;
    CFileJobs jobs(m_manager.get());
    EXPECT_EQ(jobs.RunImportJob(m_dir.File("in.dat")), CFileJobs::kImportRejected);
    const auto lines = log.Lines();
    EXPECT_THAT(lines, Contains("Data[1]FILE_ERROR_DATA_FAIL : Aircon[" + eleven + "]"));
    EXPECT_THAT(lines, Contains("Data[2]FILE_ERROR_DATA_FAIL : Room[LL]"));
    EXPECT_THAT(lines, Contains("Data[3]FILE_ERROR_DATA_FAIL : MAC[" + Mac(4) + "0]"));
    EXPECT_THAT(lines, Contains("Data[0]FILE_ERROR_DATA_FAIL : DATE"));
    std::vector<CDbModelInfoData> models;
    ASSERT_EQ(m_manager->Db().GetModelInfo(models), 0);
    ASSERT_EQ(models.size(), 1u);
    EXPECT_EQ(models[0].model, ten);
}

TEST_F(DatImport, DamagedTextIsRefusedSoTheUnitStaysExportable) {
    // 0x83 0x2C: a double-byte character cut short by the comma.
    WriteFileBytes(m_dir.File("in.dat"),
                   "<MODEL_INFO_TBL>\r\n" + Mac(1) + ",AB\x83,L\r\n" + Mac(2) + ",OK,L\r\n");
    LogCapture log;
    CFileJobs jobs(m_manager.get());
    EXPECT_EQ(jobs.RunImportJob(m_dir.File("in.dat")), CFileJobs::kImportRejected);
    EXPECT_THAT(log.Lines(), Contains("Data[0]FILE_ERROR_DATA_FAIL : Aircon[AB\xEF\xBF\xBD]"));
    ASSERT_EQ(m_manager->GetRemoConCount(), 1);
    EXPECT_EQ(jobs.RunExportJob({0}, m_dir.File("out.dat")), CFileJobs::kJobOk);
}

TEST_F(DatImport, KilledImportLeavesADatabaseThatOpens) {
    // A big file, so the child is still registering when it is killed.
    std::string file = "<MODEL_INFO_TBL>\r\n" + Mac(1) +
                       ",A,L\r\n</MODEL_INFO_TBL>\r\n"
                       "<SETTING_INFO_TBL>\r\n" +
                       Mac(1) +
                       ",1,2,1,1,3,1,1,25,1,0,2,0\r\n"
                       "</SETTING_INFO_TBL>\r\n<RUN_STATE_TBL>\r\n";
    for (int day = 0; day < 20000; ++day) {
        char date[40];
        std::snprintf(date, sizeof date, "%04d%02d%02d", 2010 + day / 336, day / 28 % 12 + 1,
                      day % 28 + 1);
        file += Mac(1) + "," + date + ",1,2,3,4,0\r\n";
    }
    WriteFileBytes(m_dir.File("big.dat"), file);
    m_manager.reset();

    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        auto manager = NewManager("a.sdf");
        CFileJobs(manager.get()).RunImportJob(m_dir.File("big.dat"));
        _exit(0);
    }
    usleep(60 * 1000);
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the import ended before it could be killed";

    m_manager = NewManager("a.sdf");
    std::vector<CDbRunStateData> runs;
    ASSERT_EQ(m_manager->Db().GetRunStateInfo(runs), 0);
    // All or nothing: never a half-registered file.
    EXPECT_TRUE(runs.empty() || runs.size() == 20000u) << runs.size();
}

TEST_F(DatImport, RejectedLinesGiveOneAndTheRestIsRegistered) {
    struct Case {
        const char* section;
        std::string line;
    };
    const Case cases[] = {
        {"RUN_STATE_TBL", Mac(1) + ",20130401,12a,1,1,1,1"},
        {"RUN_STATE_TBL", Mac(1) + ",21000101,60,5,20,10,0"},
        {"ELE_BILL_TGT_TBL", Mac(1) + ",201313,3000"},
        {"ELE_BILL_TGT_TBL", Mac(1) + ",201300,3000"},
        {"ELE_BILL_TGT_TBL", Mac(1) + ",200912,3000"},
        {"ELE_BILL_TGT_TBL", Mac(1) + ",210001,3000"},
        {"ELE_BILL_TGT_TBL", Mac(1) + ",2013a4,3000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        const std::string section = c.section;
        // The good line around the bad one, in a unit already registered.
        WriteFileBytes(m_dir.File("in.dat"),
                       "<MODEL_INFO_TBL>\r\n" + Mac(1) + ",A,L\r\n</MODEL_INFO_TBL>\r\n" +
                           "<RUN_STATE_TBL>\r\n" + Mac(1) +
                           ",20130402,,60,5,20,10,0\r\n</RUN_STATE_TBL>\r\n<" + section + ">\r\n" +
                           c.line + "\r\n</" + section + ">\r\n");
        CFileJobs jobs(m_manager.get());
        EXPECT_EQ(jobs.RunImportJob(m_dir.File("in.dat")), CFileJobs::kImportRejected);
        const Tables t = ReadTables(*m_manager);
        ASSERT_EQ(t.runs.size(), 1u);
        EXPECT_EQ(t.runs[0].date, "20130402");
        EXPECT_EQ(t.runs[0].electricityBill, 5);
        EXPECT_TRUE(t.targets.empty());
    }
}

TEST_F(DatImport, AUnitLeftWithoutSettingsIsListedCountedExportedAndDeleted) {
    const std::string model = "<MODEL_INFO_TBL>\r\n" + Mac(2) + ",HALF,B\r\n</MODEL_INFO_TBL>\r\n";
    const std::string run = Mac(2) + ",20130402,60,40,25,20,0\r\n";
    const std::string runs = "<RUN_STATE_TBL>\r\n" + run + "</RUN_STATE_TBL>\r\n";
    const auto settings = [&](const std::string& values) {
        return "<SETTING_INFO_TBL>\r\n" + Mac(2) + "," + values + "\r\n</SETTING_INFO_TBL>\r\n";
    };
    struct Case {
        const char* name;
        std::string file;
        int32_t result;
    };
    const Case cases[] = {
        {"volume out of range", model + runs + settings("1,2,1,1,9,1,1,25,1,0,2,0"),
         CFileJobs::kImportRejected},
        {"not a number", model + runs + settings("1,2,1,1,x,1,1,25,1,0,2,0"),
         CFileJobs::kImportRejected},
        {"cut short", model + "<RUN_STATE_TBL>\r\n" + run, CFileJobs::kImportOk},
        {"settings under the wrong tag",
         model + "<RUN_STATE_TBL>\r\n" + run + Mac(2) + ",1,2,1,1,3,1,1,25,1,0,2,0\r\n" +
             "</SETTING_INFO_TBL>\r\n",
         CFileJobs::kImportRejected},
    };
    int round = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string db = "case" + std::to_string(++round);
        auto manager = NewManager(db + ".sdf");
        AddUnit(*manager, Mac(1), "FULL");
        AddDay(*manager, Mac(1), "20130402", 100);
        WriteFileBytes(m_dir.File(db + ".dat"), c.file);
        CFileJobs jobs(manager.get());
        ASSERT_EQ(jobs.RunImportJob(m_dir.File(db + ".dat")), c.result);

        ASSERT_EQ(manager->GetRemoConCount(), 2);
        EXPECT_EQ(manager->GetRemoConList()[1].macAddress, Mac(2));
        EXPECT_EQ(manager->GetRemoConList()[1].roomName, "寝室部屋1");
        EXPECT_EQ(manager->GetRemoConList()[1].settings, UnreportedSettings());
        // Listed, so the calendar of all units shows what the totals count.
        ASSERT_TRUE(manager->SetRequestedSelection(-1));
        ASSERT_TRUE(manager->SetViewYear(2013));
        ASSERT_TRUE(manager->SetViewMonth(4));
        const auto day = manager->GetDayInfo(manager->GetFirstDayIndex() + 1);
        ASSERT_TRUE(day.has_value());
        ASSERT_EQ(day->entries.size(), 2u);
        EXPECT_EQ(day->entries[1].deviceIndex, 1);
        EXPECT_FALSE(day->partial);
        EXPECT_EQ(manager->GetMonthTotal(), 140);

        // Its copy has no settings line (one of all -1 would be refused) and
        // brings back the same unit.
        ASSERT_EQ(jobs.RunExportJob({1}, m_dir.File(db + "-out.dat")), CFileJobs::kJobOk);
        const std::string copy = ReadFileBytes(m_dir.File(db + "-out.dat"));
        EXPECT_NE(copy.find("<SETTING_INFO_TBL>\r\n</SETTING_INFO_TBL>\r\n"), std::string::npos);
        auto other = NewManager(db + "-other.sdf");
        ASSERT_EQ(CFileJobs(other.get()).RunImportJob(m_dir.File(db + "-out.dat")),
                  CFileJobs::kImportOk);
        const Tables copied = ReadTables(*other);
        ASSERT_EQ(copied.models.size(), 1u);
        EXPECT_EQ(copied.models[0].model, "HALF");
        EXPECT_TRUE(copied.settings.empty());
        EXPECT_EQ(copied.runs.size(), 1u);
        ASSERT_EQ(other->GetRemoConCount(), 1);
        EXPECT_EQ(other->GetRemoConList()[0].settings, UnreportedSettings());

        EXPECT_EQ(jobs.RunDeleteJob({Mac(2)}), CFileJobs::kJobOk);
        const Tables left = ReadTables(*manager);
        ASSERT_EQ(left.models.size(), 1u);
        EXPECT_EQ(left.models[0].macAddress, Mac(1));
        EXPECT_EQ(left.runs.size(), 1u);
        EXPECT_EQ(manager->GetRemoConCount(), 1);
    }
}

TEST_F(DatImport, DeleteJobGoesOnAfterAnEmptyMac) {
    AddUnit(*m_manager, Mac(1), "A");
    AddUnit(*m_manager, Mac(2), "B");
    AddDay(*m_manager, Mac(2), "20130401", 10);
    CFileJobs jobs(m_manager.get());
    EXPECT_EQ(jobs.RunDeleteJob({Mac(1), "", Mac(2)}), CFileJobs::kDeleteFailed);
    const Tables t = ReadTables(*m_manager);
    EXPECT_TRUE(t.models.empty());
    EXPECT_TRUE(t.runs.empty());
    EXPECT_EQ(m_manager->GetRemoConCount(), 0);
    EXPECT_EQ(jobs.RunDeleteJob({}), CFileJobs::kJobOk);
}
