#include "src/grid/TControlInfo.h"

#include <utility>

namespace hemr {

void TControlInfo::SetKind(int kind) {
    kind_ = kind >= ekNone && kind <= ekText ? kind : ekNone;
    if (kind_ != ekButton && kind_ != ekText) text_.clear();
    if (kind_ != ekDropDown) {
        items_.clear();
        listOnly_ = false;
    }
    if (kind_ != ekCheckBox) {
        checked_.clear();
        unchecked_.clear();
    }
}

void TControlInfo::SetText(const std::string& text) {
    if (kind_ == ekButton || kind_ == ekText) text_ = text;
}

void TControlInfo::SetItems(std::vector<std::string> items) {
    if (kind_ == ekDropDown) items_ = std::move(items);
}

void TControlInfo::SetListOnly(bool v) {
    if (kind_ == ekDropDown) listOnly_ = v;
}

void TControlInfo::SetCheckValues(const std::string& checkedAndUnchecked) {
    const size_t semi = checkedAndUnchecked.find(';');
    if (semi == std::string::npos) return SetCheckValues(checkedAndUnchecked, {});
    SetCheckValues(checkedAndUnchecked.substr(0, semi), checkedAndUnchecked.substr(semi + 1));
}

void TControlInfo::SetCheckValues(const std::string& checked, const std::string& unchecked) {
    if (kind_ != ekCheckBox) return;
    checked_ = checked;
    unchecked_ = unchecked;
}

std::string TControlInfo::CheckText(const std::string& cellText) const {
    return IsChecked(cellText) ? checked_ : unchecked_;
}

// Latin letters match in either case, as a list box's type-ahead does.
int TControlInfo::FindItemPrefix(const std::string& prefix) const {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    for (size_t i = 0; i < items_.size(); ++i) {
        const std::string& item = items_[i];
        if (item.size() < prefix.size()) continue;
        bool same = true;
        for (size_t k = 0; k < prefix.size() && same; ++k) same = lower(item[k]) == lower(prefix[k]);
        if (same) return static_cast<int>(i);
    }
    return -1;
}

}  // namespace hemr
