#include "platform/controls/HintInfo.h"

#include "platform/controls/TControl.h"

namespace rt {

bool QueryControlHint(TControl& control, TPoint p, THintInfo& info) {
    info = THintInfo{};
    info.HintControl = &control;
    info.CursorPos = p;
    info.HintPos = {p.X, p.Y + 20};
    info.CursorRect = control.ClientRect();
    info.HintStr = control.Hint();
    const LRESULT refused = control.Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&info));
    return refused == 0 && !info.HintStr.empty();
}

}  // namespace rt
