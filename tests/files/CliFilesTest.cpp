#include "FileJobsFixture.h"
#include "cli/TevaroCli.h"
#include "support/CliEnvironment.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <sstream>

namespace {

const std::string kFixtures = TEVARO_FILES_FIXTURES;

// import, export and csv of tevaro-cli run in-process on a database the test
// prepared; the environment points the CLI at the same file.
class CliFiles : public FileJobsFixture {
protected:
    void SetUp() override {
        PointCliAt(m_dir);
        m_manager = NewManager("data/Morvane/aircon/tvraircon.sdf");
    }

    int Run(const std::vector<std::string>& args) {
        m_out.str({});
        m_err.str({});
        return RunTevaroCli(args, m_out, m_err, m_clock);
    }

    std::ostringstream m_out;
    std::ostringstream m_err;
};

} // namespace

TEST_F(CliFiles, ExportThenImportElsewhere) {
    AddUnit(*m_manager, Mac(1), "ONE");
    AddUnit(*m_manager, Mac(2), "TWO", "D");
    AddDay(*m_manager, Mac(2), "20130401", 12);
    m_manager.reset();

    ASSERT_EQ(Run({"export", m_dir.File("two.dat"), "1"}), 0);
    EXPECT_EQ(m_out.str(), "result 0\n");
    ASSERT_EQ(Run({"export", m_dir.File("none.dat")}), 0);
    EXPECT_EQ(m_out.str(), "result 0\n");
    EXPECT_EQ(
        ReadFileBytes(m_dir.File("none.dat")),
        "<ELE_BILL_TGT_TBL>\r\n</ELE_BILL_TGT_TBL>\r\n<MODEL_INFO_TBL>\r\n</MODEL_INFO_TBL>\r\n"
        "<RUN_STATE_TBL>\r\n</RUN_STATE_TBL>\r\n<SETTING_INFO_TBL>\r\n</SETTING_INFO_TBL>\r\n");
    // Failures: `result 1`, exit status 1 and one line that says why.
    const struct {
        std::vector<std::string> args;
        std::string why;
    } failures[] = {
        {{"export", m_dir.File("bad.dat"), "7"}, "no unit 7 (see `tevaro-cli units`)"},
        {{"export", m_dir.File("no/such/a.dat"), "0"},
         "cannot write into " + m_dir.File("no/such") + ": No such file or directory"},
        {{"export", m_dir.File("two.dat/a.dat")},
         "cannot write into " + m_dir.File("two.dat") + ": Not a directory"},
        {{"export", m_dir.File("data"), "0"},
         "cannot write " + m_dir.File("data") + ": Is a directory"},
    };
    for (const auto& failure : failures) {
        EXPECT_EQ(Run(failure.args), 1) << failure.why;
        EXPECT_EQ(m_out.str(), "result 1\n");
        EXPECT_EQ(m_err.str(), "tevaro-cli: " + failure.why + "\n");
    }

    // Into an empty database: the list shows the imported unit afterwards.
    std::filesystem::remove(m_dir.File("data/Morvane/aircon/tvraircon.sdf"));
    ASSERT_EQ(Run({"import", m_dir.File("two.dat")}), 0);
    EXPECT_EQ(m_out.str(), "result 0\n");
    ASSERT_EQ(Run({"units"}), 0);
    EXPECT_NE(m_out.str().find("0\t" + Mac(2) + "\tダイニング1\tTWO\t"), std::string::npos)
        << m_out.str();
    ASSERT_EQ(Run({"import", m_dir.File("missing.dat")}), 1);
    EXPECT_EQ(m_out.str(), "result 2\n");
    EXPECT_EQ(m_err.str(), "tevaro-cli: cannot read " + m_dir.File("missing.dat") +
                               ": No such file or directory\n");
}

TEST_F(CliFiles, AUnitWhoseSettingsLineWasRefusedIsListedExportedAndDeleted) {
    AddUnit(*m_manager, Mac(1), "ONE");
    m_manager.reset();
    WriteFileBytes(m_dir.File("half.dat"), "<MODEL_INFO_TBL>\r\n" + Mac(2) +
                                               ",HALF,B\r\n</MODEL_INFO_TBL>\r\n"
                                               "<SETTING_INFO_TBL>\r\n" +
                                               Mac(2) +
                                               ",1,2,1,1,9,1,1,25,1,0,2,0\r\n"
                                               "</SETTING_INFO_TBL>\r\n");
    ASSERT_EQ(Run({"import", m_dir.File("half.dat")}), 3);
    EXPECT_EQ(m_out.str(), "result 1\n");
    EXPECT_EQ(m_err.str(),
              "tevaro-cli: " + m_dir.File("half.dat") + ": some lines or records were refused\n");
    ASSERT_EQ(Run({"units"}), 0);
    EXPECT_NE(m_out.str().find("\n1\t" + Mac(2) + "\t寝室部屋1\tHALF\t"), std::string::npos)
        << m_out.str();
    ASSERT_EQ(Run({"export", m_dir.File("copy.dat"), "1"}), 0);
    EXPECT_EQ(m_out.str(), "result 0\n");
    ASSERT_EQ(Run({"delete", Mac(2)}), 0);
    EXPECT_EQ(m_out.str(), "result 0\n");
    ASSERT_EQ(Run({"units"}), 0);
    const std::string left = m_out.str();
    EXPECT_EQ(left.rfind("0\t" + Mac(1) + "\t", 0), 0u) << left;
    EXPECT_EQ(std::count(left.begin(), left.end(), '\n'), 1) << left;
}

TEST_F(CliFiles, CsvInBothEncodings) {
    AddUnit(*m_manager, Mac(1), "ABC ");
    AddDay(*m_manager, Mac(1), "20121231", 500);
    AddDay(*m_manager, Mac(1), "20130401", 45, 120, 12);
    AddDay(*m_manager, Mac(1), "20130402", 30, 60, 127);
    AddTarget(*m_manager, Mac(1), "201304", 3000);
    m_manager.reset();

    const std::string utf8 = m_dir.File("utf8");
    const std::string cp932 = m_dir.File("cp932");
    std::filesystem::create_directory(utf8);
    std::filesystem::create_directory(cp932);
    ASSERT_EQ(Run({"csv", utf8, "2013", "4", "0"}), 0);
    EXPECT_EQ(m_out.str(), "result 0\n");
    EXPECT_EQ(ReadFileBytes(utf8 + "/リビング1_ABC-201304.csv"),
              ReadFileBytes(kFixtures + "/april2013_utf8.csv"));
    ASSERT_EQ(Run({"csv", "--encoding", "cp932", cp932, "2013", "4", "0"}), 0);
    EXPECT_EQ(ReadFileBytes(cp932 + "/リビング1_ABC-201304.csv"),
              ReadFileBytes(kFixtures + "/april2013_cp932.csv"));
    ASSERT_EQ(Run({"csv", "--encoding", "utf-8", utf8, "0", "0", "0"}), 0);
    EXPECT_TRUE(std::filesystem::exists(utf8 + "/リビング1_ABC.csv"));

    // The second unit does not exist: its file alone is missing.
    ASSERT_EQ(Run({"csv", utf8, "2013", "4", "0", "3"}), 3);
    EXPECT_EQ(m_out.str(), "result 1\n");
    EXPECT_EQ(m_err.str(), "tevaro-cli: 1 of 2 files not written: no unit 3 (see `tevaro-cli "
                           "units`)\n");
    const struct {
        std::vector<std::string> args;
        std::string why;
    } failures[] = {
        {{"csv", utf8, "2009", "4", "0"},
         "no CSV for year 2009 month 4: the year is 0 or 2010..2099, the month 0..12"},
        {{"csv", utf8, "2013", "13", "0"},
         "no CSV for year 2013 month 13: the year is 0 or 2010..2099, the month 0..12"},
        {{"csv", m_dir.File("nowhere"), "2013", "4", "0"},
         "cannot write into " + m_dir.File("nowhere") + ": No such file or directory"},
    };
    for (const auto& failure : failures) {
        EXPECT_EQ(Run(failure.args), 1) << failure.why;
        EXPECT_EQ(m_out.str(), "result 1\n");
        EXPECT_EQ(m_err.str(), "tevaro-cli: " + failure.why + "\n");
    }
}

TEST_F(CliFiles, ArgumentErrors) {
    const std::vector<std::vector<std::string>> bad = {
        {"import"},
        {"import", "a.dat", "b.dat"},
        {"export"},
        {"export", "a.dat", "x"},
        {"export", "a.dat", "-1"},
        {"csv"},
        {"csv", "/tmp", "2013", "4"},
        {"csv", "/tmp", "2013", "April", "0"},
        {"csv", "--encoding", "latin1", "/tmp", "2013", "4", "0"},
        {"csv", "--encoding"},
        {"csv", "/tmp", "2013", "4", "0", "one"},
    };
    for (const auto& args : bad) {
        EXPECT_EQ(Run(args), 2) << args.size() << " " << args.back();
    }
    for (const char* command : {"import", "export", "csv"}) {
        EXPECT_EQ(Run({command, "--help"}), 0) << command;
        EXPECT_NE(m_out.str().find(std::string("usage: tevaro-cli ") + command), std::string::npos);
    }
}
