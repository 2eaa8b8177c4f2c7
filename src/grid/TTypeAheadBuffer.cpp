#include "src/grid/TTypeAheadBuffer.h"

#include "platform/sysutils/Clock.h"

namespace hemr {

void TTypeAheadBuffer::ForgetAfterPause() {
    const rt::TDateTime now = rt::Now();
    if ((now - last_) * 86400.0 >= kResetSeconds) text_.clear();
    last_ = now;
}

bool TTypeAheadBuffer::Add(char ch) {
    ForgetAfterPause();
    if (text_.size() >= kMaxChars) return false;
    text_ += ch;
    return true;
}

void TTypeAheadBuffer::Back() {
    ForgetAfterPause();
    if (!text_.empty()) text_.pop_back();
}

void TTypeAheadBuffer::Refuse() {
    if (!text_.empty()) text_.pop_back();
}

}  // namespace hemr
