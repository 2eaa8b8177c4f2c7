#include "src/shell/DLLFunc.h"

#include "platform/core/Exceptions.h"
#include "src/shell/DLLBaseCtrller.h"

namespace hemr {

rt::TClass DLLControllerClass = nullptr;
rt::TClass frmBaseGeneClass = nullptr;

}  // namespace hemr

extern "C" hemr::IDLLController* GetController() {
    using hemr::DLLControllerClass;
    if (DLLControllerClass == nullptr || !DLLControllerClass->InheritsFrom(hemr::TDLLBaseController::StaticClass()) ||
        !DLLControllerClass->CanCreate()) {
        throw rt::Exception("NVR DLL Internal Error :\rNot Assign \"DLLControllerClass\" varible");
    }
    auto* controller = static_cast<hemr::TDLLBaseController*>(DLLControllerClass->CreateInstance(nullptr));
    return controller;
}
