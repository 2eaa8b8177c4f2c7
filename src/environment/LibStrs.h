#pragma once
// Free functions every part of the module uses: field splitting and padding,
// dates carried as "YYYYMMDD" texts, code-page conversion of texts and of
// variant arrays, parameter strings and the Chinese message-box captions.
// None of them keeps state.

#include "platform/core/Variant.h"
#include "platform/sysutils/DateTime.h"

#include <string>

namespace hemr {

// ---- strings ------------------------------------------------------------------

// `text` followed by `fill` up to `width` characters (UTF-8 characters are
// counted, not bytes); a text at least `width` long comes back unchanged.
std::string PadRight(const std::string& text, int width, char fill = ' ');

// The n-th field (1-based) between occurrences of `separator`; the last field
// runs to the end of the text. Empty when the text has fewer than n fields.
std::string GetField(const std::string& text, const std::string& separator, int index);

// Occurrences of `separator` + 1; 0 for an empty text.
int FieldCount(const std::string& text, const std::string& separator);

// head := the text before the first separator, text := the rest after it;
// without a separator head := the whole text and text := "".
void SplitFirst(std::string& text, const std::string& separator, std::string& head);

// Replaces `oldText` (case-sensitive) until none is left, so an occurrence
// formed by a replacement goes too ("aabb", "ab", "" gives ""). A replacement
// at least as long as `oldText` (which includes one containing it) is done in
// one left-to-right pass over the original occurrences, so the loop always ends.
// Nothing is replaced when the two texts are equal ignoring case; with
// `trim` the result is trimmed.
std::string ReplaceAll(const std::string& text, const std::string& oldText, const std::string& newText,
                       bool trim);

// The number in the text, or `fallback` unless the whole text is a number.
double StrToFloatDefault(const std::string& text, double fallback);

// True only for exactly "127.0.0.1".
bool IsLocalHost(const std::string& text);

// ---- dates ------------------------------------------------------------------------

// Layouts of a date on screen: 1 year-month-day, 2 month-day-year,
// 3 day-month-year, 4 and 5 year-month-day with the year counted from 1912
// (year 1) in at least two or three digits.
enum DateLayout : int {
    dlYearMonthDay = 1,
    dlMonthDayYear = 2,
    dlDayMonthYear = 3,
    dlRocYear2 = 4,
    dlRocYear3 = 5,
};

// The date in `layout` with the first character of `separator` between the
// parts (none when it is empty). Empty for date 0 and for a layout outside 1..5.
std::string FormatDateAs(int layout, const std::string& separator, rt::TDateTime date);
// Year and month only (month-year in layouts 2 and 3); empty as FormatDateAs.
std::string FormatYearMonthAs(int layout, const std::string& separator, rt::TDateTime date);

// Reads a date written in `layout` with the whole `separator` text between the
// parts; 0 when it is not a date. A day past the month's end runs on into the
// next month ("2005/02/30" is 2 March 2005).
rt::TDateTime ParseDateAs(const std::string& text, int layout, const std::string& separator);

// The date of an exactly eight-digit "YYYYMMDD" text, else 0.
rt::TDateTime YmdToDate(const std::string& text);

// True for an empty text and for an eight-digit date from "17530101" to "99991231".
bool IsValidYmd(const std::string& text);

// Moves a date ("YYYYMMDD" text, wide or byte string, or a date value) by
// `amount` units "Y", "M" or "D" (any case) and returns "yyyymmdd". Months keep
// the day, lowered to the end of a shorter month; a year shift that lands on a
// day that does not exist (29 February) leaves the date as it was. Empty for a
// zero or unreadable date, an unknown unit or a result outside years 1..9999.
std::string ShiftYmd(const rt::Variant& date, const std::string& unit, int amount);

// 28..31, or 0 for a month outside 1..12.
int DaysInMonth(int year, int month);

// "YYYYMMDD" of a date value.
std::string DateToYmd(rt::TDateTime date);

// ---- variants -----------------------------------------------------------------

rt::Variant VarIif(bool flag, const rt::Variant& ifTrue, const rt::Variant& ifFalse);
// Empty (unassigned) or null.
bool VarIsBlank(const rt::Variant& value);

// ---- text conversion ----------------------------------------------------------

// The bytes of `text` in `codePage`; when that conversion gives nothing (an
// unknown code page) the text in the system code page instead. "" gives "".
std::string WideToCodePage(const std::string& text, int codePage);
// The text of `bytes` read in `codePage`, with the same fallback.
std::string CodePageToWide(const std::string& bytes, int codePage);

// A copy with every wide string turned into a byte string in `codePage`:
// nested arrays of one-dimensional arrays are converted too, nested arrays
// inside a two-dimensional array are left as they are. On any error the
// unconverted copy is returned and the error goes to the "libstrs" alert log.
rt::Variant VariantToCodePage(const rt::Variant& value, int codePage);
// The reverse: every string element read in `codePage` into a wide string
// (wide strings through the bytes of the system code page).
rt::Variant VariantFromCodePage(const rt::Variant& value, int codePage);

// prefix + #3 + element 0 + #3 + ... + element n + #3, where element 0 holds
// n; elements past the array's end are not there to join.
std::string JoinParamArray(const std::string& prefix, const rt::Variant& params);

// The field separator of multi-field texts.
inline constexpr char FieldSeparator = '\x03';

// ---- captions ---------------------------------------------------------------------

// Chinese caption of an English message-box button name ("Yes" -> "是(&Y)");
// any other name, also in another case, comes back unchanged.
std::string ButtonCaption(const std::string& name);

}  // namespace hemr
