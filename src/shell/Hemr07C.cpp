#include "src/shell/Hemr07C.h"

#include "platform/classes/ClassRegistry.h"
#include "src/controls/ControlsRegistration.h"
#include "src/controls/NVForm.h"
#include "src/environment/CodeConverter.h"
#include "src/environment/LangNvController.h"
#include "src/shell/DLLFunc.h"
#include "src/shell/ModuleForms.h"
#include "src/shell/StandInCF.h"

namespace hemr {

void Hemr07CMain() {
    RegisterLangClasses();
    RegisterControlClasses();
    rt::RegisterClasses({TCodeConverter::StaticClass(), TNVForm::StaticClass(), TfrmStandIn::StaticClass()});
    RegisterModuleFormResources();
    // Stands in until the report's own condition form is registered here.
    frmBaseGeneClass = TfrmStandIn::StaticClass();
}

}  // namespace hemr
