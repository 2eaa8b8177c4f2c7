#pragma once
// The warning sound of refused input. Nothing sounds here: each beep is
// counted, and a host may hand it on (a terminal bell, a transcript line).

#include <functional>

namespace rt {

void MessageBeep();
// Beeps since the process started (tests compare before and after).
int BeepCount();
// Called on every beep; an empty function removes the handler.
void SetBeepHandler(std::function<void()> handler);

}  // namespace rt
