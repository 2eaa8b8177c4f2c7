#include <gtest/gtest.h>

#include <memory>

#include "platform/classes/TypInfo.h"
#include "platform/forms/TScreen.h"
#include "src/shell/DLLFunc.h"
#include "tests/src/shell/StandInForm.h"
#include "tests/src/shell/ShellTestSupport.h"

namespace {

using hemr::IDLLController;
using hemr::TDLLRPCtrller;
using hemr_test::TEventLog;

// The controller is tested with the stand-in form, which keeps what it is sent.
class ControllerTest : public hemr_test::ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        saved_ = hemr::frmBaseGeneClass;
        hemr::frmBaseGeneClass = hemr_test::TfrmStandIn::StaticClass();
    }
    void TearDown() override {
        hemr::frmBaseGeneClass = saved_;
        ShellTest::TearDown();
    }
    std::unique_ptr<IDLLController> NewController() {
        std::unique_ptr<IDLLController> c(GetController());
        c->OnEvent = log.Handler();
        return c;
    }
    static hemr_test::TfrmStandIn* FormOf(IDLLController& c) {
        return dynamic_cast<hemr_test::TfrmStandIn*>(static_cast<TDLLRPCtrller&>(c).Form);
    }

    TEventLog log;

private:
    rt::TClass saved_ = nullptr;
};

// Records calls of the form's own show/hide/destroy handlers.
class THandlerLog : public rt::TObject {
    RT_CLASS(THandlerLog, rt::TObject)
public:
    THandlerLog(std::vector<int32_t>& events) : events_(events) {}
    void Shown(rt::TObject*) { events_.push_back(1); }
    void Hidden(rt::TObject*) { events_.push_back(2); }
    void Destroyed(rt::TObject*) { events_.push_back(3); }

private:
    std::vector<int32_t>& events_;
};

TEST_F(ControllerTest, EachCallGivesANewControllerOfTheRegisteredClass) {
    auto a = NewController();
    auto b = NewController();
    EXPECT_NE(a.get(), b.get());
    EXPECT_NE(dynamic_cast<TDLLRPCtrller*>(a.get()), nullptr);
}

TEST_F(ControllerTest, WithoutAFormEveryOperationAnswersItsNoFormValue) {
    auto c = NewController();
    EXPECT_EQ(c->GetVersion(), "");
    EXPECT_EQ(c->GetVisible(), hemr::LongFalse);
    c->SetVisible(-1);
    EXPECT_EQ(c->GetHandle(), 0);
    EXPECT_EQ(c->ApplyParams(DefaultParams()), -1);
    EXPECT_EQ(c->HostMessage(5, 0, "x"), -1);
    EXPECT_TRUE(c->ShowModal().SameAs(rt::Variant(2))) << "no form means the cancel result";
    rt::Variant info("untouched");
    EXPECT_EQ(c->GetProgramInfo(info), -1);
    EXPECT_TRUE(info.SameAs(rt::Variant("untouched"))) << "GetProgramInfo leaves its argument alone";
    c->FreeForm();
    EXPECT_TRUE(c->IsFormFreed());
    EXPECT_TRUE(log.codes.empty()) << "nothing happened, so nothing was reported";
}

TEST_F(ControllerTest, InitializeCreatesTheFormAndReportsItsProgramInfo) {
    auto c = NewController();
    c->Session = "session";
    ASSERT_EQ(c->Initialize(DefaultParams()), 0);
    EXPECT_EQ(log.codes, (std::vector<int32_t>{0x100}));
    EXPECT_EQ(log.senders.front(), c.get()) << "the controller is the sender";
    hemr_test::TfrmStandIn* form = FormOf(*c);
    ASSERT_NE(form, nullptr);
    EXPECT_FALSE(c->IsFormFreed());
    EXPECT_EQ(form->Owner(), nullptr) << "the form has no owner";
    EXPECT_TRUE(form->SessionObject().SameAs(rt::Variant("session")));
    EXPECT_FALSE(form->ModulePath().empty());
    EXPECT_EQ(c->GetVersion(), "870401-0.00.00");
    EXPECT_NE(c->GetHandle(), 0);
    rt::Variant info;
    ASSERT_EQ(c->GetProgramInfo(info), 0);
    ASSERT_EQ(info.LowBound(), 0);
    ASSERT_EQ(info.HighBound(), 3);
    EXPECT_EQ(info[0].ToString(), "796");
    EXPECT_EQ(info[1].ToString(), "KWTest60");
    EXPECT_EQ(info[2].ToString(), form->ProgramCode());
    EXPECT_TRUE(info[3].IsString());
}

TEST_F(ControllerTest, RefusedParametersGiveMinusOneButKeepTheForm) {
    auto c = NewController();
    EXPECT_EQ(c->Initialize(rt::Variant("not an array")), -1);
    EXPECT_FALSE(c->IsFormFreed());
    EXPECT_EQ(c->Initialize(DefaultParams()), 0) << "the same form takes proper parameters later";
    EXPECT_EQ(c->Initialize(DefaultParams()), -1) << "a form is initialised once";
    EXPECT_EQ(log.codes, (std::vector<int32_t>{0x100})) << "one form, one creation event";
}

TEST_F(ControllerTest, ModalRunFiresCreatedShownHiddenDestroyedWithTheCancelResult) {
    auto c = NewController();
    ASSERT_EQ(c->Initialize(DefaultParams()), 0);
    rt::Variant modal = c->ShowModal();
    EXPECT_TRUE(modal.SameAs(rt::Variant(2))) << "Escape cancels";
    rt::Application().ProcessMessages();
    EXPECT_EQ(log.codes, (std::vector<int32_t>{0x100, 0x110, 0x120, 0x130}));
    EXPECT_EQ(c->ResultCode, 2);
    EXPECT_TRUE(c->ResultData.IsEmpty());
    EXPECT_TRUE(c->IsFormFreed());
    c->FreeForm();
    EXPECT_EQ(log.codes.size(), 4u) << "FreeForm after the form went is harmless";
}

// The shell may free the form from inside its modal loop (a scenario's FreeForm step).
TEST_F(ControllerTest, FreeFormDuringTheModalLoopEndsItWithOneDestroyEvent) {
    auto c = NewController();
    ASSERT_EQ(c->Initialize(DefaultParams()), 0);
    rt::Application().SetModalDriver([&](rt::TCustomForm&) {
        c->FreeForm();
        c->FreeForm();
    });
    EXPECT_TRUE(c->ShowModal().SameAs(rt::Variant(2))) << "ended as cancelled";
    rt::Application().ProcessMessages();
    EXPECT_EQ(log.codes, (std::vector<int32_t>{0x100, 0x110, 0x120, 0x130})) << "event 304 once";
    EXPECT_TRUE(c->IsFormFreed());
}

TEST_F(ControllerTest, ModelessFormShowsAndHidesThroughSetVisible) {
    auto c = NewController();
    ASSERT_EQ(c->Initialize(DefaultParams()), 0);
    FormOf(*c)->SetWindowState(rt::wsMinimized);
    c->SetVisible(-1);
    EXPECT_EQ(c->GetVisible(), hemr::LongTrue) << "true has every bit set";
    EXPECT_EQ(FormOf(*c)->WindowState(), rt::wsNormal) << "a minimised form is restored";
    EXPECT_EQ(rt::Screen().ActiveForm(), FormOf(*c)) << "and brought to the front";
    c->SetVisible(0);
    EXPECT_EQ(c->GetVisible(), hemr::LongFalse);
    EXPECT_EQ(log.codes, (std::vector<int32_t>{0x100, 0x110, 0x120}));
}

TEST_F(ControllerTest, StartParametersReachTheFormOnlyThroughApplyParamsAndKindsFiveAndNine) {
    auto c = NewController();
    ASSERT_EQ(c->Initialize(DefaultParams()), 0);
    hemr_test::TfrmStandIn* form = FormOf(*c);
    EXPECT_EQ(c->HostMessage(7, 0, "seven"), -1);
    EXPECT_EQ(form->StartParamsCount(), 0) << "kind 7 does not touch the form";
    EXPECT_EQ(c->HostMessage(5, 123, "five"), 0);
    EXPECT_EQ(form->ReceivedParams(), "\"five\"") << "the form receives Data itself";
    EXPECT_EQ(c->HostMessage(9, 0, rt::Variant::ArrayOf({1, 2})), 0);
    EXPECT_EQ(form->ReceivedParams(), R"({"items":[1,2],"low":0})");

    EXPECT_EQ(c->ApplyParams(rt::Variant::Null()), -1);
    EXPECT_EQ(c->ApplyParams(rt::Variant("text")), -1);
    EXPECT_EQ(c->ApplyParams(rt::Variant::ArrayOf({0})), -1) << "an array without element 1";
    EXPECT_EQ(form->StartParamsCount(), 2);
    EXPECT_EQ(c->ApplyParams(rt::Variant::ArrayOf({"mode", "conditions"})), 0);
    EXPECT_EQ(form->ReceivedParams(), "\"conditions\"") << "the form receives element 1 of Params";
}

TEST_F(ControllerTest, TheFormsOwnHandlersStillRunBeforeTheControllersEvents) {
    std::vector<int32_t> order;
    THandlerLog handlers(order);
    log.onEvent = [&](int32_t code) { order.push_back(code); };
    auto c = NewController();
    ASSERT_EQ(c->Initialize(rt::Variant("refused")), -1);
    rt::TCustomForm* form = static_cast<TDLLRPCtrller&>(*c).Form;
    // Handlers the form got after the first hooking are kept by the second Initialize.
    form->OnShow = rt::TNotifyEvent::Of<&THandlerLog::Shown>(&handlers);
    form->OnHide = rt::TNotifyEvent::Of<&THandlerLog::Hidden>(&handlers);
    form->OnDestroy = rt::TNotifyEvent::Of<&THandlerLog::Destroyed>(&handlers);
    ASSERT_EQ(c->Initialize(DefaultParams()), 0);
    ASSERT_EQ(c->Initialize(DefaultParams()), -1) << "a third call hooks nothing twice";
    c->SetVisible(-1);
    c->SetVisible(0);
    c->FreeForm();
    EXPECT_EQ(order, (std::vector<int32_t>{0x100, 1, 0x110, 2, 0x120, 3, 0x130}))
        << "each own handler once, before the controller's event, never the hook calling itself";
}

TEST_F(ControllerTest, FreeingTheControllerWithTheFormOpenFreesTheFormFirst) {
    auto c = NewController();
    ASSERT_EQ(c->Initialize(DefaultParams()), 0);
    c->SetVisible(-1);
    const int forms = rt::Screen().FormCount();
    c.reset();
    EXPECT_EQ(rt::Screen().FormCount(), forms - 1) << "the form went with the controller";
    ASSERT_FALSE(log.codes.empty());
    EXPECT_EQ(log.codes.back(), 0x130) << "event 304 fires while the controller is freed";
}

TEST_F(ControllerTest, TheShellMayFreeTheControllerFromItsDestroyEvent) {
    IDLLController* c = GetController();
    c->OnEvent = log.Handler();
    log.onEvent = [&](int32_t code) {
        if (code == 0x130) delete c;
    };
    ASSERT_EQ(c->Initialize(DefaultParams()), 0);
    c->FreeForm();
    EXPECT_EQ(log.codes.back(), 0x130);
}

TEST_F(ControllerTest, MissingRegistrationsRaiseTheInternalErrors) {
    const rt::TClass controllerClass = hemr::DLLControllerClass;
    const rt::TClass formClass = hemr::frmBaseGeneClass;
    hemr::DLLControllerClass = nullptr;
    try {
        delete GetController();
        ADD_FAILURE() << "GetController without a controller class must raise";
    } catch (const rt::Exception& e) {
        EXPECT_EQ(e.Message(), "NVR DLL Internal Error :\rNot Assign \"DLLControllerClass\" varible");
    }
    hemr::DLLControllerClass = controllerClass;

    hemr::frmBaseGeneClass = nullptr;
    auto c = NewController();
    try {
        c->Initialize(DefaultParams());
        ADD_FAILURE() << "Initialize without a form class must raise";
    } catch (const rt::Exception& e) {
        EXPECT_EQ(e.Message(), "NVR DLL Internal Error :\rNot Assign \"frmBaseGeneClass\" varible");
    }
    hemr::frmBaseGeneClass = formClass;
    EXPECT_TRUE(c->IsFormFreed());
    EXPECT_TRUE(log.codes.empty());
}

}  // namespace
