#pragma once
// A generic condition form with the condition controls the field-hook tests
// need, made in code before InitForm (so the form records their colours), and
// a recorder for the controls' own handlers.

#include <string>
#include <vector>

#include "platform/buttons/TSpeedButton.h"
#include "platform/comctrls/TPageControl.h"
#include "platform/comctrls/TTabSheet.h"
#include "platform/maskedit/TMaskEdit.h"
#include "platform/stdctrls/TButton.h"
#include "platform/stdctrls/TEdit.h"
#include "src/controls/SelectPanel.h"
#include "src/controls/TarnListView.h"
#include "src/controls/TarnMaskEdit.h"
#include "tests/src/framework/GeneFormFixture.h"

namespace hemr_test {

class TfrmHookTest : public hemr::TfrmBaseGene {
    RT_CLASS(TfrmHookTest, hemr::TfrmBaseGene)

public:
    explicit TfrmHookTest(rt::TComponent* owner) : hemr::TfrmBaseGene(owner) {}

    void SetupConnection(rt::TRemoteConnection& Connection) override {
        hemr::TfrmBaseGene::SetupConnection(Connection);
        Connection.SetServerName(hemr::TfrmBaseOpt::ReportCounterProgID);
    }
    using hemr::TfrmBaseGene::F2Handling;
};

// The controls' own handlers: who ran, in order.
class THandlerLog : public rt::TObject {
    RT_CLASS(THandlerLog, rt::TObject)
public:
    void Enter(rt::TObject* Sender) { calls.push_back(NameOf(Sender) + ".Enter"); }
    void Exit(rt::TObject* Sender) { calls.push_back(NameOf(Sender) + ".Exit"); }
    void Click(rt::TObject* Sender) { calls.push_back(NameOf(Sender) + ".Click"); }

    int Count(const std::string& call) const {
        int n = 0;
        for (const std::string& c : calls) n += c == call ? 1 : 0;
        return n;
    }
    std::vector<std::string> calls;

private:
    static std::string NameOf(rt::TObject* sender) {
        auto* c = dynamic_cast<rt::TComponent*>(sender);
        return c != nullptr ? c->Name() : "?";
    }
};

class FieldHooksTest : public GeneFormTest {
protected:
    // A shown form in date layout `layout` with ed03 (mask edit), edPlain (edit)
    // and sp01 (selection panel) on the first page, their own exit handlers
    // and btnOk's own click handler logged.
    TfrmHookTest* HookForm(const std::string& layout = "1") {
        for (auto& [name, value] : fake->counter->settings)
            if (name == "Sys001") value = layout;
        TfrmHookTest* form = NewForm<TfrmHookTest>();
        form->SetName("frmHemr07");
        ed03 = Add<rt::TMaskEdit>(form, "ed03");
        edPlain = Add<rt::TEdit>(form, "edPlain");
        sp01 = Add<hemr::TSelectPanel>(form, "sp01");
        for (rt::TWinControl* c : {static_cast<rt::TWinControl*>(ed03), static_cast<rt::TWinControl*>(edPlain)}) {
            c->OnExit = rt::TNotifyEvent::Of<&THandlerLog::Exit>(&log);
            c->OnEnter = rt::TNotifyEvent::Of<&THandlerLog::Enter>(&log);
        }
        form->btnOk->OnClick = rt::TNotifyEvent::Of<&THandlerLog::Click>(&log);
        EXPECT_TRUE(form->InitForm(FullParams())) << DialogTexts();
        form->Show();
        return form;
    }
    template <class T>
    static T* Add(hemr::TfrmBaseGene* form, const std::string& name, rt::TWinControl* parent = nullptr) {
        auto* c = new T(form);
        c->SetName(name);
        c->SetParent(parent != nullptr ? parent : form->tsOption1);
        return c;
    }
    static int DialogCount() { return static_cast<int>(Dialogs().Dialogs().size()); }

    THandlerLog log;
    rt::TMaskEdit* ed03 = nullptr;
    rt::TEdit* edPlain = nullptr;
    hemr::TSelectPanel* sp01 = nullptr;
};

inline constexpr rt::TColor kRequired = 11534335;

}  // namespace hemr_test
