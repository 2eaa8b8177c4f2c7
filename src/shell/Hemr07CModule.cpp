// Load-time start of the plug-in Hemr07C.so (not part of the static archive
// the tests link): the controller module's initialisation, then the main block.

#include <cstdio>
#include <exception>

#include "src/shell/DLLRPCtrller.h"
#include "src/shell/Hemr07C.h"

namespace {

__attribute__((constructor)) void StartHemr07C() {
    try {
        hemr::InitDLLRPCtrller();
        hemr::Hemr07CMain();
    } catch (const std::exception& e) {
        // Nothing may escape a loader callback; GetController and Initialize
        // then report the missing registration to the shell.
        std::fprintf(stderr, "Hemr07C: start-up failed: %s\n", e.what());
    }
}

}  // namespace
