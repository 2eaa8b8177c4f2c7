#include "outside/appserver/F2WindowService.h"

namespace appserver {

F2WindowService::F2WindowService() {
    DefineMethod("F2GetData", [](rt::DispatchArgs&) { return rt::Variant(); });
    DefineMethod("ShowInputDay", [](rt::DispatchArgs&) { return rt::Variant(""); });
    DefineMethod("GetPhrase", [](rt::DispatchArgs&) { return rt::Variant(""); });
}

}  // namespace appserver
