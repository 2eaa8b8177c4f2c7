#pragma once
// The mask edit placed on forms.

#include "platform/maskedit/TCustomMaskEdit.h"

namespace rt {

class TMaskEdit : public TCustomMaskEdit {
    RT_CLASS(TMaskEdit, TCustomMaskEdit)

public:
    explicit TMaskEdit(TComponent* owner) : TCustomMaskEdit(owner) {}
};

}  // namespace rt
