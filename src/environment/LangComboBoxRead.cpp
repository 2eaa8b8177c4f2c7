#include "src/environment/LangComboBoxRead.h"

#include "platform/classes/TComponent.h"
#include "platform/classes/TypInfo.h"

namespace hemr {

namespace {
constexpr const char* kItemIndex = "ItemIndex";
}

void TCustomComboBoxRead::ReadComponent(pugi::xml_node element) {
    const bool hasIndex = rt::HasProperty(Component(), kItemIndex) && rt::PropType(Component(), kItemIndex) == rt::tkInteger;
    const int64_t itemIndex = hasIndex ? rt::GetOrdProp(Component(), kItemIndex) : -1;
    TComponentRead::ReadComponent(element);
    if (hasIndex) (void)rt::TrySetOrdProp(Component(), kItemIndex, itemIndex);
}

}  // namespace hemr
