#include "src/controls/GlyphLibrary.h"

#include "outside/meravik/Meravik.h"

namespace hemr {

namespace {

class TShellGlyphLibrary : public TGlyphLibrary {
public:
    int GetMaxBmpID() const override { return meravik::GetMaxBmpID(); }
    bool LoadBmp(rt::TBitmap* bitmap, int number) const override { return meravik::LoadBmp(bitmap, number); }
    bool LoadNamedBmp(rt::TBitmap* bitmap, const std::string& name) const override {
        return meravik::LoadNamedBmp(bitmap, name);
    }
};

const TGlyphLibrary* installed = nullptr;

}  // namespace

TGlyphLibrary::~TGlyphLibrary() = default;

const TGlyphLibrary& GetGlyphLibrary() {
    static const TShellGlyphLibrary shell;
    return installed != nullptr ? *installed : shell;
}

void SetGlyphLibrary(const TGlyphLibrary* library) { installed = library; }

}  // namespace hemr
