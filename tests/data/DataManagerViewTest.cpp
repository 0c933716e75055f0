#include "DataManagerFixture.h"

#include <gtest/gtest.h>

namespace {

using ViewGridTest = DataManagerFixture;

TEST_F(ViewGridTest, FebruaryStartingOnSundayHasExactlyFourWeeks) {
    ShowMonth(2015, 2);
    EXPECT_EQ(m_manager->GetDayCount(), 28);
    EXPECT_EQ(m_manager->GetFirstDayIndex(), 0);
    EXPECT_EQ(m_manager->GetMonthDayCount(), 28);
    const CEleBillDayInfo first = Cell(0);
    EXPECT_EQ(first.year * 10000 + first.month * 100 + first.day, 20150201);
    EXPECT_TRUE(first.inMonth);
    EXPECT_TRUE(Cell(27).inMonth);
    EXPECT_FALSE(m_manager->GetDayInfo(28).has_value());
    EXPECT_FALSE(m_manager->GetDayInfo(-1).has_value());
}

TEST_F(ViewGridTest, LongMonthStartingOnSaturdayHasSixWeeks) {
    ShowMonth(2015, 8); // 1 August 2015 is a Saturday
    EXPECT_EQ(m_manager->GetDayCount(), 42);
    EXPECT_EQ(m_manager->GetFirstDayIndex(), 6);
    EXPECT_EQ(m_manager->GetMonthDayCount(), 31);
    EXPECT_EQ(Cell(0).month, 7);
    EXPECT_EQ(Cell(0).day, 26);
    EXPECT_FALSE(Cell(0).inMonth);
    EXPECT_EQ(Cell(41).month, 9);
    EXPECT_EQ(Cell(41).day, 5);
    EXPECT_FALSE(Cell(41).inMonth);
}

TEST_F(ViewGridTest, NeighbourMonthsCrossYearEnds) {
    ShowMonth(2015, 1); // Thursday
    ASSERT_EQ(m_manager->GetFirstDayIndex(), 4);
    EXPECT_EQ(Cell(0).year, 2014);
    EXPECT_EQ(Cell(0).month, 12);
    EXPECT_EQ(Cell(0).day, 28);
    ShowMonth(2015, 12); // ends on a Thursday
    const int32_t last = m_manager->GetDayCount() - 1;
    EXPECT_EQ(Cell(last).year, 2016);
    EXPECT_EQ(Cell(last).month, 1);
    EXPECT_EQ(Cell(last).day, 2);
}

TEST_F(ViewGridTest, CellsCarryValuesOnlyBeforeToday) {
    const std::string mac = AddUnit(1);
    AddDays(mac, 2015, 3, 1, 14, 100); // today's row too: it must not count
    Reload();
    ShowMonth(2015, 3);
    EXPECT_TRUE(Day(13).past);
    EXPECT_EQ(Day(13).billText, "100円");
    EXPECT_FALSE(Day(14).past);
    EXPECT_EQ(Day(14).billText, "");
    EXPECT_EQ(Day(14).useTimeShort, "");
    EXPECT_EQ(Day(20).temperatureText, "");
    EXPECT_EQ(m_manager->GetMonthTotal(), 1300);
    EXPECT_FALSE(m_manager->IsMonthIncomplete());
}

TEST_F(ViewGridTest, FirstDayOfMonthHasAnEmptyIncompleteMonth) {
    m_clock.Set(2015, 4, 1); // a Wednesday: 29..31 March lead the grid
    Create();
    const std::string mac = AddUnit(1);
    AddDays(mac, 2015, 3, 1, 31, 50);
    AddDay(mac, 2015, 4, 1, 999);
    Reload();
    EXPECT_EQ(m_manager->GetViewMonth(), 4);
    EXPECT_EQ(m_manager->GetMonthTotal(), 0);
    EXPECT_TRUE(m_manager->IsMonthIncomplete());
    // The leading days of March are over and show their bills.
    ASSERT_EQ(m_manager->GetFirstDayIndex(), 3);
    EXPECT_TRUE(Cell(0).past);
    EXPECT_EQ(Cell(0).billText, "50円");
    EXPECT_FALSE(Day(1).past);
    EXPECT_EQ(Day(1).billText, "");
    std::string text;
    bool incomplete = true;
    m_manager->GetTotalText(1, text, incomplete);
    EXPECT_EQ(text, "1,550");
    EXPECT_FALSE(incomplete);
}

TEST_F(ViewGridTest, FutureMonthIsEmptyWithSmallestScale) {
    const std::string mac = AddUnit(1);
    AddDays(mac, 2015, 3, 1, 13, 5000);
    Reload();
    ShowMonth(2015, 4);
    EXPECT_EQ(m_manager->GetMonthTotal(), 0);
    EXPECT_TRUE(m_manager->IsMonthIncomplete());
    EXPECT_EQ(m_manager->GetAutoGraphScale(), 0);
    EXPECT_FALSE(Day(1).past);
}

TEST_F(ViewGridTest, DayWithoutDataShowsDashes) {
    const std::string mac = AddUnit(1);
    AddDay(mac, 2015, 3, 2, 10);
    Reload();
    EXPECT_EQ(Day(1).billText, "---円");
    EXPECT_EQ(Day(1).useTimeShort, "---時間");
    EXPECT_EQ(Day(1).useTimeLong, "---時間");
    EXPECT_EQ(Day(1).temperatureText, "---");
    EXPECT_TRUE(m_manager->IsMonthIncomplete());
    EXPECT_EQ(m_manager->GetMonthTotal(), 10);
}

using ViewAggregationTest = DataManagerFixture;

TEST_F(ViewAggregationTest, MissingDayOfOneOfThreeUnitsIsPartial) {
    const std::string a = AddUnit(1);
    const std::string b = AddUnit(2);
    const std::string c = AddUnit(3);
    for (const auto& mac : {a, b, c}) {
        AddDays(mac, 2015, 2, 1, 28, 100);
    }
    AddDay(a, 2015, 3, 10, 120);
    AddDay(b, 2015, 3, 10, 30);
    Reload();
    Select(CDataManager::kAllAircons);
    ShowMonth(2015, 2);
    EXPECT_FALSE(m_manager->IsMonthIncomplete());
    EXPECT_EQ(m_manager->GetMonthTotal(), 8400);
    EXPECT_FALSE(m_manager->HasPartialDay(CDataManager::kPageGraph));

    ShowMonth(2015, 3);
    const CEleBillDayInfo day = Day(10);
    EXPECT_TRUE(day.partial);
    EXPECT_EQ(day.billText, "150円");
    ASSERT_EQ(day.entries.size(), 2u);
    EXPECT_EQ(day.entries[0].deviceIndex, IndexOf(a) < IndexOf(b) ? IndexOf(a) : IndexOf(b));
    EXPECT_TRUE(m_manager->IsMonthIncomplete());
    EXPECT_TRUE(m_manager->HasPartialDay(CDataManager::kPageCalendar));

    // One unit alone is never partial.
    Select(IndexOf(a));
    EXPECT_FALSE(Day(10).partial);
    EXPECT_EQ(Day(10).billText, "120円");
    EXPECT_FALSE(m_manager->HasPartialDay(CDataManager::kPageCalendar));
}

TEST_F(ViewAggregationTest, PartialLeadingDayCountsOnlyOnTheCalendar) {
    const std::string a = AddUnit(1);
    AddUnit(2);
    AddDay(a, 2014, 12, 31, 10); // a leading cell of January 2015
    Reload();
    Select(CDataManager::kAllAircons);
    ShowMonth(2015, 1);
    ASSERT_FALSE(Cell(0).inMonth);
    EXPECT_TRUE(m_manager->HasPartialDay(CDataManager::kPageCalendar));
    EXPECT_FALSE(m_manager->HasPartialDay(CDataManager::kPageGraph));
}

TEST_F(ViewAggregationTest, AutomaticScaleGrowsWithTheNumberOfUnits) {
    const std::string a = AddUnit(1);
    AddUnit(2);
    AddUnit(3);
    AddDay(a, 2015, 3, 5, 150);
    Reload();
    Select(IndexOf(a));
    EXPECT_EQ(m_manager->GetAutoGraphScale(), 1);
    Select(CDataManager::kAllAircons);
    EXPECT_EQ(m_manager->GetAutoGraphScale(), 0);
    EXPECT_EQ(m_manager->GetGraphScaleYen(), 300);
    AddDay(a, 2015, 3, 6, 3000);
    m_manager->RefreshViewData();
    EXPECT_EQ(m_manager->GetAutoGraphScale(), 3);
}

TEST_F(ViewAggregationTest, UseTimeTexts) {
    const std::string mac = AddUnit(1);
    const int minutes[] = {0, 45, 89, 90, 1440};
    for (int i = 0; i < 5; ++i) {
        AddDay(mac, 2015, 3, i + 1, 10, minutes[i]);
    }
    Reload();
    EXPECT_EQ(Day(1).useTimeShort, "0時間");
    EXPECT_EQ(Day(1).useTimeLong, "0分");
    EXPECT_EQ(Day(2).useTimeShort, "45分");
    EXPECT_EQ(Day(2).useTimeLong, "45分");
    EXPECT_EQ(Day(3).useTimeShort, "1時間");
    EXPECT_EQ(Day(3).useTimeLong, "1時間29分");
    EXPECT_EQ(Day(4).useTimeShort, "2時間");
    EXPECT_EQ(Day(4).useTimeLong, "1時間30分");
    EXPECT_EQ(Day(5).useTimeShort, "24時間");
    EXPECT_EQ(Day(5).useTimeLong, "24時間0分");
}

TEST_F(ViewAggregationTest, OutdoorTemperatureMeanIgnoresMissingReadings) {
    const std::string a = AddUnit(1);
    const std::string b = AddUnit(2);
    AddDay(a, 2015, 3, 1, 10, 60, 20);
    AddDay(b, 2015, 3, 1, 10, 60, 127);
    AddDay(a, 2015, 3, 2, 10, 60, 127);
    AddDay(b, 2015, 3, 2, 10, 60, 127);
    AddDay(a, 2015, 3, 3, 10, 60, -5);
    AddDay(b, 2015, 3, 3, 10, 60, 4);
    AddDay(a, 2015, 3, 4, 10, 60, -12);
    AddDay(b, 2015, 3, 4, 10, 60, -13);
    AddDay(a, 2015, 3, 5, 10, 60, 21);
    AddDay(b, 2015, 3, 5, 10, 60, 20);
    Reload();
    Select(CDataManager::kAllAircons);
    EXPECT_EQ(Day(1).temperatureText, "20.0");
    EXPECT_EQ(Day(2).temperatureText, "127.0");
    EXPECT_EQ(Day(3).temperatureText, "-0.5");
    EXPECT_EQ(Day(4).temperatureText, "-12.5");
    EXPECT_EQ(Day(5).temperatureText, "20.5");
}

TEST_F(ViewAggregationTest, PeriodTotalsAndTheirFlags) {
    const std::string mac = AddUnit(1);
    AddDays(mac, 2015, 2, 1, 28, 10);   // previous month, complete
    AddDays(mac, 2014, 3, 1, 30, 20);   // same month last year, one day short
    AddDays(mac, 2014, 12, 1, 31, 1);   // part of the previous year
    AddDays(mac, 2015, 3, 1, 13, 1000); // this month up to yesterday
    Reload();
    std::string text;
    bool incomplete = false;
    m_manager->GetTotalText(0, text, incomplete);
    EXPECT_EQ(text, "13,000");
    EXPECT_FALSE(incomplete);
    m_manager->GetTotalText(1, text, incomplete);
    EXPECT_EQ(text, "280");
    EXPECT_FALSE(incomplete);
    m_manager->GetTotalText(2, text, incomplete);
    EXPECT_EQ(text, "600");
    EXPECT_TRUE(incomplete);
    m_manager->GetTotalText(3, text, incomplete);
    EXPECT_EQ(text, "13,280"); // 1 January .. yesterday
    EXPECT_TRUE(incomplete);   // no January rows
    m_manager->GetTotalText(4, text, incomplete);
    EXPECT_EQ(text, "631");
    EXPECT_TRUE(incomplete);
    m_manager->GetTotalText(5, text, incomplete);
    EXPECT_EQ(text, "");
    EXPECT_TRUE(incomplete);
}

using ViewTargetTest = DataManagerFixture;

TEST_F(ViewTargetTest, TargetLevelsAgainstTenThousandYen) {
    const std::string mac = AddUnit(1);
    Reload();
    Select(IndexOf(mac));
    ShowMonth(2015, 2);
    ASSERT_TRUE(m_manager->GetMonthTarget() == 0);
    EXPECT_EQ(m_manager->GetTargetLevel(), 0);
    m_manager->SetMonthTarget(10000);
    const std::pair<int, int> cases[] = {{1999, 5}, {2000, 4}, {9999, 1}, {10000, 0}};
    for (const auto& [total, level] : cases) {
        AddDay(mac, 2015, 2, 1, total > 9999 ? 9999 : total);
        AddDay(mac, 2015, 2, 2, total > 9999 ? total - 9999 : 0);
        m_manager->RefreshViewData();
        EXPECT_EQ(m_manager->GetMonthTotal(), total);
        EXPECT_EQ(m_manager->GetMonthTarget(), 10000) << total;
        EXPECT_EQ(m_manager->GetTargetLevel(), level) << total;
    }
    // Beyond what an import accepts: not taken, in memory or in the database.
    m_manager->SetMonthTarget(50001);
    m_manager->SetMonthTarget(-5);
    EXPECT_EQ(m_manager->GetMonthTarget(), 10000);
    m_manager->RefreshViewData();
    EXPECT_EQ(m_manager->GetMonthTarget(), 10000);
    m_manager->SetMonthTarget(0);
    EXPECT_EQ(m_manager->GetTargetLevel(), 0);
}

TEST_F(ViewTargetTest, AllUnitsSumTheirTargetsAndCannotSetOne) {
    const std::string a = AddUnit(1);
    const std::string b = AddUnit(2);
    Reload();
    Select(IndexOf(a));
    m_manager->SetMonthTarget(3000);
    Select(IndexOf(b));
    m_manager->SetMonthTarget(4000);
    EXPECT_TRUE(m_manager->IsTargetEditable());
    Select(CDataManager::kAllAircons);
    EXPECT_EQ(m_manager->GetMonthTarget(), 7000);
    EXPECT_FALSE(m_manager->IsTargetEditable());
    m_manager->SetMonthTarget(1);
    EXPECT_EQ(m_manager->GetMonthTarget(), 7000);
    // A past month's target is history.
    Select(IndexOf(a));
    ShowMonth(2015, 2);
    EXPECT_FALSE(m_manager->IsTargetEditable());
    ShowMonth(2015, 4);
    EXPECT_TRUE(m_manager->IsTargetEditable());
}

using ViewNavigationTest = DataManagerFixture;

TEST_F(ViewNavigationTest, MonthZeroAndThirteenRollTheYear) {
    ShowMonth(2015, 1);
    EXPECT_TRUE(m_manager->SetViewMonth(0));
    EXPECT_EQ(m_manager->GetViewYear(), 2014);
    EXPECT_EQ(m_manager->GetViewMonth(), 12);
    EXPECT_FALSE(m_manager->SetViewMonth(12));
    EXPECT_FALSE(m_manager->SetViewMonth(14));
    EXPECT_FALSE(m_manager->SetViewMonth(-1));

    ShowMonth(2099, 12);
    EXPECT_TRUE(m_manager->SetViewMonth(13));
    EXPECT_EQ(m_manager->GetViewYear(), 2100);
    EXPECT_EQ(m_manager->GetViewMonth(), 1);
    EXPECT_EQ(m_manager->GetFirstDayIndex(), 5); // 1 January 2100 is a Friday

    EXPECT_FALSE(m_manager->SetViewYear(10000));
    EXPECT_FALSE(m_manager->AddViewYear(0));
    EXPECT_TRUE(m_manager->AddViewYear(-90));
    EXPECT_EQ(m_manager->GetViewYear(), 2010);
}

TEST_F(ViewNavigationTest, ShowCurrentMonthOnlyInsideTheSupportedYears) {
    ShowMonth(2012, 7);
    EXPECT_TRUE(m_manager->ShowCurrentMonth());
    EXPECT_EQ(m_manager->GetViewYear(), 2015);
    EXPECT_EQ(m_manager->GetViewMonth(), 3);

    m_clock.Set(2100, 1, 5);
    Create();
    ShowMonth(2099, 6);
    EXPECT_FALSE(m_manager->ShowCurrentMonth());
    EXPECT_EQ(m_manager->GetViewYear(), 2099);
    EXPECT_EQ(m_manager->GetViewMonth(), 6);
}

TEST_F(ViewNavigationTest, DateChangeAndMillisecondsToMidnight) {
    bool changed = true;
    int32_t milliseconds = 0;
    EXPECT_EQ(m_manager->CheckDateChange(changed, milliseconds), 12 * 3600 * 1000);
    EXPECT_FALSE(changed);
    EXPECT_EQ(milliseconds, 12 * 3600 * 1000);
    ShowMonth(2014, 1);
    m_clock.Set(2015, 3, 15, 23, 59, 59);
    m_manager->CheckDateChange(changed, milliseconds);
    EXPECT_TRUE(changed);
    EXPECT_EQ(milliseconds, 1000);
    // The view month is the person's choice once set.
    EXPECT_EQ(m_manager->GetViewYear(), 2014);
    int32_t year = 0, month = 0, day = 0;
    m_manager->GetToday(year, month, day);
    EXPECT_EQ(year * 10000 + month * 100 + day, 20150315);
}

TEST_F(ViewNavigationTest, GraphScaleFollowsTheShownUnit) {
    const std::string a = AddUnit(1);
    const std::string b = AddUnit(2);
    AddDay(a, 2015, 3, 3, 450);
    Reload();
    Select(IndexOf(a));
    m_manager->SetCurrentPage(CDataManager::kPageGraph);
    EXPECT_EQ(m_manager->GetGraphScale(), 2);
    m_manager->AddGraphScale(5);
    EXPECT_EQ(m_manager->GetGraphScale(), 3);
    m_manager->SetCurrentPage(CDataManager::kPageCalendar);
    m_manager->SetCurrentPage(CDataManager::kPageGraph);
    EXPECT_EQ(m_manager->GetGraphScale(), 3); // same unit: the person's choice stays
    ASSERT_TRUE(m_manager->SetRequestedSelection(IndexOf(b)));
    m_manager->SetCurrentPage(CDataManager::kPageGraph); // applies the new selection
    EXPECT_EQ(m_manager->GetAppliedSelection(), IndexOf(b));
    EXPECT_EQ(m_manager->GetGraphScale(), 0);
    m_manager->AddGraphScale(-3);
    EXPECT_EQ(m_manager->GetGraphScale(), 0);
    // Another unit chosen while the graph stays shown (the window rebuilds
    // without leaving the page) takes that unit's fitting scale too...
    ASSERT_TRUE(m_manager->SetRequestedSelection(IndexOf(a)));
    m_manager->RefreshViewData();
    EXPECT_EQ(m_manager->GetGraphScale(), 2);
    // ...while another month of the same unit keeps the chosen one.
    m_manager->AddGraphScale(1);
    ASSERT_TRUE(m_manager->SetViewMonth(2));
    EXPECT_EQ(m_manager->GetGraphScale(), 3);
    // The settings pages never rebuild.
    ASSERT_TRUE(m_manager->SetRequestedSelection(IndexOf(b)));
    m_manager->SetCurrentPage(CDataManager::kPageSettingsCheck);
    EXPECT_EQ(m_manager->GetAppliedSelection(), IndexOf(a));
}

// All air conditioners have an empty key; shown first, the graph still takes
// the scale that fits instead of keeping the 100-yen one it was built with.
TEST_F(ViewNavigationTest, GraphShownFirstForAllUnitsTakesTheFittingScale) {
    const std::string a = AddUnit(1);
    const std::string b = AddUnit(2);
    AddDay(a, 2015, 3, 3, 450);
    AddDay(b, 2015, 3, 3, 400);
    Reload();
    ASSERT_TRUE(m_manager->SetRequestedSelection(CDataManager::kAllAircons));
    m_manager->SetCurrentPage(CDataManager::kPageCalendar);
    ASSERT_EQ(m_manager->GetAutoGraphScale(), 2); // 850 yen on two units: 500 x 2
    m_manager->SetCurrentPage(CDataManager::kPageGraph);
    EXPECT_EQ(m_manager->GetGraphScale(), 2);
    EXPECT_EQ(m_manager->GetGraphScaleYen(), 1000);
    m_manager->AddGraphScale(1);
    m_manager->SetCurrentPage(CDataManager::kPageCalendar);
    m_manager->SetCurrentPage(CDataManager::kPageGraph);
    EXPECT_EQ(m_manager->GetGraphScale(), 3); // shown before: the person's choice stays
}

using ViewListTest = DataManagerFixture;

TEST_F(ViewListTest, FirstLoadSelectsTheFirstUnitAndLabelsItsRegistration) {
    EXPECT_EQ(m_manager->GetRequestedSelection(), CDataManager::kAllAircons);
    const std::string a = AddUnit(1);
    Reload();
    EXPECT_EQ(m_manager->GetRequestedSelection(), 0);
    const auto unit = m_manager->GetSelectedRemoCon();
    ASSERT_TRUE(unit.has_value());
    EXPECT_EQ(unit->macAddress, a);
    EXPECT_EQ(unit->roomName, "リビング1");
    int year = 0, month = 0, day = 0;
    std::string date = unit->getDate;
    std::replace(date.begin(), date.end(), '-', '/');
    ASSERT_EQ(std::sscanf(date.c_str(), "%d/%d/%d", &year, &month, &day), 3);
    EXPECT_EQ(m_manager->GetAggregationLabel(),
              std::to_string(month) + " 月 " + std::to_string(day) + " 日集計");
    // Later loads keep the selection by MAC instead of selecting the first again.
    AddUnit(2);
    Select(CDataManager::kAllAircons);
    m_manager->LoadRemoConList();
    EXPECT_EQ(m_manager->GetRequestedSelection(), CDataManager::kAllAircons);
    EXPECT_FALSE(m_manager->GetAggregationLabel().empty());
}

TEST_F(ViewListTest, DeletedSelectionFallsBackToAllUnits) {
    const std::string a = AddUnit(1);
    const std::string b = AddUnit(2);
    AddDay(b, 2015, 3, 1, 10);
    CDbEleBillTgtData target{b, "201503", 500};
    ASSERT_EQ(m_manager->SetTargetEleBillInfo(target), 0);
    Reload();
    Select(IndexOf(b));
    EXPECT_EQ(m_manager->DeleteModelData(b), 0);
    EXPECT_EQ(m_manager->GetRequestedSelection(), CDataManager::kAllAircons);
    EXPECT_EQ(m_manager->GetAppliedSelection(), CDataManager::kAllAircons);
    ASSERT_EQ(m_manager->GetRemoConCount(), 1);
    EXPECT_EQ(m_manager->GetRemoCon(0)->macAddress, a);
    auto& db = m_manager->Db();
    std::vector<CDbModelInfoData> models;
    std::vector<CDbSettingInfoData> settings;
    std::vector<CDbRunStateData> days;
    std::vector<CDbEleBillTgtData> targets;
    ASSERT_EQ(db.GetModelInfo(models, b), 0);
    ASSERT_EQ(db.GetSettingInfo(settings, b), 0);
    ASSERT_EQ(db.GetRunStateInfo(days, b), 0);
    ASSERT_EQ(db.GetTargetEleBillInfo(targets, b), 0);
    EXPECT_TRUE(models.empty());
    EXPECT_TRUE(settings.empty());
    EXPECT_TRUE(days.empty());
    EXPECT_TRUE(targets.empty());
    EXPECT_EQ(m_manager->DeleteModelData(""), 1);
    EXPECT_EQ(m_manager->GetRemoConCount(), 1);
}

TEST_F(ViewListTest, AccessorsOutsideTheList) {
    AddUnit(1);
    Reload();
    std::string model = "unchanged", room = "unchanged";
    bool connected = true;
    EXPECT_TRUE(m_manager->GetRemoConNames(5, model, room, connected));
    EXPECT_EQ(model, "unchanged");
    EXPECT_TRUE(m_manager->GetRemoConNames(0, model, room, connected));
    EXPECT_EQ(model, "RAS-1");
    EXPECT_FALSE(connected);
    EXPECT_FALSE(m_manager->GetRemoCon(1).has_value());
    EXPECT_FALSE(m_manager->GetRemoCon(-1).has_value());
    EXPECT_FALSE(m_manager->SetRequestedSelection(1));
    EXPECT_FALSE(m_manager->SetRequestedSelection(-2));
    ASSERT_TRUE(m_manager->SetRequestedSelection(CDataManager::kAllAircons));
    ASSERT_TRUE(m_manager->GetSelectedRemoCon().has_value());
    EXPECT_TRUE(m_manager->GetSelectedRemoCon()->macAddress.empty());
}

TEST_F(ViewListTest, OneDayInfoForThePastAndToday) {
    const std::string a = AddUnit(1);
    const std::string b = AddUnit(2);
    AddDay(a, 2015, 1, 31, 70, 30, 5);
    AddDay(b, 2015, 1, 31, 80, 30, 6);
    AddDay(a, 2015, 3, 14, 70);
    Reload();
    Select(CDataManager::kAllAircons);
    const CEleBillDayInfo past = m_manager->GetOneDayInfo(2015, 1, 31);
    EXPECT_TRUE(past.past);
    EXPECT_FALSE(past.inMonth);
    EXPECT_EQ(past.billText, "150円");
    EXPECT_EQ(past.useTimeLong, "1時間0分");
    EXPECT_EQ(past.temperatureText, "5.5");
    EXPECT_EQ(past.entries.size(), 2u);
    const CEleBillDayInfo today = m_manager->GetOneDayInfo(2015, 3, 14);
    EXPECT_FALSE(today.past);
    EXPECT_TRUE(today.entries.empty());
    EXPECT_EQ(today.billText, "");
}

TEST(ViewFormatTest, FormatYen) {
    EXPECT_EQ(CDataManager::FormatYen(0), "0円");
    EXPECT_EQ(CDataManager::FormatYen(999), "999円");
    EXPECT_EQ(CDataManager::FormatYen(1000), "1,000円");
    EXPECT_EQ(CDataManager::FormatYen(1005), "1,005円");
    EXPECT_EQ(CDataManager::FormatYen(1234567), "1,234,567円");
}

TEST(ViewFormatTest, CalendarHelpers) {
    EXPECT_EQ(CDataManager::GetDaysInMonth(2012, 2), 29);
    EXPECT_EQ(CDataManager::GetDaysInMonth(2100, 2), 28);
    EXPECT_EQ(CDataManager::GetDaysInMonth(2000, 2), 29);
    EXPECT_EQ(CDataManager::GetDaysInMonth(99, 2), CDataManager::kInvalidDate);
    EXPECT_EQ(CDataManager::GetDaysInMonth(2015, 13), CDataManager::kInvalidDate);
    EXPECT_EQ(CDataManager::GetWeekday(2015, 1, 2), 0); // year, day, month
    EXPECT_EQ(CDataManager::GetWeekday(2015, 14, 3), 6);
    EXPECT_EQ(CDataManager::GetWeekday(1899, 1, 1), CDataManager::kInvalidDate);
    EXPECT_EQ(CDataManager::GetWeekdayName(0), "日");
    EXPECT_EQ(CDataManager::GetWeekdayName(6), "土");
    EXPECT_EQ(CDataManager::GetWeekdayName(7), "");
    int year = 2015, month = 1, day = 1;
    CDataManager::GetPreviousDay(year, month, day);
    EXPECT_EQ(year * 10000 + month * 100 + day, 20141231);
    year = 2012, month = 3, day = 1;
    CDataManager::GetPreviousDay(year, month, day);
    EXPECT_EQ(year * 10000 + month * 100 + day, 20120229);
}

} // namespace

// The view data's forecast: the month that holds today only, for the applied
// selection (one unit or the sum of all) against the bill box's target.
TEST_F(ViewNavigationTest, ForecastOfTheCurrentMonthForTheSelection) {
    const std::string a = AddUnit(1);
    const std::string b = AddUnit(2);
    AddDays(a, 2015, 2, 28, 28, 100);
    AddDays(a, 2015, 3, 1, 13, 100); // 14 recent days of 100
    AddDays(b, 2015, 3, 11, 13, 50); // 3 recent days of 50
    CDbEleBillTgtData target{a, "201503", 2500};
    ASSERT_EQ(m_manager->SetTargetEleBillInfo(target), 0);
    Reload();
    Select(IndexOf(a));
    // 13 x 100 so far, 18 days left at 100; 1300 + 100 x (k - 13) > 2500 on the 26th.
    ASSERT_TRUE(m_manager->GetForecast().has_value());
    EXPECT_EQ(m_manager->GetForecast()->yen, 1300 + 1800);
    EXPECT_TRUE(m_manager->GetForecast()->overTarget);
    EXPECT_EQ(m_manager->GetForecast()->passesTargetOn, "20150326");
    Select(CDataManager::kAllAircons);
    // 1300 + 150 so far; the days' sums: 11 of 100 and 3 of 150, 1550 / 14 a day;
    // the target is the sum of the units' targets.
    ASSERT_TRUE(m_manager->GetForecast().has_value());
    EXPECT_EQ(m_manager->GetForecast()->soFar, 1450);
    EXPECT_EQ(m_manager->GetForecast()->yen, 1450 + 1993); // 18 x 1550 / 14 = 1992.9
    EXPECT_TRUE(m_manager->GetForecast()->overTarget);
    ShowMonth(2015, 2);
    EXPECT_FALSE(m_manager->GetForecast().has_value());
}
