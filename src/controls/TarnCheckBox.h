#pragma once
// The mode check box of the selection panel: a bitmap check box by its own
// class name, so that forms and language packs can tell it apart.

#include "src/controls/BitCheckBox.h"

namespace hemr {

class TTarnCheckBox : public TBitCheckBox {
    RT_CLASS(TTarnCheckBox, TBitCheckBox)

public:
    explicit TTarnCheckBox(rt::TComponent* owner) : TBitCheckBox(owner) {}
};

}  // namespace hemr
