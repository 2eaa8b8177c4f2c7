#pragma once
// Key names of scenarios: "Tab", "Shift+Tab", "Ctrl+PageDown", "F2", "A" ...

#include <cstdint>
#include <optional>
#include <string>

#include "platform/classes/Events.h"

namespace host {

struct KeyStroke {
    uint16_t Key = 0;
    rt::TShiftState Shift;
};

// Modifiers "Shift", "Ctrl", "Alt" joined by "+", then one key; names ignore case.
std::optional<KeyStroke> ParseKeyName(const std::string& name);

// The character a key press of `stroke` also sends (Enter, Escape, Backspace, Tab), or 0.
char CharOfKey(const KeyStroke& stroke);

}  // namespace host
