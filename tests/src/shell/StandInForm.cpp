#include "tests/src/shell/StandInForm.h"

#include <algorithm>

#include "platform/automation/VariantJson.h"
#include "platform/controls/VirtualKeys.h"
#include "platform/os/Paths.h"
#include "platform/sysutils/StrUtils.h"
#include "src/framework/BaseGeneU.h"

namespace hemr_test {

TfrmStandIn::TfrmStandIn(rt::TComponent* owner) : hemr::TNVForm(owner) {
    SetCaption("HEMR07");
    OnClose = rt::TCloseEvent::Of<&TfrmStandIn::FormClose>(this);
}

void TfrmStandIn::Publish(rt::TPublisher<TfrmStandIn>& p) {
    p.Property("ReceivedParams", &TfrmStandIn::ReceivedParams).Stored(false);
    p.Property("StartParamsCount", &TfrmStandIn::StartParamsCount).Stored(false);
    RT_METHOD(p, FormClose);
}

void TfrmStandIn::SetModulePath(const std::string& path) {
    modulePath_ = path;
    programCode_ = rt::UpperCase(hemr::ProgramCodeOfModule(path));
}

bool TfrmStandIn::InitForm(const rt::Variant& params) {
    if (initialised_ || !params.IsArray() || params.DimCount() != 1 || params.ElementCount() < 3) return false;
    const int low = params.LowBound();
    userID_ = rt::VarToStr(params[low]);
    companyID_ = rt::VarToStr(params[low + 1]);
    dbName_ = rt::VarToStr(params[low + 2]);
    initialised_ = true;
    return true;
}

void TfrmStandIn::ApplyStartParams(const rt::Variant& params) {
    // The controller sends [flag, parameters]; the form reads element 1.
    receivedParams_ = rt::VariantToJson(params[1]).dump();
    ++startParamsCount_;
}

void TfrmStandIn::FormClose(rt::TObject*, rt::TCloseAction& Action) {
    // Nothing can be submitted here, so every close is a cancel.
    resultCode_ = rt::mrCancel;
    resultData_ = rt::Variant();
    Action = rt::caFree;
}

void TfrmStandIn::KeyDown(uint16_t& key, rt::TShiftState shift) {
    if (key == rt::VK_ESCAPE && shift.Empty()) {
        key = 0;
        Close();
        return;
    }
    hemr::TNVForm::KeyDown(key, shift);
}

}  // namespace hemr_test
