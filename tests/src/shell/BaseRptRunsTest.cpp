// The report form's runs: the direct query through the server library, the
// designed report through the queue manager and the web report in a browser,
// with their failure messages.

#include <gtest/gtest.h>

#include "platform/stdctrls/TButton.h"
#include "platform/stdctrls/TCustomEdit.h"
#include "platform/sysutils/DateTime.h"
#include "src/environment/CodeConverter.h"
#include "src/environment/LibStrs.h"
#include "src/shell/RunningWinC.h"
#include "platform/comctrls/TAnimate.h"
#include "platform/stdctrls/TCustomLabel.h"
#include "tests/src/shell/BaseRptFixture.h"
#include "tests/platform/forms/UserClick.h"

namespace hemr_test {
namespace {

constexpr const char* kJob = "20261208000123";

class BaseRptRunTest : public BaseRptTest {
protected:
    void SetUp() override {
        BaseRptTest::SetUp();
        fake->validator->rows["CMSMA"] = rt::Variant::ArrayOf({"http://127.0.0.1:8080/WebReport", "网页报表站点"});
        fake->messages["E;000013"] = "作业提交失败: %s";
    }
    // Without the want-log flag of the program catalogue.
    void LoggingOff() { fake->validator->rows["ADMMB"] = rt::Variant::ArrayOf({"员工年龄分布表", "R", "", "", "N"}); }

    const rt::TDialogRecord* DialogWith(const std::string& text) const {
        for (const rt::TDialogRecord& d : Dialogs().Dialogs())
            if (d.Text.find(text) != std::string::npos) return &d;
        return nullptr;
    }
};

TEST_F(BaseRptRunTest, DirectQueryWithoutLoggingRunsWithAnEmptyJob) {
    LoggingOff();
    TfrmRptTest* form = ReadyForm();
    ASSERT_FALSE(form->WantLog());
    rt::test::UserClick(form->btnQuery);
    EXPECT_EQ(counter->Last("Request1"), nullptr) << "no job is logged";
    ASSERT_EQ(form->runs.size(), 1u);
    const std::vector<rt::Variant>& a = form->runs[0];
    ASSERT_EQ(a.size(), 11u);
    EXPECT_EQ(Text(a[0]), "") << "A1 the empty job identifier";
    EXPECT_EQ(Text(a[1]), "HEMR07");
    EXPECT_EQ(Text(a[2]), "0001") << "A3 is the job's first eight characters and 0001";
    EXPECT_EQ(a[3].ToInt(), 1);
    EXPECT_EQ(a[4].ElementCount(), form->ConditionCount()) << "A5 the values part of the array";
    EXPECT_EQ(Text(a[5]), "KWDB");
    EXPECT_EQ(Text(a[6]), "R");
    EXPECT_EQ(Text(a[7]), "HEMR07S.Class1");
    EXPECT_EQ(Text(a[8]), "796");
    EXPECT_EQ(Text(a[9]), "KWTest60");
    EXPECT_EQ(Text(a[10]), "");
    EXPECT_TRUE(form->queryRunDuringRun[0]) << "a query run";
    EXPECT_TRUE(form->btnQuery->Enabled());
    EXPECT_TRUE(Dialogs().Dialogs().empty()) << DialogTexts();
}

TEST_F(BaseRptRunTest, LoggedDirectQueryAsksForAJobFirst) {
    TfrmRptTest* form = ReadyForm();
    ASSERT_TRUE(form->WantLog());
    rt::test::UserClick(form->btnQuery);
    const TRecordedCall* request = counter->Last("Request1");
    ASSERT_NE(request, nullptr);
    ASSERT_EQ(request->args.size(), 2u);
    EXPECT_TRUE(request->args[0].IsArray()) << "the condition array";
    const std::string computer = Text(request->args[1]);
    EXPECT_FALSE(computer.empty());
    EXPECT_LE(computer.size(), 16u);
    ASSERT_EQ(form->runs.size(), 1u);
    EXPECT_EQ(Text(form->runs[0][0]), kJob);
    EXPECT_EQ(Text(form->runs[0][2]), "202612080001");
}

TEST_F(BaseRptRunTest, FailedDirectQueryShowsTheReason) {
    LoggingOff();
    TfrmRptTest* form = ReadyForm([](TfrmRptTest& f) { f.runFailure = "服务器程序库不存在"; });
    rt::test::UserClick(form->btnQuery);
    const rt::TDialogRecord* d = DialogWith("产生报表失败! 原因: ");
    ASSERT_NE(d, nullptr) << DialogTexts();
    EXPECT_EQ(d->Kind, rt::mtError);
    EXPECT_NE(d->Text.find("\r服务器程序库不存在"), std::string::npos) << d->Text;
    EXPECT_TRUE(form->btnQuery->Enabled()) << "re-enabled after the failure";
}

TEST_F(BaseRptRunTest, StartModeFourQueriesAndCloses) {
    LoggingOff();
    TfrmRptTest* form = ReadyForm();
    EXPECT_TRUE(form->RunStartMode(4));
    EXPECT_EQ(form->runs.size(), 1u);
    rt::Application().ProcessMessages();
    EXPECT_FALSE(Alive(form)) << "the form closes after the run";
}

TEST_F(BaseRptRunTest, DesignReportOpensTheJobInTheQueueManager) {
    TfrmRptTest* form = ReadyForm();
    bool windowShown = false;
    queue->onOpen = [&] {
        hemr::TfrmRunningWinC* w = form->RunningWindow();
        windowShown = w != nullptr && w->Visible() && w->aniRunning->Active() &&
                      w->lblRunning->Caption() == "报表开启中，请稍候...";
    };
    rt::test::UserClick(form->btnDesign);
    EXPECT_EQ(form->FormResultCode(), 1);
    EXPECT_EQ(Text(form->FormResultData()), kJob);
    ASSERT_EQ(form->runs.size(), 1u);
    EXPECT_FALSE(form->queryRunDuringRun[0]) << "a design run is no query";
    const TRecordedCall* status = counter->Last("UpdateStatus1");
    ASSERT_NE(status, nullptr);
    EXPECT_EQ(Text(status->args[0]), kJob);
    EXPECT_EQ(Text(status->args[1]), "");

    const TRecordedCall* open = queue->Last("OpenReport");
    ASSERT_NE(open, nullptr);
    ASSERT_EQ(open->args.size(), 1u);
    const rt::Variant& arg = open->args[0];
    ASSERT_EQ(arg.ElementCount(), 3);
    const rt::Variant& ids = arg[0];
    ASSERT_EQ(ids.ElementCount(), 4);
    EXPECT_EQ(Text(ids[0]), kJob);
    EXPECT_EQ(Text(ids[1]), "202612080001");
    EXPECT_EQ(Text(ids[2]), "796");
    EXPECT_EQ(ids[3].ToInt(), 7) << "the session's product";
    EXPECT_EQ(Text(arg[1]), "796");
    EXPECT_TRUE(arg[2].ToBool());
    EXPECT_TRUE(windowShown) << "the running window shows while the report opens";
    EXPECT_EQ(form->RunningWindow(), nullptr) << "and is freed afterwards";
    EXPECT_TRUE(form->btnDesign->Enabled());
    EXPECT_TRUE(Dialogs().Dialogs().empty()) << DialogTexts();
}

TEST_F(BaseRptRunTest, DesignReportGoesOnAfterARefusedJob) {
    counter->jobAnswer = "error";
    counter->errorDescript = "条件数组不完整";
    TfrmRptTest* form = ReadyForm();
    rt::test::UserClick(form->btnDesign);
    EXPECT_TRUE(form->runs.empty()) << "nothing to run without a job";
    EXPECT_EQ(form->FormResultCode(), 0);
    const rt::TDialogRecord* d = DialogWith("作业提交失败: 条件数组不完整");
    ASSERT_NE(d, nullptr) << DialogTexts();
    EXPECT_EQ(d->Kind, rt::mtError);
    const TRecordedCall* status = counter->Last("UpdateStatus1");
    ASSERT_NE(status, nullptr);
    EXPECT_NE(Text(status->args[1]).find("条件数组不完整"), std::string::npos) << "the error goes with the status";
    EXPECT_NE(queue->Last("OpenReport"), nullptr) << "the queue manager is still asked";
}

TEST_F(BaseRptRunTest, DesignReportFailuresOfTheQueueManager) {
    queue->answer = 3;
    TfrmRptTest* form = ReadyForm();
    rt::test::UserClick(form->btnDesign);
    EXPECT_NE(DialogWith("开启报表失败! "), nullptr) << DialogTexts();

    Dialogs().Reset();
    rt::UnregisterAutoObjectFactory(hemr::TfrmBaseRpt::QueueManagerProgID);
    rt::test::UserClick(form->btnDesign);
    EXPECT_NE(DialogWith("启动队列管理员失败! "), nullptr) << DialogTexts();
    EXPECT_EQ(form->RunningWindow(), nullptr);
    EXPECT_TRUE(form->btnDesign->Enabled());
}

TEST_F(BaseRptRunTest, FailedDesignRunStopsBeforeTheQueueManager) {
    TfrmRptTest* form = ReadyForm([](TfrmRptTest& f) { f.runFailure = "运行失败"; });
    rt::test::UserClick(form->btnDesign);
    EXPECT_NE(DialogWith("产生报表失败! 原因: "), nullptr) << DialogTexts();
    EXPECT_EQ(queue->Last("OpenReport"), nullptr);
    EXPECT_TRUE(form->btnDesign->Enabled());
}

TEST_F(BaseRptRunTest, WebReportRequestsTheAddressAndOpensTheBrowser) {
    rt::SetClockOverride(rt::EncodeDateTime(2026, 12, 8, 19, 30, 5, 0));
    TfrmRptTest* form = ReadyForm();
    rt::test::UserClick(form->btnWebDesign);
    const std::string expected =
        std::string("http://127.0.0.1:8080/WebReport/Server/ReportView.aspx?UserID=796&CompanyID=KWTest60&DbName=KWDB") +
        "&Culture=zh-CHS&ReportID=HEMR07&ExtName=&MainTable=HEMR07" + kJob + "202612080001" +
        "&IsPageBreak='N'&SendKey=20261208193005";
    EXPECT_EQ(form->LastWebAddress(), expected);
    const TRecordedCall* open = http->Last("open");
    ASSERT_NE(open, nullptr);
    EXPECT_EQ(Text(open->args[0]), "Get");
    EXPECT_EQ(Text(open->args[1]), expected);
    EXPECT_FALSE(open->args[2].ToBool()) << "synchronous";
    EXPECT_NE(http->Last("send"), nullptr);
    const std::vector<std::string> puts = {"Visible=True", "left=0",    "top=0",        "height=720",
                                           "width=1024",   "menubar=0", "addressbar=0", "toolbar=0"};
    EXPECT_EQ(browser->puts, puts);
    const TRecordedCall* navigate = browser->Last("Navigate");
    ASSERT_NE(navigate, nullptr);
    EXPECT_EQ(Text(navigate->args[0]), expected);
    ASSERT_EQ(form->kindsDuringRun.size(), 1u);
    EXPECT_EQ(form->kindsDuringRun[0], "CR") << "the server library runs a web report";
    EXPECT_EQ(form->ProgramKind(), "R");
    EXPECT_EQ(form->FormResultCode(), 1);
    EXPECT_EQ(form->RunningWindow(), nullptr);
    EXPECT_TRUE(form->btnWebDesign->Enabled());
    EXPECT_TRUE(Dialogs().Dialogs().empty()) << DialogTexts();
}

TEST_F(BaseRptRunTest, UnreachableWebSiteIsReportedAndTheKindIsBack) {
    http->failing = {"send"};
    TfrmRptTest* form = ReadyForm();
    rt::test::UserClick(form->btnWebDesign);
    const rt::TDialogRecord* d = DialogWith("web报表网址配置不正确或无法访问！");
    ASSERT_NE(d, nullptr) << DialogTexts();
    EXPECT_EQ(d->Kind, rt::mtError);
    EXPECT_NE(d->Text.find("\rthe server refused send"), std::string::npos) << d->Text;
    EXPECT_EQ(browser->Last("Navigate"), nullptr) << "no browser for an unreachable site";
    EXPECT_EQ(form->ProgramKind(), "R");
    EXPECT_EQ(form->RunningWindow(), nullptr);
    EXPECT_TRUE(form->btnWebDesign->Enabled());
}

TEST_F(BaseRptRunTest, FailedWebRunLeavesTheKindR) {
    TfrmRptTest* form = ReadyForm([](TfrmRptTest& f) { f.runFailure = "运行失败"; });
    rt::test::UserClick(form->btnWebDesign);
    EXPECT_NE(DialogWith("产生报表失败! 原因: "), nullptr) << DialogTexts();
    EXPECT_EQ(form->kindsDuringRun.at(0), "CR");
    EXPECT_EQ(form->ProgramKind(), "R");
    EXPECT_EQ(http->Last("open"), nullptr);
    EXPECT_TRUE(form->btnWebDesign->Enabled());
}

// The site lookup passes message type "N": the value check itself shows nothing.
TEST_F(BaseRptRunTest, MissingWebSiteAbandonsTheWebReportWithExactlyTwoDialogs) {
    fake->validator->rows.erase("CMSMA");
    TfrmRptTest* form = ReadyForm();
    rt::test::UserClick(form->btnWebDesign);
    ASSERT_EQ(Dialogs().Dialogs().size(), 2u) << DialogTexts();
    EXPECT_EQ(Dialogs().Dialogs()[0].Text.rfind("WebReportSiteUrl not Exists, Please Check the table WebReportConfig", 0),
              0u) << DialogTexts();
    EXPECT_EQ(Dialogs().Dialogs()[0].Kind, rt::mtError);
    EXPECT_NE(Dialogs().Dialogs()[1].Text.find("开启报表失败! "), std::string::npos) << DialogTexts();
    EXPECT_EQ(http->Last("open"), nullptr);
    EXPECT_EQ(form->ProgramKind(), "R");
}

TEST_F(BaseRptRunTest, BrowserFailureFallsBackToTheShell) {
    browser->failing = {"Navigate"};
    rt::TShellExecuteRecorder shell;
    TfrmRptTest* form = ReadyForm();
    rt::test::UserClick(form->btnWebDesign);
    const std::vector<rt::TShellExecuteRequest> calls = shell.Calls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].Verb, "open");
    EXPECT_EQ(calls[0].File, form->LastWebAddress());
    EXPECT_EQ(calls[0].ShowCmd, rt::SW_SHOWNORMAL);
}

}  // namespace
}  // namespace hemr_test

namespace hemr_test {
namespace {

TEST_F(BaseRptRunTest, CompanyCodeWithAmpersandIsEncodedInTheWebAddress) {
    auto* form = NewForm<TfrmRptTest>();
    form->SetName("frmHemr07");
    ASSERT_TRUE(form->InitForm(rt::Variant::ArrayOf({"A&B", "KW&60", "KWDB", 0, ""})));
    rt::test::UserClick(form->btnWebDesign);
    const std::string& address = form->LastWebAddress();
    EXPECT_NE(address.find("?UserID=A%26B&CompanyID=KW%2660&DbName=KWDB&"), std::string::npos) << address;
    EXPECT_NE(address.find("&IsPageBreak='N'&"), std::string::npos) << "the fixed key stays as written";
}

TEST_F(BaseRptRunTest, StartModeThreeDesignsAndCloses) {
    TfrmRptTest* form = ReadyForm();
    EXPECT_TRUE(form->RunStartMode(3));
    EXPECT_NE(queue->Last("OpenReport"), nullptr);
    EXPECT_EQ(form->runs.size(), 1u) << "the design run";
    rt::Application().ProcessMessages();
    EXPECT_FALSE(Alive(form));
}

TEST_F(BaseRptRunTest, RunningWindowIsCentredOnTheForm) {
    TfrmRptTest* form = ReadyForm();
    form->SetBounds(100, 50, 600, 400);
    hemr::TRunningWinPtr window = hemr::ShowRunningWindow(*form);
    EXPECT_EQ(window->Caption(), "报表开启中，请稍候...");
    EXPECT_EQ(window->BorderStyle(), rt::bsNone);
    EXPECT_EQ(window->Left(), 100 + (600 - window->Width()) / 2);
    EXPECT_EQ(window->Top(), 50 + (400 - window->Height()) / 2);
    EXPECT_TRUE(window->Visible());
    EXPECT_EQ(window->aniRunning->CommonAVI(), rt::aviFindFile);
    EXPECT_TRUE(window->aniRunning->Active()) << "the animation runs while it shows";
    EXPECT_EQ(window->lblRunning->Font()->Color(), rt::clRed);
}

}  // namespace
}  // namespace hemr_test

namespace hemr_test {
namespace {

TEST_F(BaseRptRunTest, EmptyRequiredFieldStopsTheDirectQueryAndTheDesign) {
    LoggingOff();
    fake->validator->rows.erase("CMSMT");
    TfrmRptTest* form = ReadyForm();
    form->Show();
    form->SetRequiredFields("edNote1");
    rt::test::UserClick(form->btnQuery);
    rt::test::UserClick(form->btnDesign);
    EXPECT_TRUE(form->runs.empty()) << "neither run starts without the required field";
    EXPECT_NE(form->ErrorCodes().find("E;000037"), std::string::npos) << form->ErrorCodes();
    form->edNote1->SetText("页脚");
    rt::test::UserClick(form->btnQuery);
    EXPECT_EQ(form->runs.size(), 1u) << "filled in, the direct query runs once";
}

}  // namespace
}  // namespace hemr_test
