#pragma once
// A field of a client data set: reads and writes the current record.

#include <functional>
#include <string>

#include "platform/core/Variant.h"

namespace rt {

class TClientDataSet;

class TField {
public:
    // `displayText` is true when the text is for showing, false for editing.
    using GetTextEvent = std::function<void(TField& sender, std::string& text, bool displayText)>;
    using SetTextEvent = std::function<void(TField& sender, const std::string& text)>;

    TField(TClientDataSet& dataSet, std::string fieldName, int index);

    const std::string& FieldName() const { return fieldName_; }
    int Index() const { return index_; }
    // The field name until a label is set.
    const std::string& DisplayLabel() const { return displayLabel_.empty() ? fieldName_ : displayLabel_; }
    void SetDisplayLabel(const std::string& label) { displayLabel_ = label; }

    // The value in the current record (empty without one).
    Variant Value() const;
    // Only while the data set is being edited; raises EDatabaseError otherwise.
    void SetValue(const Variant& value);
    std::string AsString() const;
    void SetAsString(const std::string& text) { SetValue(Variant(text)); }

    // Through OnGetText / OnSetText when set, else AsString.
    std::string DisplayText() const;
    std::string Text() const;
    void SetText(const std::string& text);

    GetTextEvent OnGetText;
    SetTextEvent OnSetText;

private:
    std::string TextFor(bool displayText) const;

    TClientDataSet& dataSet_;
    std::string fieldName_;
    std::string displayLabel_;
    int index_;
};

}  // namespace rt
