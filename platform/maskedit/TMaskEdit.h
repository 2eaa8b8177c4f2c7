#pragma once
// The mask edit placed on forms.

#include "platform/maskedit/TCustomMaskEdit.h"

namespace rt {

class TMaskEdit : public TCustomMaskEdit {
    RT_CLASS(TMaskEdit, TCustomMaskEdit)

public:
    explicit TMaskEdit(TComponent* owner);
    // Out of line so that the class's virtual table, and with it its class object, lives in the library.
    ~TMaskEdit() override;
};

}  // namespace rt
