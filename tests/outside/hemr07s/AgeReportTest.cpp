// Running the age report over the seeded staff: counts, files, records.

#include <gtest/gtest.h>

#include "outside/appserver/JobStore.h"
#include "outside/appserver/ReportStore.h"
#include "outside/appserver/ServerError.h"
#include "outside/hemr07s/AgeReport.h"
#include "platform/os/Files.h"
#include "tests/outside/hemr07s/Hemr07Values.h"
#include "tests/outside/hemr07s/ReportHome.h"

using hemr07test::Hemr07Form;

namespace {

class AgeReportRun : public ::testing::Test {
protected:
    hemr07test::ReportHome home_;
    appserver::StorePtr store_ = appserver::ServerStore::Open(home_.Path());

    appserver::ReportRecord Run(const Hemr07Form& form, const std::string& jobId = "") {
        auto args = hemr07s::SvrRunArguments::Parse(hemr07test::RunArguments(jobId, form.Values()));
        return hemr07s::AgeReport(store_).Run(args);
    }
    // The CSV line of bracket `label`.
    static std::string Line(const std::string& csv, const std::string& label) {
        size_t at = csv.find("\r\n" + label + ",");
        return at == std::string::npos ? "" : csv.substr(at + 2, csv.find("\r\n", at + 2) - at - 2);
    }
};

TEST_F(AgeReportRun, TheSeededStaffFallIntoKnownBrackets) {
    appserver::ReportRecord r = Run(Hemr07Form());
    std::string csv = hemr07test::ReadText(r.csvFile);
    EXPECT_EQ(csv.substr(0, csv.find("\r\n")), "区间,起始年龄,截止年龄,人数,男,女");
    EXPECT_EQ(Line(csv, "25岁以内"), "25岁以内,0,25,9,4,5");
    EXPECT_EQ(Line(csv, "25至30岁"), "25至30岁,25,30,14,9,5");
    EXPECT_EQ(Line(csv, "35至40岁"), "35至40岁,35,40,14,9,5");
    EXPECT_EQ(Line(csv, "55至60岁"), "55至60岁,55,60,8,4,4");
    EXPECT_EQ(Line(csv, "60岁以上"), "60岁以上,60,,8,4,4");
    EXPECT_EQ(Line(csv, "合计"), "合计,,,88,52,36") << "the eight who have left are not counted";
}

TEST_F(AgeReportRun, CompanyAndDepartmentChoicesNarrowTheStaff) {
    Hemr07Form form;
    form.companies = hemr07test::Range("01", "01");
    std::string csv = hemr07test::ReadText(Run(form).csvFile);
    EXPECT_EQ(Line(csv, "合计"), "合计,,,44,27,17");
    EXPECT_EQ(Line(csv, "25至30岁"), "25至30岁,25,30,7,6,1");

    form.companies = hemr07test::Range("02", "03");
    form.departments = hemr07test::List({"C01", "D02"});
    csv = hemr07test::ReadText(Run(form).csvFile);
    EXPECT_EQ(Line(csv, "合计"), "合计,,,22,12,10");
    EXPECT_EQ(Line(csv, "35至40岁"), "35至40岁,35,40,3,1,2");
}

TEST_F(AgeReportRun, AnEarlierStatisticsDateMakesEveryoneYounger) {
    Hemr07Form form;
    form.statDate = "20220101";
    std::string csv = hemr07test::ReadText(Run(form).csvFile);
    EXPECT_EQ(Line(csv, "25岁以内"), "25岁以内,0,25,3,2,1");
    EXPECT_EQ(Line(csv, "60岁以上"), "60岁以上,60,,0,0,0");
    EXPECT_EQ(Line(csv, "合计"), "合计,,,76,46,30") << "not yet hired, or gone already";
}

TEST_F(AgeReportRun, ALoggedJobNamesItsFilesIsRecordedAndMarkedDone) {
    appserver::JobStore jobs(store_);
    rt::Variant conditions = rt::Variant::ArrayOf(
        {rt::Variant::ArrayOf({"HEMR07", 14}), rt::Variant::ArrayOf({rt::Variant::ArrayOf({"a", "sp01"})}),
         rt::Variant::ArrayOf({""})});
    std::string id = jobs.Add(conditions, "PC1");
    appserver::ReportRecord r = Run(Hemr07Form(), id);
    EXPECT_EQ(r.textFile, home_.Path() + "/Report/" + id + ".txt");
    std::string text = hemr07test::ReadText(r.textFile);
    EXPECT_EQ(text.rfind("员工年龄分布表\n", 0), 0u) << "titled with the catalogue name";
    EXPECT_NE(text.find("作业编号: " + id), std::string::npos);
    EXPECT_NE(text.find("统计日期: 2024/06/30"), std::string::npos);
    EXPECT_NE(text.find("本报表仅供内部使用"), std::string::npos) << "the footer text the form sent";
    EXPECT_EQ(jobs.Find(id)->status, "DONE");
    auto found = appserver::ReportStore(store_).FindByJob(id);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->csvFile, r.csvFile);
}

TEST_F(AgeReportRun, UnloggedRunsGetTheirOwnNamesAndAFailedLogIsNotTakenForAJob) {
    appserver::ReportRecord a = Run(Hemr07Form());
    appserver::ReportRecord b = Run(Hemr07Form(), "ERROR");
    EXPECT_NE(a.reportId, b.reportId) << "two direct runs never overwrite each other";
    EXPECT_EQ(b.jobId, "") << "\"ERROR\" is what the form keeps when logging failed";
    EXPECT_EQ(b.reportId.rfind("HEMR07_", 0), 0u);
    EXPECT_TRUE(rt::FileExists(a.csvFile));
    EXPECT_TRUE(rt::FileExists(b.textFile));
}

TEST_F(AgeReportRun, ASetThatFailsHalfwayTakesItsWrittenFilesWithIt) {
    // A folder where the third file belongs: the CSV and text are written, the HTML cannot be.
    const std::string report = home_.Path() + "/Report/J2";
    ASSERT_TRUE(rt::ForceDirectories(report + ".html"));
    EXPECT_ANY_THROW(Run(Hemr07Form(), "J2"));
    EXPECT_FALSE(rt::FileExists(report + ".csv"));
    EXPECT_FALSE(rt::FileExists(report + ".txt"));
    EXPECT_FALSE(appserver::ReportStore(store_).Exists("J2"));
}

TEST_F(AgeReportRun, BadInputWritesNothing) {
    EXPECT_THROW(Run(Hemr07Form(), "../../etc/x"), appserver::EServerError) << "job ids never become paths";
    Hemr07Form bad;
    bad.first = "-5";
    EXPECT_THROW(Run(bad, "J1"), appserver::EServerError);
    EXPECT_FALSE(rt::DirectoryExists(home_.Path() + "/Report")) << "no folder, no files";
    EXPECT_FALSE(appserver::ReportStore(store_).Exists("J1"));
    EXPECT_THROW(hemr07s::SvrRunArguments::Parse(rt::Variant::ArrayOf({"a", "b"})), appserver::EServerError);
}

}  // namespace
