#include "platform/remote/TField.h"

#include "platform/remote/TClientDataSet.h"

namespace rt {

TField::TField(TClientDataSet& dataSet, std::string fieldName, int index)
    : dataSet_(dataSet), fieldName_(std::move(fieldName)), index_(index) {}

Variant TField::Value() const { return dataSet_.CurrentValue(index_); }

void TField::SetValue(const Variant& value) { dataSet_.SetCurrentValue(index_, value); }

std::string TField::AsString() const { return VarToStr(Value()); }

std::string TField::TextFor(bool displayText) const {
    std::string text = AsString();
    if (OnGetText)
        OnGetText(const_cast<TField&>(*this), text, displayText);
    return text;
}

std::string TField::DisplayText() const { return TextFor(true); }

std::string TField::Text() const { return TextFor(false); }

void TField::SetText(const std::string& text) {
    if (OnSetText)
        OnSetText(*this, text);
    else
        SetAsString(text);
}

}  // namespace rt
