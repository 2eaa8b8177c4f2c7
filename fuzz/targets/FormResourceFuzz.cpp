// The form-resource parser over arbitrary text: it parses or raises, and what
// it parsed prints and parses again to the same text.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <exception>
#include <string>
#include <string_view>

#include "platform/streaming/TFormParser.h"
#include "platform/streaming/TFormPrinter.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::string printed;
    try {
        printed = rt::TFormPrinter::Print(rt::TFormParser(text).ParseResource());
    } catch (const std::exception&) {
        return 0;
    }
    // What the printer writes must read back to itself: a resource written by
    // the toolkit has to load again.
    const std::string again = rt::TFormPrinter::Print(rt::TFormParser(printed).ParseResource());
    if (again != printed) std::abort();
    return 0;
}
