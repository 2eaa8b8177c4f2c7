#include "src/framework/DateRuleRow.h"

#include "platform/lists/TComboBox.h"
#include "platform/spin/TSpinEdit.h"
#include "platform/sysutils/IntConv.h"
#include "src/controls/BitCheckBox.h"
#include "src/framework/DateRules.h"

namespace hemr {

bool TDateRuleRow::Holds(const rt::TObject* editor) const {
    return editor != nullptr && (editor == Check || editor == Count || editor == Unit || editor == Mode || editor == Days);
}

void TDateRuleRow::EnableByCheck() const {
    const bool on = Check->Checked();
    Count->SetEnabled(on);
    Unit->SetEnabled(on);
    Mode->SetEnabled(on);
    Days->SetEnabled(on);
}

void TDateRuleRow::EnableByMode() const { Days->SetEnabled(Mode->ItemIndex() == 0); }

void TDateRuleRow::Show(const std::vector<std::string>& f, int flagField) const {
    auto field = [&f](int number) { return number <= static_cast<int>(f.size()) ? f[number - 1] : std::string(); };
    Check->SetChecked(field(flagField) == "Y");
    EnableByCheck();
    Count->SetText(field(flagField + 1));
    Unit->SetItemIndex(rt::StrToInt(field(flagField + 2)));
    Mode->SetItemIndex(rt::StrToInt(field(flagField + 3)));
    Days->SetText(field(flagField + 4));
    EnableByMode();
}

std::string TDateRuleRow::Fields() const {
    const std::string c3(1, kDateEntrySeparator);
    return std::string(Check->Checked() ? "Y" : "N") + c3 + Count->GetText() + c3 + std::to_string(Unit->ItemIndex()) +
           c3 + std::to_string(Mode->ItemIndex()) + c3 + Days->GetText();
}

const TDateRuleRow* RowHolding(const std::vector<TDateRuleRow>& rows, const rt::TObject* editor) {
    for (const TDateRuleRow& row : rows)
        if (row.Holds(editor)) return &row;
    return nullptr;
}

}  // namespace hemr
