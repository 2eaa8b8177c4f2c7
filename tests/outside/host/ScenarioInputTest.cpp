// Scenario steps reach the forms the way a user's input does: through the
// toolkit's input injector, with the key preview, exit checks, guarded
// handlers and nested modal windows (the F2 lookup window) that implies.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "include/DLLController.h"
#include "outside/appserver/F2WindowDriver.h"
#include "outside/appserver/ServerStore.h"
#include "outside/appserver/SessionManager.h"
#include "outside/appserver/ToolkitF2WindowDriver.h"
#include "outside/host/ScenarioRunner.h"
#include "platform/comctrls/TListView.h"
#include "platform/controls/KeyNames.h"
#include "platform/controls/VirtualKeys.h"
#include "platform/core/Exceptions.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TForm.h"
#include "platform/grids/TStringGrid.h"
#include "platform/stdctrls/TButton.h"
#include "platform/stdctrls/TEdit.h"
#include "tests/outside/host/TranscriptCapture.h"
#include "tests/platform/os/TempFolder.h"

using nlohmann::json;

namespace {

// A condition form in miniature: ed01 keeps the focus while it is empty,
// F2 in ed02 asks the F2 window service for a company, F9 in ed01 fails.
class TScenarioForm : public rt::TForm {
    RT_CLASS(TScenarioForm, rt::TForm)

public:
    TScenarioForm(rt::TComponent* owner, rt::Variant f2) : rt::TForm(owner), f2_(std::move(f2)) {
        SetName("frmScenario");
        SetKeyPreview(true);
        OnKeyDown = rt::TKeyEvent::Of<&TScenarioForm::FormKeyDown>(this);
        ed01 = Add<rt::TEdit>("ed01");
        ed01->OnExit = rt::TNotifyEvent::Of<&TScenarioForm::ed01Exit>(this);
        ed01->OnKeyDown = rt::TKeyEvent::Of<&TScenarioForm::ed01KeyDown>(this);
        ed02 = Add<rt::TEdit>("ed02");
        ed02->OnKeyDown = rt::TKeyEvent::Of<&TScenarioForm::ed02KeyDown>(this);
        lvItems = Add<rt::TListView>("lvItems");
        for (const char* caption : {"甲", "乙", "丙"}) lvItems->Items()->Add()->SetCaption(caption);
        btnOk = Add<rt::TButton>("btnOk");
        btnOk->SetDefault(true);
        btnOk->SetModalResult(rt::mrOk);
        btnOk->OnClick = rt::TNotifyEvent::Of<&TScenarioForm::btnOkClick>(this);
        btnCancel = Add<rt::TButton>("btnCancel");
        btnCancel->SetCancel(true);
        btnCancel->SetModalResult(rt::mrCancel);
        sgItems = Add<rt::TStringGrid>("sgItems");
        sgItems->SetCells(1, 2, "乙");
    }

    std::vector<std::string> previewed;
    int okClicks = 0;
    rt::TEdit *ed01, *ed02;
    rt::TListView* lvItems;
    rt::TButton *btnOk, *btnCancel;
    rt::TStringGrid* sgItems;

private:
    template <class T>
    T* Add(const char* name) {
        auto* c = new T(this);
        c->SetName(name);
        c->SetParent(this);
        c->SetBounds(8, 8 + 30 * ControlCount(), 120, 24);
        return c;
    }
    void FormKeyDown(rt::TObject*, uint16_t& key, rt::TShiftState shift) { previewed.push_back(rt::KeyName(key, shift)); }
    void ed01Exit(rt::TObject*) {
        if (ed01->GetText().empty()) ed01->SetFocus();
    }
    void ed01KeyDown(rt::TObject*, uint16_t& key, rt::TShiftState) {
        if (key == rt::VK_F9) throw rt::Exception("没有这个功能");
    }
    void ed02KeyDown(rt::TObject*, uint16_t& key, rt::TShiftState) {
        if (key != rt::VK_F2) return;
        key = 0;
        const rt::Variant request = rt::Variant::ArrayOf({"TAXMA", "01", rt::Variant(), false, "", "01", "DEMO", 0, 1,
                                                          false, 3, "", "", "", "", true, true, rt::Variant(), "DS"});
        const rt::Variant chosen = f2_.Call("F2GetData", {request});
        if (chosen.IsArray()) ed02->SetText(chosen[0][0].ToString());
    }
    void btnOkClick(rt::TObject*) { ++okClicks; }

    rt::Variant f2_;
};

// The plug-in's controller as far as the scenario runner needs one: its form, shown modally.
class TFormController : public hemr::IDLLController {
public:
    explicit TFormController(rt::TForm& form) : form_(form) {}
    std::string GetVersion() override { return "test"; }
    hemr::LongBool GetVisible() override { return form_.Visible() ? hemr::LongTrue : hemr::LongFalse; }
    void SetVisible(hemr::WordBool value) override { form_.SetVisible(value != 0); }
    rt::HWND GetHandle() override { return form_.Handle(); }
    int32_t Initialize(const rt::Variant&) override { return 0; }
    int32_t ApplyParams(const rt::Variant&) override { return 0; }
    int32_t HostMessage(int32_t, uint32_t, const rt::Variant&) override { return 0; }
    rt::Variant ShowModal() override { return static_cast<int>(form_.ShowModal()); }
    void FreeForm() override {}
    int32_t GetProgramInfo(rt::Variant&) override { return 0; }
    bool IsFormFreed() override { return false; }
    void DoCreated() override {}
    void DoShow(rt::TObject*) override {}
    void DoHide(rt::TObject*) override {}
    void DoDestroy(rt::TObject*) override {}
    void DoClose() override {}
    void DoEvent(int32_t) override {}
    void Reserved() override {}

private:
    rt::TForm& form_;
};

class ScenarioInput : public ::testing::Test {
protected:
    void SetUp() override {
        rt::Application().Reset();
        rt::Application().DialogDriver().Reset();
        appserver::SetF2WindowDriver(nullptr);
        appserver::InstallToolkitF2WindowDriver();
        form = new TScenarioForm(&rt::Application(), session.Get("Com_F2Window"));
        form->AfterConstruction();
    }
    void TearDown() override {
        form->Free();
        appserver::SetF2WindowDriver(nullptr);
        rt::Application().Reset();
    }

    // Runs the steps inside the form's modal loop, as the shell does; true when no step failed.
    bool Run(const json& steps) {
        TFormController controller(*form);
        bool failed = false;
        {
            host::ScenarioRunner runner(steps, controller, out.transcript);
            runner.Install();
            controller.ShowModal();
            failed = runner.Failed();
        }
        return !failed;
    }
    std::vector<json> LinesWith(const char* kind) {
        std::vector<json> found;
        for (const json& line : out.Lines())
            if (line.contains(kind)) found.push_back(line);
        return found;
    }

    rt::test::TempFolder temp;
    rt::Variant session{
        rt::DispatchPtr(std::make_shared<appserver::SessionManager>(appserver::ServerStore::Open(temp.Path())))};
    TScenarioForm* form = nullptr;
    outside_test::TranscriptCapture out;
};

TEST_F(ScenarioInput, TheFollowingStepsDriveTheLookupWindowThatF2OpensAndTheChoiceLandsInTheField) {
    ASSERT_TRUE(Run(json::parse(R"([
        {"type": "x"}, {"focus": "ed02"}, {"key": "F2"},
        {"type": "east"}, {"key": "Enter"},
        {"get": {"control": "ed02", "property": "Text"}},
        {"click": "btnOk"}])")));
    const auto gets = LinesWith("get");
    ASSERT_EQ(gets.size(), 1u);
    EXPECT_EQ(gets[0]["value"], "03") << "the company chosen in the lookup window";
    EXPECT_EQ(form->ModalResult(), rt::mrOk) << "the steps after the lookup went back to the form";
}

TEST_F(ScenarioInput, AnExitCheckThatKeepsTheFocusStopsAClickWithoutFailingTheScenario) {
    ASSERT_TRUE(Run(json::parse(R"([{"click": "btnOk"}, {"type": "Ab1"}, {"click": "btnOk"}])")));
    EXPECT_EQ(form->okClicks, 1) << "the first click came to nothing, as a user's would";
    EXPECT_EQ(form->ed01->GetText(), "Ab1");
    EXPECT_TRUE(LinesWith("error").empty());
}

TEST_F(ScenarioInput, AFailingHandlerShowsTheErrorDialogAndTheScenarioGoesOn) {
    ASSERT_TRUE(Run(json::parse(R"([{"key": "F9"}, {"type": "y"}, {"key": "Enter"}])")));
    const auto dialogs = LinesWith("dialog");
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0]["dialog"]["kind"], "error");
    EXPECT_EQ(dialogs[0]["dialog"]["text"], "没有这个功能.");
    EXPECT_EQ(form->ed01->GetText(), "y");
    EXPECT_EQ(form->okClicks, 1) << "Enter clicks the default button";
}

TEST_F(ScenarioInput, KeysGoThroughTheKeyPreviewAndAnUnknownKeyStopsTheScenario) {
    EXPECT_FALSE(Run(json::parse(R"([{"key": "Ctrl+F3"}, {"key": "Hyper+Q"}, {"type": "never"}])")));
    ASSERT_FALSE(form->previewed.empty());
    EXPECT_EQ(form->previewed.front(), "Ctrl+F3") << "the form sees keys first, as with a user's";
    const auto errors = LinesWith("error");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0]["error"], "key: unknown key \"Hyper+Q\"");
    EXPECT_EQ(form->ed01->GetText(), "") << "the steps after a failed one do not run";
    EXPECT_EQ(form->ModalResult(), rt::mrCancel) << "the shell pressed Escape on the form left open";
}

TEST_F(ScenarioInput, SelectPicksOneItemOfAListViewAndRefusesAMissingOne) {
    ASSERT_TRUE(Run(json::parse(R"([{"select": {"control": "lvItems", "index": 1}}, {"type": "z"}])")));
    ASSERT_NE(form->lvItems->Selected(), nullptr);
    EXPECT_EQ(form->lvItems->Selected()->Caption(), "乙");
    EXPECT_EQ(form->lvItems->SelCount(), 1);
    EXPECT_FALSE(Run(json::parse(R"([{"select": {"control": "lvItems", "index": 3}}])")));
}

}  // namespace

TEST_F(ScenarioInput, GridCellsAreReadAndSelectedByRowAndColumn) {
    EXPECT_FALSE(Run(json::parse(R"([{"type": "x"},
        {"select": {"control": "sgItems", "cell": [2, 1]}},
        {"get": {"control": "sgItems", "cell": [2, 1]}},
        {"get": {"control": "sgItems", "property": "RowCount"}},
        {"select": {"control": "sgItems", "cell": [5, 1]}}])")));
    EXPECT_EQ(form->sgItems->Row(), 2);
    EXPECT_EQ(form->sgItems->Col(), 1);
    const auto gets = LinesWith("get");
    ASSERT_EQ(gets.size(), 2u);
    EXPECT_EQ(gets[0]["value"], "乙");
    EXPECT_EQ(gets[1]["value"], 5);
    const auto errors = LinesWith("error");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0]["error"], "select: sgItems has no cell [5, 1]");
}
