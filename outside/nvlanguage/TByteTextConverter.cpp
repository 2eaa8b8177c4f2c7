#include "outside/nvlanguage/TByteTextConverter.h"

#include "platform/codepage/CodePages.h"

namespace nvlanguage {

namespace {
// The decoder marks bad bytes with U+FFFD; the encoder would turn that into
// "?" anyway, but saying so here keeps the rule independent of the encoder.
constexpr std::string_view kReplacementChar = "\xEF\xBF\xBD";

std::string MarkBadBytes(std::string text) {
    for (size_t at = text.find(kReplacementChar); at != std::string::npos; at = text.find(kReplacementChar, at + 1))
        text.replace(at, kReplacementChar.size(), "?");
    return text;
}
}  // namespace

std::string TByteTextConverter::Convert(std::string_view bytes) const {
    if (bytes.empty()) return {};
    std::string wide = MarkBadBytes(rt::CodePageToWide(std::string(bytes), sourceCodePage_));
    return rt::WideToCodePage(script_.Convert(wide), targetCodePage_);
}

}  // namespace nvlanguage
