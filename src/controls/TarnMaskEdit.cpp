#include "src/controls/TarnMaskEdit.h"

namespace hemr {

TTarnMaskEdit::TTarnMaskEdit(rt::TComponent* owner) : rt::TMaskEdit(owner) {}

TTarnMaskEdit::~TTarnMaskEdit() = default;

void TTarnMaskEdit::Change() {
    if (!suppressChange_) rt::TMaskEdit::Change();
}

}  // namespace hemr
