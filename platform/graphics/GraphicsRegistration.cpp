#include "platform/graphics/GraphicsRegistration.h"

#include "platform/classes/ClassRegistry.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TBrush.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TFont.h"
#include "platform/graphics/TImageList.h"
#include "platform/graphics/TPen.h"

namespace rt {

void RegisterGraphicsClasses() {
    RegisterClasses({TFont::StaticClass(), TBrush::StaticClass(), TPen::StaticClass(), TBitmap::StaticClass(),
                     TCanvas::StaticClass(), TImageList::StaticClass()});
}

}  // namespace rt
