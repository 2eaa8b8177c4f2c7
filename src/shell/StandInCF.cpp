#include "src/shell/StandInCF.h"

#include <algorithm>

#include "platform/automation/VariantJson.h"
#include "platform/controls/VirtualKeys.h"
#include "platform/os/Paths.h"
#include "platform/sysutils/StrUtils.h"

namespace hemr {

namespace {

constexpr int32_t kResultCancelled = 2;
constexpr size_t kMinProgramCode = 6;

bool IsLibraryFile(const std::string& fileName) { return rt::SameText(rt::ExtractFileExt(fileName), ".so"); }

}  // namespace

std::string ProgramCodeOfModule(const std::string& modulePath) {
    const std::string name = rt::ExtractFileName(modulePath);
    const size_t ext = rt::ExtractFileExt(name).size();
    const size_t drop = ext + (IsLibraryFile(name) ? 1 : 2);
    const size_t length = std::max(name.size() > drop ? name.size() - drop : 0, kMinProgramCode);
    return rt::UpperCase(name.substr(0, std::min(length, name.size())));
}

TfrmStandIn::TfrmStandIn(rt::TComponent* owner) : TNVForm(owner) {}

void TfrmStandIn::Publish(rt::TPublisher<TfrmStandIn>& p) {
    p.Property("ReceivedParams", &TfrmStandIn::ReceivedParams).Stored(false);
    p.Property("StartParamsCount", &TfrmStandIn::StartParamsCount).Stored(false);
    RT_METHOD(p, FormClose);
}

void TfrmStandIn::SetModulePath(const std::string& path) {
    modulePath_ = path;
    programCode_ = ProgramCodeOfModule(path);
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
    resultCode_ = kResultCancelled;
    resultData_ = rt::Variant();
    Action = rt::caFree;
}

void TfrmStandIn::KeyDown(uint16_t& key, rt::TShiftState shift) {
    if (key == rt::VK_ESCAPE && shift.Empty()) {
        key = 0;
        Close();
        return;
    }
    TNVForm::KeyDown(key, shift);
}

}  // namespace hemr
