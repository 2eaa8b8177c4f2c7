#include "platform/spin/TSpinEdit.h"

#include <charconv>
#include <climits>

#include "platform/controls/VirtualKeys.h"

namespace rt {

TSpinEdit::TSpinEdit(TComponent* owner) : TCustomEdit(owner) { TCustomEdit::SetText("0"); }

void TSpinEdit::Publish(TPublisher<TSpinEdit>& p) {
    p.Property("EditorEnabled", &TSpinEdit::EditorEnabled, &TSpinEdit::SetEditorEnabled).Default(true);
    p.Property("Increment", &TSpinEdit::Increment, &TSpinEdit::SetIncrement).Default(1);
    p.Property("MaxValue", &TSpinEdit::MaxValue, &TSpinEdit::SetMaxValue).Default(0);
    p.Property("MinValue", &TSpinEdit::MinValue, &TSpinEdit::SetMinValue).Default(0);
    p.Property("Value", &TSpinEdit::Value, &TSpinEdit::SetValue).Default(0);
    // The text is the value's; storing both would let them disagree.
    p.Republish("Text").Stored(false);
}

int TSpinEdit::CheckValue(int value) const {
    if (maxValue_ == minValue_) return value;
    if (value < minValue_) return minValue_;
    if (value > maxValue_) return maxValue_;
    return value;
}

int TSpinEdit::Value() const {
    const std::string& text = GetText();
    const char* first = text.data();
    const char* last = first + text.size();
    while (first < last && *first == ' ') ++first;
    while (last > first && last[-1] == ' ') --last;
    if (first < last && *first == '+') ++first;
    long long parsed = 0;
    const auto [end, ec] = std::from_chars(first, last, parsed);
    if (ec != std::errc() || end != last || first == last || parsed < INT_MIN || parsed > INT_MAX) {
        return CheckValue(minValue_);
    }
    return CheckValue(static_cast<int>(parsed));
}

void TSpinEdit::SetValue(int value) { SetText(std::to_string(CheckValue(value))); }

void TSpinEdit::KeyDown(uint16_t& key, TShiftState shift) {
    TCustomEdit::KeyDown(key, shift);
    if (key != VK_UP && key != VK_DOWN) return;
    if (!ReadOnly()) {
        const long long step = key == VK_UP ? increment_ : -static_cast<long long>(increment_);
        const long long next = static_cast<long long>(Value()) + step;
        SetValue(static_cast<int>(next < INT_MIN ? INT_MIN : next > INT_MAX ? INT_MAX : next));
        SetModified(true);
    }
    key = 0;
}

// Only digits and signs can be typed.
void TSpinEdit::EditChar(const std::string& ch) {
    if (!editorEnabled_ || ch.size() != 1) return;
    const char c = ch[0];
    if ((c < '0' || c > '9') && c != '+' && c != '-') return;
    TCustomEdit::EditChar(ch);
}

void TSpinEdit::DoExit() {
    const int value = Value();
    if (GetText() != std::to_string(value)) SetValue(value);
    TCustomEdit::DoExit();
}

}  // namespace rt
