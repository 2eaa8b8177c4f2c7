#pragma once
// What leaving a selection panel does to its two range texts: trims them,
// rewrites decimal numbers in one form, and puts begin and end in order by
// the panel's value type. Kept free of the control so that it can be checked
// and timed on its own.

#include <optional>
#include <string>

#include "platform/sysutils/DateTime.h"
#include "src/controls/SelectPanelTypes.h"

namespace hemr {

// The panel settings the ordering depends on.
struct TRangeRule {
    TValueType ValueType = vt_String;
    TDateType DateType = dt_NoneCare;
    std::string DateSign = "/";
    std::string EditMask;
    // The begin edit's text when empty under EditMask.
    std::string BlankText;
    bool UseDiscard = false;
    std::string Discard;
    bool AutoChangeDateSite = true;
};

// Rewrites `begin` and `end` as the exit check does; true when they were swapped.
bool NormaliseRange(const TRangeRule& rule, std::string& begin, std::string& end);

// A range text read as a date in the given layout; a year and month alone
// mean the first of that month. Nothing when the text is empty, blank under
// the mask, or no possible date.
std::optional<rt::TDateTime> TryParseRangeDate(const std::string& text, TDateType type, const std::string& sign,
                                               const std::string& blankText);
// The same with 0 for "no date".
rt::TDateTime ParseRangeDate(const std::string& text, TDateType type, const std::string& sign,
                             const std::string& blankText);

// A decimal text as integer part "." fraction digits: blanks and leading zeros
// of the integer part dropped, the sign kept, trailing zeros of the fraction
// dropped (at least one digit stays). A part that is no integer counts as 0.
// The value of a well-formed decimal is kept exactly.
std::string NormaliseFloatText(const std::string& text);
// The value of a text in that form.
double NormalisedFloatValue(const std::string& normalised);

}  // namespace hemr
