// The session object and its counter, validator and lookup services.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "outside/appserver/ServerStore.h"
#include "outside/appserver/SessionManager.h"
#include "outside/appserver/SimpleSql.h"
#include "platform/core/Exceptions.h"
#include "tests/outside/appserver/TestHome.h"

using rt::Variant;

namespace {

class SessionServices : public ::testing::Test {
protected:
    outside_test::TestHome home_;
    Variant session_{rt::DispatchPtr(std::make_shared<appserver::SessionManager>(appserver::ServerStore::Open(home_.Path())))};
    Variant counter_ = session_.Get("Com_Counter");
    Variant validator_ = session_.Get("Com_Validator");

    bool Check(const char* entity, const char* company, Variant key, Variant& out, const char* call = "CheckValue") {
        return validator_.Call(call, {entity, company, "DEMO", key, Variant::Ref(out)}).ToBool();
    }
};

TEST_F(SessionServices, SysInfoIsTwoRowsOfNamesAndValuesWithCompanySettingsOverCommonOnes) {
    Variant info = counter_.Call("GetSysInfo", {"02"});
    ASSERT_EQ(info.DimCount(), 2);
    EXPECT_EQ(info.LowBound(1), 0);
    EXPECT_EQ(info.HighBound(1), 1);
    std::map<std::string, std::string> settings;
    for (int i = info.LowBound(2); i <= info.HighBound(2); ++i)
        settings[info.At(0, i).ToString()] = info.At(1, i).ToString();
    EXPECT_EQ(settings["Sys001"], "1");
    EXPECT_EQ(settings["Sys002"], "-") << "company 02 has its own separator";
    EXPECT_EQ(counter_.Call("GetSysInfo", {"01"}).ElementCount(2), info.ElementCount(2)) << "one column per name";
    EXPECT_FALSE(settings["NVR002"].empty());
    EXPECT_EQ(settings["SYS181"], "Y");
}

TEST_F(SessionServices, SimpleSqlAnswersTheFormsPortalQueriesAsRows) {
    Variant rows = counter_.Call(
        "GetCounter", {"SIMPLESQL", Variant::ArrayOf({"SELECT MA003 FROM NVRINTMA WHERE MA001='StartupPortal' ", "MA003"}),
                       Variant::ArrayOf({"01", "DEMO"})});
    ASSERT_EQ(rows.ElementCount(), 1);
    EXPECT_EQ(rows[0][0].ToString(), "N");
    Variant named = counter_.Call("GetCounter", {"SIMPLESQL", Variant::ArrayOf({"TAXMA.MA002", "02"})});
    EXPECT_EQ(named[0][0].ToString(), "星岚实业华南分公司") << "the query-name form binds its value";
    Variant spaced = counter_.Call("GetCounter", {"SIMPLESQL", "select  ma003\nfrom nvrintma where ma001 = 'x''y';"});
    EXPECT_EQ(spaced.ElementCount(), 0) << "case, spacing and escaped quotes do not matter; nothing matches";
}

TEST_F(SessionServices, SimpleSqlRefusesEverythingOutsideItsWhitelist) {
    const char* refused[] = {
        "SELECT MA003 FROM NVRINTMA WHERE MA001='x' OR '1'='1'",
        "SELECT MA003 FROM NVRINTMA WHERE MA001='x'; DELETE FROM SCHEMES",
        "DELETE FROM SCHEMES",
        "SELECT * FROM SCHEMES",
        "SELECT MA003 FROM NVRINTMA WHERE MA001='unterminated",
        "SELECT MA003 FROM NVRINTMA WHERE MA001=MA001",
    };
    for (const char* sql : refused)
        EXPECT_THROW(appserver::SimpleSql::Match(Variant(sql)), appserver::EServerError) << sql;
    EXPECT_THROW(appserver::SimpleSql::Match(Variant::ArrayOf({"SELECT MA003 FROM NVRINTMA WHERE MA001='x'", "MA001"})),
                 appserver::EServerError)
        << "the result column must be the statement's";
    EXPECT_THROW(appserver::SimpleSql::Match(Variant::ArrayOf({"TAXMA.MA002"})), appserver::EServerError)
        << "a named query needs its value";
    EXPECT_THROW(counter_.Call("GetCounter", {"SimpleSQL", "DROP TABLE JOBS"}), rt::EOleException)
        << "callers see an automation error";
}

TEST_F(SessionServices, OtherCounterNamesAreSequencesPerKeyAndCompany) {
    Variant ctx = Variant::ArrayOf({"01", "DEMO"});
    EXPECT_EQ(counter_.Call("GetCounter", {"jobno", "A", ctx}).ToInt(), 1);
    EXPECT_EQ(counter_.Call("GetCounter", {"JOBNO", "A", ctx}).ToInt(), 2) << "names are upper-cased";
    EXPECT_EQ(counter_.Call("GetCounter", {"JOBNO", "B", ctx}).ToInt(), 1) << "another key counts alone";
    EXPECT_EQ(counter_.Call("GetCounter", {"JOBNO", "A", Variant::ArrayOf({"02", "DEMO"})}).ToInt(), 1);
}

TEST_F(SessionServices, ValidatorRowsFollowTheDocumentedLayouts) {
    Variant out;
    ASSERT_TRUE(Check("ADMMB", "11", Variant::ArrayOf({"hemr07"}), out)) << "program codes in any case";
    EXPECT_EQ(out[3].ToString(), "N") << "direct query is not barred";
    ASSERT_TRUE(Check("CMSMT", "01", Variant::ArrayOf({"HEMR07"}), out));
    ASSERT_EQ(out.HighBound(), 11);
    EXPECT_EQ(out[0].ToString(), "F01");
    EXPECT_EQ(out[1].ToString(), "Y");
    EXPECT_EQ(out[3].ToString(), "本报表仅供内部使用");
    EXPECT_EQ(out[6].ToString(), "S01");
    EXPECT_EQ(out[9].ToString(), "制表:");
    ASSERT_TRUE(Check("CMSMS", "01", Variant::ArrayOf({"2", "S02"}), out));
    EXPECT_EQ(out[1].ToString(), "经办人:");
    EXPECT_FALSE(Check("CMSMS", "01", Variant::ArrayOf({"1", "S02"}), out)) << "a sign-off code is no footer";
    EXPECT_TRUE(out.IsEmpty()) << "no row on failure";
    ASSERT_TRUE(Check("CMSMA", "02", Variant::ArrayOf({""}), out));
    EXPECT_EQ(out[0].ToString(), "http://127.0.0.1:8080/WebReport");
    ASSERT_TRUE(Check("TAXMA", "01", Variant::ArrayOf({"03"}), out));
    EXPECT_EQ(out[2].ToString(), "华东分公司");
    ASSERT_TRUE(Check("NVRMA", "04", Variant::ArrayOf({"U002"}), out));
    EXPECT_EQ(out[1].ToString(), "李娜");
}

TEST_F(SessionServices, QueryDataWithAPartialKeyAnswersEveryMatchingRow) {
    Variant out;
    ASSERT_TRUE(Check("CMSMS", "01", Variant::ArrayOf({"1", ""}), out, "QueryData"));
    ASSERT_EQ(out.ElementCount(), 2) << "both footers";
    EXPECT_EQ(out[1][0].ToString(), "F02");
    EXPECT_FALSE(Check("CMSMS", "01", Variant::ArrayOf({"1"}), out)) << "a check needs the whole key";
    ASSERT_TRUE(Check("ADMMB", "01", Variant::ArrayOf({"HEMR07"}), out, "QueryData"));
    EXPECT_EQ(out[0].ToString(), "员工年龄分布表") << "a complete key answers the row itself";
    EXPECT_THROW(Check("NOSUCH", "01", Variant::ArrayOf({"x"}), out), rt::EOleException);
}

TEST_F(SessionServices, HelpTopicsAreRecordedAndFileListsDescribeServerLibraries) {
    session_.Call("CallHelp", {Variant::ArrayOf({"HEM", "12070000"})});
    auto store = appserver::ServerStore::Open(home_.Path());
    appserver::SqliteStatement q = store->Db().Prepare("SELECT SYSTEM, TOPIC FROM HELPLOG");
    ASSERT_TRUE(q.Step());
    EXPECT_EQ(q.Text(1), "12070000");
    EXPECT_THROW(session_.Call("CallHelp", {"12070000"}), rt::EOleException) << "the topic comes as an array";

    std::filesystem::create_directories(home_.Path() + "/S_PKG");
    std::ofstream(home_.Path() + "/S_PKG/hemr07s.so") << "12345";
    std::string list = session_.Call("GetFileList", {Variant::ArrayOf({"hemr07s.so", "missing.so"})}).ToString();
    EXPECT_NE(list.find("<Name>hemr07s.so</Name><Size>5</Size><Modify>"), std::string::npos) << list;
    EXPECT_NE(list.find("<Path>" + home_.Path() + "/Published/hemr07s.so</Path>"), std::string::npos)
        << "the path names the published copy's folder: " << list;
    EXPECT_NE(list.find("<Name>missing.so</Name><Size>-1</Size></File>"), std::string::npos) << list;
    EXPECT_THROW(session_.Call("GetFileList", {Variant::ArrayOf({"../HemrServer.db"})}), rt::EOleException)
        << "no way out of the library folder";
}

TEST_F(SessionServices, FileListFindsTheLibraryTheFormsNameInLowerCaseWithTheDllExtension) {
    std::filesystem::create_directories(home_.Path() + "/S_PKG");
    std::ofstream(home_.Path() + "/S_PKG/HEMR07S.so") << "123";
    std::string list = session_.Call("GetFileList", {Variant::ArrayOf({"hemr07s.dll"})}).ToString();
    EXPECT_NE(list.find("<Name>hemr07s.dll</Name><Size>3</Size>"), std::string::npos) << list;
    EXPECT_NE(list.find("<Path>" + home_.Path() + "/Published/HEMR07S.so</Path>"), std::string::npos)
        << "the path names the real file: " << list;
}

TEST_F(SessionServices, ProductIdComesFromTheIntegrationSettings) {
    EXPECT_EQ(session_.Get("ProductID").ToInt(), 3);
}

}  // namespace
