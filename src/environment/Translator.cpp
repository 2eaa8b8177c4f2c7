#include "src/environment/Translator.h"

#include "platform/classes/IdentText.h"
#include "platform/classes/TComponent.h"
#include "src/environment/LangCommon.h"
#include "src/environment/LangReaderFactory.h"

namespace hemr {

namespace {

bool IsFormOrDataModule(const rt::TComponent* component) {
    return ClassChainHas(component, "TCustomForm") || ClassChainHas(component, "TDataModule");
}

}  // namespace

TLangReader::TLangReader(const pugi::xml_document& document) : document_(document) {}

void TLangReader::SetExcludeControls(const rt::TStrings* names) {
    exclude_.Clear();
    if (names != nullptr) exclude_.AddStrings(*names);
}

bool TLangReader::IsExcluded(std::string_view name) const {
    const std::string_view wanted = rt::TrimView(name);
    for (int i = 0; i < exclude_.Count(); ++i) {
        if (rt::SameName(rt::TrimView(exclude_.Strings(i)), wanted)) return true;
    }
    return false;
}

pugi::xml_node TLangReader::ElementNamed(const std::string& name) const {
    // Component names are identifiers, so they are safe inside the query; a
    // name that is not one cannot have an element either.
    if (!rt::IsValidIdent(name)) return {};
    try {
        return document_.select_node(("//" + name).c_str()).node();
    } catch (const pugi::xpath_exception&) {
        return {};
    }
}

void TLangReader::ApplyElement(rt::TComponent* component, pugi::xml_node element) {
    BeforeLoadComponent(component, element);
    TReaderFactory::CreateReader(component)->ReadComponent(element);
    AfterLoadComponent(component, element);
}

void TLangReader::ReadComponent(rt::TComponent* component) {
    if (component == nullptr) return;
    const pugi::xml_node root = document_.document_element();
    if (IsFormOrDataModule(component) && root) ApplyElement(component, root);
    if (!component->Name().empty() && !IsExcluded(component->Name())) {
        if (pugi::xml_node element = ElementNamed(component->Name())) ApplyElement(component, element);
    }
    // By index: a handler may add or remove components while the tree is read.
    for (int i = 0; i < component->ComponentCount(); ++i) ReadComponent(component->Components(i));
}

}  // namespace hemr
