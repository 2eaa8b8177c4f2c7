#pragma once
// A spin edit that takes back a sign typed after the first character, and
// tells of a change only when the text is not blank: clearing the field does
// not raise OnChange, and neither does a sign it took back.

#include <string>

#include "platform/spin/TSpinEdit.h"

namespace hemr {

class TNvSpinEdit : public rt::TSpinEdit {
    RT_CLASS(TNvSpinEdit, rt::TSpinEdit)

public:
    explicit TNvSpinEdit(rt::TComponent* owner) : rt::TSpinEdit(owner) {}

protected:
    void Change() override;

private:
    // The text as last passed on (or cleared), to recognise a sign taken back.
    std::string reported_;
    bool adjusting_ = false;
};

}  // namespace hemr
