#include "outside/appserver/ServerLibraryCall.h"

#include "hemr/SvrController.h"
#include "outside/appserver/ServerError.h"
#include "platform/os/DynLib.h"
#include "platform/os/Files.h"
#include "platform/os/Paths.h"
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

}  // namespace appserver
