#include "platform/maskedit/TMaskEdit.h"

namespace rt {

TMaskEdit::TMaskEdit(TComponent* owner) : TCustomMaskEdit(owner) {}

TMaskEdit::~TMaskEdit() = default;

}  // namespace rt
