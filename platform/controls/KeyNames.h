#pragma once
// Key names as hosts and scripts write them: "Tab", "Shift+Tab", "Enter",
// "Ctrl+PageDown", "F2", "A", "5". Names and modifiers ignore case.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/classes/Events.h"

namespace rt {

// False (and key and shift untouched) when the text names no key.
bool ParseKeyName(std::string_view text, uint16_t& key, TShiftState& shift);
// The name ParseKeyName reads back, e.g. "Ctrl+Shift+F2"; empty for a key without a name.
std::string KeyName(uint16_t key, TShiftState shift = {});
// The character a key types with these modifiers (US layout), 0 when none.
char CharOfKey(uint16_t key, TShiftState shift);

}  // namespace rt
