#include "src/shell/DLLBaseCtrller.h"

namespace hemr {

void TDLLBaseController::DoCreated() { DoEvent(evFormCreated); }

void TDLLBaseController::DoShow(rt::TObject*) { DoEvent(evFormShown); }

void TDLLBaseController::DoHide(rt::TObject*) { DoEvent(evFormHidden); }

void TDLLBaseController::DoDestroy(rt::TObject*) { DoEvent(evFormDestroyed); }

void TDLLBaseController::DoClose() { DoEvent(evFormClosed); }

void TDLLBaseController::DoEvent(int32_t Code) {
    if (OnEvent.Assigned()) OnEvent(Code, static_cast<IDLLController*>(this));
}

}  // namespace hemr
