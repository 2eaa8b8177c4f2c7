#pragma once
// The form class applications derive their forms from.

#include "platform/forms/TCustomForm.h"

namespace rt {

class TForm : public TCustomForm {
    RT_CLASS(TForm, TCustomForm)

public:
    explicit TForm(TComponent* owner);
};

}  // namespace rt
