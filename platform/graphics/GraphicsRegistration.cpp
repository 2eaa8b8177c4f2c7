#include "platform/graphics/GraphicsRegistration.h"

#include "platform/classes/ClassRegistry.h"
#include "platform/classes/IdentMaps.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TBrush.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TFont.h"
#include "platform/graphics/TImageList.h"
#include "platform/graphics/TPen.h"

namespace rt {

namespace {

bool IdentToColorValue(std::string_view ident, int64_t& value) {
    TColor color = 0;
    if (!IdentToColor(ident, color)) return false;
    value = color;
    return true;
}

bool ColorValueToIdent(int64_t value, std::string& ident) { return ColorToIdent(static_cast<TColor>(value), ident); }

}  // namespace

void RegisterGraphicsClasses() {
    RegisterIntegerConsts("TColor", &IdentToColorValue, &ColorValueToIdent);
    RegisterClasses({TFont::StaticClass(), TBrush::StaticClass(), TPen::StaticClass(), TBitmap::StaticClass(),
                     TCanvas::StaticClass(), TImageList::StaticClass()});
}

}  // namespace rt
