// The language-pack loader over arbitrary bytes: a document loads or is
// refused with a reason, and nothing outside the bytes is read.

#include <cstddef>
#include <cstdint>
#include <string>

#include <pugixml.hpp>

#include "src/environment/LangDocument.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    (void)hemr::DeclaredLangCodePage(bytes);
    pugi::xml_document doc;
    const auto result = hemr::ParseLangDocument(doc, bytes);
    if (result.Ok) {
        for (const auto& node : doc.select_nodes("//*[@Name]")) (void)node.node().attribute("Name").value();
    }
    return 0;
}
