#include "outside/host/HostHome.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

#include "platform/core/EmbeddedFile.h"
#include "platform/os/Files.h"

const rt::EmbeddedFile* HostDefaultFiles(size_t& count);

namespace host {

namespace {

// The session and report-counter objects live in the application server library.
constexpr const char* kServerProgIds[] = {"OstrelWorkCenter.Manager", "ZizuvaRoderirO.dmReportCounter"};

std::string RegString(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\\' || c == '"') out += '\\';
        out += c;
    }
    return "\"" + out + "\"";
}

std::string EmbeddedDefault(const char* name) {
    size_t count = 0;
    const rt::EmbeddedFile* files = HostDefaultFiles(count);
    const rt::EmbeddedFile* file = rt::FindEmbeddedFile(files, count, name);
    if (file == nullptr) throw std::runtime_error(std::string("no embedded default ") + name);
    return std::string(file->Bytes());
}

bool IsOlder(const timespec& a, const timespec& b) {
    return a.tv_sec != b.tv_sec ? a.tv_sec < b.tv_sec : a.tv_nsec < b.tv_nsec;
}

}  // namespace

HostHome::HostHome(std::string folder, LibraryUpdates updates)
    : folder_(folder.empty() ? DefaultFolder() : std::move(folder)), updates_(updates) {
    while (folder_.size() > 1 && folder_.back() == '/') folder_.pop_back();
    folder_ = std::filesystem::absolute(folder_).lexically_normal().string();
    while (folder_.size() > 1 && folder_.back() == '/') folder_.pop_back();
}

std::string HostHome::DefaultFolder() {
    if (const char* data = std::getenv("XDG_DATA_HOME"); data != nullptr && *data != '\0')
        return std::string(data) + "/hemr07";
    const char* home = std::getenv("HOME");
    return std::string(home != nullptr && *home != '\0' ? home : "/tmp") + "/.local/share/hemr07";
}

std::string HostHome::RegistryText(const std::string& binFolder) const {
    std::string text = "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\NVR\\Kestrel]\r\n";
    text += "\"ClientPath\"=" + RegString(folder_ + "/") + "\r\n";
    text += "\"ServerPath\"=" + RegString(ServerFolder() + "/") + "\r\n";
    text += "\"ProfileType\"=\"0\"\r\n";
    const std::string library = binFolder + "/HemrAppServer.so";
    for (const char* progId : kServerProgIds) {
        text += "\r\n[HKEY_CLASSES_ROOT\\" + std::string(progId) + "\\InprocServer32]\r\n";
        text += "@=" + RegString(library) + "\r\n";
        text += "\"Factory\"=\"HemrAppServerFactory\"\r\n";
    }
    // A real client keeps its server libraries current unless told not to.
    text += "\r\n[HKEY_LOCAL_MACHINE\\Software\\PLWK\\Velmoran]\r\n";
    text += std::string("\"GoAhead\"=\"") + (updates_ == LibraryUpdates::On ? "1" : "0") + "\"\r\n";
    return text;
}

void HostHome::Prepare(const std::string& binFolder) const {
    std::error_code ec;
    std::filesystem::create_directories(ServerFolder(), ec);
    if (ec) throw std::runtime_error("cannot create the install folder " + folder_ + ": " + ec.message());
    // The registry file follows the folder and the build; the configuration is the user's once written.
    // Another shell may prepare the same folder at the same time: each writes whole files under
    // names of its own and renames them into place, and the first configuration written stays.
    rt::WriteFileAtomically(RegistryFile(), RegistryText(binFolder));
    rt::CreateFileAtomically(folder_ + "/KestrelC.ini", EmbeddedDefault("KestrelC.ini"));
    rt::CreateFileAtomically(ServerFolder() + "/KestrelS.ini", EmbeddedDefault("KestrelS.ini"));
    InstallServerLibraries(binFolder);
    ::setenv("NVR_REGISTRY", RegistryFile().c_str(), 1);
    // The client is a Simplified Chinese installation unless the caller says otherwise.
    ::setenv("NVR_ACP", "936", 0);
}

void HostHome::InstallServerLibraries(const std::string& binFolder) const {
    // The server's default work-library folder, where a direct run finds the
    // program's server library; a newer build replaces the installed copy.
    // The copy is renamed into place whole, as another process may have the
    // old one loaded, and a link there is replaced rather than written through.
    const std::string packages = ServerFolder() + "/S_PKG";
    const std::string built = binFolder + "/HEMR07S.so";
    const std::string installed = packages + "/HEMR07S.so";
    struct stat source {};
    if (::stat(built.c_str(), &source) != 0) return;
    struct stat copy {};
    if (::lstat(installed.c_str(), &copy) == 0 && S_ISREG(copy.st_mode) && !IsOlder(copy.st_mtim, source.st_mtim))
        return;
    std::string bytes;
    if (!rt::ForceDirectories(packages) || !rt::ReadFileToString(built, bytes))
        throw std::runtime_error("cannot install " + built + " into " + packages);
    try {
        rt::WriteFileAtomically(installed, bytes);
    } catch (const std::exception& e) {
        throw std::runtime_error("cannot install " + built + " into " + packages + ": " + e.what());
    }
    // The copy carries the build's time, so that a copy as new as the build is kept next time.
    const struct timespec times[2] = {source.st_atim, source.st_mtim};
    ::utimensat(AT_FDCWD, installed.c_str(), times, AT_SYMLINK_NOFOLLOW);
}

}  // namespace host
