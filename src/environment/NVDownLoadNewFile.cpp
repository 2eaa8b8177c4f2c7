#include "src/environment/NVDownLoadNewFile.h"

#include "platform/core/Exceptions.h"
#include "platform/forms/TApplication.h"
#include "platform/os/Files.h"
#include "platform/os/Paths.h"
#include "platform/os/Registry.h"
#include "platform/os/SysInfo.h"
#include "platform/os/TempFile.h"
#include "platform/sysutils/Clock.h"
#include "platform/sysutils/DateFormat.h"
#include "platform/sysutils/Format.h"
#include "platform/sysutils/StrUtils.h"
#include "src/environment/LibSys.h"
#include "src/environment/NVDownLoadNewFileLibrary.h"

#include <functional>

namespace hemr {

namespace {

constexpr const char* kUpgraderKey = "Software\\PLWK\\Velmoran";
constexpr const char* kAlertName = "NVDownLoadNewFileU";

// The text between `open` and `close`; found is false when either is missing.
bool Between(const std::string& text, const std::string& open, const std::string& close, std::string& value) {
    const size_t start = text.find(open);
    if (start == std::string::npos) return false;
    const size_t from = start + open.size();
    const size_t end = text.find(close, from);
    if (end == std::string::npos) return false;
    value = text.substr(from, end - from);
    return true;
}

std::string DescriptionValue(const std::string& text, const std::string& name) {
    std::string value;
    if (Between(text, "<" + name + ">", "</" + name + ">", value)) return value;
    if (Between(text, name + " = '", "'", value)) return value;
    return "";
}

bool IsNetworkPath(const std::string& path) {
    return path.find("\\\\") != std::string::npos || path.rfind("//", 0) == 0;
}

std::string WithTrailingDelimiter(const std::string& folder) {
    return folder.empty() || rt::IsPathDelimiter(folder.back()) ? folder : folder + "/";
}

// Asks Abort or Retry; true for Retry.
bool AskRetry(const std::string& text) {
    rt::TDialogRecord dialog;
    dialog.Kind = rt::mtError;
    dialog.Caption = rt::Application().Title();
    dialog.Text = text;
    dialog.Buttons = {{"Abort", "&Abort", rt::mrAbort}, {"Retry", "&Retry", rt::mrRetry}};
    dialog.DefaultButton = "Retry";
    return rt::Application().DialogDriver().Answer(std::move(dialog)) == rt::mrRetry;
}

// Runs `step` until it succeeds; a failure raises `failureFormat` with the
// local path and the reason, unless an interactive user chooses to retry.
void RunStep(const std::function<bool(std::string&)>& step, const char* failureFormat, const std::string& localPath,
             bool interactive) {
    for (;;) {
        std::string reason;
        if (step(reason)) return;
        const std::string text = rt::Format(failureFormat, {localPath, reason});
        if (!interactive || !AskRetry(text)) throw rt::Exception(text);
    }
}

void Update(const std::string& modifyStamp, const std::string& serverFolder, const std::string& localPath,
            bool interactive) {
    const TNVDownLoad library;
    if (!library.CompareFileToDown(modifyStamp, localPath)) return;
    if (IsNetworkPath(localPath)) throw rt::Exception(rt::Format("Net File can't update![%s]", {localPath}));

    const std::string name = rt::ExtractFileName(localPath);
    // Server paths are not case-exact; the downloader finds them ignoring case.
    const std::string source = rt::AnsiLowerCase(WithTrailingDelimiter(rt::Trim(serverFolder)) + name) + ".zip";
    // The temporary folder is shared: a fixed name there could be planted or
    // read by anyone. The zip is this update's own and goes with it.
    const rt::TTemporaryFile zipFile(rt::Trim(GetLongTempDir()), name + ".", ".zip");
    RunStep([&](std::string& reason) { return library.NVDownLoadFileEx(source, zipFile.Path(), reason); },
            "DownLoad new file[%s] failed. %s", localPath, interactive);
    RunStep([&](std::string& reason) {
                return library.UnZipFilesOrDir(zipFile.Path(), rt::ExtractFileDir(localPath), reason);
            },
            "Unzip new file[%s] failed. %s", localPath, interactive);
}

}  // namespace

TUpdateDescription ParseUpdateDescription(const std::string& text) {
    return {DescriptionValue(text, "Modify"), DescriptionValue(text, "Path")};
}

std::string ServerFolderOf(const std::string& path) { return rt::ExtractFilePath(path); }

void WriteDownLoadAlert(const std::string& message) {
    try {
        // Always beside the running program: this runs before any
        // configuration may be trusted.
        const std::string home = rt::ExtractFilePath(rt::GetProgramFileName());
        const std::string file = AlertLogFileName(home, kAlertName, "D");
        if (!rt::ForceDirectories(rt::ExtractFileDir(file))) return;
        rt::AppendLineToFile(file, "[" + rt::FormatDateTime("yyyy/mm/dd hh:nn:ss:zzz", rt::Now()) + "] " + message);
    } catch (const std::exception&) {
        // A log that cannot be written must not stop the update.
    }
}

bool UpdaterSwitchOn() {
    rt::TRegistry registry;
    registry.SetRootKey(rt::HKEY_LOCAL_MACHINE);
    if (!registry.OpenKeyReadOnly(kUpgraderKey)) {
        WriteDownLoadAlert("Read Upgrader Registry Error: No UPGRADER_REGISTRY_PATH");
        return false;
    }
    try {
        return rt::Trim(registry.ReadString("GoAhead")) == "1";
    } catch (const rt::Exception&) {
        return false;  // a value that is not text cannot switch the updater on
    }
}

bool UpdateFile(const std::string& modifyStamp, const std::string& serverFolder, const std::string& localPath,
                bool interactive, std::string& message) {
    if (!UpdaterSwitchOn()) return true;
    try {
        Update(modifyStamp, serverFolder, localPath, interactive);
        return true;
    } catch (const std::exception& e) {
        message = e.what();
        WriteDownLoadAlert(message);
        return false;
    }
}

bool UpdateFileFromXML(const std::string& description, const std::string& localPath, bool interactive,
                       std::string& message) {
    const TUpdateDescription parsed = ParseUpdateDescription(description);
    return UpdateFile(parsed.Modify, ServerFolderOf(parsed.Path), localPath, interactive, message);
}

}  // namespace hemr
