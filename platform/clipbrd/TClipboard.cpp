#include "platform/clipbrd/TClipboard.h"

namespace rt {

void TClipboard::SetAsText(const std::string& text) {
    text_ = text;
    hasText_ = true;
}

void TClipboard::Clear() {
    text_.clear();
    hasText_ = false;
}

TClipboard& Clipboard() {
    static TClipboard clipboard;
    return clipboard;
}

}  // namespace rt
