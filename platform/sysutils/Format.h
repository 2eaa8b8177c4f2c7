#pragma once
// Format with the original runtime's directives:
//   "%" [index ":"] ["-"] [width] ["." precision] type
// types d u x e f g n m p s (either case) and "%%"; '*' takes a number from
// the arguments. A directive whose argument is missing or of the wrong kind
// raises EConvertError "Format '<format>' invalid or incompatible with argument".

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

#include "platform/sysutils/FormatArg.h"
#include "platform/sysutils/FormatSettings.h"

namespace rt {

std::string Format(std::string_view format, std::initializer_list<FormatArg> args);
std::string Format(std::string_view format, std::span<const FormatArg> args);
std::string Format(std::string_view format, std::span<const FormatArg> args, const TFormatSettings& settings);

}  // namespace rt
