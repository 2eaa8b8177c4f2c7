#include "platform/forms/TForm.h"

namespace rt {

TForm::TForm(TComponent* owner) : TCustomForm(owner) {}

}  // namespace rt
