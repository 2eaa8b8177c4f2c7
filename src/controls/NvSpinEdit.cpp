#include "src/controls/NvSpinEdit.h"

namespace hemr {

namespace {

// A "+" or "-" anywhere but in front.
bool HasMisplacedSign(const std::string& text) {
    for (char sign : {'+', '-'}) {
        const size_t at = text.find(sign);
        if (at != std::string::npos && at != 0) return true;
    }
    return false;
}

bool IsBlank(const std::string& text) { return text.find_first_not_of(' ') == std::string::npos; }

}  // namespace

void TNvSpinEdit::Change() {
    if (adjusting_) return;
    std::string text = GetText();
    while (HasMisplacedSign(text)) text.pop_back();
    if (text != GetText()) {
        adjusting_ = true;
        SetText(text);
        SetSelStart(static_cast<int>(text.size()));
        adjusting_ = false;
    }
    if (text == reported_) return;
    reported_ = IsBlank(text) ? std::string() : text;
    if (!reported_.empty()) rt::TSpinEdit::Change();
}

}  // namespace hemr
