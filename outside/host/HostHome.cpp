#include "outside/host/HostHome.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <stdexcept>
#include <vector>

#include "platform/core/EmbeddedFile.h"
#include "platform/os/Files.h"
#include "platform/os/IniFile.h"
#include "platform/sysutils/StrUtils.h"

const rt::EmbeddedFile* HostDefaultFiles(size_t& count);
const rt::EmbeddedFile* HostPacksCHT(size_t& count);
const rt::EmbeddedFile* HostPacksENG(size_t& count);

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

struct LanguageSetup {
    const char* name;
    const char* langType;
    const char* uiCodePage;
    // The machine's ANSI code page: 1252 stands for every Western one.
    const char* ansiCodePage;
};

constexpr LanguageSetup kLanguages[] = {
    {"chs", "CHS", "936", "936"}, {"cht", "CHT", "950", "950"}, {"eng", "ENG", "437", "1252"}};

const LanguageSetup& SetupOf(HostLanguage language) { return kLanguages[static_cast<int>(language)]; }

// `text` with key=value in [section]: the first such key replaced, else added
// at the end of the section (or in a new section at the end).
std::string WithIniValue(const std::string& text, const std::string& section, const std::string& key,
                         const std::string& value) {
    std::vector<std::string> lines;
    for (size_t start = 0; start < text.size();) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
        start = end + 1;
    }
    const std::string entry = key + "=" + value;
    bool inSection = false;
    size_t sectionEnd = std::string::npos;
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string trimmed = rt::Trim(lines[i]);
        if (!trimmed.empty() && trimmed.front() == '[') {
            if (inSection) break;
            inSection = rt::SameText(trimmed, "[" + section + "]");
            if (inSection) sectionEnd = i + 1;
            continue;
        }
        if (!inSection) continue;
        const size_t eq = trimmed.find('=');
        if (eq != std::string::npos && rt::SameText(rt::Trim(trimmed.substr(0, eq)), key)) {
            lines[i] = entry;
            sectionEnd = std::string::npos;
            break;
        }
        if (!trimmed.empty()) sectionEnd = i + 1;
    }
    if (inSection && sectionEnd != std::string::npos) {
        lines.insert(lines.begin() + static_cast<long>(sectionEnd), entry);
    } else if (!inSection) {
        while (!lines.empty() && rt::Trim(lines.back()).empty()) lines.pop_back();
        if (!lines.empty()) lines.push_back("");
        lines.push_back("[" + section + "]");
        lines.push_back(entry);
    }
    std::string out;
    for (const std::string& line : lines) out += line + "\r\n";
    return out;
}

void InstallPacks(const std::string& folder, const rt::EmbeddedFile* files, size_t count) {
    if (!rt::ForceDirectories(folder)) throw std::runtime_error("cannot create the language folder " + folder);
    for (size_t i = 0; i < count; ++i) {
        const std::string file = folder + "/" + files[i].name;
        // Anything but a plain file of the same text (a link, a device, an older pack) is replaced.
        struct stat info {};
        std::string present;
        if (::lstat(file.c_str(), &info) == 0 && S_ISREG(info.st_mode) && rt::ReadSmallFile(file, present) &&
            present == files[i].Bytes())
            continue;
        rt::WriteFileAtomically(file, std::string(files[i].Bytes()));
    }
}

bool IsOlder(const timespec& a, const timespec& b) {
    return a.tv_sec != b.tv_sec ? a.tv_sec < b.tv_sec : a.tv_nsec < b.tv_nsec;
}

}  // namespace

bool ParseHostLanguage(const std::string& text, HostLanguage& language) {
    for (size_t i = 0; i < std::size(kLanguages); ++i) {
        if (rt::SameText(text, kLanguages[i].name)) {
            language = static_cast<HostLanguage>(i);
            return true;
        }
    }
    return false;
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
    // Another shell may prepare the same folder at the same time: each writes whole files under
    // names of its own and renames them into place, and the first configuration written stays.
    rt::WriteFileAtomically(RegistryFile(), RegistryText(binFolder));
    rt::CreateFileAtomically(folder_ + "/KestrelC.ini", EmbeddedDefault("KestrelC.ini"));
    rt::CreateFileAtomically(ServerFolder() + "/KestrelS.ini", EmbeddedDefault("KestrelS.ini"));
    InstallServerLibraries(binFolder);
    InstallLanguagePacks();
    ::setenv("NVR_REGISTRY", RegistryFile().c_str(), 1);
    if (language_) {
        ApplyLanguage(*language_);
        ::setenv("NVR_ACP", SetupOf(*language_).ansiCodePage, 1);
    }
    // The client is a Simplified Chinese installation unless the caller says otherwise.
    ::setenv("NVR_ACP", "936", 0);
}

void HostHome::InstallLanguagePacks() const {
    size_t count = 0;
    const rt::EmbeddedFile* cht = HostPacksCHT(count);
    InstallPacks(folder_ + "/MultiLanguage/CHT", cht, count);
    const rt::EmbeddedFile* eng = HostPacksENG(count);
    InstallPacks(folder_ + "/MultiLanguage/ENG", eng, count);
}

std::string HostHome::LangType() const {
    return rt::UpperCase(rt::Trim(rt::TIniFile(folder_ + "/KestrelC.ini").ReadString("Client Components", "LangType", "CHS")));
}

void HostHome::ApplyLanguage(HostLanguage language) const {
    const LanguageSetup& setup = SetupOf(language);
    const std::string file = folder_ + "/KestrelC.ini";
    std::string text;
    // Refuses a configuration that is no plain file instead of reading it.
    if (!rt::ReadSmallFile(file, text)) throw std::runtime_error("cannot read " + file);
    text = WithIniValue(text, "Client Components", "LangType", setup.langType);
    text = WithIniValue(text, "CodePage", "UICodePage", setup.uiCodePage);
    // The database keeps Simplified Chinese whatever the screen shows.
    text = WithIniValue(text, "CodePage", "DBCodePage", "936");
    rt::WriteFileAtomically(file, text);
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
