#include "platform/os/Launcher.h"

#include "platform/os/AsciiText.h"
#include "platform/os/Files.h"
#include "platform/os/Paths.h"
#include "platform/os/SysInfo.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <mutex>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace rt {

namespace {

std::mutex handlerMutex;
TShellExecuteHandler installedHandler;

bool IsOpeningVerb(const std::string& verb) {
    for (const char* known : {"", "open", "explore", "edit"}) {
        if (AsciiSameText(verb, known)) return true;
    }
    return false;
}

bool IsAddress(const std::string& file) {
    return file.find("://") != std::string::npos || AsciiSameText(file.substr(0, 7), "mailto:");
}

// "a "b c" d" -> a, b c, d
std::vector<std::string> SplitParameters(const std::string& parameters) {
    std::vector<std::string> args;
    std::string current;
    bool quoted = false;
    bool pending = false;
    for (char c : parameters) {
        if (c == '"') {
            quoted = !quoted;
            pending = true;
        } else if ((c == ' ' || c == '\t') && !quoted) {
            if (pending) args.push_back(current);
            current.clear();
            pending = false;
        } else {
            current += c;
            pending = true;
        }
    }
    if (pending) args.push_back(current);
    return args;
}

std::string FindOnPath(const std::string& program) {
    const char* path = std::getenv("PATH");
    std::string folders = path ? path : "/usr/local/bin:/usr/bin:/bin";
    size_t start = 0;
    while (start <= folders.size()) {
        size_t end = folders.find(':', start);
        if (end == std::string::npos) end = folders.size();
        std::string candidate = IncludeTrailingPathDelimiter(folders.substr(start, end - start)) + program;
        if (end > start && ::access(candidate.c_str(), X_OK) == 0) return candidate;
        start = end + 1;
    }
    return std::string();
}

bool IsProgramFile(const std::string& file) {
    return FileExists(file) && ::access(file.c_str(), X_OK) == 0;
}

// Runs argv in a grandchild in its own session, so it outlives nobody's wait.
// The exec's failure comes back through a pipe closed on success.
bool SpawnDetached(const std::vector<std::string>& args, const std::string& directory) {
    std::vector<char*> argv;
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0) return false;
    pid_t child = ::fork();
    if (child < 0) {
        ::close(report[0]);
        ::close(report[1]);
        return false;
    }
    if (child == 0) {
        ::setsid();
        if (::fork() != 0) ::_exit(0);
        int error = 0;
        if (!directory.empty() && ::chdir(directory.c_str()) != 0) error = errno;
        if (error == 0) {
            ::execv(argv[0], argv.data());
            error = errno;
        }
        ssize_t ignored = ::write(report[1], &error, sizeof error);
        (void)ignored;
        ::_exit(127);
    }
    ::close(report[1]);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {}
    int error = 0;
    ssize_t got;
    while ((got = ::read(report[0], &error, sizeof error)) < 0 && errno == EINTR) {}
    ::close(report[0]);
    return got == 0;
}

}  // namespace

TShellExecuteHandler SetShellExecuteHandler(TShellExecuteHandler handler) {
    std::lock_guard<std::mutex> lock(handlerMutex);
    std::swap(installedHandler, handler);
    return handler;
}

int ShellExecute(const std::string& verb, const std::string& file, const std::string& parameters,
                 const std::string& directory, int showCmd) {
    TShellExecuteRequest request{verb, file, parameters, directory, showCmd};
    TShellExecuteHandler handler;
    {
        std::lock_guard<std::mutex> lock(handlerMutex);
        handler = installedHandler;
    }
    return handler ? handler(request) : LaunchDetached(request);
}

int LaunchDetached(const TShellExecuteRequest& request) {
    if (!IsOpeningVerb(request.Verb)) return SE_ERR_NOASSOC;
    if (request.File.empty()) return SE_ERR_FNF;
    std::string directory = ToNativePath(request.Directory);
    if (!directory.empty() && !DirectoryExists(directory)) return SE_ERR_PNF;
    if (IsAddress(request.File)) {
        std::string opener = FindOnPath("xdg-open");
        if (opener.empty()) return SE_ERR_NOASSOC;
        return SpawnDetached({opener, request.File}, directory) ? ShellExecuteSucceeded : SE_ERR_OOM;
    }
    std::string file = ToNativePath(request.File);
    std::string located = (HasDrivePart(file) || directory.empty()) ? file : IncludeTrailingPathDelimiter(directory) + file;
    // The launched program starts in `directory`: a relative name must not depend on that.
    if (located.front() != '/') located = IncludeTrailingPathDelimiter(GetCurrentDir()) + located;
    if (!FileExists(located) && !DirectoryExists(located)) return SE_ERR_FNF;
    std::vector<std::string> args;
    if (IsProgramFile(located)) {
        args.push_back(located);
        for (std::string& arg : SplitParameters(request.Parameters)) args.push_back(std::move(arg));
    } else {
        std::string opener = FindOnPath("xdg-open");
        if (opener.empty()) return SE_ERR_NOASSOC;
        args = {opener, located};
    }
    return SpawnDetached(args, directory) ? ShellExecuteSucceeded : SE_ERR_FNF;
}

}  // namespace rt
