// The server's copy of the date rules, on the examples the condition forms'
// own rules are held to, and a run's values derived through a rules array.

#include <gtest/gtest.h>

#include "outside/appserver/JobRunner.h"
#include "outside/appserver/RunDates.h"
#include "platform/core/Exceptions.h"
#include "tests/outside/appserver/JobArrays.h"

using appserver::ApplyDateRule;

namespace {

TEST(RunDates, RulesMoveByMonthsWeeksAndDaysAsTheFormsDo) {
    EXPECT_EQ(ApplyDateRule("20050131", "1", "1", "0", "0"), "20050228") << "a month on, lowered to February's end";
    EXPECT_EQ(ApplyDateRule("20050131", "1", "1", "0", "2"), "20050228") << "last day of the next month";
    EXPECT_EQ(ApplyDateRule("20050131", "1", "1", "0", "1"), "20050201") << "first day of the next month";
    EXPECT_EQ(ApplyDateRule("20050131", "-1", "1", "5", "0"), "20050105") << "31 December plus five days";
    EXPECT_EQ(ApplyDateRule("20050105", "0", "0", "0", "1"), "20050102") << "the Sunday of that week";
    EXPECT_EQ(ApplyDateRule("20050105", "0", "0", "0", "2"), "20050108") << "the Saturday of that week";
    EXPECT_EQ(ApplyDateRule("20050105", "2", "0", "-3", "0"), "20050116") << "two weeks less three days";
    EXPECT_EQ(ApplyDateRule("200501", "3", "1", "0", "0"), "200504") << "a year-month moves by months";
    EXPECT_EQ(ApplyDateRule("", "1", "1", "0", "0"), "") << "no date, no result";
    EXPECT_THROW(ApplyDateRule("20050105", "x", "0", "0", "0"), rt::Exception) << "a count that does not read";
}

TEST(RunDates, ARunsValuesTakeTheRunDateThroughEachRule) {
    rt::Variant job = outside_test::Hemr07Job(2, outside_test::At(2005, 3, 11, 9, 30));
    job[2][1] = rt::Variant::ArrayOf({"\x04", "20000101", "20001231"});
    rt::Variant periodic = outside_test::Periodic(
        job, "09:30", rt::Variant::ArrayOf({0, "1"}), rt::Variant::ArrayOf({"20050302", 0}),
        {outside_test::Fields({"1", "ed03", "Y", "0", "1", "1", "0", "D", "3"}),
         outside_test::Fields({"0", "sp01", "Y", "-1", "1", "1", "0", "Y", "-1", "1", "2", "0", "D", "1"}),
         outside_test::Fields({"1", "ed04", "N", "5", "0", "0", "0", "D", "4"})});
    rt::Variant values = appserver::JobRunner::RunValues(periodic, "20050311");
    EXPECT_EQ(values[3].ToString(), "20050301") << "statistics date: first day of the run's month";
    EXPECT_EQ(values[1][1].ToString(), "20050201") << "range begin: first day of the month before";
    EXPECT_EQ(values[1][2].ToString(), "20050228") << "range end: last day of the month before";
    EXPECT_EQ(values[4].ToString(), "25") << "a rule without its check leaves the value";
    EXPECT_TRUE(values[3].IsByteString()) << "a moved value keeps the code page it travelled in";
    EXPECT_EQ(periodic[2][3].ToString(), "20240630") << "the stored job itself is untouched";
}

}  // namespace
