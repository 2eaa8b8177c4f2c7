#include "platform/os/ShellExecuteRecorder.h"

namespace rt {

TShellExecuteRecorder::TShellExecuteRecorder(int result) : result_(result) {
    previous_ = SetShellExecuteHandler([this](const TShellExecuteRequest& request) { return Record(request); });
}

TShellExecuteRecorder::~TShellExecuteRecorder() {
    SetShellExecuteHandler(std::move(previous_));
}

void TShellExecuteRecorder::SetResult(int result) {
    std::lock_guard<std::mutex> lock(mutex_);
    result_ = result;
}

std::vector<TShellExecuteRequest> TShellExecuteRecorder::Calls() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return calls_;
}

int TShellExecuteRecorder::Record(const TShellExecuteRequest& request) {
    std::lock_guard<std::mutex> lock(mutex_);
    calls_.push_back(request);
    return result_;
}

}  // namespace rt
