#pragma once
// The client configuration: install folder "ClientPath", KestrelC.ini, the
// language, the task-message settings and the application servers to reach.

#include "platform/core/Variant.h"
#include "src/environment/KestrelIniBase.h"

#include <string>

namespace hemr {

class TKestrelIniC : public TKestrelIniBase {
public:
    TKestrelIniC();
    ~TKestrelIniC() override;

    const std::string& ClientPath() const { return InstallPath(); }
    const std::string& LangType() const { return langType_; }
    const std::string& CreateGifBeforeSendEF() const { return createGifBeforeSendEF_; }
    const std::string& AutoCheckNewMsg() const { return autoCheckNewMsg_; }
    const std::string& CheckInterval() const { return checkInterval_; }
    const std::string& PopupMsg() const { return popupMsg_; }
    const std::string& LoginCheck() const { return loginCheck_; }
    // [0..1, 0..n-1]: [0, i] the i-th server name, [1, i] the port (integer);
    // unassigned when no server name was configured.
    const rt::Variant& ServerList() const { return serverList_; }

protected:
    void ReadKeys(const rt::TIniFile& ini) override;
    bool FinishKeys() override;

private:
    void BuildServerList();

    std::string langType_;
    std::string createGifBeforeSendEF_;
    std::string autoCheckNewMsg_;
    std::string checkInterval_;
    std::string popupMsg_;
    std::string loginCheck_;
    std::string computerName_;
    int32_t serverPort_ = 211;
    rt::Variant serverList_;
};

}  // namespace hemr
