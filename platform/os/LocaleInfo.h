#pragma once
// What the user's locale says about date layout, read from the environment
// (LC_ALL, LC_TIME, LANG) the way the C library resolves it.

namespace rt {

// The character between the fields of the locale's short date ("%d.%m.%Y" gives
// '.'); '/' when the locale is unknown or separates its fields with no single
// ASCII character (as "%Y年%m月%d日" does).
char LocaleDateSeparator();

}  // namespace rt
