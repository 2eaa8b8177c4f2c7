// The variant decoding of the remote protocol over arbitrary request bodies:
// a body decodes to a variant or is refused with an error; what decodes
// encodes and decodes again to the same JSON.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <exception>
#include <string_view>

#include <nlohmann/json.hpp>

#include "platform/automation/VariantJson.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto json = nlohmann::json::parse(text, nullptr, false);
    if (json.is_discarded()) return 0;
    rt::Variant value;
    try {
        value = rt::VariantFromJson(json);
    } catch (const std::exception&) {
        return 0;
    }
    const auto encoded = rt::VariantToJson(value);
    if (rt::VariantToJson(rt::VariantFromJson(encoded)) != encoded) std::abort();
    return 0;
}
