#pragma once
// The library's export and the class variables that choose which controller
// and which form it creates; both are set while the library loads.

#include "platform/classes/TMetaClass.h"
#include "include/DLLController.h"

namespace hemr {

// A TDLLBaseController descendant; unassigned until the controller module initialises.
extern rt::TClass DLLControllerClass;
// A form class implementing IShellForm; unassigned until the library's main block runs.
extern rt::TClass frmBaseGeneClass;

}  // namespace hemr

// Raises "NVR DLL Internal Error" when no controller class was registered.
extern "C" hemr::IDLLController* GetController();
