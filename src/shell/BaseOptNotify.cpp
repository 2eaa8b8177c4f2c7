// Notification of the job's recipients: the notify check box, its button and
// the notification form behind it. Only edition 9 holds it.

#include "platform/buttons/TSpeedButton.h"
#include "platform/sysutils/StrUtils.h"
#include "src/collaboration/NvNotify.h"
#include "src/controls/BitCheckBox.h"
#include "src/shell/BaseOpt.h"

namespace hemr {

namespace {

constexpr const char* kRecipientHead = R"(<?xml version="1.0" encoding="GB2312"?><Root><R1 ID=")";
constexpr const char* kRecipientTail = R"(" Name="" Type="5" Msg="YNN"/></Root>)";

}  // namespace

void TfrmBaseOpt::PublishNotification(rt::TPublisher<TfrmBaseOpt>& p) {
    RT_METHOD(p, chkNotifyClick);
    RT_METHOD(p, btnNotifyClick);
    RT_COMPONENT(p, chkNotify);
    RT_COMPONENT(p, btnNotify);
}

std::string TfrmBaseOpt::OneRecipientDocument() const { return kRecipientHead + UserID() + kRecipientTail; }

void TfrmBaseOpt::chkNotifyClick(rt::TObject*) {
    const bool checked = chkNotify != nullptr && chkNotify->Checked();
    if (btnNotify != nullptr) btnNotify->SetEnabled(checked);
    if (checked && notifyXml_.empty()) notifyXml_ = OneRecipientDocument();
}

std::string TfrmBaseOpt::ReadPortalSetting(const std::string& name) {
    const rt::Variant answer = GetCounter(
        "SimpleSQL", rt::Variant::ArrayOf({rt::Variant("SELECT MA003 FROM NVRINTMA WHERE MA001='" + name + "' "),
                                           rt::Variant("MA003")}));
    const rt::Variant& rows = answer.Deref();
    if (!rows.IsArray() || rows.ElementCount() == 0) return "";
    // Rows of fields: field 0 of row 0.
    const rt::Variant& row = rows[rows.LowBound()].Deref();
    if (!row.IsArray() || row.ElementCount() == 0) return "";
    return rt::VarToStr(row[row.LowBound()]);
}

void TfrmBaseOpt::btnNotifyClick(rt::TObject*) {
    try {
        portalStartup_ = ReadPortalSetting("StartupPortal");
        portalService_ = ReadPortalSetting("Portal WS");
    } catch (const std::exception& e) {
        ReportException(e.what());
    }
    notifyXml_ = ChooseRecipients(notifyXml_, portalStartup_, portalService_);
}

std::string TfrmBaseOpt::ChooseRecipients(const std::string& Xml, const std::string& Startup,
                                          const std::string& Service) {
    return EditNotifyReceivers(this, Xml, Startup, Service);
}

}  // namespace hemr
