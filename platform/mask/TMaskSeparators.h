#pragma once
// The date and time separators that "/" and ":" in a mask stand for.

#include <string>

namespace rt {

struct TMaskSeparators {
    char32_t DateSeparator = U'/';
    char32_t TimeSeparator = U':';

    // Takes the first character of each text; an empty text keeps the default,
    // because a mask position cannot show "no character".
    static TMaskSeparators FromText(const std::string& dateSeparator, const std::string& timeSeparator);

    bool operator==(const TMaskSeparators&) const = default;
};

// The separators masks use when none are given: those of the runtime's format
// settings, read at the time the mask is parsed.
TMaskSeparators DefaultMaskSeparators();

}  // namespace rt
