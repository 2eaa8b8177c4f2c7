#pragma once
// Building the shell's own windows in code: a named control placed on a form.

#include "platform/forms/TForm.h"

namespace appserver {

template <class T>
T* PlaceControl(rt::TForm* form, const char* name, int left, int top, int width, int height) {
    auto* c = new T(form);
    c->SetName(name);
    c->SetParent(form);
    c->SetBounds(left, top, width, height);
    return c;
}

}  // namespace appserver
