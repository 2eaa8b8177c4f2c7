#include "src/environment/LangReaderFactory.h"

#include "platform/classes/TComponent.h"
#include "src/environment/LangComboBoxRead.h"
#include "src/environment/LangCommon.h"

namespace hemr {

std::unique_ptr<ILangRead> TReaderFactory::CreateReader(rt::TComponent* component) {
    if (ClassChainHas(component, "TwwDBCustomComboBox")) return std::make_unique<TwwDBCustomComboBoxRead>(component);
    if (ClassChainHas(component, "TCustomComboBox")) return std::make_unique<TCustomComboBoxRead>(component);
    return std::make_unique<TComponentRead>(component);
}

}  // namespace hemr
