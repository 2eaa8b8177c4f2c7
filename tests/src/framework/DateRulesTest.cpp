#include <gtest/gtest.h>

#include "platform/core/Exceptions.h"
#include "src/framework/DateRules.h"

namespace {

using hemr::ApplyDateEnvironment;
using hemr::ApplyDateRule;
using rt::Variant;

TEST(ApplyDateRuleTest, MonthsKeepTheDayOrGoToTheFirstOrLastDay) {
    EXPECT_EQ(ApplyDateRule("20050131", "1", "1", "0", "0"), "20050228") << "31 January + 1 month is the last of February";
    EXPECT_EQ(ApplyDateRule("20050131", "1", "1", "0", "2"), "20050228") << "last day";
    EXPECT_EQ(ApplyDateRule("20050131", "1", "1", "0", "1"), "20050201") << "first day";
    EXPECT_EQ(ApplyDateRule("20050131", "-1", "1", "5", "0"), "20050105") << "31 December 2004 plus 5 days";
}

TEST(ApplyDateRuleTest, WeeksGoToTheirSundayOrSaturdayOrMoveByDays) {
    EXPECT_EQ(ApplyDateRule("20050105", "0", "0", "0", "1"), "20050102") << "the Sunday of that week";
    EXPECT_EQ(ApplyDateRule("20050105", "0", "0", "0", "2"), "20050108") << "the Saturday";
    EXPECT_EQ(ApplyDateRule("20050105", "2", "0", "-3", "0"), "20050116") << "two weeks less three days";
}

TEST(ApplyDateRuleTest, AYearAndMonthMovesByMonthsOnlyAndBadInputGivesNothingOrRaises) {
    EXPECT_EQ(ApplyDateRule("200501", "3", "1", "9", "2"), "200504");
    EXPECT_EQ(ApplyDateRule("", "1", "1", "0", "1"), "") << "an empty date stays empty, even for a first-day rule";
    EXPECT_EQ(ApplyDateRule("20051340", "1", "1", "0", "2"), "") << "an invalid date";
    EXPECT_THROW(ApplyDateRule("20050131", "x", "1", "0", "0"), rt::EConvertError) << "n must read as a number";
}

// [values 1..3, period block, rules] as the periodic job keeps it.
Variant Job(const std::vector<std::string>& entries) {
    Variant values = Variant::CreateArray({{1, 3}});
    values[1] = "20240101";
    values[2] = Variant::ArrayOf({"\x04", "20240101", "20240131"});
    values[3] = "202401";
    Variant rules = Variant::CreateArray({{0, static_cast<int>(entries.size())}});
    rules[0] = static_cast<int>(entries.size());
    for (size_t i = 0; i < entries.size(); ++i) rules[static_cast<int>(i) + 1] = entries[i];
    Variant job = Variant::CreateArray({{1, 3}});
    job[1] = values;
    job[2] = Variant::ArrayOf({"period"});
    job[3] = rules;
    return job;
}

std::string Entry(std::initializer_list<const char*> fields) {
    std::string entry;
    for (const char* f : fields) entry += (entry.empty() ? "" : "\x03") + std::string(f);
    return entry;
}

TEST(ApplyDateEnvironmentTest, RuledEditsAndPanelEndsMoveToTheRunDateAndTheRestStays) {
    const Variant job = Job({
        Entry({"1", "ed03", "Y", "-1", "1", "1", "0", "D", "1"}),                             // first of last month
        Entry({"0", "sp09", "N", "0", "0", "0", "0", "Y", "0", "1", "2", "0", "D", "2"}),     // end: month's last day
        Entry({"1", "ed04", "Y", "-2", "1", "0", "0", "M", "3"}),                             // two months back
    });
    const Variant values = ApplyDateEnvironment(job, "20240618");
    ASSERT_TRUE(values.IsArray()) << rt::VarToStr(values);
    EXPECT_EQ(rt::VarToStr(values[1]), "20240501");
    EXPECT_EQ(rt::VarToStr(values[2][1]), "20240101") << "a begin date without a rule keeps its value";
    EXPECT_EQ(rt::VarToStr(values[2][2]), "20240630");
    EXPECT_EQ(rt::VarToStr(values[3]), "202404") << "a year-month condition starts from the run's month";

    const Variant plain = ApplyDateEnvironment(Job({Entry({"1", "ed03", "Y", "0", "1", "0", "0", "D", "1"})}), "20240618");
    EXPECT_EQ(rt::VarToStr(plain[1]), "20240618") << "a rule of zeros takes the run date itself";
}

TEST(ApplyDateEnvironmentTest, AnEntryThatCannotBeAppliedGivesAnEmptyText) {
    for (const std::string& bad : {Entry({"1", "ed03", "Y", "x", "1", "1", "0", "D", "1"}),
                                   Entry({"1", "ed03", "Y", "1", "1", "1", "0", "D", "9"}),
                                   Entry({"0", "sp09", "Y", "1", "1", "1", "0", "N", "0", "0", "0", "0", "D", "1"})}) {
        const Variant result = ApplyDateEnvironment(Job({bad}), "20240618");
        EXPECT_FALSE(result.IsArray()) << "bad number, row outside the values, or a panel row holding no range";
        EXPECT_EQ(rt::VarToStr(result), "");
    }
}

}  // namespace
