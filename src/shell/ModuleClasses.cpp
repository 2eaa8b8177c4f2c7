#include "src/shell/ModuleClasses.h"

#include "platform/classes/ClassRegistry.h"
#include "platform/forms/ToolkitClasses.h"
#include "src/collaboration/CollaborationClasses.h"
#include "src/controls/BitCheckBox.h"
#include "src/controls/CaptionEditClasses.h"
#include "src/controls/DBLabel.h"
#include "src/controls/DataSource.h"
#include "src/controls/ExtPageControl.h"
#include "src/controls/F2Button.h"
#include "src/controls/GSpeedButton.h"
#include "src/controls/NVForm.h"
#include "src/controls/NvGroupButton.h"
#include "src/controls/NvRadioButton.h"
#include "src/controls/NvRadioGroup.h"
#include "src/controls/NvSpinEdit.h"
#include "src/controls/SelectPanel.h"
#include "src/controls/TarnCheckBox.h"
#include "src/controls/TarnListView.h"
#include "src/controls/TarnMaskEdit.h"
#include "src/environment/CodeConverter.h"
#include "src/environment/LangNvController.h"
#include "src/framework/BaseGene.h"
#include "src/grid/GridRegistration.h"
#include "src/grid/TStringAlignGrid.h"
#include "src/framework/GeneConditionCF.h"
#include "src/shell/BaseOpt.h"
#include "src/shell/BaseRpt.h"
#include "src/shell/Hemr07CF.h"
#include "src/shell/Edition.h"
#include "src/shell/RunningWinC.h"

namespace hemr {

void RegisterModuleClasses() {
    rt::RegisterToolkitClasses();
    rt::RegisterClasses({
        // controls
        TGSpeedButton::StaticClass(), TF2Button::StaticClass(), TBitCheckBox::StaticClass(),
        TTarnCheckBox::StaticClass(),
        TDataSource::StaticClass(), TDBLabel::StaticClass(), TNvSpinEdit::StaticClass(),
        TNvRadioButton::StaticClass(), TNvGroupButton::StaticClass(), TNvRadioGroup::StaticClass(),
        TExtPageControl::StaticClass(), TSelectPanel::StaticClass(), TTarnMaskEdit::StaticClass(),
        TTarnListView::StaticClass(),
        // grid
        TStringAlignGrid::StaticClass(),
        // environment
        TCodeConverter::StaticClass(), TLanguageController::StaticClass(), TNvLangController::StaticClass(),
        // forms
        TNVForm::StaticClass(), TfrmBaseGene::StaticClass(), TfrmBaseOpt::StaticClass(), TfrmBaseRpt::StaticClass(),
        TfrmRunningWinC::StaticClass(), TfrmGeneCondition::StaticClass(), TfrmHemr07::StaticClass(),
    });
    if constexpr (edition::kCaptionEdits) RegisterCaptionEditClasses();
    if constexpr (edition::kNotification) RegisterCollaborationClasses();
    RegisterAlignGridConverterStep();
}

}  // namespace hemr
