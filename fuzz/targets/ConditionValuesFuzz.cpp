// Restoring a stored scheme over arbitrary text: the property list and the
// value lines come back from the server's store, so any bytes restore what
// they can or report a partial opening, never crash. The input is the
// property list, a NUL, then the value lines.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "src/shell/Hemr07CF.h"
#include "src/shell/ModuleClasses.h"
#include "src/shell/ModuleForms.h"

namespace {

// One form for every input, as a user opening scheme after scheme has.
hemr::TfrmHemr07& Form() {
    static hemr::TfrmHemr07* form = [] {
        hemr::RegisterModuleClasses();
        hemr::RegisterModuleFormResources();
        auto* made = new hemr::TfrmHemr07(nullptr);
        made->AfterConstruction();
        // Without its resource's controls the form would restore nothing.
        if (made->FindComponent("ed05") == nullptr) std::abort();
        return made;
    }();
    return *form;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const size_t split = bytes.find('\0');
    const std::string properties = bytes.substr(0, split);
    const std::string values = split == std::string::npos ? "" : bytes.substr(split + 1);
    (void)Form().LoadConditionValues(properties, values);
    return 0;
}
