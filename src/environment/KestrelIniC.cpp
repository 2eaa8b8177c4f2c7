#include "src/environment/KestrelIniC.h"

#include "platform/os/IniFile.h"
#include "platform/sysutils/StrUtils.h"

#include <vector>

namespace hemr {

TKestrelIniC::TKestrelIniC() : TKestrelIniBase("ClientPath", "KestrelC.ini", "C_PKG/") {
    Load();
}

TKestrelIniC::~TKestrelIniC() = default;

void TKestrelIniC::ReadKeys(const rt::TIniFile& ini) {
    langType_ = ini.ReadString("Client Components", "LangType", "ENG");
    ReadProductVersion(ini);
    createGifBeforeSendEF_ = ini.ReadString("UserDefine", "CreateGifBeforeSendEF", "Y");
    ReadCodePages(ini);
    SetSupportCallBack(ini.ReadString("Server Information", "SupportCallBack", "0"));
    computerName_ = ini.ReadString("Server Information", "ComputerName", "127.0.0.1");
    serverPort_ = ini.ReadInteger("Server Information", "ServerPort", 211);
    ReadWorkDLLSection(ini);
    autoCheckNewMsg_ = ini.ReadString("TaskMessageCenter Setting", "AutoCheckNewMsg", "1");
    checkInterval_ = ini.ReadString("TaskMessageCenter Setting", "CheckInterval", "1");
    popupMsg_ = ini.ReadString("TaskMessageCenter Setting", "PopupMsg", "1");
    loginCheck_ = ini.ReadString("TaskMessageCenter Setting", "LoginCheck", "0");
}

bool TKestrelIniC::FinishKeys() {
    std::string names = rt::Trim(computerName_);
    if (!names.empty() && names.back() == ';') names.pop_back();
    computerName_ = names;
    if (computerName_.empty()) {
        SetErrorCode("E;000016");
        return false;
    }
    BuildServerList();
    return true;
}

void TKestrelIniC::BuildServerList() {
    // Empty names between two separators keep their place, so positions stay
    // those of the INI file; blanks around a name are never part of a host name.
    std::vector<std::string> names = rt::SplitString(computerName_, ";");
    serverList_ = rt::Variant::CreateArray({{0, 1}, {0, static_cast<int>(names.size()) - 1}});
    for (size_t i = 0; i < names.size(); ++i) {
        serverList_.At(0, static_cast<int>(i)) = rt::Trim(names[i]);
        serverList_.At(1, static_cast<int>(i)) = serverPort_;
    }
}

}  // namespace hemr
