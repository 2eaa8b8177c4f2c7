#pragma once
// What the edition being built holds. The build compiles the module once per
// edition with HEMR_EDITION set (7 or 9); these constants are the only place
// the code asks which one, at the points where a feature is published or
// registered. The feature code itself lives in files only edition 9 compiles.

#ifndef HEMR_EDITION
#error "HEMR_EDITION names the edition of the module being built (7 or 9)"
#endif

namespace hemr::edition {

inline constexpr int kNumber = HEMR_EDITION;
static_assert(kNumber == 7 || kNumber == 9, "the module comes in editions 7 and 9");

// The hourly cycle of the period page.
inline constexpr bool kHourlyPeriod = kNumber >= 9;
// The notify check box and its button, and the collaboration forms behind them.
inline constexpr bool kNotification = kNumber >= 9;
// The web report button of the report output form.
inline constexpr bool kWebReport = kNumber >= 9;
// The edits that carry their own caption label.
inline constexpr bool kCaptionEdits = kNumber >= 9;

// The version text of the report form, reported by GetVersion.
inline constexpr const char* kVersionText = kNumber >= 9 ? "890901" : "870901";

}  // namespace hemr::edition
