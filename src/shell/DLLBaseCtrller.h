#pragma once
// The root of the controllers: fires the controller events; the operations on
// the form are left to the concrete controller.

#include "include/DLLController.h"
#include "platform/classes/TObject.h"

namespace hemr {

class TDLLBaseController : public rt::TObject, public IDLLController {
    RT_CLASS(TDLLBaseController, rt::TObject)

public:
    TDLLBaseController() = default;

    void DoCreated() override;
    void DoShow(rt::TObject* Sender) override;
    void DoHide(rt::TObject* Sender) override;
    void DoDestroy(rt::TObject* Sender) override;
    void DoClose() override;
    void DoEvent(int32_t Code) override;
    void Reserved() override {}
};

}  // namespace hemr
