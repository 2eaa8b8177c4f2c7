#pragma once
// The characters typed into a list-only drop-down cell to find an item:
// at most 32, forgotten after 2 seconds without typing. Time comes from the
// runtime's clock, so a fixed clock drives it in tests.

#include <string>

#include "platform/sysutils/DateTime.h"

namespace hemr {

class TTypeAheadBuffer {
public:
    static constexpr size_t kMaxChars = 32;
    static constexpr double kResetSeconds = 2.0;

    // Adds `ch` (a pause first empties the buffer); false when the buffer is full.
    bool Add(char ch);
    // Removes the last character (Backspace).
    void Back();
    // Drops the last character again, when it found nothing.
    void Refuse();
    void Reset() { text_.clear(); }
    const std::string& Text() const { return text_; }

private:
    void ForgetAfterPause();

    std::string text_;
    rt::TDateTime last_ = 0;
};

}  // namespace hemr
