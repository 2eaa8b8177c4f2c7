#pragma once
// FormatFloat: numbers laid out by a picture such as "#,##0.00".

#include <string>
#include <string_view>

#include "platform/sysutils/FormatSettings.h"

namespace rt {

// Picture characters: 0 (digit, kept), # (digit, dropped when not significant),
// '.' (decimal separator), ',' (group thousands), E+ E- e+ e- (scientific),
// text in quotes, anything else as it stands. Up to three sections separated
// by ';': positive, negative (written without its own minus), zero.
// An empty picture gives FloatToStr.
std::string FormatFloat(std::string_view picture, double value);
std::string FormatFloat(std::string_view picture, double value, const TFormatSettings& settings);

}  // namespace rt
