#pragma once
// One row of editors for a relative date rule (DateRules.h): the "change"
// check box, n, the unit box, the mode box and the days. The scheme dialog
// and the period page of the options form edit their entries with such rows.

#include <string>
#include <vector>

namespace rt {
class TComboBox;
class TObject;
class TSpinEdit;
}  // namespace rt

namespace hemr {

class TBitCheckBox;

struct TDateRuleRow {
    TBitCheckBox* Check = nullptr;
    rt::TSpinEdit* Count = nullptr;
    rt::TComboBox* Unit = nullptr;
    rt::TComboBox* Mode = nullptr;
    rt::TSpinEdit* Days = nullptr;

    bool Holds(const rt::TObject* editor) const;
    // The four value editors follow the check box; the days only serve "add".
    void EnableByCheck() const;
    void EnableByMode() const;
    // Loads the five fields starting at `flagField` (1-based) of an entry.
    void Show(const std::vector<std::string>& fields, int flagField) const;
    // The five fields "Y/N", n, unit, mode, days joined by the entry separator.
    std::string Fields() const;
};

// The row among `rows` holding `editor`, or nullptr.
const TDateRuleRow* RowHolding(const std::vector<TDateRuleRow>& rows, const rt::TObject* editor);

}  // namespace hemr
