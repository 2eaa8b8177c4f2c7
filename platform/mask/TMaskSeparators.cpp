#include "platform/mask/TMaskSeparators.h"

#include "platform/mask/MaskChars.h"
#include "platform/sysutils/FormatSettings.h"

namespace rt {

namespace {

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

TMaskSeparators DefaultMaskSeparators() {
    const TFormatSettings& settings = FormatSettings();
    std::string date(1, settings.DateSeparator);
    std::string time(1, settings.TimeSeparator);
    // A zero separator means none is set; the mask then keeps "/" or ":".
    if (settings.DateSeparator == '\0') date.clear();
    if (settings.TimeSeparator == '\0') time.clear();
    return TMaskSeparators::FromText(date, time);
}

}  // namespace rt
