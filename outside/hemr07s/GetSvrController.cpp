// The export of HEMR07S.so that the condition form looks up by name.

#include <new>

#include "outside/hemr07s/Hemr07SvrController.h"

extern "C" __attribute__((visibility("default"))) hemr::ISvrController* GetSvrController() {
    return new (std::nothrow) hemr07s::THemr07SvrController();
}
