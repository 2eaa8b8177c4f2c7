// The three runs of the report form besides the queued one: the direct
// query through the program's server library, the report designer through
// the queue manager, and the web report in a browser.

#include "platform/automation/ComObj.h"
#include "platform/os/Launcher.h"
#include "platform/os/SysInfo.h"
#include "platform/remote/TXmlHttpRequest.h"
#include "platform/stdctrls/TButton.h"
#include "platform/sysutils/Clock.h"
#include "platform/sysutils/StrUtils.h"
#include "src/environment/CodeConverter.h"
#include "src/environment/LibStrs.h"
#include "src/shell/BaseRpt.h"
#include "src/shell/WebReportAddress.h"

namespace hemr {

namespace {

constexpr const char* kSection = "TfrmBaseRpt";
constexpr int kServerCodePage = 936;
constexpr int kResultDone = 1;
constexpr const char* kNoWebSite = "WebReportSiteUrl not Exists, Please Check the table WebReportConfig";

// Disables a run button while it lives; every way out enables it again.
class TButtonBusy {
public:
    explicit TButtonBusy(rt::TButton* button) : button_(button) {
        if (button_ != nullptr) button_->SetEnabled(false);
    }
    ~TButtonBusy() {
        if (button_ != nullptr) button_->SetEnabled(true);
    }
    TButtonBusy(const TButtonBusy&) = delete;
    TButtonBusy& operator=(const TButtonBusy&) = delete;

private:
    rt::TButton* button_;
};

std::string ComputerName() {
    const std::string name = rt::GetComputerName();
    return name.empty() ? "Unknown" : name.substr(0, 16);
}

// Field 0 of the first record of a lookup answer: a row, or a list of rows.
std::string FirstField(const rt::Variant& answer) {
    const rt::Variant& a = answer.Deref();
    if (!a.IsArray() || a.DimCount() != 1 || a.ElementCount() == 0) return a.IsArray() ? "" : rt::VarToStr(a);
    const rt::Variant& first = a[a.LowBound()].Deref();
    if (first.IsArray()) return first.DimCount() == 1 && first.ElementCount() > 0 ? rt::VarToStr(first[first.LowBound()]) : "";
    return rt::VarToStr(first);
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

// ---- web report ---------------------------------------------------------------------------

void TfrmBaseRpt::btnWebDesignClick(rt::TObject*) {
    const TButtonBusy busy(btnWebDesign);
    const std::string kind = ProgramKind();
    try {
        RunWebReport();
    } catch (...) {
        SetProgramKind(kind);
        runningWin_.reset();
        throw;
    }
    // The form's own kind again, whatever happened to the run.
    SetProgramKind(kind);
    runningWin_.reset();
}

void TfrmBaseRpt::RunWebReport() {
    if (!BuildConditionArray()) return;
    ReportMessage("");
    const std::string kind = ProgramKind();
    SetProgramKind("CR");
    std::string job;
    const bool prepared = PrepareOpenedRun(job);
    SetProgramKind(kind);
    if (!prepared) return;
    runningWin_ = ShowRunningWindow(*this);
    std::string site;
    if (!ReadWebSite(site)) {
        ShowError(kNoWebSite);
        ShowFailure("sFailedOpenRep", "开启报表失败! ");
        return;
    }
    TWebReportAddress address;
    address.SiteAddress = site;
    address.UserID = UserID();
    address.CompanyID = CompanyID();
    address.DbName = DbName();
    address.Culture = TWebReportAddress::CultureOf(GetUICodePage());
    address.ProgramCode = ProgramCode();
    address.ExtName = extName_;
    address.JobID = job;
    lastWebAddress_ = address.Build(rt::Now());
    try {
        // Only whether the site answers matters here; the browser shows the page.
        rt::Variant request = rt::CreateOleObject(rt::kXmlHttpProgId);
        request.Call("open", {rt::Variant("Get"), rt::Variant(lastWebAddress_), rt::Variant(false)});
        request.Call("send");
    } catch (const std::exception& e) {
        // The reason joins the form's error texts, so that the message shows it.
        ReportException(e.what());
        std::string text;
        GetLangText(kSection, "sFailedReason", text, false, "web报表网址配置不正确或无法访问！");
        ShowError(text + "\r" + ErrorTexts());
        return;
    }
    OpenWebAddress(lastWebAddress_);
}

bool TfrmBaseRpt::ReadWebSite(std::string& site) {
    rt::Variant answer;
    if (!CheckConditionValue("CMSMA", "02", "N", -1, answer, rt::Variant::ArrayOf({rt::Variant(std::string())})))
        return false;
    site = FirstField(answer);
    return true;
}

void TfrmBaseRpt::OpenWebAddress(const std::string& address) {
    try {
        rt::Variant browser = rt::CreateOleObject(BrowserProgID);
        browser.Put("Visible", rt::Variant(true));
        browser.Put("left", rt::Variant(0));
        browser.Put("top", rt::Variant(0));
        browser.Put("height", rt::Variant(720));
        browser.Put("width", rt::Variant(1024));
        browser.Put("menubar", rt::Variant(0));
        browser.Put("addressbar", rt::Variant(0));
        browser.Put("toolbar", rt::Variant(0));
        browser.Call("Navigate", {rt::Variant(address)});
    } catch (const std::exception&) {
        rt::ShellExecute("open", address, "", "", rt::SW_SHOWNORMAL);
    }
}

}  // namespace hemr
