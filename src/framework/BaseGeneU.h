#pragma once
// Free helpers of the generic condition form that keep no state: the program
// code a module file stands for, the help topic of a program, and the date
// entry rules (mask, blank text, quick dates) of a date layout.

#include <string>

namespace hemr {

// ".so" (the library here) compared without case; ".dll" names map to it.
bool IsLibraryFileName(const std::string& fileName);
// The program code a module file name stands for: "Hemr07C.so" gives
// "Hemr07" (a library drops the one-letter kind, anything else two), at least
// six characters, not upper-cased.
std::string ProgramCodeOfModule(const std::string& modulePath);
// The help topic of a program code: "HEMR07" gives "12070000" (system
// digit, kind digit, the code's last two characters, "0000"); empty when the
// kind letter is neither "B" nor "R".
std::string HelpTopicOf(const std::string& programCode);

// The edit mask of a date in `layout` with `separator`, e.g. "9999/99/99;1; ".
std::string DateMaskOf(int layout, const std::string& separator);
// The text an empty date edit shows, e.g. "    /  /  ".
std::string BlankDateOf(int layout, const std::string& separator);
// A typed date as "YYYYMMDD" (not checked): three numbers split at the
// separator and ordered by layout, years of layouts 4 and 5 counted from 1912.
// Empty for an empty or blank text; anything that is not three numbers comes
// back trimmed and unchanged.
std::string ConvertQuickDateText(const std::string& text, int layout, const std::string& separator);

}  // namespace hemr
