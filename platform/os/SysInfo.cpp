#include "platform/os/SysInfo.h"

#include "platform/os/Files.h"
#include "platform/os/Paths.h"

#include <cstdlib>
#include <limits.h>
#include <pwd.h>
#include <unistd.h>
#include <vector>

namespace rt {

namespace {

constexpr size_t MaxComputerNameLength = 15;

std::string EnvironmentValue(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

// The program's own arguments, as the kernel recorded them.
std::vector<std::string> CommandLine() {
    std::string raw;
    std::vector<std::string> args;
    if (!ReadFileToString("/proc/self/cmdline", raw)) return args;
    size_t start = 0;
    while (start < raw.size()) {
        size_t end = raw.find('\0', start);
        if (end == std::string::npos) end = raw.size();
        args.push_back(raw.substr(start, end - start));
        start = end + 1;
    }
    return args;
}

}  // namespace

std::string GetUserName() {
    std::vector<char> buffer(16384);
    struct passwd entry;
    struct passwd* found = nullptr;
    if (::getpwuid_r(::geteuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found &&
        found->pw_name && *found->pw_name) {
        return found->pw_name;
    }
    return EnvironmentValue("USER");
}

std::string GetComputerName() {
    char name[HOST_NAME_MAX + 1] = {};
    if (::gethostname(name, sizeof name - 1) != 0) return std::string();
    std::string result(name);
    return result.substr(0, MaxComputerNameLength);
}

std::string GetTempPath() {
    std::string folder = EnvironmentValue("TMPDIR");
    if (folder.empty()) folder = "/tmp";
    return IncludeTrailingPathDelimiter(folder);
}

std::string GetLongPathName(const std::string& path) {
    std::string native = ToNativePath(path);
    return (FileExists(native) || DirectoryExists(native)) ? native : std::string();
}

std::string GetProgramFileName() {
    char buffer[PATH_MAX];
    ssize_t length = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    return length > 0 ? std::string(buffer, static_cast<size_t>(length)) : std::string();
}

std::string ParamStr(int index) {
    if (index == 0) return GetProgramFileName();
    std::vector<std::string> args = CommandLine();
    return (index > 0 && static_cast<size_t>(index) < args.size()) ? args[index] : std::string();
}

int ParamCount() {
    std::vector<std::string> args = CommandLine();
    return args.empty() ? 0 : static_cast<int>(args.size()) - 1;
}

std::string GetCurrentDir() {
    char buffer[PATH_MAX];
    return ::getcwd(buffer, sizeof buffer) ? std::string(buffer) : std::string();
}

}  // namespace rt
