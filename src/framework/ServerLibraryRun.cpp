#include "src/framework/ServerLibraryRun.h"

#include <sys/utsname.h>

#include <algorithm>
#include <cstdio>

#include "include/hemr/SvrController.h"
#include "platform/core/Exceptions.h"
#include "platform/os/DynLib.h"
#include "platform/os/Files.h"
#include "platform/os/Paths.h"
#include "platform/sysutils/StrUtils.h"

namespace hemr {

namespace {

constexpr const char* kOldSystemVersion = "4.90.73010104";

bool IsPackageFolder(const std::string& folder) { return rt::UpperCase(folder).find("S_PKG") != std::string::npos; }

// Frees the library when the run is over, unless the system cannot.
class TLoadedLibrary {
public:
    explicit TLoadedLibrary(rt::HMODULE module) : module_(module) {}
    ~TLoadedLibrary() {
        if (module_ != 0 && !TServerLibraryRun::KeepsLibraryLoaded(SystemVersionText())) rt::FreeLibrary(module_);
    }
    TLoadedLibrary(const TLoadedLibrary&) = delete;
    TLoadedLibrary& operator=(const TLoadedLibrary&) = delete;

private:
    rt::HMODULE module_;
};

}  // namespace

std::string SystemVersionText() {
    struct utsname name {};
    if (uname(&name) != 0) return "";
    int major = 0, minor = 0, build = 0;
    std::sscanf(name.release, "%d.%d.%d", &major, &minor, &build);
    return std::to_string(major) + "." + std::to_string(minor) + "." + std::to_string(build);
}

TServerLibraryRun::TServerLibraryRun(std::vector<std::string> folders, std::string programCode,
                                     FileListSource fileList, UpdateCheck updateCheck)
    : folders_(std::move(folders)),
      programCode_(std::move(programCode)),
      fileList_(std::move(fileList)),
      updateCheck_(std::move(updateCheck)) {}

bool TServerLibraryRun::KeepsLibraryLoaded(const std::string& systemVersion) {
    return systemVersion == kOldSystemVersion;
}

std::string TServerLibraryRun::LibraryIn(const std::string& folder) const {
    std::string path = folder;
    if (!path.empty() && path.back() != '/' && path.back() != '\\') path += '/';
    return rt::MapLibraryName(path + programCode_ + "S.DLL");
}

bool TServerLibraryRun::Checked(const std::string& path) const {
    // The session knows the file by the name the original system gave it.
    const std::string description = fileList_(rt::LowerCase(programCode_ + "S.dll"));
    return updateCheck_(description, path);
}

std::string TServerLibraryRun::LocateLibrary() const {
    if (folders_.empty()) return "";
    std::vector<std::string> failed;
    for (const std::string& folder : folders_) {
        const std::string path = LibraryIn(folder);
        if (!rt::FileExists(path)) continue;
        if (Checked(path)) return path;
        failed.push_back(path);
    }
    std::string fallback = folders_.front();
    for (const std::string& folder : folders_) {
        if (IsPackageFolder(folder)) {
            fallback = folder;
            break;
        }
    }
    const std::string path = LibraryIn(fallback);
    // The update of this very file has just failed (the user may have chosen
    // Abort): checking it again would only ask the same question again.
    if (std::find(failed.begin(), failed.end(), path) != failed.end()) return "";
    return Checked(path) && rt::FileExists(path) ? path : "";
}

bool TServerLibraryRun::Run(const rt::Variant& arguments, std::string& releaseMessage) const {
    const std::string path = LocateLibrary();
    if (path.empty()) return false;
    const rt::HMODULE module = rt::LoadLibrary(path);
    if (module == 0) return false;
    TLoadedLibrary loaded(module);
    auto getController = reinterpret_cast<GetSvrControllerFn>(rt::GetProcAddress(module, kGetSvrControllerSymbol));
    if (getController == nullptr) return false;
    ISvrController* controller = getController();
    if (controller == nullptr) return false;
    // An exception thrown by the library may live in the library's code, which
    // is unloaded before the caller sees it: only its text leaves this scope.
    std::string failure;
    bool failed = false;
    try {
        controller->Run(arguments);
    } catch (const std::exception& e) {
        failure = e.what();
        failed = true;
    } catch (...) {
        failure = "The server library " + path + " failed";
        failed = true;
    }
    controller->Release(releaseMessage);
    if (failed) throw rt::Exception(failure);
    return true;
}

}  // namespace hemr
