#pragma once
// The module registered as its plug-in start would, an install folder of the
// test's own, an event recorder for controllers and a modal driver that
// presses keys on whichever form is modal.

#include <functional>
#include <vector>

#include "include/DLLController.h"
#include "platform/controls/VirtualKeys.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TCustomForm.h"
#include "src/shell/DLLRPCtrller.h"
#include "src/shell/Hemr07C.h"
#include "tests/src/environment/LangTestSupport.h"

namespace hemr_test {

inline void StartModule() {
    static const bool started = [] {
        hemr::InitDLLRPCtrller();
        hemr::Hemr07CMain();
        return true;
    }();
    (void)started;
}

class TEventLog : public rt::TObject {
    RT_CLASS(TEventLog, rt::TObject)
public:
    void Record(int32_t Code, hemr::IDLLController* Sender) {
        codes.push_back(Code);
        senders.push_back(Sender);
        if (onEvent) onEvent(Code);
    }
    hemr::TControllerEvent Handler() { return hemr::TControllerEvent::Of<&TEventLog::Record>(this); }

    std::vector<int32_t> codes;
    std::vector<hemr::IDLLController*> senders;
    std::function<void(int32_t)> onEvent;
};

// Presses `key` on the modal form's focused control (the form itself when none).
inline void PressKey(rt::TCustomForm& form, uint16_t key) {
    rt::TWinControl* target = form.ActiveControl() != nullptr ? form.ActiveControl() : &form;
    target->HandleKeyDown(key, rt::TShiftState{});
    rt::Application().ProcessMessages();
}

class ShellTest : public LangHome {
protected:
    void SetUp() override {
        LangHome::SetUp();
        acp_ = std::make_unique<rt::test::ScopedEnv>("NVR_ACP", "936");
        StartModule();
        rt::Application().Reset();
        rt::Application().DialogDriver().Reset();
        rt::Application().SetModalDriver([](rt::TCustomForm& form) { PressKey(form, rt::VK_ESCAPE); });
    }
    void TearDown() override {
        rt::Application().SetModalDriver({});
        rt::Application().ProcessMessages();
    }

    static rt::Variant DefaultParams() {
        return rt::Variant::ArrayOf({"796", "KWTest60", "KWTest60", 0, ""});
    }

    std::unique_ptr<rt::test::ScopedEnv> acp_;
};

}  // namespace hemr_test
