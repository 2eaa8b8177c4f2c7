#pragma once
// Menu short cuts (a key with Shift/Ctrl/Alt packed into 16 bits, as form
// resources store them) and the "&" accelerators of captions.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/classes/Events.h"

namespace rt {

using TShortCut = uint16_t;

constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;
constexpr TShortCut scNone = 0;

TShortCut ShortCut(uint16_t key, TShiftState shift);
void ShortCutToKey(TShortCut shortCut, uint16_t& key, TShiftState& shift);
// "Ctrl+Shift+S", "F2", "Del"; empty for scNone.
std::string ShortCutToText(TShortCut shortCut);
// The reverse, ignoring case; scNone for a text that names no key.
TShortCut TextToShortCut(std::string_view text);

// The caption without its accelerator marks ("&&" stays a literal "&").
std::string StripHotkey(std::string_view caption);
// The accelerator character in upper case, 0 when the caption has none.
char GetHotkey(std::string_view caption);
// True when `key` (a letter or digit key code) is the caption's accelerator.
bool IsAccel(uint16_t key, std::string_view caption);

}  // namespace rt
