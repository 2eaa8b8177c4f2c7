#include "src/shell/DLLRPCtrller.h"

#include "platform/core/Exceptions.h"
#include "platform/forms/TCustomForm.h"
#include "platform/os/DynLib.h"
#include "platform/os/SysInfo.h"
#include "src/shell/DLLFunc.h"
#include "src/shell/ShellForm.h"

namespace hemr {

namespace {

constexpr const char* kNoFormClass = "NVR DLL Internal Error :\rNot Assign \"frmBaseGeneClass\" varible";

// The file this code was loaded from: the plug-in, or the program that links it statically.
std::string OwnModulePath() { return rt::ModuleFileNameOfAddress(reinterpret_cast<const void*>(&GetController)); }

// Installs `hook` as `handler`, keeping the previous handler in `saved`. A
// handler that already is the hook is left alone, so a second Initialize on
// the same form never makes the hook call itself.
void Hook(rt::TNotifyEvent& handler, rt::TNotifyEvent& saved, const rt::TNotifyEvent& hook) {
    if (handler == hook) return;
    saved = handler;
    handler = hook;
}

}  // namespace

TDLLRPCtrller::~TDLLRPCtrller() {
    if (Form != nullptr) FreeForm();
}

std::string TDLLRPCtrller::GetVersion() { return Form != nullptr ? shellForm_->VersionText() : std::string(); }

LongBool TDLLRPCtrller::GetVisible() { return Form != nullptr && Form->Visible() ? LongTrue : LongFalse; }

void TDLLRPCtrller::SetVisible(WordBool Value) {
    if (Form == nullptr) return;
    const bool visible = Value != 0;
    Form->SetVisible(visible);
    if (!visible) return;
    if (Form->WindowState() == rt::wsMinimized) Form->SetWindowState(rt::wsNormal);
    if (Form->CanFocus()) Form->SetFocus();
}

rt::HWND TDLLRPCtrller::GetHandle() { return Form != nullptr ? Form->Handle() : 0; }

int32_t TDLLRPCtrller::Initialize(const rt::Variant& Params) {
    const rt::Variant params = Params;
    int32_t result = -1;
    if (Form == nullptr) {
        CreateForm();
        shellForm_->SetModulePath(OwnModulePath());
        shellForm_->SetSessionObject(Session);
        DoCreated();
    }
    HookForm();
    if (shellForm_->InitForm(params)) result = 0;
    return result;
}

void TDLLRPCtrller::CreateForm() {
    if (frmBaseGeneClass == nullptr) throw rt::Exception(kNoFormClass);
    if (!frmBaseGeneClass->InheritsFrom(rt::TCustomForm::StaticClass()) || !frmBaseGeneClass->CanCreate()) {
        throw rt::EInvalidOperation("The registered form class " + frmBaseGeneClass->ClassName() +
                                    " cannot be created as a form");
    }
    auto* form = static_cast<rt::TCustomForm*>(frmBaseGeneClass->CreateInstance(nullptr));
    auto* shellForm = dynamic_cast<IShellForm*>(form);
    try {
        if (shellForm == nullptr) {
            throw rt::EInvalidOperation("The registered form class " + frmBaseGeneClass->ClassName() +
                                        " does not serve the controller");
        }
        form->AfterConstruction();
    } catch (...) {
        delete form;
        throw;
    }
    Form = form;
    shellForm_ = shellForm;
}

void TDLLRPCtrller::HookForm() {
    Hook(Form->OnShow, SavedOnShow, rt::TNotifyEvent::Of<&TDLLRPCtrller::DoShow>(this));
    Hook(Form->OnHide, SavedOnHide, rt::TNotifyEvent::Of<&TDLLRPCtrller::DoHide>(this));
    Hook(Form->OnDestroy, SavedOnDestroy, rt::TNotifyEvent::Of<&TDLLRPCtrller::DoDestroy>(this));
}

int32_t TDLLRPCtrller::ForwardStartParams(bool flag, const rt::Variant& value) {
    try {
        shellForm_->ApplyStartParams(rt::Variant::ArrayOf({rt::Variant(flag), value}));
        return 0;
    } catch (...) {
        return -1;
    }
}

int32_t TDLLRPCtrller::ApplyParams(const rt::Variant& Params) {
    if (Form == nullptr || Params.IsNull() || !Params.IsArray()) return -1;
    try {
        return ForwardStartParams(true, Params[1]);
    } catch (...) {
        // An array without element 1 is refused like any other bad argument.
        return -1;
    }
}

int32_t TDLLRPCtrller::HostMessage(int32_t Kind, uint32_t, const rt::Variant& Data) {
    if (Form == nullptr || (Kind != hmStartParams && Kind != hmStartParamsAgain)) return -1;
    return ForwardStartParams(false, Data);
}

rt::Variant TDLLRPCtrller::ShowModal() {
    if (Form == nullptr) return rt::Variant(static_cast<int32_t>(rt::mrCancel));
    return rt::Variant(static_cast<int32_t>(Form->ShowModal()));
}

void TDLLRPCtrller::FreeForm() {
    if (Form == nullptr || Form->ComponentState().Contains(rt::csDestroying)) return;
    Form->Free();
}

int32_t TDLLRPCtrller::GetProgramInfo(rt::Variant& Info) {
    if (Form == nullptr) return -1;
    Info = rt::Variant::ArrayOf({rt::Variant(shellForm_->UserID()), rt::Variant(shellForm_->CompanyID()),
                                 rt::Variant(shellForm_->ProgramCode()), rt::Variant(shellForm_->ProgramName())});
    return 0;
}

bool TDLLRPCtrller::IsFormFreed() { return Form == nullptr; }

void TDLLRPCtrller::DoShow(rt::TObject* Sender) {
    SavedOnShow(Sender);
    TDLLBaseController::DoShow(Sender);
}

void TDLLRPCtrller::DoHide(rt::TObject* Sender) {
    SavedOnHide(Sender);
    TDLLBaseController::DoHide(Sender);
}

void TDLLRPCtrller::DoDestroy(rt::TObject* Sender) {
    if (Form != nullptr) {
        ResultCode = shellForm_->FormResultCode();
        ResultData = shellForm_->FormResultData();
        // Cleared before the handlers run, so a handler that frees the
        // controller or asks IsFormFreed sees the form as gone.
        Form = nullptr;
        shellForm_ = nullptr;
        // Nothing of this object is touched after the handlers: the shell may free it on event 304.
        SavedOnDestroy(Sender);
        TDLLBaseController::DoDestroy(Sender);
        return;
    }
    shellForm_ = nullptr;
}

void InitDLLRPCtrller() { DLLControllerClass = TDLLRPCtrller::StaticClass(); }

}  // namespace hemr
