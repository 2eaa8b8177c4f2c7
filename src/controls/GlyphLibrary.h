#pragma once
// Where the buttons' pictures come from: the client shell's glyph library,
// which the module links against, or whatever a test puts in its place.

#include <string>

namespace rt {
class TBitmap;
}

namespace hemr {

class TGlyphLibrary {
public:
    virtual ~TGlyphLibrary();

    // The highest picture number there is.
    virtual int GetMaxBmpID() const = 0;
    // Loads picture `number` into `bitmap`; false when there is none.
    virtual bool LoadBmp(rt::TBitmap* bitmap, int number) const = 0;
    // Loads a named picture ("CHECKED", "GRAYED", "UNCHECKED"); false when unknown.
    virtual bool LoadNamedBmp(rt::TBitmap* bitmap, const std::string& name) const = 0;
};

// The library in use. SetGlyphLibrary(nullptr) restores the shell's; the
// caller keeps ownership of what it installs and uninstalls it before freeing it.
const TGlyphLibrary& GetGlyphLibrary();
void SetGlyphLibrary(const TGlyphLibrary* library);

}  // namespace hemr
