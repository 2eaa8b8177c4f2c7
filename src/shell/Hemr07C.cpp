#include "src/shell/Hemr07C.h"

#include "platform/buttons/ButtonsRegistration.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/comctrls/ComCtrlsRegistration.h"
#include "platform/extctrls/ExtCtrlsRegistration.h"
#include "platform/graphics/GraphicsRegistration.h"
#include "platform/lists/ListsRegistration.h"
#include "platform/maskedit/MaskEditRegistration.h"
#include "platform/menus/MenusRegistration.h"
#include "platform/remote/TXmlHttpRequest.h"
#include "platform/spin/SpinRegistration.h"
#include "platform/stdctrls/StdCtrlsRegistration.h"
#include "src/controls/ControlsRegistration.h"
#include "src/controls/NVForm.h"
#include "src/controls/SelectPanel.h"
#include "src/environment/CodeConverter.h"
#include "src/environment/LangNvController.h"
#include "src/framework/BaseGene.h"
#include "src/framework/GeneConditionCF.h"
#include "src/shell/BaseOpt.h"
#include "src/shell/BaseRpt.h"
#include "src/shell/DLLFunc.h"
#include "src/shell/Hemr07CF.h"
#include "src/shell/ModuleForms.h"
#include "src/shell/RunningWinC.h"

namespace hemr {

namespace {

// The toolkit classes the module's form resources name.
void RegisterToolkitClasses() {
    rt::RegisterGraphicsClasses();
    rt::RegisterStdControls();
    rt::RegisterButtons();
    rt::RegisterComCtrlsClasses();
    rt::RegisterExtControls();
    rt::RegisterListClasses();
    rt::RegisterMaskEdit();
    rt::RegisterMenuClasses();
    rt::RegisterSpinControls();
    rt::RegisterXmlHttpRequest();
}

}  // namespace

void Hemr07CMain() {
    RegisterToolkitClasses();
    RegisterLangClasses();
    RegisterControlClasses();
    RegisterSelectPanelClasses();
    rt::RegisterClasses({TCodeConverter::StaticClass(), TNVForm::StaticClass(), TfrmBaseGene::StaticClass(),
                         TfrmBaseOpt::StaticClass(), TfrmBaseRpt::StaticClass(), TfrmRunningWinC::StaticClass(),
                         TfrmGeneCondition::StaticClass(), TfrmHemr07::StaticClass()});
    RegisterModuleFormResources();
    frmBaseGeneClass = TfrmHemr07::StaticClass();
}

}  // namespace hemr
