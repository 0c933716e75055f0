#include "../data/DataManagerFixture.h"
#include "../db/RawDatabase.h"
#include "cli/CliReadNotice.h"
#include "cli/TevaroCli.h"
#include "db/CDataLocation.h"
#include "support/CliEnvironment.h"
#include "util/UniqueFd.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <sstream>
#include <sys/file.h>
#include <thread>

namespace {

// Keeps every notification instead of showing it.
class RecordingNotifier : public ICliNotifier {
public:
    void Notify(const CliNotice& notice) override { notices.push_back(notice); }
    std::vector<CliNotice> notices;
};

// The CLI run in-process against a database the test prepared through the
// data manager; the environment points the CLI at the same file.
class CliTest : public DataManagerFixture {
protected:
    void SetUp() override {
        PointCliAt(m_dir);
        std::filesystem::create_directories(m_dir.File("run"));
        setenv("XDG_RUNTIME_DIR", m_dir.File("run").c_str(), 1);
        DataManagerFixture::SetUp();
    }

    void Prepare() {
        m_manager.reset();
        std::filesystem::create_directories(m_dir.File("no-sys/class/tty"));
        CSerialPortManager::Options options;
        options.sysfsRoot = m_dir.File("no-sys");
        options.devRoot = m_dir.File("no-dev");
        m_manager = std::make_unique<CDataManager>(m_clock, options);
        ASSERT_EQ(m_manager->Initialize(m_dir.File("data/Morvane/aircon/tvraircon.sdf")), 0);
    }

    int Run(const std::vector<std::string>& args) {
        m_out.str({});
        m_err.str({});
        return RunTevaroCli(args, m_out, m_err, m_clock, &m_notifier);
    }

    std::ostringstream m_out;
    std::ostringstream m_err;
    RecordingNotifier m_notifier;
};

TEST_F(CliTest, HelpAndArgumentErrors) {
    EXPECT_EQ(Run({"--help"}), 0);
    EXPECT_NE(m_out.str().find("month"), std::string::npos);
    EXPECT_EQ(Run({}), 2);
    EXPECT_EQ(Run({"frobnicate"}), 2);
    EXPECT_EQ(Run({"month", "--help"}), 0);
    EXPECT_NE(m_out.str().find("usage: tevaro-cli month"), std::string::npos);
    EXPECT_EQ(Run({"units", "--help"}), 0);
    EXPECT_EQ(Run({"read", "--help"}), 0);
    EXPECT_EQ(Run({"delete", "--help"}), 0);
    EXPECT_NE(m_out.str().find("exit status:\n  0  done\n"), std::string::npos) << m_out.str();
    EXPECT_EQ(Run({"--version"}), 0);
    EXPECT_EQ(m_out.str().rfind("tevaro-cli ", 0), 0u);
    EXPECT_EQ(m_out.str().back(), '\n');

    const std::vector<std::vector<std::string>> bad = {
        {"month"},
        {"month", "2015"},
        {"month", "2015", "x"},
        {"month", "2009", "12"},
        {"month", "2015", "13"},
        {"month", "2015", "3", "-1", "9"},
        {"delete"},
        {"delete", "XYZ"},
        {"units", "extra"},
        {"read", "extra"},
        {"read", "--json", "--jsn"},
        {"units", "--json", "--json"},
        {"month", "2015", "3", "7"},
    };
    for (const auto& args : bad) {
        EXPECT_EQ(Run(args), 2) << args.size() << " " << args.back();
        EXPECT_NE(m_err.str().find("usage: tevaro-cli"), std::string::npos) << args.back();
    }
}

TEST_F(CliTest, UnopenableDatabaseIsAnInitialisationFailure) {
    setenv("TEVARO_DATA_DIR", m_dir.File("missing").c_str(), 1);
    EXPECT_EQ(Run({"units"}), 1);
    EXPECT_EQ(m_err.str(), "tevaro-cli: 初期化に失敗しました。" + m_dir.File("missing") +
                               "/Morvane/aircon: No such file or directory\n");
    EXPECT_EQ(Run({"month", "2015", "3"}), 1);
    EXPECT_EQ(Run({"read", "--notify"}), 1);
    ASSERT_EQ(m_notifier.notices.size(), 1u);
    EXPECT_EQ(m_notifier.notices[0].body, "初期化に失敗しました。");
    EXPECT_FALSE(std::filesystem::exists(m_dir.File("missing")));

    // A file that is no database: one line that says so.
    setenv("TEVARO_DATA_DIR", m_dir.File("data").c_str(), 1);
    WriteFileBytes(m_dir.File("data/Morvane/aircon/tvraircon.sdf"), std::string(4096, 'x'));
    EXPECT_EQ(Run({"units"}), 1);
    EXPECT_EQ(m_err.str(), "tevaro-cli: 初期化に失敗しました。" +
                               m_dir.File("data/Morvane/aircon/tvraircon.sdf") +
                               ": not a Tevaro database, or damaged\n");
}

TEST_F(CliTest, UnitsListInRegistrationOrder) {
    Prepare();
    AddUnit(1);
    AddUnit(2);
    EXPECT_EQ(Run({"units"}), 0);
    std::istringstream lines(m_out.str());
    std::string line;
    int count = 0;
    while (std::getline(lines, line)) {
        std::vector<std::string> fields;
        std::istringstream split(line);
        for (std::string field; std::getline(split, field, '\t');) {
            fields.push_back(field);
        }
        ASSERT_EQ(fields.size(), 6u) << line;
        EXPECT_EQ(fields[0], std::to_string(count));
        EXPECT_EQ(fields[2].rfind("リビング", 0), 0u);
        EXPECT_EQ(fields[4].size(), 19u);
        EXPECT_EQ(fields[4][4], '/');
        EXPECT_EQ(fields[5], "0");
        ++count;
    }
    EXPECT_EQ(count, 2);
}

TEST_F(CliTest, UnitsKeepOneLinePerUnitWhateverTheModelHolds) {
    Prepare();
    CDbModelInfoData model;
    model.macAddress = Mac(1);
    model.model = "RAS\tX\nY\r";
    model.roomCode = "C";
    ASSERT_EQ(m_manager->SetModelInfo(model), 0);
    CDbSettingInfoData settings;
    settings.macAddress = Mac(1);
    settings.values = {0,  0,  0,  0,  3,  0,  0,  27, 0,  0,  1,  0,  -1,
                       -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
    ASSERT_EQ(m_manager->SetSettingInfo(settings), 0);
    AddUnit(2);
    m_manager.reset();
    ASSERT_EQ(Run({"units"}), 0);
    const std::string text = m_out.str();
    ASSERT_EQ(std::count(text.begin(), text.end(), '\n'), 2) << text;
    const std::string first = text.substr(0, text.find('\n'));
    EXPECT_EQ(std::count(first.begin(), first.end(), '\t'), 5) << first;
    EXPECT_EQ(first.rfind("0\t" + Mac(1) + "\t子供部屋1\tRAS X Y \t", 0), 0u) << first;
}

TEST_F(CliTest, MonthAsJson) {
    Prepare();
    const std::string a = AddUnit(1);
    const std::string b = AddUnit(2);
    AddDays(a, 2015, 3, 1, 13, 100);
    AddDays(b, 2015, 3, 1, 12, 50); // the 13th is missing for b
    Reload();
    Select(IndexOf(a));
    m_manager->SetMonthTarget(5000);
    m_manager.reset();

    ASSERT_EQ(Run({"month", "2015", "3", "--json"}), 0) << m_err.str();
    const auto json = nlohmann::json::parse(m_out.str());
    ASSERT_EQ(json["cells"].size(), 35u);
    EXPECT_EQ(json["first_day_index"], 0);
    EXPECT_EQ(json["month_total"], 1300 + 600);
    EXPECT_EQ(json["month_incomplete"], true);
    EXPECT_EQ(json["target"], 5000);
    EXPECT_EQ(json["target_level"], 4); // 1,900 against a fifth of 5,000 = 1,000
    const auto& thirteenth = json["cells"][12];
    EXPECT_EQ(thirteenth["date"], "20150313");
    EXPECT_EQ(thirteenth["partial"], true);
    EXPECT_EQ(thirteenth["bill"], "100円");
    EXPECT_EQ(thirteenth["bill_yen"], 100);
    EXPECT_EQ(json["cells"][11]["bill"], "150円");
    EXPECT_EQ(json["cells"][13]["past"], false);
    EXPECT_EQ(json["cells"][13]["bill"], "");
    EXPECT_TRUE(json["cells"][13]["bill_yen"].is_null());
    EXPECT_EQ(json["previous_month"]["text"], "0");
    EXPECT_EQ(json["previous_month"]["incomplete"], true);
    EXPECT_EQ(json["view_year"]["text"], "1,900");
    EXPECT_EQ(json["auto_graph_scale"], 0);
    EXPECT_FALSE(json["aggregation_label"].get<std::string>().empty());
    // Today is 14 March: 13 recent days with data summing to 1,900, 18 days
    // left at 1900 / 13 = 146.15 a day: 1,900 + 2,631. 5,000 is not reached.
    const auto& forecast = json["forecast"];
    EXPECT_EQ(forecast["yen"], 1900 + 2631);
    EXPECT_DOUBLE_EQ(forecast["daily"].get<double>(), 1900.0 / 13.0);
    EXPECT_DOUBLE_EQ(forecast["factor"].get<double>(), 1.0);
    EXPECT_EQ(forecast["over_target"], false);
    EXPECT_TRUE(forecast["passes_target_on"].is_null());

    ASSERT_EQ(Run({"month", "2015", "3", "1", "--json"}), 0);
    const auto one = nlohmann::json::parse(m_out.str());
    EXPECT_EQ(one["month_total"], 600);
    EXPECT_EQ(one["cells"][12]["partial"], false);
    EXPECT_EQ(one["cells"][12]["bill"], "---円");
    EXPECT_EQ(one["target"], 0);
    EXPECT_EQ(one["forecast"]["yen"], 600 + 18 * 50);

    // Below a target of 1,000 so far; 600 + 50 x (k - 13) passes it on the 22nd.
    Prepare();
    Reload();
    Select(1);
    m_manager->SetMonthTarget(1000);
    m_manager.reset();
    ASSERT_EQ(Run({"month", "2015", "3", "1", "--json"}), 0);
    const auto over = nlohmann::json::parse(m_out.str());
    EXPECT_EQ(over["forecast"]["over_target"], true);
    EXPECT_EQ(over["forecast"]["passes_target_on"], "20150322");
    ASSERT_EQ(Run({"month", "2015", "3", "1"}), 0);
    EXPECT_NE(m_out.str().find("今月の見込み 約1,500円  目標を超えそう（3月22日ごろ）"),
              std::string::npos)
        << m_out.str();
    // Another month has none.
    ASSERT_EQ(Run({"month", "2015", "2", "--json"}), 0);
    EXPECT_TRUE(nlohmann::json::parse(m_out.str())["forecast"].is_null());
}

TEST_F(CliTest, MonthAsCalendarText) {
    Prepare();
    const std::string a = AddUnit(1);
    AddUnit(2);
    AddDay(a, 2015, 3, 2, 1234, 90);
    m_manager.reset();
    ASSERT_EQ(Run({"month", "2015", "3"}), 0);
    const std::string text = m_out.str();
    EXPECT_NE(text.find("2015年3月"), std::string::npos);
    EXPECT_NE(text.find("1,234円"), std::string::npos);
    EXPECT_NE(text.find("2時間"), std::string::npos);
    EXPECT_NE(text.find("2*"), std::string::npos); // the 2nd lacks unit 2
    EXPECT_NE(text.find("今月の電気代  1,234円*"), std::string::npos);
}

TEST_F(CliTest, DeleteCountsFailuresAndGoesOn) {
    Prepare();
    const std::string a = AddUnit(1);
    const std::string b = AddUnit(2);
    AddDay(a, 2015, 3, 2, 10);
    m_manager.reset();
    std::string lower = a;
    for (char& c : lower) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    ASSERT_EQ(Run({"delete", "", lower}), 3);
    EXPECT_EQ(m_out.str(), "result 2\n");
    EXPECT_EQ(m_err.str(), "tevaro-cli: not deleted: an empty MAC\n");
    ASSERT_EQ(Run({"units"}), 0);
    EXPECT_EQ(m_out.str().find(a), std::string::npos);
    EXPECT_NE(m_out.str().find(b), std::string::npos);
    ASSERT_EQ(Run({"delete", b}), 0);
    EXPECT_EQ(m_out.str(), "result 0\n");
    ASSERT_EQ(Run({"units"}), 0);
    EXPECT_EQ(m_out.str(), "");
    ASSERT_EQ(Run({"delete", ""}), 1);
    EXPECT_EQ(m_out.str(), "result 2\n");
    EXPECT_EQ(m_err.str(), "tevaro-cli: not deleted: an empty MAC\n");
}

TEST_F(CliTest, UnitsAsJson) {
    Prepare();
    AddUnit(1);
    AddUnit(2);
    m_manager.reset();
    ASSERT_EQ(Run({"units", "--json"}), 0) << m_err.str();
    const auto json = nlohmann::json::parse(m_out.str());
    ASSERT_EQ(json.size(), 2u);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(json[i]["index"], i);
        EXPECT_EQ(json[i]["mac"], Mac(i + 1));
        EXPECT_EQ(json[i]["model"], "RAS-" + std::to_string(i + 1));
        EXPECT_EQ(json[i]["room"].get<std::string>().rfind("リビング", 0), 0u);
        EXPECT_EQ(json[i]["registered"].get<std::string>().size(), 19u);
        EXPECT_EQ(json[i]["connected"], false);
    }
}

// Nothing plugged in: read stores nothing, says so, and still shows the month.
TEST_F(CliTest, ReadWithNothingPluggedIn) {
    Prepare();
    const std::string a = AddUnit(1);
    AddDays(a, 2015, 3, 1, 13, 100);
    m_manager.reset();
    ASSERT_EQ(Run({"read", "--json", "--notify"}), 0) << m_err.str();
    const auto json = nlohmann::json::parse(m_out.str());
    EXPECT_EQ(json["desktop_program_running"], false);
    EXPECT_EQ(json["units_read"], 0);
    EXPECT_EQ(json["days_stored"], 0);
    EXPECT_TRUE(json["connect_errors"].empty());
    ASSERT_EQ(json["units"].size(), 1u);
    EXPECT_EQ(json["units"][0]["days_stored"], 0);
    EXPECT_EQ(json["month_total"], 1300); // the clock's today is 14 March 2015
    EXPECT_EQ(json["forecast_yen"], 1300 + 18 * 100);
    ASSERT_EQ(m_notifier.notices.size(), 1u);
    EXPECT_EQ(m_notifier.notices[0].summary, "リモコンが接続されていません");
    EXPECT_EQ(m_notifier.notices[0].body,
              "リモコンが接続されていません。今月 1,300円、見込み 約3,100円");
    // Without --notify nothing is shown.
    ASSERT_EQ(Run({"read"}), 0);
    EXPECT_EQ(m_out.str().rfind("0\t" + a + "\t", 0), 0u) << m_out.str();
    EXPECT_EQ(m_notifier.notices.size(), 1u);
}

// The running desktop program holds its lock: read leaves the ports to it and
// opens no database (there is none here to open).
TEST_F(CliTest, ReadLeavesThePortsToTheRunningDesktopProgram) {
    setenv("TEVARO_DATA_DIR", m_dir.File("missing").c_str(), 1);
    const std::string lockPath = CDataLocation::InstanceLockPath();
    EXPECT_EQ(lockPath, m_dir.File("run/tvraircon_{D93FC629-4D91-4ab3-B5BE-DC56EA286DD0}.lock"));
    ASSERT_EQ(Run({"read"}), 1) << "no lock file: a reader like any other";
    const UniqueFd lock(open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600));
    ASSERT_TRUE(lock.Valid());
    ASSERT_EQ(Run({"read"}), 1) << "a lock file nobody holds";
    ASSERT_EQ(flock(lock.Get(), LOCK_EX | LOCK_NB), 0);
    ASSERT_EQ(Run({"read", "--notify"}), 0);
    EXPECT_EQ(m_out.str(), "the desktop program is running and reads the remote controllers "
                           "itself\n");
    EXPECT_EQ(m_err.str(), "");
    EXPECT_TRUE(m_notifier.notices.empty());
    ASSERT_EQ(Run({"read", "--json"}), 0);
    EXPECT_EQ(nlohmann::json::parse(m_out.str()),
              nlohmann::json({{"desktop_program_running", true}}));
}

// The desktop program holds a write for a moment: the CLI waits instead of
// failing after its quick retries.
TEST_F(CliTest, WriteWaitsForTheDesktopProgramsTransaction) {
    Prepare();
    const std::string a = AddUnit(1);
    m_manager.reset();
    RawDatabase other(m_dir.File("data/Morvane/aircon/tvraircon.sdf"));
    ASSERT_EQ(other.Exec("BEGIN IMMEDIATE"), SQLITE_OK);
    std::thread release([&other] {
        std::this_thread::sleep_for(std::chrono::milliseconds(700));
        other.Exec("COMMIT");
    });
    const int status = Run({"delete", a});
    release.join();
    EXPECT_EQ(status, 0) << m_err.str();
    EXPECT_EQ(m_out.str(), "result 0\n");
}

CMonthForecast Forecast(int64_t yen, bool over, const std::string& passesOn) {
    CMonthForecast forecast;
    forecast.yen = yen;
    forecast.overTarget = over;
    forecast.passesTargetOn = passesOn;
    return forecast;
}

TEST(CliReadNoticeTest, TextsForWhatWasReadAndTheMonth) {
    struct Row {
        CliReadOutcome outcome;
        const char* summary;
        const char* body;
    };
    const std::vector<Row> rows = {
        {{2, 3, {}, 2, 3208, 6500, Forecast(6900, true, "20151224")},
         "リモコンを読み込みました",
         "2台のエアコンから3日分を読み込みました。今月 3,208円、見込み 約6,900円"
         "（目標 6,500円を超えそう：12月24日ごろ）"},
        {{1, 0, {}, 1, 800, 6500, Forecast(4200, false, "")},
         "リモコンを読み込みました",
         "1台のエアコンを読み込みました。今月 800円、見込み 約4,200円（目標 6,500円以内）"},
        {{1, 2, {}, 3, 7000, 6500, Forecast(9000, true, "")},
         "リモコンを読み込みました",
         "1台のエアコンから2日分を読み込みました。今月 7,000円、見込み 約9,000円"
         "（目標 6,500円を超えています）"},
        {{1, 2, {}, 1, 100, 0, std::nullopt},
         "リモコンを読み込みました",
         "1台のエアコンから2日分を読み込みました。今月 100円"},
        {{1, 1, {}, 1, 100, 500, std::nullopt},
         "リモコンを読み込みました",
         "1台のエアコンから1日分を読み込みました。今月 100円（目標 500円）"},
        {{1, 1, {kConnectErrorPictureTimeout, kConnectErrorPictureGeneral}, 1, 0, 0, std::nullopt},
         "読み込めなかったリモコンがあります",
         "1台のエアコンから1日分を読み込みました。今月 0円\n"
         "2台のリモコンを読み込めませんでした：リモコンとの接続に失敗しました。"},
        {{0, 0, {kConnectErrorPictureNoMac}, 0, 0, 0, std::nullopt},
         "リモコンを読み込めませんでした",
         "1台のリモコンを読み込めませんでした：リモコンにデータがありません。"
         "エアコンに登録してから接続してください。"},
        {{0, 0, {kConnectErrorPictureLimit, kConnectErrorPictureNoMac}, 7, 0, 0, std::nullopt},
         "リモコンを読み込めませんでした",
         "今月 0円\n2台のリモコンを読み込めませんでした：登録できるエアコン機種は７台までです。"
         "リモコンにデータがありません。エアコンに登録してから接続してください。"},
        {{0, 0, {}, 0, 0, 0, std::nullopt},
         "リモコンが接続されていません",
         "リモコンが接続されていません。"},
    };
    for (const Row& row : rows) {
        const CliNotice notice = ReadNotice(row.outcome);
        EXPECT_EQ(notice.summary, row.summary) << row.body;
        EXPECT_EQ(notice.body, row.body);
    }
}

} // namespace
