#include "platform/controls/WindowHandles.h"

#include <unordered_map>

namespace rt {

namespace {

struct HandleTable {
    // Lookup only; nothing iterates it, so the hash order never shows.
    std::unordered_map<HWND, TWinControl*> controls;
    HWND next = 0x10010;
    HWND focus = 0;
};

HandleTable& Table() {
    static HandleTable table;
    return table;
}

}  // namespace

HWND AllocateWindowHandle(TWinControl* control) {
    HandleTable& t = Table();
    const HWND handle = t.next;
    t.next += 4;
    t.controls[handle] = control;
    return handle;
}

void ReleaseWindowHandle(HWND handle) {
    HandleTable& t = Table();
    t.controls.erase(handle);
    if (t.focus == handle) t.focus = 0;
}

TWinControl* FindControl(HWND handle) {
    const HandleTable& t = Table();
    const auto it = t.controls.find(handle);
    return it == t.controls.end() ? nullptr : it->second;
}

HWND GetFocus() { return Table().focus; }

void SetFocusHandle(HWND handle) { Table().focus = handle; }

}  // namespace rt
