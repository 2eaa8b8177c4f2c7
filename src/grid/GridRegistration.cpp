#include "src/grid/GridRegistration.h"

#include "platform/classes/ClassRegistry.h"
#include "src/environment/CodeConverter.h"
#include "src/environment/FormConverter.h"
#include "src/grid/TStringAlignGrid.h"

namespace hemr {

void RegisterAlignGridClasses() {
    rt::RegisterClasses({TStringAlignGrid::StaticClass()});
    RegisterConvertWalker("TStringAlignGrid", [](rt::TComponent* component, const TCodeConverter& converter, int kind) {
        auto* grid = dynamic_cast<TStringAlignGrid*>(component);
        if (grid == nullptr) return;
        grid->ConvertContents(
            [&converter, kind](const std::string& text) { return converter.ConvertText(kind, text); },
            [&converter](rt::TFont& font) { TCodeConverter::ApplyFontRule(&font, converter.UIConvertMode()); });
    });
}

}  // namespace hemr
