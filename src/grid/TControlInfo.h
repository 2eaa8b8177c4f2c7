#pragma once
// The editor a cell, column or row asks for: a text with an edit button
// (kind 1), a check box with its checked and unchecked values (kind 2), a
// drop-down list of items, perhaps list-only (kind 3), or a kind with one
// text that only older forms carry (kind 4). Changing the kind drops what the
// new kind does not use.

#include <string>
#include <vector>

namespace hemr {

enum TEditorKind : int { ekNone = 0, ekButton = 1, ekCheckBox = 2, ekDropDown = 3, ekText = 4 };

class TControlInfo {
public:
    TControlInfo() = default;
    explicit TControlInfo(int kind) { SetKind(kind); }

    int Kind() const { return kind_; }
    void SetKind(int kind);
    const std::string& Text() const { return text_; }
    void SetText(const std::string& text);
    const std::vector<std::string>& Items() const { return items_; }
    void SetItems(std::vector<std::string> items);
    bool ListOnly() const { return listOnly_; }
    void SetListOnly(bool v);
    const std::string& CheckedValue() const { return checked_; }
    const std::string& UncheckedValue() const { return unchecked_; }
    // "Y;N": the checked value, ";" and the unchecked value (kind 2 only).
    void SetCheckValues(const std::string& checkedAndUnchecked);
    void SetCheckValues(const std::string& checked, const std::string& unchecked);

    // A check box reads as its checked value only when the text is exactly that.
    std::string CheckText(const std::string& cellText) const;
    bool IsChecked(const std::string& cellText) const { return cellText == checked_; }
    // The first item starting with `prefix`, or -1.
    int FindItemPrefix(const std::string& prefix) const;

    friend bool operator==(const TControlInfo&, const TControlInfo&) = default;

private:
    int kind_ = ekNone;
    std::string text_;
    std::vector<std::string> items_;
    bool listOnly_ = false;
    std::string checked_;
    std::string unchecked_;
};

}  // namespace hemr
