#pragma once
// The client shell's glyph library: button pictures by number, and the
// default check-box pictures by name.

#include <string>

namespace rt {
class TBitmap;
}

namespace meravik {

// The highest picture number there is; numbers between 1 and it may still
// have no picture (LoadBmp then answers false).
int GetMaxBmpID();

// Loads picture `number` into `bitmap`; false (bitmap unchanged) when there is none.
bool LoadBmp(rt::TBitmap* bitmap, int number);

// Loads a named picture ("CHECKED", "GRAYED", "UNCHECKED"); false when unknown.
bool LoadNamedBmp(rt::TBitmap* bitmap, const std::string& name);

}  // namespace meravik
