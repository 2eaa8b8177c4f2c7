// The registry-file reader over arbitrary contents: parsing either succeeds or
// raises a clear error; lookups on what was parsed never crash.

#include <cstddef>
#include <cstdint>
#include <exception>
#include <string_view>

#include "platform/os/RegFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        const auto reg = rt::TRegFile::Parse(text);
        if (const auto* key = reg.FindKey("HKEY_LOCAL_MACHINE", "Software\\NVR\\Kestrel")) {
            (void)key->FindValue("");
            (void)key->FindValue("Path");
        }
        (void)reg.FindKey("HKLM", "Software\\PLWK\\Velmoran");
    } catch (const std::exception&) {
        // A refused file is a clear error, which is fine.
    }
    return 0;
}
