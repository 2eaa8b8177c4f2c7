// The web report: the job opened in a browser at the report site the
// database names. Only edition 9 holds it.

#include "platform/automation/ComObj.h"
#include "platform/os/Launcher.h"
#include "platform/remote/TXmlHttpRequest.h"
#include "platform/stdctrls/TButton.h"
#include "platform/sysutils/Clock.h"
#include "src/shell/BaseRpt.h"
#include "src/shell/ButtonBusy.h"
#include "src/shell/WebReportAddress.h"

namespace hemr {

namespace {

constexpr const char* kSection = "TfrmBaseRpt";
constexpr const char* kNoWebSite = "WebReportSiteUrl not Exists, Please Check the table WebReportConfig";

// Field 0 of the first record of a lookup answer: a row, or a list of rows.
std::string FirstField(const rt::Variant& answer) {
    const rt::Variant& a = answer.Deref();
    if (!a.IsArray() || a.DimCount() != 1 || a.ElementCount() == 0) return a.IsArray() ? "" : rt::VarToStr(a);
    const rt::Variant& first = a[a.LowBound()].Deref();
    if (first.IsArray()) return first.DimCount() == 1 && first.ElementCount() > 0 ? rt::VarToStr(first[first.LowBound()]) : "";
    return rt::VarToStr(first);
}

}  // namespace

void TfrmBaseRpt::PublishWebReport(rt::TPublisher<TfrmBaseRpt>& p) {
    RT_METHOD(p, btnWebDesignClick);
    RT_COMPONENT(p, btnWebDesign);
}

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
