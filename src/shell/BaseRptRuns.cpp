// The runs of the report form besides the queued one: the direct query
// through the program's server library and the report designer through the
// queue manager (the web report: BaseRptWeb.cpp).

#include "platform/automation/ComObj.h"
#include "platform/os/SysInfo.h"
#include "platform/stdctrls/TButton.h"
#include "platform/sysutils/Clock.h"
#include "platform/sysutils/StrUtils.h"
#include "src/environment/CodeConverter.h"
#include "src/environment/LibStrs.h"
#include "src/shell/BaseRpt.h"
#include "src/shell/ButtonBusy.h"
#include "src/shell/JobSubIdentifier.h"

namespace hemr {

namespace {

constexpr const char* kSection = "TfrmBaseRpt";
constexpr int kServerCodePage = 936;
constexpr int kResultDone = 1;

std::string ComputerName() {
    const std::string name = rt::GetComputerName();
    return name.empty() ? "Unknown" : name.substr(0, 16);
}

}  // namespace

// ---- messages ----------------------------------------------------------------------------------

void TfrmBaseRpt::ShowError(const std::string& text) {
    ShowMessageBox(rt::VarToStr(NvConverter()->DesignToUI(rt::Variant(text))), rt::mtError, {rt::mbOK});
}

void TfrmBaseRpt::ShowFailure(const char* key, const char* def) {
    std::string text;
    GetLangText(kSection, key, text, false, def);
    ShowError(text);
}

// ---- shared steps --------------------------------------------------------------------------

std::string TfrmBaseRpt::RequestLoggedJob() {
    try {
        if (!SchemeServer().IsDispatch()) return "ERROR";
        // The server takes the array in code page 936; the form keeps its own copy as it was.
        const rt::Variant conditions = VariantToCodePage(ConditionArray(), kServerCodePage);
        return rt::VarToStr(SchemeServer().Call("Request1", {conditions, rt::Variant(ComputerName())}));
    } catch (const std::exception&) {
        return "ERROR";
    }
}

std::string TfrmBaseRpt::ServerErrorText() {
    try {
        if (SchemeServer().IsDispatch()) return rt::VarToStr(SchemeServer().Get("ErrorDescript"));
    } catch (const std::exception& e) {
        return e.what();
    }
    return "";
}

std::vector<rt::Variant> TfrmBaseRpt::DirectArguments(const std::string& job) const {
    return {rt::Variant(job),         rt::Variant(ProgramCode()), rt::Variant(JobSubIdentifier(job)),
            rt::Variant(1),           ConditionArray()[ConditionArray().LowBound() + 2],
            rt::Variant(DbName()),    rt::Variant(ProgramKind()), rt::Variant(ServerProgID()),
            rt::Variant(UserID()),    rt::Variant(CompanyID()),   rt::Variant(extName_)};
}

bool TfrmBaseRpt::RunReportDirectly(const std::string& job, const char* failedDefault) {
    bool done = false;
    try {
        done = RunDirect(DirectArguments(job));
    } catch (const std::exception& e) {
        ReportException(e.what());
    }
    // A library that is missing or could not be brought up to date is a failure too.
    if (done) return true;
    std::string text;
    GetLangText(kSection, "sFailedReason", text, false, failedDefault);
    ShowError(text + "\r" + ErrorTexts());
    return false;
}

void TfrmBaseRpt::UpdateJobStatus(const std::string& job) {
    try {
        if (SchemeServer().IsDispatch())
            SchemeServer().Call("UpdateStatus1",
                                {rt::Variant(job), rt::Variant(ErrorTexts()), rt::Variant::FromDate(rt::Now())});
    } catch (const std::exception&) {
        // The status is a courtesy to the queue; the report opens all the same.
    }
}

bool TfrmBaseRpt::PrepareOpenedRun(std::string& job) {
    job = RequestLoggedJob();
    if (!rt::SameText(job, "ERROR")) {
        SetResult(kResultDone, rt::Variant(job));
        SetQueryRun(false);
        if (!RunReportDirectly(job, "产生报表失败! 原因: ")) return false;
    } else {
        ReportMessage("E;000013;" + ServerErrorText());
    }
    UpdateJobStatus(job);
    return true;
}

// ---- direct query ------------------------------------------------------------------------------

void TfrmBaseRpt::btnQueryClick(rt::TObject*) {
    const TButtonBusy busy(btnQuery);
    RunDirectQuery();
}

bool TfrmBaseRpt::RunDirectQuery() {
    if (!BuildConditionArray()) return false;
    // What the run reports is read from the error texts: start them afresh.
    ReportMessage("");
    const std::string job = WantLog() ? RequestLoggedJob() : std::string();
    if (!RunReportDirectly(job, "产生报表失败! 原因: ")) return false;
    const std::string errors = ErrorTexts();
    if (!rt::Trim(errors.substr(0, errors.find(';'))).empty())
        ShowMessageBox(errors, rt::mtInformation, {rt::mbOK});
    return true;
}

// ---- design report --------------------------------------------------------------------------

void TfrmBaseRpt::btnDesignClick(rt::TObject*) {
    const TButtonBusy busy(btnDesign);
    RunDesignReport();
}

void TfrmBaseRpt::RunDesignReport() {
    if (!BuildConditionArray()) return;
    ReportMessage("");
    std::string job;
    if (!PrepareOpenedRun(job)) return;
    runningWin_ = ShowRunningWindow(*this);
    OpenInQueueManager(job);
    runningWin_.reset();
}

void TfrmBaseRpt::OpenInQueueManager(const std::string& job) {
    rt::Variant manager;
    try {
        manager = rt::CreateOleObject(QueueManagerProgID);
    } catch (const std::exception&) {
        ShowFailure("sFailedRunJobQ", "启动队列管理员失败! ");
        return;
    }
    int answer = -1;
    try {
        const rt::Variant ids = rt::Variant::ArrayOf(
            {rt::Variant(job), rt::Variant(JobSubIdentifier(job)), rt::Variant(UserID()), rt::Variant(ProductID())});
        answer = manager.Call("OpenReport", {rt::Variant::ArrayOf({ids, rt::Variant(UserID()), rt::Variant(true)})})
                     .ToInt();
    } catch (const std::exception& e) {
        ReportException(e.what());
    }
    if (answer != 0) ShowFailure("sFailedOpenRep", "开启报表失败! ");
}

}  // namespace hemr
