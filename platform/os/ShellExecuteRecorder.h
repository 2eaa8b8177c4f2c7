#pragma once
// Replaces the shell-verb launcher for its lifetime and records every call
// instead of starting anything, for tests of code that opens documents.

#include "platform/os/Launcher.h"

#include <mutex>
#include <vector>

namespace rt {

class TShellExecuteRecorder {
public:
    // Every recorded call answers `result` (success by default).
    explicit TShellExecuteRecorder(int result = ShellExecuteSucceeded);
    ~TShellExecuteRecorder();
    TShellExecuteRecorder(const TShellExecuteRecorder&) = delete;
    TShellExecuteRecorder& operator=(const TShellExecuteRecorder&) = delete;

    void SetResult(int result);
    std::vector<TShellExecuteRequest> Calls() const;

private:
    int Record(const TShellExecuteRequest& request);

    mutable std::mutex mutex_;
    int result_;
    std::vector<TShellExecuteRequest> calls_;
    TShellExecuteHandler previous_;
};

}  // namespace rt
