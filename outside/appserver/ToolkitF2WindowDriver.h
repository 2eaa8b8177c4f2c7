#pragma once
// The F2 window service's windows as forms of the toolkit: each lookup or
// date request opens its window modally on the caller's user-interface
// thread, so whoever drives modal forms (a person, the client shell's
// scenario, a test) answers it like any other form.
//
// The in-process server library HemrAppServer.so installs this driver when
// it creates its first object: the library runs inside the client shell, so
// the windows are the shell's own. The network server installs none (it has
// no screen; its lookups end as cancelled), and test programs install it
// themselves.

#include "outside/appserver/F2WindowDriver.h"

namespace appserver {

class ToolkitF2WindowDriver : public IF2WindowDriver {
public:
    TextRows ChooseRows(const F2Request& request, const TextRows& rows) override;
    std::string ChooseDay(const InputDayRequest& request) override;
};

// Installs a ToolkitF2WindowDriver unless a driver is installed already.
void InstallToolkitF2WindowDriver();

}  // namespace appserver
