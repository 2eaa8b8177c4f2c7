// The calls the condition forms make on the report-counter and session
// objects, run once against the in-process objects and once against
// hemr07-appserver on loopback; both must answer the same.

#include <gtest/gtest.h>

#include <memory>

#include "outside/appserver/ServerObjects.h"
#include "platform/codepage/CodePages.h"
#include "platform/core/Exceptions.h"
#include "platform/remote/TClientDataSet.h"
#include "platform/remote/TRemoteConnection.h"
#include "tests/outside/appserver/ConditionArrays.h"
#include "tests/outside/appserver/ServerProcess.h"
#include "tests/outside/appserver/TestHome.h"

using rt::Variant;

namespace {

enum class Where { InProcess, Loopback };

class ServerContract : public ::testing::TestWithParam<Where> {
protected:
    void SetUp() override {
        if (GetParam() == Where::InProcess) {
            appserver::RegisterServerObjects(home_.Path());
        } else {
            process_ = std::make_unique<outside_test::ServerProcess>(home_.Path());
        }
        Connect(counterConnection_, appserver::kReportCounterProgId);
        Connect(sessionConnection_, appserver::kSessionProgId);
        counter_ = counterConnection_.AppServer();
        session_ = sessionConnection_.AppServer();
    }

    void TearDown() override {
        counterConnection_.Close();
        sessionConnection_.Close();
        if (process_) {
            EXPECT_EQ(process_->Stop(), 0) << "the server stops cleanly on SIGTERM";
        }
        appserver::UnregisterServerObjects();
    }

    void Connect(rt::TRemoteConnection& connection, const char* progId) {
        bool local = GetParam() == Where::InProcess;
        connection.SetAddress(local ? "127.0.0.1" : "localhost");
        if (!local)
            connection.SetPort(process_->Port());
        connection.SetServerName(progId);
        connection.SetCredentials({"DS", "demoDS"});  // the user of the contract's schemes and jobs
        connection.SetConnected(true);
        ASSERT_EQ(connection.IsLocal(), local);
    }

    std::string Insert(const char* name, const char* values, bool replace, const char* user = "DS") {
        return counter_
            .Call("InsertConTable",
                  {Variant::ArrayOf({outside_test::Cp936(name), user, "20240301", "HEMR07", "ed03.Text;", values, replace})})
            .ToString();
    }

    int JobCount() { return counter_.Call("Jobs").ElementCount(); }

    outside_test::TestHome home_;
    std::unique_ptr<outside_test::ServerProcess> process_;
    rt::TRemoteConnection counterConnection_;
    rt::TRemoteConnection sessionConnection_;
    Variant counter_;
    Variant session_;
};

TEST_P(ServerContract, SchemesAreUniquePerNameUserAndProgramAndReplacedOnlyWithTheFlag) {
    EXPECT_EQ(Insert("月报", "20240101\r\n", false), "") << "a new scheme is stored";
    EXPECT_NE(Insert("月报", "20240202\r\n", false), "") << "the same name, user and program is refused";
    // Over the network the session is DS's, and another user's schemes are not its to store.
    EXPECT_EQ(Insert("月报", "20240101\r\n", false, "U001").empty(), GetParam() == Where::InProcess)
        << "another user may use the same name";
    EXPECT_EQ(Insert("月报", "20240303\r\n", true), "") << "the replace flag overwrites";

    counter_.Call("LoadTable", {Variant::ArrayOf({"DS", "HEMR07"})});
    rt::TClientDataSet data;
    data.SetRemoteServer(&counterConnection_);
    data.SetProviderName("pvdConSave");
    data.AddIndex("Index1", "NCONDITION;CREATOR;PROGRAMME");
    data.SetIndexName("Index1");
    data.Open();
    ASSERT_EQ(data.RecordCount(), 1) << "only the user's own schemes of the program";
    ASSERT_TRUE(data.FindKey({outside_test::Cp936("月报"), "DS", "HEMR07"})) << "found by the index key in code page 936";
    EXPECT_EQ(data.FieldByName("VCONDITION").AsString(), "20240303\r\n") << "the replaced values";
    EXPECT_EQ(data.FieldByName("SCONDITION").AsString(), "ed03.Text;");
    EXPECT_EQ(data.FieldByName("CREATE_DATE").AsString(), "20240301");
}

TEST_P(ServerContract, SchemeNamesAreCheckedBeforeAnythingIsStored) {
    EXPECT_NE(Insert("  ", "x", false), "") << "blank name";
    EXPECT_EQ(Insert("一二三四五六七八九十", "x", false), "") << "twenty bytes are allowed";
    EXPECT_NE(Insert("一二三四五六七八九十A", "x", false), "") << "twenty-one bytes are not";
    EXPECT_NE(counter_.Call("InsertConTable", {Variant::ArrayOf({"short"})}).ToString(), "") << "too few elements";
    counter_.Call("LoadTable", {Variant::ArrayOf({"DS", "HEMR07"})});
    Variant packet = counter_.Call("AS_GetRecords", {"pvdConSave"});
    EXPECT_EQ(packet[1].ElementCount(), 1) << "only the valid scheme was stored";
}

TEST_P(ServerContract, RenameAndDeleteAnswerErrorTextsAndChangeNothingWhenRefused) {
    ASSERT_EQ(Insert("甲", "1", false), "");
    ASSERT_EQ(Insert("乙", "2", false), "");
    auto key = [](const char* name) { return Variant::ArrayOf({outside_test::Cp936(name), "DS", "HEMR07"}); };
    EXPECT_NE(counter_.Call("ChangeConName", {key("甲"), key("乙")}).ToString(), "") << "new name taken";
    EXPECT_NE(counter_.Call("ChangeConName", {key("丙"), key("丁")}).ToString(), "") << "old name missing";
    EXPECT_EQ(counter_.Call("ChangeConName", {key("甲"), key("丙")}).ToString(), "") << "rename done";
    EXPECT_NE(counter_.Call("DeleteConTable", {key("甲")}).ToString(), "") << "the old name is gone";
    EXPECT_EQ(counter_.Call("DeleteConTable", {key("乙")}).ToString(), "");
    counter_.Call("LoadTable", {Variant::ArrayOf({"DS", "HEMR07"})});
    Variant rows = counter_.Call("AS_GetRecords", {"pvdConSave"})[1];
    ASSERT_EQ(rows.ElementCount(), 1);
    EXPECT_EQ(rows[0][0].ToString(), "丙");
    EXPECT_EQ(rows[0][5].ToString(), "1") << "renaming keeps the values";
}

TEST_P(ServerContract, ANameTypedWithTrailingBlanksIsFoundAsTheStoreKeepsIt) {
    ASSERT_EQ(Insert("月报", "1", false), "");
    Variant validator = session_.Get("Com_Validator");
    Variant out;
    const Variant key = Variant::ArrayOf({outside_test::Cp936("月报  "), "DS", "HEMR07"});
    EXPECT_TRUE(validator.Call("CheckValue", {"GENES", "01", "DEMO", key, Variant::Ref(out)}).ToBool())
        << "the existence check trims as the store does, so the dialog asks before replacing";
    EXPECT_NE(Insert("月报  ", "2", false), "") << "and the store refuses the same name without the flag";
    EXPECT_EQ(Insert("月报  ", "2", true), "") << "with the flag it replaces";
}

TEST_P(ServerContract, SchemeValuesAreStoredExactlyAsSentWhateverTheirSize) {
    std::string values;
    const std::string line = std::string("sp_Discrete\3") + "01\4甲公司\1" + "02\4乙\1\r\n" + "\r\n";
    while (values.size() < 200000) values += line;
    const std::string sent = rt::WideToCodePage(values, 936);
    ASSERT_EQ(counter_
                  .Call("InsertConTable", {Variant::ArrayOf({outside_test::Cp936("大"), "DS", "20240301", "HEMR07",
                                                             "sp01.Style;", Variant::Bytes(sent, 936), false})})
                  .ToString(),
              "");
    counter_.Call("LoadTable", {Variant::ArrayOf({"DS", "HEMR07"})});
    Variant rows = counter_.Call("AS_GetRecords", {"pvdConSave"})[1];
    ASSERT_EQ(rows.ElementCount(), 1);
    EXPECT_TRUE(rows[0][5].ToString() == values) << "control characters and CR LF come back unchanged";
}

TEST_P(ServerContract, MalformedConditionArraysAnswerErrorWithAReasonAndStoreNothing) {
    Variant good = outside_test::HemrConditions();
    Variant noEnv = good;
    noEnv[0] = "";
    Variant mismatched = good;
    mismatched[2] = Variant::CreateArray({{1, 15}});
    Variant badCaption = good;
    badCaption[1][3] = "ed03";
    Variant wrongBounds = Variant::CreateArray({{1, 3}});
    for (const Variant& bad : {Variant("text"), wrongBounds, noEnv, mismatched, badCaption}) {
        EXPECT_EQ(counter_.Call("Request", {bad}).ToString(), "ERROR");
        EXPECT_NE(counter_.Get("ErrorDescript").ToString(), "") << "the reason is given";
    }
    EXPECT_EQ(JobCount(), 0) << "nothing was stored";
    EXPECT_NE(counter_.Call("Request", {good}).ToString(), "ERROR");
    EXPECT_EQ(counter_.Get("ErrorDescript").ToString(), "") << "a success clears the last error";
}

TEST_P(ServerContract, AStoredJobsConditionArrayComesBackIdenticalByteStringsIncluded) {
    Variant conditions = outside_test::HemrConditions();
    std::string first = counter_.Call("Request", {conditions}).ToString();
    std::string second = counter_.Call("Request1", {conditions, "PC-07"}).ToString();
    ASSERT_EQ(first.size(), 14u) << "date and six-digit number: " << first;
    EXPECT_NE(first, second) << "every job gets its own identifier";
    Variant jobs = counter_.Call("Jobs");
    ASSERT_EQ(jobs.ElementCount(), 2);
    EXPECT_EQ(jobs[0][0].ToString(), first);
    EXPECT_EQ(jobs[0][1].ToString(), "HEMR07");
    EXPECT_EQ(jobs[0][2].ToString(), "DS");
    EXPECT_TRUE(jobs[0][4].SameAs(conditions)) << "the whole array, types and code pages included";
    EXPECT_TRUE(jobs[0][4][2][3].IsByteString());

    counter_.Call("UpdateStatus1", {second, "磁盘已满", Variant::FromDate(45001.0)});
    EXPECT_EQ(counter_.Call("Jobs")[1][3].ToString(), "FAILED");
    EXPECT_THROW(counter_.Call("UpdateStatus1", {"nope", "", Variant::FromDate(45001.0)}), rt::EOleException);
}

TEST_P(ServerContract, RightsAndDialectFollowTheSessionInformationLayout) {
    Variant power = counter_.Call("GetPower", {Variant::ArrayOf({"DEMO", "U001", "hemr07", ""})});
    ASSERT_EQ(power.HighBound(), 5);
    EXPECT_EQ(power[1].ToString(), "DEMO,U001,HEMR07,YYYYYYNN") << "rights are the fourth field";
    EXPECT_EQ(power[3].ToString(), "http://127.0.0.1:8080/WebReport") << "web text";
    EXPECT_EQ(power[4].ToString(), "HEMR07");
    EXPECT_EQ(power[5][0].ToString(), "3") << "element 0 counts the ones after it";
    EXPECT_EQ(power[5].HighBound(), 3);
    EXPECT_EQ(counter_.Get("SQLType").ToInt(), 4);
}

TEST_P(ServerContract, OutArgumentsAndServiceObjectsCrossTheConnection) {
    Variant validator = session_.Get("Com_Validator");
    ASSERT_TRUE(validator.IsDispatch());
    Variant out;
    bool found = validator.Call("CheckValue", {"ADMMB", "01", "DEMO", Variant::ArrayOf({"HEMR07"}), Variant::Ref(out)})
                     .ToBool();
    ASSERT_TRUE(found);
    EXPECT_EQ(out[0].ToString(), "员工年龄分布表");
    EXPECT_EQ(out[4].ToString(), "Y") << "want-log";
    EXPECT_EQ(out[7].ToString(), "Employee Age Distribution");
    EXPECT_EQ(session_.Call("GetMessage", {"E", "100006"}).ToString(), "%s不可为负数!");
}

TEST_P(ServerContract, ServerFailuresAreRaisedAgainAsAutomationExceptionsWithTheServersMessage) {
    try {
        counter_.Call("AS_GetRecords", {"nope"});
        FAIL() << "an unknown provider must raise";
    } catch (const rt::EOleException& e) {
        EXPECT_NE(e.Message().find("Unknown provider"), std::string::npos) << e.Message();
    }
    EXPECT_THROW(counter_.Call("NoSuchMethod"), rt::EOleSysError);
}

INSTANTIATE_TEST_SUITE_P(BothWays, ServerContract, ::testing::Values(Where::InProcess, Where::Loopback),
                         [](const auto& info) { return info.param == Where::InProcess ? "InProcess" : "Loopback"; });

}  // namespace
