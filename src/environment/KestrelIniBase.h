#pragma once
// What the client and the server configuration share: the install folder from
// the registry key "Software\NVR\Kestrel", the profile folder, the INI file
// chosen, the code pages with their conversion modes, and the work-library
// folders. Both objects are read-only snapshots filled by their constructor.

#include <cstdint>
#include <string>
#include <vector>

namespace rt {
class TIniFile;
}

namespace hemr {

class TKestrelIniBase {
public:
    virtual ~TKestrelIniBase();
    TKestrelIniBase(const TKestrelIniBase&) = delete;
    TKestrelIniBase& operator=(const TKestrelIniBase&) = delete;

    // True when the whole configuration was read; false when the registry key,
    // the install folder or (client) the server names were missing.
    bool Loaded() const { return loaded_; }
    // Message code of the load failure ("E;000015", "E;000016"), else empty.
    const std::string& ErrorCode() const { return errorCode_; }

    const std::string& ProfileType() const { return profileType_; }
    const std::string& ProfileUser() const { return profileUser_; }
    const std::string& ProfileDir() const { return profileDir_; }
    const std::string& IniFileName() const { return iniFileName_; }
    const std::string& SystemCodePage() const { return systemCodePage_; }
    const std::string& UICodePage() const { return uiCodePage_; }
    const std::string& DBCodePage() const { return dbCodePage_; }
    uint8_t UIConvertMode() const { return uiConvertMode_; }
    uint8_t DBConvertMode() const { return dbConvertMode_; }
    bool SupportCallBack() const { return supportCallBack_; }
    const std::string& ProductVersion() const { return productVersion_; }
    const std::vector<std::string>& WorkDLLPaths() const { return workDLLPaths_; }

    // Replaces the contents of `paths` with WorkDLLPaths.
    void GetWorkDLLPaths(std::vector<std::string>& paths) const;

    // The user name as it fits the profile buffer of 32 bytes: at most 31
    // bytes, never cut inside a UTF-8 sequence.
    static std::string FitProfileUser(const std::string& userName);
    // "1", "Y", "YES" and "TRUE" in any case are true.
    static bool IsYes(const std::string& value);

protected:
    // `pathValue` is the registry value naming the install folder, `iniName`
    // the INI file's name, `packageFolder` the work-library folder used when
    // the INI file names none.
    TKestrelIniBase(std::string pathValue, std::string iniName, std::string packageFolder);

    // Runs the whole load, once, on the fields as the constructor set them;
    // the derived constructor calls it once its own members exist, so the
    // hooks below see a complete object.
    void Load();

    // Reads the object's keys in their order (SupportCallBack through
    // SetSupportCallBack, the work-library section through ReadWorkDLLSection).
    virtual void ReadKeys(const rt::TIniFile& ini) = 0;
    // Checks and derives fields after the conversion modes are recomputed;
    // false stops the load before the work-library folders are resolved.
    virtual bool FinishKeys() = 0;

    const std::string& InstallPath() const { return installPath_; }
    void ReadProductVersion(const rt::TIniFile& ini);
    void ReadCodePages(const rt::TIniFile& ini);
    void SetSupportCallBack(const std::string& value) { supportCallBack_ = IsYes(value); }
    // Keeps the section's lines as "key=value" until they are resolved.
    void ReadWorkDLLSection(const rt::TIniFile& ini);
    void SetErrorCode(std::string code) { errorCode_ = std::move(code); }

private:
    // The ANSI code page as the configuration names it: "936", "950", else "437".
    static std::string AnsiCodePageText();
    void ComputeConvertModes();
    bool ReadRegistry();
    void ChooseIniFile();
    void ResolveWorkDLLPaths();

    std::string pathValue_;
    std::string iniName_;
    std::string packageFolder_;

    bool loaded_ = false;
    std::string errorCode_;
    std::string installPath_;
    std::string profileType_ = "0";
    std::string profileUser_ = "Default";
    std::string profileDir_;
    std::string iniFileName_;
    std::string systemCodePage_;
    std::string uiCodePage_;
    std::string dbCodePage_ = "936";
    uint8_t uiConvertMode_ = 0;
    uint8_t dbConvertMode_ = 0;
    bool supportCallBack_ = false;
    std::string productVersion_;
    std::vector<std::string> workDLLPaths_;
};

}  // namespace hemr
