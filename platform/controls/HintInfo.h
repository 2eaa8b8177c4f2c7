#pragma once
// What a hint host asks a control before it shows a hint: the control may
// move the hint, change its text or refuse it (CM_HINTSHOW).

#include <string>

#include "platform/controls/Messages.h"
#include "platform/graphics/Geometry.h"

namespace rt {

// LParam points to a THintInfo; a result other than 0 suppresses the hint.
constexpr uint32_t CM_HINTSHOW = CM_BASE + 48;

class TControl;

struct THintInfo {
    TControl* HintControl = nullptr;
    // The mouse position in the control's client coordinates.
    TPoint CursorPos;
    // Where the hint window goes, in the control's client coordinates.
    TPoint HintPos;
    // Moving out of this rectangle asks again; empty means the whole control.
    TRect CursorRect;
    std::string HintStr;
};

// Asks `control` for its hint at client point `p`, as a hint host does when
// the mouse rests there. True when a hint is to be shown; `info` then holds it.
bool QueryControlHint(TControl& control, TPoint p, THintInfo& info);

}  // namespace rt
