#pragma once
// A form created for one use and freed (with its OnDestroy) when the
// pointer goes, also when a handler raises while it is shown.

#include <memory>

#include "platform/forms/TCustomForm.h"

namespace rt {

struct TFormFree {
    void operator()(TCustomForm* form) const {
        if (form != nullptr) form->Free();
    }
};

template <class T>
using TFormPtr = std::unique_ptr<T, TFormFree>;

// A new form of class T owned by `owner`, constructed and created.
template <class T>
TFormPtr<T> CreateFormOf(TComponent* owner) {
    TFormPtr<T> form(new T(owner));
    form->AfterConstruction();
    return form;
}

}  // namespace rt
