#include "outside/appserver/ServerLibraryCall.h"

#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>

#include "hemr/SvrController.h"
#include "outside/appserver/ProcessIdentity.h"
#include "outside/appserver/ServerError.h"
#include "platform/os/DynLib.h"
#include "platform/os/Files.h"
#include "platform/os/Paths.h"
#include "platform/automation/BoundedJson.h"
#include "platform/automation/VariantJson.h"
#include "platform/sysutils/StrUtils.h"

namespace appserver {

namespace {

// Frees the library on every path out of a run.
class LoadedLibrary {
public:
    explicit LoadedLibrary(const std::string& file) : module_(rt::LoadLibrary(file)) {}
    ~LoadedLibrary() {
        if (module_)
            rt::FreeLibrary(module_);
    }
    LoadedLibrary(const LoadedLibrary&) = delete;
    LoadedLibrary& operator=(const LoadedLibrary&) = delete;
    rt::HMODULE Module() const { return module_; }

private:
    rt::HMODULE module_;
};

// Releases the controller on every path out of a run.
class ControllerRelease {
public:
    explicit ControllerRelease(hemr::ISvrController* controller) : controller_(controller) {}
    ~ControllerRelease() {
        if (controller_)
            controller_->Release(message_);
    }
    ControllerRelease(const ControllerRelease&) = delete;
    ControllerRelease& operator=(const ControllerRelease&) = delete;
    std::string Finish() {
        controller_->Release(message_);
        controller_ = nullptr;
        return message_;
    }

private:
    hemr::ISvrController* controller_;
    std::string message_;
};

// What the child of an isolated run tells its parent: one letter, "M" for
// the release's message or "F" for the failure text, then the text.
void WriteAll(int fd, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return;
        done += static_cast<size_t>(n);
    }
}

std::string ReadAll(int fd) {
    std::string bytes;
    char buffer[4096];
    for (;;) {
        ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return bytes;
        bytes.append(buffer, static_cast<size_t>(n));
    }
}

int WaitFor(pid_t child) {
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    return status;
}

}  // namespace

std::string ServerLibraryCall::LibraryOf(const std::string& program) const {
    // Only plain program codes become file names.
    for (char c : program)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            return "";
    for (const std::string& folder : folders_) {
        std::string file = rt::IncludeTrailingPathDelimiter(folder) + rt::UpperCase(program) + "S.so";
        if (!program.empty() && rt::FileExists(file))
            return file;
    }
    return "";
}

std::string ServerLibraryCall::Run(const std::string& program, const rt::Variant& arguments) const {
    std::string file = LibraryOf(program);
    if (file.empty())
        throw EServerError("找不到程序 " + program + " 的服务器程序库");
    LoadedLibrary library(file);
    if (!library.Module())
        throw EServerError("无法载入 " + file + ": " + rt::LastLibraryError());
    auto get = reinterpret_cast<hemr::GetSvrControllerFn>(
        rt::GetProcAddress(library.Module(), hemr::kGetSvrControllerSymbol));
    if (!get)
        throw EServerError(file + " 没有 " + hemr::kGetSvrControllerSymbol);
    hemr::ISvrController* controller = get();
    if (!controller)
        throw EServerError(file + " 未能建立服务器控制器");
    ControllerRelease release(controller);
    // The exception object may belong to the library: it is read and ended
    // here, while the library is still loaded.
    std::string failure;
    try {
        controller->Run(arguments);
    } catch (const std::exception& e) {
        failure = *e.what() ? e.what() : "服务器程序库执行失败";
    } catch (...) {
        failure = "服务器程序库执行失败";
    }
    std::string message = release.Finish();
    if (!failure.empty())
        throw EServerError(failure);
    return message;
}

std::string ServerLibraryCall::RunIsolated(const std::string& program, const rt::Variant& arguments) const {
    // A fresh program, not a fork of this one: another thread may hold a lock
    // (the database engine's among them) that a forked copy would wait on forever.
    const std::string helper = rt::ExtractFileDir(rt::GetModuleFileName(0)) + "/" + kRunnerProgram;
    if (!rt::FileExists(helper))
        throw EServerError("找不到执行服务器程序库的程序 " + helper);
    std::vector<std::string> words{helper, program};
    words.insert(words.end(), folders_.begin(), folders_.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    // The library process writes its reports as this process's own.
    std::vector<std::string> variables{std::string(kProcessIdentityVariable) + "=" + ThisProcessIdentity()};
    const std::string prefix = std::string(kProcessIdentityVariable) + "=";
    for (char** e = environ; *e != nullptr; ++e)
        if (std::strncmp(*e, prefix.c_str(), prefix.size()) != 0)
            variables.emplace_back(*e);
    std::vector<char*> envp;
    for (std::string& variable : variables)
        envp.push_back(variable.data());
    envp.push_back(nullptr);
    const std::string input = rt::VariantToJsonText(arguments);

    int in[2], out[2];
    if (::pipe2(in, O_CLOEXEC) != 0)
        throw EServerError(std::string("无法建立执行程序库的管道: ") + std::strerror(errno));
    if (::pipe2(out, O_CLOEXEC) != 0) {
        ::close(in[0]);
        ::close(in[1]);
        throw EServerError(std::string("无法建立执行程序库的管道: ") + std::strerror(errno));
    }
    const pid_t parent = ::getpid();
    pid_t child = ::fork();
    if (child == 0) {
        // Only calls safe after fork until the new program starts. The run
        // ends with its runner, as it would inside it: a runner killed
        // mid-run leaves its run to recovery, not to a library still writing.
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (::getppid() != parent)
            ::_exit(127);
        ::dup2(in[0], STDIN_FILENO);
        ::dup2(out[1], kReportFd);
        ::fcntl(STDIN_FILENO, F_SETFD, 0);
        ::fcntl(kReportFd, F_SETFD, 0);
        ::execve(helper.c_str(), argv.data(), envp.data());
        ::_exit(127);
    }
    ::close(in[0]);
    ::close(out[1]);
    if (child < 0) {
        ::close(in[1]);
        ::close(out[0]);
        throw EServerError(std::string("无法建立执行程序库的进程: ") + std::strerror(errno));
    }
    WriteAll(in[1], input);
    ::close(in[1]);
    const std::string report = ReadAll(out[0]);
    ::close(out[0]);
    const int status = WaitFor(child);
    if (WIFSIGNALED(status))
        throw EServerError("服务器程序库异常终止 (信号 " + std::to_string(WTERMSIG(status)) + " " +
                           strsignal(WTERMSIG(status)) + ")");
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || report.empty())
        throw EServerError("服务器程序库异常结束 (退出码 " + std::to_string(WEXITSTATUS(status)) + ")");
    if (report[0] == 'F')
        throw EServerError(report.substr(1));
    return report.substr(1);
}

int ServerLibraryCall::RunForParent(int argc, char** argv) {
    if (argc < 2)
        return 2;
    std::string input;
    char buffer[4096];
    for (ssize_t n; (n = ::read(STDIN_FILENO, buffer, sizeof buffer)) > 0;)
        input.append(buffer, static_cast<size_t>(n));
    std::string report;
    try {
        const rt::Variant arguments = rt::VariantFromJson(rt::ParseBoundedJson(input));
        report = "M" + ServerLibraryCall(std::vector<std::string>(argv + 2, argv + argc)).Run(argv[1], arguments);
    } catch (const std::exception& e) {
        report = std::string("F") + (*e.what() ? e.what() : "服务器程序库执行失败");
    }
    WriteAll(kReportFd, report);
    return 0;
}

}  // namespace appserver
