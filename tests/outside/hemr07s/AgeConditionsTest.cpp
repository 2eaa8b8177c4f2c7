// Reading the HEMR07 value rows: panels, dates and the age brackets.

#include <gtest/gtest.h>

#include "outside/appserver/ServerError.h"
#include "outside/hemr07s/AgeConditions.h"
#include "outside/hemr07s/AgeDistribution.h"
#include "tests/outside/hemr07s/Hemr07Values.h"

using hemr07s::AgeConditions;
using hemr07test::Hemr07Form;

namespace {

TEST(AgeConditions, BracketsAreHalfOpenSoEveryAgeHasExactlyOne) {
    AgeConditions c = AgeConditions::FromValues(Hemr07Form().Values(), "20990101");
    ASSERT_EQ(c.brackets.size(), 9u) << "first bound, seven pairs, last bound";
    EXPECT_EQ(c.brackets.front().label, "25岁以内");
    EXPECT_EQ(c.brackets[1].label, "25至30岁");
    EXPECT_EQ(c.brackets.back().label, "60岁以上");
    for (int age : {0, 24, 25, 29, 30, 59, 60, 99}) {
        int holders = 0;
        for (const auto& b : c.brackets)
            holders += b.Contains(age);
        EXPECT_EQ(holders, 1) << "age " << age;
    }
    EXPECT_TRUE(c.brackets[1].Contains(25)) << "the lower bound belongs to its bracket";
    EXPECT_FALSE(c.brackets[1].Contains(30)) << "the upper bound belongs to the next one";
    EXPECT_EQ(c.statDate, "20240630");
    EXPECT_EQ(c.printDate, "20240701") << "the last row is the print date";
}

TEST(AgeConditions, AnEmptyStatisticsDateMeansTodayAndABadOneIsRefused) {
    Hemr07Form form;
    form.statDate = "";
    EXPECT_EQ(AgeConditions::FromValues(form.Values(), "20250102").statDate, "20250102");
    form.statDate = "20240231";
    EXPECT_THROW(AgeConditions::FromValues(form.Values(), "20250102"), appserver::EServerError);
}

TEST(AgeConditions, BracketBoundsMustBeNonNegativeIntegers) {
    for (const char* bad : {"-1", "abc", ""}) {
        Hemr07Form form;
        form.pairs[3].second = bad;
        EXPECT_THROW(AgeConditions::FromValues(form.Values(), "20240101"), appserver::EServerError) << bad;
    }
    rt::Variant tooShort = rt::Variant::CreateArray({{1, 11}});
    EXPECT_THROW(AgeConditions::FromValues(tooShort, "20240101"), appserver::EServerError)
        << "fewer than the form's twelve rows";
}

TEST(CodeFilter, RangesListsAndPlainTextsSelectCodes) {
    using hemr07s::CodeFilter;
    CodeFilter open = CodeFilter::FromValue(hemr07test::Range("", ""), "公司");
    EXPECT_TRUE(open.Matches("99"));
    EXPECT_EQ(open.Describe(), "全部");

    CodeFilter from = CodeFilter::FromValue(hemr07test::Range("02", ""), "公司");
    EXPECT_FALSE(from.Matches("01"));
    EXPECT_TRUE(from.Matches("02"));
    EXPECT_TRUE(from.Matches("03")) << "an empty end is open";

    CodeFilter list = CodeFilter::FromValue(hemr07test::List({"A01", "C02"}), "部门");
    EXPECT_TRUE(list.Matches("C02"));
    EXPECT_FALSE(list.Matches("A02"));
    EXPECT_EQ(list.Describe(), "A01, C02");

    EXPECT_TRUE(CodeFilter::FromValue(rt::Variant("B01"), "部门").Matches("B01"));
    EXPECT_FALSE(CodeFilter::FromValue(rt::Variant("B01"), "部门").Matches("B02"));
    EXPECT_THROW(CodeFilter::FromValue(rt::Variant::ArrayOf({"x", "a", "b"}), "部门"), appserver::EServerError)
        << "neither range nor list mark";
    EXPECT_THROW(CodeFilter::FromValue(rt::Variant::ArrayOf({"\x04", "a"}), "部门"), appserver::EServerError)
        << "a range without its end";
}

TEST(AgeDistribution, AgesAreCompletedYearsAndLeaversAndNewcomersAreNotCounted) {
    EXPECT_EQ(hemr07s::AgeOn("20000630", "20240630"), 24) << "on the birthday";
    EXPECT_EQ(hemr07s::AgeOn("20000701", "20240630"), 23) << "the day before";
    AgeConditions c = AgeConditions::FromValues(Hemr07Form().Values(), "20240630");
    std::vector<hemr07s::Employee> staff = {
        {"1", "01", "A01", "20000630", "M", "20200101", ""},          // 24 -> under 25
        {"2", "01", "A01", "19990630", "F", "20200101", ""},          // 25 -> 25..29
        {"3", "01", "A01", "19990630", "F", "20200101", "20240630"},  // left that day
        {"4", "01", "A01", "19990630", "F", "20240701", ""},          // hired later
        {"5", "01", "A01", "19400101", "M", "19600101", ""},          // 84 -> 60 and over
    };
    hemr07s::AgeDistribution d = hemr07s::AgeDistribution::Count(c, staff);
    EXPECT_EQ(d.total, 3);
    EXPECT_EQ(d.rows[0].male, 1);
    EXPECT_EQ(d.rows[1].female, 1);
    EXPECT_EQ(d.rows[8].total, 1);
}

}  // namespace
