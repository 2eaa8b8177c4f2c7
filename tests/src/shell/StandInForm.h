#pragma once
// A minimal condition form on the base form for the controller's tests: it
// takes the start parameters, keeps what it was sent, and Escape closes it
// as cancelled.

#include "platform/classes/Events.h"
#include "src/controls/NVForm.h"
#include "src/shell/ShellForm.h"

namespace hemr_test {

class TfrmStandIn : public hemr::TNVForm, public hemr::IShellForm {
    RT_CLASS(TfrmStandIn, hemr::TNVForm)

public:
    explicit TfrmStandIn(rt::TComponent* owner);

    static void Publish(rt::TPublisher<TfrmStandIn>& p);

    void SetModulePath(const std::string& path) override;
    void SetSessionObject(const rt::Variant& session) override { session_ = session; }
    // Takes an array of at least three elements (user, company, database), once.
    bool InitForm(const rt::Variant& params) override;
    void ApplyStartParams(const rt::Variant& params) override;

    std::string VersionText() const override { return versionText_; }
    std::string UserID() const override { return userID_; }
    std::string CompanyID() const override { return companyID_; }
    std::string ProgramCode() const override { return programCode_; }
    std::string ProgramName() const override { return programName_; }
    int32_t FormResultCode() const override { return resultCode_; }
    rt::Variant FormResultData() const override { return resultData_; }

    const std::string& ModulePath() const { return modulePath_; }
    const rt::Variant& SessionObject() const { return session_; }
    const std::string& DbName() const { return dbName_; }
    // The start parameters last received, in the transcript's JSON form ("" before any).
    const std::string& ReceivedParams() const { return receivedParams_; }
    int StartParamsCount() const { return startParamsCount_; }

    void FormClose(rt::TObject* Sender, rt::TCloseAction& Action);

protected:
    void KeyDown(uint16_t& key, rt::TShiftState shift) override;

private:
    std::string versionText_ = "870401-0.00.00";
    std::string modulePath_;
    rt::Variant session_;
    bool initialised_ = false;
    std::string userID_;
    std::string companyID_;
    std::string dbName_;
    std::string programCode_;
    std::string programName_;
    std::string receivedParams_;
    int startParamsCount_ = 0;
    int32_t resultCode_ = 0;
    rt::Variant resultData_;
};

}  // namespace hemr_test
