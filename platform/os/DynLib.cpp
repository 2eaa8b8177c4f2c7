#include "platform/os/DynLib.h"

#include "platform/os/AsciiText.h"
#include "platform/os/Files.h"
#include "platform/os/Paths.h"
#include "platform/os/SysInfo.h"

#include <dirent.h>
#include <dlfcn.h>
#include <link.h>
#include <limits.h>
#include <stdlib.h>
#include <vector>

namespace rt {

namespace {

thread_local std::string lastError;

void SetLastError(std::string message) {
    lastError = std::move(message);
}

std::string DlError(const std::string& fallback) {
    const char* message = ::dlerror();
    return message ? std::string(message) : fallback;
}

std::string CanonicalPath(const std::string& path) {
    char resolved[PATH_MAX];
    return ::realpath(path.c_str(), resolved) ? std::string(resolved) : path;
}

// The entry of `folder` equal to `fileName` without regard to ASCII case, or "".
std::string FindIgnoringCase(const std::string& folder, const std::string& fileName) {
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return std::string();
    std::string found;
    while (dirent* entry = ::readdir(dir)) {
        if (AsciiSameText(entry->d_name, fileName)) {
            found = entry->d_name;
            break;
        }
    }
    ::closedir(dir);
    return found;
}

// The file in `folder`, exact name first, else one differing only in case.
std::string FileInFolder(const std::string& folder, const std::string& fileName) {
    if (folder.empty()) return std::string();
    std::string exact = IncludeTrailingPathDelimiter(folder) + fileName;
    if (FileExists(exact)) return exact;
    std::string other = FindIgnoringCase(folder, fileName);
    return other.empty() ? std::string() : IncludeTrailingPathDelimiter(folder) + other;
}

std::vector<std::string> Candidates(const std::string& mapped, const void* callerAddress) {
    if (mapped.find('/') != std::string::npos) {
        std::string inFolder = FileInFolder(ExtractFileDir(mapped), ExtractFileName(mapped));
        return {inFolder.empty() ? mapped : inFolder};
    }
    std::vector<std::string> candidates;
    for (const std::string& folder :
         {ExtractFileDir(GetProgramFileName()), ExtractFileDir(ModuleFileNameOfAddress(callerAddress))}) {
        std::string file = FileInFolder(folder, mapped);
        if (!file.empty()) candidates.push_back(file);
    }
    candidates.push_back(mapped);  // the system's search
    return candidates;
}

HMODULE Open(const std::string& file) {
    return reinterpret_cast<HMODULE>(::dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL));
}

}  // namespace

std::string MapLibraryName(const std::string& name) {
    std::string native = ToNativePath(name);
    std::string fileName = ExtractFileName(native);
    if (fileName.empty()) return native;
    if (AsciiEndsWithText(fileName, ".dll")) return native.substr(0, native.size() - 4) + ".so";
    if (ExtractFileExt(fileName).empty()) return native + ".so";
    return native;
}

std::string LibraryFileName(const std::string& base) {
    return base + ".so";
}

HMODULE LoadLibrary(const std::string& name) {
    return LoadLibrary(name, __builtin_return_address(0));
}

HMODULE LoadLibrary(const std::string& name, const void* callerAddress) {
    std::string mapped = MapLibraryName(name);
    if (ExtractFileName(mapped).empty()) {
        SetLastError("No library name given");
        return 0;
    }
    std::string firstError;
    for (const std::string& candidate : Candidates(mapped, callerAddress)) {
        if (HMODULE module = Open(candidate)) return module;
        if (firstError.empty()) firstError = DlError("cannot load " + candidate);
    }
    SetLastError("Library \"" + name + "\" could not be loaded: " + firstError);
    return 0;
}

void* GetProcAddress(HMODULE module, const std::string& symbol) {
    if (module == 0) {
        SetLastError("No library handle given for \"" + symbol + "\"");
        return nullptr;
    }
    ::dlerror();
    void* address = ::dlsym(reinterpret_cast<void*>(module), symbol.c_str());
    if (!address) SetLastError(DlError("Symbol \"" + symbol + "\" not found"));
    return address;
}

bool FreeLibrary(HMODULE module) {
    if (module == 0) return false;
    if (::dlclose(reinterpret_cast<void*>(module)) == 0) return true;
    SetLastError(DlError("cannot free library"));
    return false;
}

std::string GetModuleFileName(HMODULE module) {
    if (module == 0) return GetProgramFileName();
    link_map* map = nullptr;
    if (::dlinfo(reinterpret_cast<void*>(module), RTLD_DI_LINKMAP, &map) != 0 || !map) {
        SetLastError(DlError("not a library handle"));
        return std::string();
    }
    if (!map->l_name || !*map->l_name) return GetProgramFileName();
    return CanonicalPath(map->l_name);
}

std::string ModuleFileNameOfAddress(const void* address) {
    Dl_info info;
    link_map* map = nullptr;
    if (!address || ::dladdr1(address, &info, reinterpret_cast<void**>(&map), RTLD_DL_LINKMAP) == 0) {
        return std::string();
    }
    // The program's own entry has no name (dladdr reports the name it was started with).
    if (!map || !map->l_name || !*map->l_name) return GetProgramFileName();
    return CanonicalPath(map->l_name);
}

std::string LastLibraryError() {
    return lastError;
}

}  // namespace rt
