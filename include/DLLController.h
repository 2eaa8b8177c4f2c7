#pragma once
// The controller a report plug-in hands to the client shell. The shell loads
// the library, resolves GetController and drives the returned object through
// this table of operations only; its order is the contract between the two.

#include <cstdint>
#include <string>

#include "platform/classes/TEvent.h"
#include "platform/controls/Messages.h"
#include "platform/core/Variant.h"

namespace rt {
class TObject;
}

namespace hemr {

// A 32-bit boolean: every bit set for true.
using LongBool = int32_t;
inline constexpr LongBool LongTrue = -1;
inline constexpr LongBool LongFalse = 0;
// A 16-bit boolean: any value but 0 is true.
using WordBool = int16_t;

// Event codes the controller reports through OnEvent.
inline constexpr int32_t evFormCreated = 0x100;
inline constexpr int32_t evFormShown = 0x110;
inline constexpr int32_t evFormHidden = 0x120;
inline constexpr int32_t evFormDestroyed = 0x130;
inline constexpr int32_t evFormClosed = 0x140;

// Host messages that carry start parameters to the form.
inline constexpr int32_t hmStartParams = 5;
inline constexpr int32_t hmStartParamsAgain = 9;

class IDLLController;

using TControllerEvent = rt::TEvent<void(int32_t Code, IDLLController* Sender)>;

class IDLLController {
public:
    // Written by the shell before Initialize: its server-session object.
    rt::Variant Session;
    // The outcome of the last destroyed form: 0 nothing done, 1 submitted, 2 cancelled.
    int32_t ResultCode = 0;
    // For ResultCode 1 the job identifier; otherwise unassigned.
    rt::Variant ResultData;
    // May stay unassigned.
    TControllerEvent OnEvent;

    virtual std::string GetVersion() = 0;
    virtual LongBool GetVisible() = 0;
    virtual void SetVisible(WordBool Value) = 0;
    virtual rt::HWND GetHandle() = 0;
    // 0 when the form accepted the parameters, -1 otherwise.
    virtual int32_t Initialize(const rt::Variant& Params) = 0;
    virtual int32_t ApplyParams(const rt::Variant& Params) = 0;
    virtual int32_t HostMessage(int32_t Kind, uint32_t Reserved, const rt::Variant& Data) = 0;
    virtual rt::Variant ShowModal() = 0;
    virtual void FreeForm() = 0;
    virtual int32_t GetProgramInfo(rt::Variant& Info) = 0;
    virtual bool IsFormFreed() = 0;
    virtual void DoCreated() = 0;
    virtual void DoShow(rt::TObject* Sender) = 0;
    virtual void DoHide(rt::TObject* Sender) = 0;
    virtual void DoDestroy(rt::TObject* Sender) = 0;
    virtual void DoClose() = 0;
    virtual void DoEvent(int32_t Code) = 0;
    virtual void Reserved() = 0;

    // Frees the form first when one is still open.
    virtual ~IDLLController() = default;
};

// The library's only export; every call returns a new controller owned by the caller.
extern "C" {
typedef IDLLController* (*TGetControllerFn)();
}
inline constexpr const char* GetControllerSymbol = "GetController";

}  // namespace hemr
