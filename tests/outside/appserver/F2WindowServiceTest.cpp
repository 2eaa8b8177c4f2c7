// The data side of the F2 lookup and date-input windows.

#include <gtest/gtest.h>

#include "outside/appserver/F2Tables.h"
#include "outside/appserver/F2WindowDriver.h"
#include "outside/appserver/ServerStore.h"
#include "outside/appserver/SessionManager.h"
#include "platform/core/Exceptions.h"
#include "tests/outside/appserver/TestHome.h"

using rt::Variant;

namespace {

// Picks rows by position and a day, and remembers what it was shown.
class ScriptedDriver : public appserver::IF2WindowDriver {
public:
    std::vector<size_t> pick;
    std::string day;
    appserver::F2Request lastRequest;
    appserver::TextRows lastRows;
    appserver::InputDayRequest lastDay;

    appserver::TextRows ChooseRows(const appserver::F2Request& r, const appserver::TextRows& rows) override {
        lastRequest = r;
        lastRows = appserver::FilterRows(rows, r.search);
        appserver::TextRows chosen;
        for (size_t i : pick)
            chosen.push_back(lastRows.at(i));
        return chosen;
    }
    std::string ChooseDay(const appserver::InputDayRequest& r) override {
        lastDay = r;
        return day;
    }
};

class F2WindowService : public ::testing::Test {
protected:
    void SetUp() override { appserver::SetF2WindowDriver(driver_); }
    void TearDown() override { appserver::SetF2WindowDriver(nullptr); }

    // The form's 19-element lookup array.
    static Variant Lookup(const char* table, Variant key, bool multi, const char* search = "") {
        return Variant::ArrayOf({table, "01", key, multi, search, "01", "DEMO", 1234, 1, false, 3, "", "", "",
                                 "rights", true, true, Variant(), "DS"});
    }

    outside_test::TestHome home_;
    Variant session_{rt::DispatchPtr(std::make_shared<appserver::SessionManager>(appserver::ServerStore::Open(home_.Path())))};
    Variant f2_ = session_.Get("Com_F2Window");
    std::shared_ptr<ScriptedDriver> driver_ = std::make_shared<ScriptedDriver>();
};

TEST_F(F2WindowService, FooterLookupsListOneKindWithTheCodeFirstAndTheTextsFromField2) {
    driver_->pick = {1};
    Variant chosen = f2_.Call("F2GetData", {Lookup("CMSMS", Variant::ArrayOf({"1"}), false)});
    ASSERT_EQ(driver_->lastRows.size(), 2u) << "only footers, not sign-offs";
    EXPECT_FALSE(driver_->lastRequest.multiple);
    EXPECT_EQ(driver_->lastRequest.user, "DS");
    ASSERT_EQ(chosen.ElementCount(), 1);
    EXPECT_EQ(chosen[0][0].ToString(), "F02") << "code first";
    EXPECT_EQ(chosen[0][2].ToString(), "机密资料 请勿外传") << "the three texts from field 2 on";
}

TEST_F(F2WindowService, MultipleSelectionAnswersEveryChosenRowAndSingleSelectionOne) {
    driver_->pick = {0, 2};
    Variant many = f2_.Call("F2GetData", {Lookup("TAXMA", Variant::ArrayOf({""}), true)});
    ASSERT_EQ(many.ElementCount(), 2);
    EXPECT_EQ(many[1][0].ToString(), "03");
    EXPECT_EQ(f2_.Call("F2GetData", {Lookup("TAXMA", Variant(), false)}).ElementCount(), 1)
        << "a single-selection lookup never answers more than one row";
    driver_->pick = {};
    EXPECT_TRUE(f2_.Call("F2GetData", {Lookup("TAXMA", Variant(), true)}).IsEmpty()) << "Cancel";
}

TEST_F(F2WindowService, TheConditionTextStartsTheSearchAndTheKeyNarrowsDepartmentsToACompany) {
    driver_->pick = {};
    f2_.Call("F2GetData", {Lookup("CMSME", Variant::ArrayOf({"02"}), true)});
    EXPECT_EQ(driver_->lastRows.size(), 2u) << "the departments of company 02";
    f2_.Call("F2GetData", {Lookup("CMSME", Variant(), true, "部")});
    for (const auto& row : driver_->lastRows)
        EXPECT_NE(row[1].find("部"), std::string::npos) << row[0];
    EXPECT_EQ(driver_->lastRows.size(), 7u) << "all but 总经理室";
    f2_.Call("F2GetData", {Lookup("NVRMA", Variant(), false, "LINA@")});
    ASSERT_EQ(driver_->lastRows.size(), 1u) << "letters match without regard to case";
    EXPECT_EQ(driver_->lastRows[0][0], "U002");
}

TEST_F(F2WindowService, BadLookupsAreRefusedAndNoDriverMeansCancelled) {
    EXPECT_THROW(f2_.Call("F2GetData", {Variant::ArrayOf({"TAXMA", "01"})}), rt::EOleException) << "short array";
    EXPECT_THROW(f2_.Call("F2GetData", {Lookup("NOSUCH", Variant(), false)}), rt::EOleException);
    appserver::SetF2WindowDriver(nullptr);
    EXPECT_TRUE(f2_.Call("F2GetData", {Lookup("TAXMA", Variant(), false)}).IsEmpty());
    EXPECT_EQ(f2_.Call("ShowInputDay", {Variant::ArrayOf({false, "20240101", "DEMO"})}).ToString(), "");
}

TEST_F(F2WindowService, TheDateWindowStartsAtAValidDateAndAnswersYyyymmdd) {
    driver_->day = "20240307";
    EXPECT_EQ(f2_.Call("ShowInputDay", {Variant::ArrayOf({true, "20240229", "DEMO"})}).ToString(), "20240307");
    EXPECT_TRUE(driver_->lastDay.rocYears);
    EXPECT_EQ(driver_->lastDay.start, "20240229");
    EXPECT_EQ(appserver::ShownDay("20240229", true), "113/02/29") << "ROC years in the window";
    EXPECT_EQ(appserver::ShownDay("20240229", false), "2024/02/29");

    f2_.Call("ShowInputDay", {Variant::ArrayOf({false, "2024/3/7", "DEMO"})});
    EXPECT_TRUE(appserver::IsInputDay(driver_->lastDay.start)) << "a field text that is no date starts at today";
    EXPECT_NE(driver_->lastDay.start, "2024/3/7");
    f2_.Call("ShowInputDay", {Variant::ArrayOf({false, "20230229", "DEMO"})});
    EXPECT_NE(driver_->lastDay.start, "20230229") << "no 29 February in 2023";

    driver_->day = "";
    EXPECT_EQ(f2_.Call("ShowInputDay", {Variant::ArrayOf({false, "20240101", "DEMO"})}).ToString(), "") << "Cancel";
    driver_->day = "2024-03-07";
    EXPECT_EQ(f2_.Call("ShowInputDay", {Variant::ArrayOf({false, "20240101", "DEMO"})}).ToString(), "")
        << "a driver's answer that is not a date is not passed on";
}

TEST_F(F2WindowService, PhrasesAreStoredPerUser) {
    EXPECT_EQ(f2_.Call("GetPhrase", {"DS", "DEMO", 0}).ToString(), "本月人事统计");
    EXPECT_EQ(f2_.Call("GetPhrase", {"U001", "DEMO", 0}).ToString(), "");
}

}  // namespace
