#include "src/shell/Hemr07C.h"

#include "src/shell/DLLFunc.h"
#include "src/shell/Hemr07CF.h"
#include "src/shell/ModuleClasses.h"
#include "src/shell/ModuleForms.h"

namespace hemr {

void Hemr07CMain() {
    RegisterModuleClasses();
    RegisterModuleFormResources();
    frmBaseGeneClass = TfrmHemr07::StaticClass();
}

}  // namespace hemr
