#pragma once
// One run of a job through its program's server library (program code +
// "S.so" in the first work-library folder that holds it), called as a direct
// run calls it: the twelve-element argument array, then the release in every
// case. The library is freed afterwards.

#include <string>
#include <vector>

#include "platform/core/Variant.h"

namespace appserver {

class ServerLibraryCall {
public:
    explicit ServerLibraryCall(std::vector<std::string> folders) : folders_(std::move(folders)) {}

    // The library file of a program, "" when no folder holds it.
    std::string LibraryOf(const std::string& program) const;
    // Runs the library; answers what its release told. Raises EServerError
    // for a missing library or export, and with the run's own text for what
    // the run raised.
    std::string Run(const std::string& program, const rt::Variant& arguments) const;
    // Run in a process of its own (the program kRunnerProgram beside the
    // running one), so that a library that crashes or ends its process fails
    // this run only: raises EServerError naming the signal or exit status then.
    std::string RunIsolated(const std::string& program, const rt::Variant& arguments) const;

    // The runner program's main: "PROGRAM FOLDER..." as arguments, the
    // argument array as variant JSON on its input; writes "M" and the
    // release's message, or "F" and the failure, to descriptor kReportFd
    // (the library keeps its standard output and error).
    static int RunForParent(int argc, char** argv);
    static constexpr const char* kRunnerProgram = "hemr07-runlib";
    static constexpr int kReportFd = 3;

private:
    std::vector<std::string> folders_;
};

}  // namespace appserver
