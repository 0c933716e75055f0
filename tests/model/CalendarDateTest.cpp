#include "model/CCalendarDate.h"

#include <gtest/gtest.h>

namespace {

TEST(CalendarDateTest, DayNumbersRoundTripAndStepOneDay) {
    // Every day from 1899 to 2101 converts back to itself, and consecutive
    // days have consecutive numbers: the grid and the range sums rely on it.
    CCalendarDate date{1899, 1, 1};
    int64_t number = date.DayNumber();
    while (date.year < 2102) {
        EXPECT_EQ(CCalendarDate::FromDayNumber(number), date) << date.Text();
        const CCalendarDate next = date.Next();
        EXPECT_EQ(next.DayNumber(), number + 1) << date.Text();
        EXPECT_EQ(next.Previous(), date);
        date = next;
        ++number;
    }
    EXPECT_EQ((CCalendarDate{1970, 1, 1}.DayNumber()), 0);
}

TEST(CalendarDateTest, WeekdaysAndMonthLengths) {
    EXPECT_EQ((CCalendarDate{2015, 2, 1}.Weekday()), 0);
    EXPECT_EQ((CCalendarDate{2015, 8, 1}.Weekday()), 6);
    EXPECT_EQ((CCalendarDate{1900, 1, 1}.Weekday()), 1);
    EXPECT_EQ((CCalendarDate{2100, 1, 1}.Weekday()), 5);
    EXPECT_EQ(CCalendarDate::DaysInMonth(1900, 2), 28);
    EXPECT_EQ(CCalendarDate::DaysInMonth(2000, 2), 29);
    EXPECT_EQ(CCalendarDate::DaysInMonth(2015, 4), 30);
    EXPECT_EQ(CCalendarDate::DaysInMonth(2015, 0), CCalendarDate::kInvalidMonth);
    // Day 31 of a 30-day month is the first of the next (the remote
    // controller's log dates rely on this).
    EXPECT_EQ(CCalendarDate::FromDayNumber(CCalendarDate{2013, 4, 31}.DayNumber()),
              (CCalendarDate{2013, 5, 1}));
}

TEST(CalendarDateTest, ParsesOnlyEightDigits) {
    CCalendarDate date;
    ASSERT_TRUE(CCalendarDate::Parse("20120229", date));
    EXPECT_EQ(date, (CCalendarDate{2012, 2, 29}));
    EXPECT_EQ(date.Text(), "20120229");
    EXPECT_EQ(date.Key(), 20120229);
    EXPECT_FALSE(CCalendarDate::Parse("2012022", date));
    EXPECT_FALSE(CCalendarDate::Parse("2012-2-1", date));
    EXPECT_FALSE(CCalendarDate::Parse("201202290", date));
}

} // namespace
