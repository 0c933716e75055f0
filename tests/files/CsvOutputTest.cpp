#include "FileJobsFixture.h"

#include <filesystem>
#include <gmock/gmock.h>

namespace {

const std::string kFixtures = TEVARO_FILES_FIXTURES;
const std::string kHeader =
    "\xEF\xBB\xBF"
    "リモコン情報,機種情報,西暦年,年間累計電気代(円),昨年度電気代(円),年月日,1日電気代(円),"
    "月の目標電気代(円),運転時間(分),月の電気代(円),室外温度\r\n";

} // namespace

class CsvOutput : public FileJobsFixture {
protected:
    // The example unit: the first living-room unit, model "ABC " (trailing
    // blank), two April days of 2013, 500 yen in 2012, a target of 3000 for April.
    void AddExampleUnit() {
        AddUnit(*m_manager, m_mac, "ABC ");
        AddDay(*m_manager, m_mac, "20121231", 500);
        AddDay(*m_manager, m_mac, "20130401", 45, 120, 12);
        AddDay(*m_manager, m_mac, "20130402", 30, 60, 127);
        AddTarget(*m_manager, m_mac, "201304", 3000);
    }

    std::string Output(int32_t year, int32_t month, const std::string& name) {
        CFileJobs jobs(m_manager.get());
        EXPECT_EQ(jobs.OutputEleBillCsv(m_dir.Path(), 0, year, month), CFileJobs::kCsvWritten);
        return ReadFileBytes(m_dir.File(name));
    }

    const std::string m_mac = Mac(1);
};

TEST_F(CsvOutput, April2013ExampleMatchesByteForByte) {
    AddExampleUnit();
    EXPECT_EQ(Output(2013, 4, "リビング1_ABC-201304.csv"),
              ReadFileBytes(kFixtures + "/april2013_utf8.csv"));

    CFileJobs jobs(m_manager.get());
    const std::string folder = m_dir.File("cp932");
    std::filesystem::create_directory(folder);
    ASSERT_EQ(jobs.OutputEleBillCsv(folder, 0, 2013, 4, CsvEncoding::kCp932),
              CFileJobs::kCsvWritten);
    EXPECT_EQ(ReadFileBytes(folder + "/リビング1_ABC-201304.csv"),
              ReadFileBytes(kFixtures + "/april2013_cp932.csv"));
}

TEST_F(CsvOutput, MonthTotalRestartsAndTargetIsReadAgainInTheNextMonth) {
    AddUnit(*m_manager, m_mac, "M");
    AddDay(*m_manager, m_mac, "20130330", 10);
    AddDay(*m_manager, m_mac, "20130331", 20);
    AddDay(*m_manager, m_mac, "20130401", 40, 90, -3);
    AddTarget(*m_manager, m_mac, "201303", 700);
    EXPECT_EQ(Output(2013, 0, "リビング1_M-2013.csv"),
              kHeader + "リビング1,M,2013,70,0,20130330,10,700,60,10,20\r\n"
                        "リビング1,M,2013,70,0,20130331,20,700,60,30,20\r\n"
                        "リビング1,M,2013,70,0,20130401,40,0,90,40,-3\r\n");
}

TEST_F(CsvOutput, AllDataReadsTheYearTotalsAgainInEachYear) {
    AddUnit(*m_manager, m_mac, "M", "B");
    AddDay(*m_manager, m_mac, "20111231", 1);
    AddDay(*m_manager, m_mac, "20121231", 100);
    AddDay(*m_manager, m_mac, "20130101", 7);
    AddDay(*m_manager, m_mac, "20130102", 8);
    EXPECT_EQ(Output(0, 0, "寝室部屋1_M.csv"),
              kHeader + "寝室部屋1,M,2011,1,0,20111231,1,0,60,1,20\r\n"
                        "寝室部屋1,M,2012,100,1,20121231,100,0,60,100,20\r\n"
                        "寝室部屋1,M,2013,15,100,20130101,7,0,60,7,20\r\n"
                        "寝室部屋1,M,2013,15,100,20130102,8,0,60,15,20\r\n");
}

TEST_F(CsvOutput, YearTotalsEndYesterdayButEveryStoredDayIsListed) {
    m_clock.Set(2013, 4, 2);
    AddExampleUnit();
    const std::string csv = Output(2013, 4, "リビング1_ABC-201304.csv");
    // The 2nd is today: its bill counts in the month column, not in the year.
    EXPECT_NE(csv.find("リビング1,ABC ,2013,45,500,20130402,30,3000,60,75,－\r\n"),
              std::string::npos)
        << csv;
    m_clock.Set(2013, 1, 1);
    // New Year's Day: the current year has no past day yet.
    EXPECT_NE(Output(2013, 4, "リビング1_ABC-201304.csv").find(",2013,0,500,20130401,"),
              std::string::npos);
}

TEST_F(CsvOutput, PeriodWithoutRowsGivesTheHeaderOnly) {
    AddExampleUnit();
    EXPECT_EQ(Output(2014, 2, "リビング1_ABC-201402.csv"), kHeader);
}

TEST_F(CsvOutput, InvalidArgumentsWriteNoFile) {
    AddExampleUnit();
    CFileJobs jobs(m_manager.get());
    EXPECT_EQ(jobs.OutputEleBillCsv(m_dir.Path(), 0, 2009, 4), CFileJobs::kCsvNotWritten);
    EXPECT_EQ(jobs.OutputEleBillCsv(m_dir.Path(), 0, 2013, 13), CFileJobs::kCsvNotWritten);
    EXPECT_EQ(jobs.OutputEleBillCsv(m_dir.Path(), 0, 2100, 0), CFileJobs::kCsvNotWritten);
    EXPECT_EQ(jobs.OutputEleBillCsv(m_dir.Path(), 1, 2013, 4), CFileJobs::kCsvNotWritten);
    EXPECT_EQ(jobs.OutputEleBillCsv("", 0, 2013, 4), CFileJobs::kCsvNotWritten);
    EXPECT_EQ(jobs.OutputEleBillCsv(m_dir.File("missing"), 0, 2013, 4), CFileJobs::kCsvNotWritten);
    EXPECT_FALSE(m_manager->MakeCsvData("", 2013, 4));
    EXPECT_FALSE(m_manager->MakeCsvData(m_mac, 2013, -1));
    for (const auto& entry : std::filesystem::directory_iterator(m_dir.Path())) {
        EXPECT_NE(entry.path().extension(), ".csv") << entry.path();
    }
}

TEST_F(CsvOutput, FileNameRule) {
    CRemoConInfo unit;
    unit.roomName = "リビング1";
    unit.model = "ABC  ";
    EXPECT_EQ(CFileJobs::CsvFileName("/f", unit, 2013, 4), "/f/リビング1_ABC-201304.csv");
    EXPECT_EQ(CFileJobs::CsvFileName("/f/", unit, 2013, 0), "/f/リビング1_ABC-2013.csv");
    EXPECT_EQ(CFileJobs::CsvFileName("/f", unit, 0, 0), "/f/リビング1_ABC.csv");
    unit.model = " A/B ";
    EXPECT_EQ(CFileJobs::CsvFileName("/f", unit, 0, 0), "/f/リビング1_ A_B.csv");
}

TEST_F(CsvOutput, JobWritesLaterFilesAfterAFailure) {
    AddUnit(*m_manager, Mac(1), "ONE");
    AddUnit(*m_manager, Mac(2), "TWO", "C");
    CFileJobs jobs(m_manager.get());
    EXPECT_EQ(jobs.RunCsvJob(m_dir.Path(), {0, 5, 1}, 2013, 4), CFileJobs::kJobFailed);
    EXPECT_TRUE(std::filesystem::exists(m_dir.File("リビング1_ONE-201304.csv")));
    EXPECT_TRUE(std::filesystem::exists(m_dir.File("子供部屋1_TWO-201304.csv")));
    EXPECT_EQ(jobs.RunCsvJob(m_dir.Path(), {0, 1}, 2013, 4), CFileJobs::kJobOk);
}
