#include "src/environment/FirstRunDate.h"

#include <gtest/gtest.h>

#include <string>

using hemr::ComputeFirstRunDate;
using rt::Variant;

namespace {

enum Weekday { Sunday, Monday, Tuesday, Wednesday, Thursday, Friday, Saturday };
constexpr int First = 0, Second = 1, Fourth = 3, Last = 4;

Variant Daily(int n) {
    return Variant::ArrayOf({0, Variant::ArrayOf({n})});
}
Variant Weekly(int n, int w) {
    return Variant::ArrayOf({1, Variant::ArrayOf({n, w})});
}
Variant MonthlyOnDay(int n, int d) {
    return Variant::ArrayOf({2, Variant::ArrayOf({0, n, d})});
}
Variant MonthlyOnWeekday(int n, int o, int w) {
    return Variant::ArrayOf({2, Variant::ArrayOf({1, n, o, w})});
}

TEST(FirstRunDate, DailyStartsOnTheStartDate) {
    EXPECT_EQ(ComputeFirstRunDate("20050302", Daily(3)), "20050302") << "the interval does not move the first run";
    EXPECT_EQ(ComputeFirstRunDate("2005030", Daily(1)), "") << "a start that is no date";
    EXPECT_EQ(ComputeFirstRunDate("20050230", Daily(1)), "");
}

TEST(FirstRunDate, WeeklyTakesTheWeekdayOfTheStartWeekOrALaterOne) {
    // 2 March 2005 is a Wednesday.
    EXPECT_EQ(ComputeFirstRunDate("20050302", Weekly(1, Monday)), "20050307") << "Monday of the next week";
    EXPECT_EQ(ComputeFirstRunDate("20050307", Weekly(1, Monday)), "20050307") << "the start day itself";
    EXPECT_EQ(ComputeFirstRunDate("20050302", Weekly(2, Friday)), "20050311") << "Friday a week later";
    EXPECT_EQ(ComputeFirstRunDate("20050302", Weekly(2, Monday)), "20050314");
    EXPECT_EQ(ComputeFirstRunDate("20050302", Weekly(1, Wednesday)), "20050302");
    EXPECT_EQ(ComputeFirstRunDate("20050305", Weekly(1, Sunday)), "20050306") << "Saturday start, Sunday run";
    EXPECT_EQ(ComputeFirstRunDate("20050306", Weekly(1, Saturday)), "20050312");
    EXPECT_EQ(ComputeFirstRunDate("20051230", Weekly(1, Monday)), "20060102") << "across the year end";
}

TEST(FirstRunDate, MonthlyOnADayTakesTheMonthEndWhenTheDayIsMissing) {
    EXPECT_EQ(ComputeFirstRunDate("20050215", MonthlyOnDay(1, 31)), "20050228") << "no 31 February";
    EXPECT_EQ(ComputeFirstRunDate("20050315", MonthlyOnDay(1, 10)), "20050410") << "day 10 has passed";
    EXPECT_EQ(ComputeFirstRunDate("20050315", MonthlyOnDay(1, 15)), "20050315");
    EXPECT_EQ(ComputeFirstRunDate("20040131", MonthlyOnDay(1, 30)), "20040229") << "leap February's last day";
    EXPECT_EQ(ComputeFirstRunDate("20050430", MonthlyOnDay(1, 31)), "20050430") << "April has 30 days";
    EXPECT_EQ(ComputeFirstRunDate("20051130", MonthlyOnDay(3, 31)), "20060131");
    EXPECT_EQ(ComputeFirstRunDate("20051220", MonthlyOnDay(1, 5)), "20060105");
}

TEST(FirstRunDate, MonthlyOnTheNthWeekday) {
    // 1 March 2005 is a Tuesday.
    EXPECT_EQ(ComputeFirstRunDate("20050301", MonthlyOnWeekday(1, First, Monday)), "20050307");
    EXPECT_EQ(ComputeFirstRunDate("20050301", MonthlyOnWeekday(1, First, Tuesday)), "20050301");
    EXPECT_EQ(ComputeFirstRunDate("20050301", MonthlyOnWeekday(1, Second, Tuesday)), "20050308");
    EXPECT_EQ(ComputeFirstRunDate("20050301", MonthlyOnWeekday(1, Fourth, Sunday)), "20050327");
    EXPECT_EQ(ComputeFirstRunDate("20050308", MonthlyOnWeekday(1, First, Monday)), "20050404")
        << "March's first Monday has passed";
    EXPECT_EQ(ComputeFirstRunDate("20050131", MonthlyOnWeekday(1, First, Monday)), "20050207")
        << "from a month end into February";
}

TEST(FirstRunDate, MonthlyOnTheLastWeekday) {
    EXPECT_EQ(ComputeFirstRunDate("20050430", MonthlyOnWeekday(1, Last, Friday)), "20050527")
        << "29 April lies before the start";
    EXPECT_EQ(ComputeFirstRunDate("20050301", MonthlyOnWeekday(1, Last, Tuesday)), "20050329");
    EXPECT_EQ(ComputeFirstRunDate("20050301", MonthlyOnWeekday(1, Last, Thursday)), "20050331")
        << "the last day is that weekday";
    EXPECT_EQ(ComputeFirstRunDate("20040201", MonthlyOnWeekday(1, Last, Sunday)), "20040229");
    EXPECT_EQ(ComputeFirstRunDate("20050430", MonthlyOnWeekday(2, Last, Friday)), "20050527");
}

TEST(FirstRunDate, UnknownKindsAndBadOrdinalsGiveNoDate) {
    EXPECT_EQ(ComputeFirstRunDate("20050301", Variant::ArrayOf({3, Variant::ArrayOf({1})})), "") << "hourly";
    EXPECT_EQ(ComputeFirstRunDate("20050301", Variant::ArrayOf({-1, Variant::ArrayOf({1})})), "");
    EXPECT_EQ(ComputeFirstRunDate("20050301", MonthlyOnWeekday(1, 5, Monday)), "") << "ordinal past the last";
    EXPECT_EQ(ComputeFirstRunDate("20050301", MonthlyOnWeekday(1, -1, Monday)), "");
    EXPECT_EQ(ComputeFirstRunDate("20050301", Variant::ArrayOf({2, Variant::ArrayOf({2, 1, 1})})), "")
        << "unknown monthly mode";
}

TEST(FirstRunDate, MalformedRulesNeverRaise) {
    const Variant rules[] = {
        Variant(),
        Variant::Null(),
        Variant("0"),
        Variant::ArrayOf({1}),
        Variant::ArrayOf({1, "not an array"}),
        Variant::ArrayOf({1, Variant::ArrayOf({1})}),
        Variant::ArrayOf({1, Variant::ArrayOf({"abc", 1})}),
        Variant::ArrayOf({2, Variant::ArrayOf({0, 1})}),
        Variant::ArrayOf({2, Variant::ArrayOf({1, 1, 0})}),
        Weekly(1, 7),
        Weekly(0, Monday),
        MonthlyOnDay(0, 10),
        MonthlyOnWeekday(-1, First, Monday),
    };
    for (const Variant& rule : rules) {
        std::string result;
        EXPECT_NO_THROW(result = ComputeFirstRunDate("20050301", rule));
        EXPECT_EQ(result, "");
    }
}

TEST(FirstRunDate, RulesWithOtherLowBoundsAreReadFromTheirFirstElement) {
    Variant params = Variant::CreateArray({{1, 2}});
    params[1] = 1;
    params[2] = static_cast<int>(Monday);
    Variant rule = Variant::CreateArray({{1, 2}});
    rule[1] = 1;
    rule[2] = params;
    EXPECT_EQ(ComputeFirstRunDate("20050302", rule), "20050307");
}

TEST(FirstRunDate, RunsNearTheLastYearEndAtMostGiveNoDate) {
    EXPECT_EQ(ComputeFirstRunDate("99991220", MonthlyOnDay(1, 10)), "") << "January of year 10000";
    EXPECT_EQ(ComputeFirstRunDate("99991231", Weekly(1, Monday)), "");
    EXPECT_EQ(ComputeFirstRunDate("99991201", MonthlyOnWeekday(1, Last, Friday)), "99991231");
}

}  // namespace
