#include "platform/mask/TMaskSeparators.h"

#include "platform/mask/MaskChars.h"

namespace rt {

namespace {

TMaskSeparators& DefaultSeparatorsStore() {
    static TMaskSeparators separators;
    return separators;
}

char32_t FirstCharOr(const std::string& text, char32_t fallback) {
    std::u32string chars = maskchars::DecodeUtf8(text);
    return chars.empty() ? fallback : chars.front();
}

}  // namespace

TMaskSeparators TMaskSeparators::FromText(const std::string& dateSeparator, const std::string& timeSeparator) {
    TMaskSeparators result;
    result.DateSeparator = FirstCharOr(dateSeparator, result.DateSeparator);
    result.TimeSeparator = FirstCharOr(timeSeparator, result.TimeSeparator);
    return result;
}

const TMaskSeparators& DefaultMaskSeparators() { return DefaultSeparatorsStore(); }

void SetDefaultMaskSeparators(const TMaskSeparators& separators) { DefaultSeparatorsStore() = separators; }

}  // namespace rt
