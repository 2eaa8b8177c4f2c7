#pragma once
// The session's lookup-window service ("Com_F2Window"). The lookup windows
// are not part of the server yet: every call answers "nothing chosen"
// (F2GetData empty, ShowInputDay and GetPhrase an empty text), which the
// forms treat as a cancelled lookup.

#include "platform/automation/Dispatch.h"

namespace appserver {

class F2WindowService : public rt::TAutoObject {
public:
    F2WindowService();
    std::string DispatchName() const override { return "F2Window"; }
};

}  // namespace appserver
