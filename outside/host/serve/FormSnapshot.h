#pragma once
// The forms as the toolkit holds them, as JSON for the page to draw: each
// visible form with its visible controls (class, kind, bounds, caption or
// text, font, colours, enabled, focus, caret, check states, tabs, list rows,
// grid cells, glyphs), the message dialog waiting for an answer on top.
// Owner-drawn controls (the month calendar, grids) come as the drawing
// operations their own painting records.

#include <nlohmann/json.hpp>

#include "platform/forms/TDialogDriver.h"

namespace rt {
class TControl;
class TCustomForm;
}  // namespace rt

namespace host::serve {

class FormSnapshot {
public:
    // The windows from the bottom up; `dialog` (may be null) is the message dialog shown last.
    static nlohmann::json Windows(const rt::TDialogRecord* dialog);
    static nlohmann::json Form(rt::TCustomForm& form);
    static nlohmann::json Dialog(const rt::TDialogRecord& dialog);

private:
    static nlohmann::json Control(rt::TControl& control);
    static void AddDetails(rt::TControl& control, nlohmann::json& out);
    static nlohmann::json Painted(rt::TControl& control);
};

}  // namespace host::serve
