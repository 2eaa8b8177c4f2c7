#pragma once
// The report controller: creates the registered condition form, hooks its
// show/hide/destroy handlers, forwards the shell's calls to it and copies its
// outcome when it is destroyed.

#include "platform/classes/Events.h"
#include "src/shell/DLLBaseCtrller.h"

namespace rt {
class TCustomForm;
}

namespace hemr {

class IShellForm;

class TDLLRPCtrller : public TDLLBaseController {
    RT_CLASS(TDLLRPCtrller, TDLLBaseController)

public:
    TDLLRPCtrller() = default;
    ~TDLLRPCtrller() override;

    std::string GetVersion() override;
    LongBool GetVisible() override;
    void SetVisible(WordBool Value) override;
    rt::HWND GetHandle() override;
    int32_t Initialize(const rt::Variant& Params) override;
    int32_t ApplyParams(const rt::Variant& Params) override;
    int32_t HostMessage(int32_t Kind, uint32_t Reserved, const rt::Variant& Data) override;
    rt::Variant ShowModal() override;
    void FreeForm() override;
    int32_t GetProgramInfo(rt::Variant& Info) override;
    bool IsFormFreed() override;
    void DoShow(rt::TObject* Sender) override;
    void DoHide(rt::TObject* Sender) override;
    void DoDestroy(rt::TObject* Sender) override;

    // Null while no form exists.
    rt::TCustomForm* Form = nullptr;
    rt::TNotifyEvent SavedOnShow;
    rt::TNotifyEvent SavedOnHide;
    rt::TNotifyEvent SavedOnDestroy;

private:
    void CreateForm();
    void HookForm();
    // Runs ApplyStartParams with [flag, value]; -1 when it raised.
    int32_t ForwardStartParams(bool flag, const rt::Variant& value);

    IShellForm* shellForm_ = nullptr;
};

// The controller module's initialisation: makes this the controller class.
void InitDLLRPCtrller();

}  // namespace hemr
