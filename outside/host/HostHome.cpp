#include "outside/host/HostHome.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "platform/core/EmbeddedFile.h"

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

}  // namespace

void WriteFileAtomically(const std::string& file, const std::string& bytes) {
    const std::string temp = file + ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out << bytes;
        if (!out.flush()) throw std::runtime_error("cannot write " + temp);
    }
    std::error_code ec;
    std::filesystem::rename(temp, file, ec);
    if (ec) {
        std::filesystem::remove(temp, ec);
        throw std::runtime_error("cannot write " + file);
    }
}

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
    WriteFileAtomically(RegistryFile(), RegistryText(binFolder));
    const std::string ini = folder_ + "/KestrelC.ini";
    if (!std::filesystem::exists(ini)) WriteFileAtomically(ini, EmbeddedDefault("KestrelC.ini"));
    const std::string serverIni = ServerFolder() + "/KestrelS.ini";
    if (!std::filesystem::exists(serverIni)) WriteFileAtomically(serverIni, EmbeddedDefault("KestrelS.ini"));
    InstallServerLibraries(binFolder);
    ::setenv("NVR_REGISTRY", RegistryFile().c_str(), 1);
    // The client is a Simplified Chinese installation unless the caller says otherwise.
    ::setenv("NVR_ACP", "936", 0);
}

void HostHome::InstallServerLibraries(const std::string& binFolder) const {
    // The server's default work-library folder, where a direct run finds the
    // program's server library; a newer build replaces the installed copy.
    const std::filesystem::path packages = ServerFolder() + "/S_PKG";
    const std::filesystem::path built = binFolder + "/HEMR07S.so";
    std::error_code ec;
    if (!std::filesystem::exists(built, ec)) return;
    std::filesystem::create_directories(packages, ec);
    std::filesystem::copy_file(built, packages / built.filename(), std::filesystem::copy_options::update_existing, ec);
    if (ec) throw std::runtime_error("cannot install " + built.string() + " into " + packages.string() + ": " + ec.message());
}

}  // namespace host
