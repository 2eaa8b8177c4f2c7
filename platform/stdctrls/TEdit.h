#pragma once
// The plain single-line edit of forms.

#include "platform/stdctrls/TCustomEdit.h"

namespace rt {

class TEdit : public TCustomEdit {
    RT_CLASS(TEdit, TCustomEdit)

public:
    explicit TEdit(TComponent* owner) : TCustomEdit(owner) {}
};

}  // namespace rt
