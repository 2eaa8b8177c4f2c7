#include "src/environment/KestrelIniBase.h"

#include "platform/codepage/CodePages.h"
#include "platform/os/Files.h"
#include "platform/os/IniFile.h"
#include "platform/os/Paths.h"
#include "platform/os/Registry.h"
#include "platform/os/SysInfo.h"
#include "platform/sysutils/IntConv.h"
#include "platform/sysutils/StrUtils.h"
#include "src/environment/KestrelINI.h"

namespace hemr {

namespace {

constexpr const char* kKestrelKey = "Software\\NVR\\Kestrel";
constexpr size_t kProfileUserBytes = 31;  // a buffer of 32 with its terminator

// Installers write ProfileType as text or as a number; both read as text.
std::string ReadProfileType(const rt::TRegistry& reg, const std::string& name) {
    if (reg.ValueExists(name) && reg.GetDataType(name) == rt::TRegDataType::rdInteger)
        return rt::IntToStr(reg.ReadInteger(name));
    return reg.ReadString(name);
}

bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

}  // namespace

TKestrelIniBase::TKestrelIniBase(std::string pathValue, std::string iniName, std::string packageFolder)
    : pathValue_(std::move(pathValue)),
      iniName_(std::move(iniName)),
      packageFolder_(std::move(packageFolder)),
      systemCodePage_(AnsiCodePageText()),
      uiCodePage_(systemCodePage_) {
    ComputeConvertModes();
}

TKestrelIniBase::~TKestrelIniBase() = default;

void TKestrelIniBase::GetWorkDLLPaths(std::vector<std::string>& paths) const {
    paths = workDLLPaths_;
}

std::string TKestrelIniBase::FitProfileUser(const std::string& userName) {
    if (userName.size() <= kProfileUserBytes) return userName;
    size_t end = kProfileUserBytes;
    while (end > 0 && IsContinuationByte(userName[end])) --end;
    return userName.substr(0, end);
}

bool TKestrelIniBase::IsYes(const std::string& value) {
    std::string upper = rt::UpperCase(value);
    return upper == "1" || upper == "Y" || upper == "YES" || upper == "TRUE";
}

void TKestrelIniBase::Load() {
    if (!ReadRegistry()) return;
    ChooseIniFile();
    rt::TIniFile ini(iniFileName_);
    ReadKeys(ini);
    ComputeConvertModes();
    if (!FinishKeys()) return;
    ResolveWorkDLLPaths();
    loaded_ = true;
}

void TKestrelIniBase::ReadProductVersion(const rt::TIniFile& ini) {
    productVersion_ = ini.ReadString("ProductVersion", "Version", "");
}

void TKestrelIniBase::ReadCodePages(const rt::TIniFile& ini) {
    uiCodePage_ = ini.ReadString("CodePage", "UICodePage", systemCodePage_);
    dbCodePage_ = ini.ReadString("CodePage", "DBCodePage", "936");
}

void TKestrelIniBase::ReadWorkDLLSection(const rt::TIniFile& ini) {
    workDLLPaths_.clear();
    for (const std::string& line : ini.ReadSectionValues("WorkDLLPath")) {
        size_t equals = line.find('=');
        if (equals == std::string::npos) {
            workDLLPaths_.push_back(line + "=");
        } else {
            workDLLPaths_.push_back(rt::Trim(line.substr(0, equals)) + "=" + rt::Trim(line.substr(equals + 1)));
        }
    }
}

std::string TKestrelIniBase::AnsiCodePageText() {
    int acp = rt::GetACP();
    return acp == 936 || acp == 950 ? rt::IntToStr(acp) : std::string("437");
}

void TKestrelIniBase::ComputeConvertModes() {
    if (uiCodePage_ == "950") uiConvertMode_ = 2;
    else if (uiCodePage_ == "936" && systemCodePage_ == "950") uiConvertMode_ = 4;
    else uiConvertMode_ = 0;

    if (uiCodePage_ == "950" && dbCodePage_ == "936") dbConvertMode_ = 2;
    else if (uiCodePage_ == "936" && dbCodePage_ == "950") dbConvertMode_ = 1;
    else dbConvertMode_ = 0;
}

bool TKestrelIniBase::ReadRegistry() {
    std::string folder;
    std::string profileType;
    try {
        rt::TRegistry reg;
        reg.SetRootKey(rt::HKEY_LOCAL_MACHINE);
        if (!reg.OpenKeyReadOnly(kKestrelKey)) {
            errorCode_ = "E;000015";
            return false;
        }
        folder = reg.ReadString(pathValue_);
        profileType = ReadProfileType(reg, "ProfileType");
    } catch (const rt::ERegistryException&) {
        // A value of the wrong kind is as unreadable as a missing key.
        errorCode_ = "E;000015";
        return false;
    }
    profileType_ = profileType;
    if (folder.empty()) return false;
    installPath_ = rt::IncludeTrailingPathDelimiter(rt::ToNativePath(folder));
    return true;
}

void TKestrelIniBase::ChooseIniFile() {
    profileDir_ = installPath_;
    if (!profileType_.empty() && profileType_ != "0") {
        profileUser_ = FitProfileUser(rt::GetUserName());
        profileDir_ = installPath_ + "Profile/" + profileUser_ + "/";
    }
    iniFileName_ = profileDir_ + iniName_;
    if (!rt::FileExists(iniFileName_)) {
        profileDir_ = installPath_;
        iniFileName_ = installPath_ + iniName_;
    }
}

void TKestrelIniBase::ResolveWorkDLLPaths() {
    if (workDLLPaths_.empty()) {
        workDLLPaths_.push_back(installPath_ + packageFolder_);
        return;
    }
    for (std::string& entry : workDLLPaths_) {
        std::string value = entry.substr(entry.find('=') + 1);
        if (value.empty() || !rt::IsPathDelimiter(value.back())) value += "/";
        entry = rt::ToNativePath(ResolvePath(value, installPath_));
    }
}

}  // namespace hemr
