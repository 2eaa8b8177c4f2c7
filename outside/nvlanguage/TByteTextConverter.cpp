#include "outside/nvlanguage/TByteTextConverter.h"

#include "platform/codepage/CodePages.h"

namespace nvlanguage {

namespace {
// The decoder marks bad bytes with U+FFFD; the encoder would turn that into
// "?" anyway, but saying so here keeps the rule independent of the encoder.
constexpr std::string_view kReplacementChar = "\xEF\xBF\xBD";

std::string MarkBadBytes(std::string_view text) {
    std::string marked;
    marked.reserve(text.size());
    size_t start = 0;
    for (size_t at = text.find(kReplacementChar); at != std::string_view::npos;
         at = text.find(kReplacementChar, start)) {
        marked.append(text.substr(start, at - start));
        marked.push_back('?');
        start = at + kReplacementChar.size();
    }
    marked.append(text.substr(start));
    return marked;
}
}  // namespace

std::string TByteTextConverter::Convert(std::string_view bytes) const {
    if (bytes.empty()) return {};
    std::string wide = MarkBadBytes(rt::CodePageToWide(std::string(bytes), sourceCodePage_));
    return rt::WideToCodePage(script_.Convert(wide), targetCodePage_);
}

}  // namespace nvlanguage
