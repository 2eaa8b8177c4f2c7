#pragma once
// The process's clipboard, holding text. There is one per process, as there
// is one per desktop session; hosts may read and fill it like any program.

#include <cstdint>
#include <string>

namespace rt {

// The messages that ask a control to cut, copy or paste its selection.
constexpr uint32_t WM_CUT = 0x0300;
constexpr uint32_t WM_COPY = 0x0301;
constexpr uint32_t WM_PASTE = 0x0302;

class TClipboard {
public:
    bool HasText() const { return hasText_; }
    // Empty when the clipboard holds no text.
    const std::string& AsText() const { return text_; }
    void SetAsText(const std::string& text);
    void Clear();

private:
    std::string text_;
    bool hasText_ = false;
};

TClipboard& Clipboard();

}  // namespace rt
