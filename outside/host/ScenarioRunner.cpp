#include "outside/host/ScenarioRunner.h"

#include <stdexcept>

#include "outside/host/ListViewSteps.h"
#include "outside/host/VariantText.h"
#include "platform/automation/VariantJson.h"
#include "platform/classes/TStrings.h"
#include "platform/classes/TypInfo.h"
#include "platform/comctrls/TListView.h"
#include "platform/comctrls/TPageControl.h"
#include "platform/controls/TWinControl.h"
#include "platform/controls/VirtualKeys.h"
#include "platform/core/Exceptions.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TCustomForm.h"
#include "platform/forms/TInputInjector.h"
#include "platform/forms/TScreen.h"
#include "platform/grids/TStringGrid.h"
#include "platform/menus/TMenuItem.h"
#include "platform/sysutils/StrUtils.h"

namespace host {

namespace {

// A step that cannot run; its text goes to the transcript.
struct StepError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

const char* KindName(rt::TMsgDlgType kind) {
    switch (kind) {
        case rt::mtWarning: return "warning";
        case rt::mtError: return "error";
        case rt::mtInformation: return "information";
        case rt::mtConfirmation: return "confirmation";
        default: return "custom";
    }
}

std::string TextOf(const nlohmann::json& value, const char* what) {
    if (!value.is_string()) throw StepError(std::string(what) + " must be a text");
    return value.get<std::string>();
}

}  // namespace

ScenarioRunner::ScenarioRunner(const nlohmann::json& steps, hemr::IDLLController& controller,
                               Transcript& transcript)
    : controller_(controller), transcript_(transcript) {
    for (const nlohmann::json& step : steps) steps_.push_back(step);
}

void ScenarioRunner::Install() {
    rt::Application().SetModalDriver([this](rt::TCustomForm& form) { Drive(form); });
    rt::Application().DialogDriver().SetCallback(
        [this](const rt::TDialogRecord& dialog) { return AnswerDialog(dialog); });
}

ScenarioRunner::~ScenarioRunner() {
    rt::Application().SetModalDriver({});
    rt::Application().DialogDriver().SetCallback({});
}

bool ScenarioRunner::StillOpen(const rt::TCustomForm* form) {
    for (int i = 0; i < rt::Screen().FormCount(); ++i)
        if (rt::Screen().Forms(i) == form) return form->Visible();
    return false;
}

void ScenarioRunner::Drive(rt::TCustomForm& form) {
    while (StillOpen(&form) && !steps_.empty()) {
        const nlohmann::json step = steps_.front();
        steps_.pop_front();
        RunStep(step);
        rt::Application().ProcessMessages();
    }
    if (StillOpen(&form)) PressEscape();
}

void ScenarioRunner::RunModeless() {
    while (!steps_.empty()) {
        const nlohmann::json step = steps_.front();
        steps_.pop_front();
        RunStep(step);
        rt::Application().ProcessMessages();
    }
    // Escape on every form still up, innermost (most recently active) first.
    for (int guard = 0; guard < 16; ++guard) {
        rt::TCustomForm* form = ActiveForm();
        if (form == nullptr || !form->Visible()) break;
        PressEscape();
        if (ActiveForm() == form && StillOpen(form)) break;
    }
}

void ScenarioRunner::PressEscape() { rt::Input().PressKey(rt::VK_ESCAPE); }

void ScenarioRunner::Fail(const std::string& text) {
    failed_ = true;
    transcript_.Error(text);
    // The remaining steps would run on a screen the scenario did not expect.
    steps_.clear();
}

void ScenarioRunner::RunStep(const nlohmann::json& step) {
    if (!step.is_object() || step.size() != 1) {
        Fail("a step is an object with one action: " + step.dump());
        return;
    }
    const std::string action = step.begin().key();
    const nlohmann::json& arg = step.begin().value();
    unansweredRepeats_ = 0;  // a step between two dialogs is no loop
    try {
        if (action == "focus") Focus(arg);
        else if (action == "type") Type(arg);
        else if (action == "key") Key(arg);
        else if (action == "click") Click(arg);
        else if (action == "dblclick") DoubleClick(arg);
        else if (action == "menu") Menu(arg);
        else if (action == "select") Select(arg);
        else if (action == "set") Set(arg);
        else if (action == "get") Get(arg);
        else if (action == "answer") Answer(arg);
        else if (action == "host") HostCall(arg);
        else if (action == "edit") EditCaption(arg);
        else throw StepError("unknown action \"" + action + "\"");
    } catch (const std::exception& e) {
        Fail(action + ": " + e.what());
    }
}

rt::TCustomForm* ScenarioRunner::ActiveForm() {
    if (rt::TCustomForm* modal = rt::Application().ModalForm()) return modal;
    return rt::Screen().ActiveForm();
}

rt::TComponent* ScenarioRunner::Find(const std::string& name) const {
    rt::TCustomForm* form = ActiveForm();
    if (form == nullptr) return nullptr;
    if (rt::SameText(form->Name(), name)) return form;
    return form->FindComponent(name);
}

rt::TComponent* ScenarioRunner::Require(const nlohmann::json& name) const {
    const std::string text = TextOf(name, "a component name");
    if (ActiveForm() == nullptr) throw StepError("no form is open");
    rt::TComponent* c = Find(text);
    if (c == nullptr) throw StepError("no component \"" + text + "\" on " + ActiveForm()->Name());
    return c;
}

void ScenarioRunner::Focus(const nlohmann::json& arg) {
    auto* control = dynamic_cast<rt::TWinControl*>(Require(arg));
    if (control == nullptr) throw StepError(arg.get<std::string>() + " cannot take the focus");
    control->SetFocus();
}

void ScenarioRunner::Type(const nlohmann::json& arg) {
    const std::string text = TextOf(arg, "the text to type");
    if (ActiveForm() == nullptr) throw StepError("no form is open");
    rt::Input().TypeText(text);
}

void ScenarioRunner::Key(const nlohmann::json& arg) {
    const std::string name = TextOf(arg, "the key");
    if (ActiveForm() == nullptr) throw StepError("no form is open");
    try {
        rt::Input().PressKey(name);
    } catch (const rt::EConvertError&) {
        throw StepError("unknown key \"" + name + "\"");
    }
}

// A point given in the control's client coordinates, for clicks where they
// matter (a list row, a page tab, a calendar day).
rt::TCustomForm& ScenarioRunner::PointOf(const nlohmann::json& arg, rt::TPoint& point) const {
    if (!arg.contains("control") || !arg.contains("x") || !arg.contains("y") || !arg["x"].is_number_integer() ||
        !arg["y"].is_number_integer())
        throw StepError("a click at a point needs {\"control\": NAME, \"x\": X, \"y\": Y}");
    auto* control = dynamic_cast<rt::TControl*>(Require(arg["control"]));
    if (control == nullptr) throw StepError(arg["control"].get<std::string>() + " cannot be clicked");
    if (!control->Showing()) throw StepError(control->Name() + " is hidden");
    point = control->ClientToRoot({arg["x"].get<int>(), arg["y"].get<int>()});
    return *ActiveForm();
}

void ScenarioRunner::DoubleClick(const nlohmann::json& arg) {
    rt::TPoint point;
    if (!arg.is_object()) {
        auto* control = dynamic_cast<rt::TControl*>(Require(arg));
        if (control == nullptr || !control->Showing()) throw StepError(arg.dump() + " cannot be clicked");
        point = control->ClientToRoot({control->Width() / 2, control->Height() / 2});
        rt::Input().DoubleClick(ActiveForm(), point);
        return;
    }
    rt::TCustomForm& form = PointOf(arg, point);
    rt::Input().DoubleClick(&form, point);
}

void ScenarioRunner::Click(const nlohmann::json& arg) {
    if (arg.is_object()) {
        rt::TPoint point;
        rt::TCustomForm& form = PointOf(arg, point);
        rt::Input().ClickAt(&form, point);
        return;
    }
    rt::TComponent* c = Require(arg);
    if (auto* item = dynamic_cast<rt::TMenuItem*>(c)) {
        item->Click();
        return;
    }
    auto* control = dynamic_cast<rt::TControl*>(c);
    if (control == nullptr) throw StepError(arg.get<std::string>() + " cannot be clicked");
    if (!control->Showing() || !control->EnabledInTree())
        throw StepError(arg.get<std::string>() + " is disabled or hidden");
    // Like a user's click, it may come to nothing: an exit check that keeps the focus elsewhere stops it.
    rt::Input().Click(control);
}

void ScenarioRunner::Menu(const nlohmann::json& arg) {
    auto* item = dynamic_cast<rt::TMenuItem*>(Require(arg));
    if (item == nullptr) throw StepError(arg.get<std::string>() + " is no menu item");
    item->Click();
}

void ScenarioRunner::Select(const nlohmann::json& arg) {
    if (arg.is_object() && arg.contains("control") && arg.contains("cell")) {
        SelectCell(Require(arg["control"]), arg["cell"]);
        return;
    }
    if (!arg.is_object() || !arg.contains("control") || !arg.contains("index") || !arg["index"].is_number_integer())
        throw StepError("select needs {\"control\": NAME, \"index\": N}");
    rt::TComponent* c = Require(arg["control"]);
    const int64_t index = arg["index"].get<int64_t>();
    if (auto* list = dynamic_cast<rt::TListView*>(c)) {
        SelectListItem(*list, index);
        return;
    }
    if (auto* pages = dynamic_cast<rt::TPageControl*>(c)) {
        SelectPage(*pages, index);
        return;
    }
    for (const char* property : {"ItemIndex", "ActivePageIndex", "TabIndex"}) {
        if (!rt::HasProperty(c, property)) continue;
        const rt::TPropResult r = rt::TrySetOrdProp(c, property, index);
        if (!r) throw StepError(r.Reason);
        return;
    }
    throw StepError(c->Name() + " has nothing to select");
}

namespace {

// A grid cell named as [row, column], inside the grid.
rt::TGridCoord GridCell(const rt::TStringGrid& grid, const nlohmann::json& cell) {
    if (!cell.is_array() || cell.size() != 2 || !cell[0].is_number_integer() || !cell[1].is_number_integer())
        throw StepError("a cell is [row, column]");
    const int64_t row = cell[0].get<int64_t>();
    const int64_t col = cell[1].get<int64_t>();
    if (row < 0 || col < 0 || row >= grid.RowCount() || col >= grid.ColCount())
        throw StepError(grid.Name() + " has no cell [" + std::to_string(row) + ", " + std::to_string(col) + "]");
    return {static_cast<int>(col), static_cast<int>(row)};
}

rt::TStringGrid& GridOf(rt::TComponent* c) {
    auto* grid = dynamic_cast<rt::TStringGrid*>(c);
    if (grid == nullptr) throw StepError(c->Name() + " is no grid");
    return *grid;
}

}  // namespace

// The cell becomes the grid's current cell as a click would make it: the
// grid takes the focus, and a move the form refuses comes to nothing.
void ScenarioRunner::SelectCell(rt::TComponent* c, const nlohmann::json& cell) {
    rt::TStringGrid& grid = GridOf(c);
    const rt::TGridCoord at = GridCell(grid, cell);
    if (at.X < grid.FixedCols() || at.Y < grid.FixedRows())
        throw StepError(grid.Name() + ": a fixed cell cannot be selected");
    if (grid.CanFocus()) grid.SetFocus();
    grid.SetRow(at.Y);
    grid.SetCol(at.X);
}

// Page N as a user reaches it, by its tab: a change the form refuses
// (OnChanging) comes to nothing, as a click would; a hidden tab is an error.
void ScenarioRunner::SelectPage(rt::TPageControl& pages, int64_t index) {
    if (index < 0 || index >= pages.PageCount())
        throw StepError(pages.Name() + " has no page " + std::to_string(index));
    rt::TTabSheet* page = pages.Pages(static_cast<int>(index));
    if (page == pages.ActivePage()) return;
    for (int tab = 0; tab < pages.TabCount(); ++tab) {
        if (pages.PageForTab(tab) != page) continue;
        pages.ClickTab(tab);
        return;
    }
    throw StepError(pages.Name() + " shows no tab for page " + std::to_string(index));
}

void ScenarioRunner::SelectListItem(rt::TListView& list, int64_t index) {
    if (index < -1 || index >= list.Items()->Count())
        throw StepError(list.Name() + " has no item " + std::to_string(index));
    rt::TListItem* item = index < 0 ? nullptr : list.Items()->Item(static_cast<int>(index));
    list.SetSelected(item);
    if (item != nullptr) list.SetItemFocused(item);
}

void ScenarioRunner::Set(const nlohmann::json& arg) {
    if (!arg.is_object() || !arg.contains("control") || !arg.contains("property") || !arg.contains("value"))
        throw StepError("set needs {\"control\": NAME, \"property\": PATH, \"value\": V}");
    rt::TComponent* c = Require(arg["control"]);
    const std::string path = TextOf(arg["property"], "the property");
    // A list, an object or null would reach a text property as its JSON spelling.
    const nlohmann::json& value = arg["value"];
    if (!value.is_string() && !value.is_number() && !value.is_boolean())
        throw StepError(path + " takes a text, a number or true/false, not " +
                        std::string(value.type_name()));
    const rt::TPropResult r = rt::TrySetPropText(c, path, PropertyTextOf(value));
    if (!r) throw StepError(r.Reason);
}

void ScenarioRunner::Get(const nlohmann::json& arg) {
    if (arg.is_object() && arg.contains("control") && (arg.contains("items") || arg.contains("item"))) {
        GetListItems(arg);
        return;
    }
    if (arg.is_object() && arg.contains("control") && arg.contains("cell")) {
        rt::TStringGrid& grid = GridOf(Require(arg["control"]));
        const rt::TGridCoord at = GridCell(grid, arg["cell"]);
        transcript_.Write({{"get", arg}, {"value", grid.Cells(at.X, at.Y)}});
        return;
    }
    if (!arg.is_object() || !arg.contains("control") || !arg.contains("property"))
        throw StepError("get needs {\"control\": NAME, \"property\": PATH}");
    rt::TComponent* c = Require(arg["control"]);
    const std::string path = TextOf(arg["property"], "the property");
    if (!rt::HasProperty(c, path)) throw StepError(c->Name() + " has no property " + path);
    transcript_.Write({{"get", arg}, {"value", PropertyJson(c, path)}});
}

rt::TListView& ScenarioRunner::RequireListView(const nlohmann::json& name) const {
    auto* list = dynamic_cast<rt::TListView*>(Require(name));
    if (list == nullptr) throw StepError(name.get<std::string>() + " is no list view");
    return *list;
}

namespace {

// The lines of a combo or list box's Items; null for list views and other controls.
const rt::TStrings* ItemLines(rt::TComponent* c) {
    if (dynamic_cast<rt::TListView*>(c) != nullptr || !rt::HasProperty(c, "Items")) return nullptr;
    return dynamic_cast<rt::TStrings*>(rt::GetObjectProp(c, "Items"));
}

}  // namespace

void ScenarioRunner::GetListItems(const nlohmann::json& arg) {
    if (const rt::TStrings* lines = ItemLines(Require(arg["control"])); lines != nullptr && arg.contains("items")) {
        nlohmann::json items = nlohmann::json::array();
        for (int i = 0; i < lines->Count(); ++i) items.push_back(lines->Strings(i));
        transcript_.Write({{"get", arg}, {"value", items}});
        return;
    }
    const rt::TListView& list = RequireListView(arg["control"]);
    if (arg.contains("items")) {
        transcript_.Write({{"get", arg}, {"value", ListItemsJson(list)}});
        return;
    }
    if (!arg["item"].is_number_integer()) throw StepError("item must be a number");
    transcript_.Write({{"get", arg}, {"value", ListItemJson(list, arg["item"].get<int>())}});
}

void ScenarioRunner::EditCaption(const nlohmann::json& arg) {
    if (!arg.is_object() || !arg.contains("control") || !arg.contains("item") || !arg["item"].is_number_integer() ||
        !arg.contains("text"))
        throw StepError("edit needs {\"control\": NAME, \"item\": N, \"text\": TEXT}");
    rt::TListView& list = RequireListView(arg["control"]);
    const std::string text = TextOf(arg["text"], "the text");
    const std::string end = arg.contains("key") ? TextOf(arg["key"], "the key") : std::string("Enter");
    EditListCaption(list, arg["item"].get<int>(), text, end);
}

void ScenarioRunner::Answer(const nlohmann::json& arg) { answers_.push_back(TextOf(arg, "the button")); }

void ScenarioRunner::HostCall(const nlohmann::json& arg) {
    if (!arg.is_object() || !arg.contains("call")) throw StepError("host needs {\"call\": OPERATION, \"args\": [...]}");
    const std::string call = TextOf(arg["call"], "the operation");
    const nlohmann::json args = arg.value("args", nlohmann::json::array());
    if (!args.is_array()) throw StepError("args must be a list");
    auto argument = [&](size_t i) {
        if (i >= args.size()) throw StepError(call + " needs " + std::to_string(i + 1) + " arguments");
        return rt::VariantFromJson(args[i]);
    };
    nlohmann::json result;
    if (call == "ApplyParams") {
        result = controller_.ApplyParams(argument(0));
    } else if (call == "HostMessage") {
        result = controller_.HostMessage(argument(0).ToInt(), args.size() > 2 ? argument(1).ToInt() : 0,
                                         argument(args.size() > 2 ? 2 : 1));
    } else if (call == "GetProgramInfo") {
        rt::Variant info;
        const int32_t code = controller_.GetProgramInfo(info);
        result = {{"code", code}, {"info", rt::VariantToJson(info)}};
    } else if (call == "GetVersion") {
        result = controller_.GetVersion();
    } else if (call == "GetVisible") {
        result = controller_.GetVisible();
    } else if (call == "GetHandle") {
        result = controller_.GetHandle();
    } else if (call == "IsFormFreed") {
        result = controller_.IsFormFreed();
    } else if (call == "FreeForm") {
        controller_.FreeForm();
    } else {
        throw StepError("unknown operation \"" + call + "\"");
    }
    transcript_.Write({{"host", arg}, {"result", result}});
}

namespace {

// The button that backs out of a dialog: Cancel, else Abort, else No.
const rt::TDialogButton* BackOutButton(const rt::TDialogRecord& dialog) {
    for (const rt::TModalResult result : {rt::mrCancel, rt::mrAbort, rt::mrNo})
        for (const rt::TDialogButton& b : dialog.Buttons)
            if (b.Result == result) return &b;
    return nullptr;
}

constexpr int kUnansweredRepeatLimit = 20;

}  // namespace

bool ScenarioRunner::RepeatsUnanswered(const rt::TDialogRecord& dialog) {
    unansweredRepeats_ = dialog.Text == lastUnanswered_ ? unansweredRepeats_ + 1 : 1;
    lastUnanswered_ = dialog.Text;
    return unansweredRepeats_ >= kUnansweredRepeatLimit;
}

rt::TModalResult ScenarioRunner::AnswerDialog(const rt::TDialogRecord& dialog) {
    const rt::TDialogButton* chosen = nullptr;
    for (const rt::TDialogButton& b : dialog.Buttons)
        if (b.Name == dialog.DefaultButton) chosen = &b;
    std::string problem;
    if (answers_.empty()) {
        // A default that brings the same dialog back (Retry) would go round
        // for ever; a scenario that has ended, or keeps meeting the same
        // dialog, backs out of it instead.
        const bool looping = RepeatsUnanswered(dialog);
        if ((failed_ || looping) && BackOutButton(dialog) != nullptr) chosen = BackOutButton(dialog);
        if (looping && !failed_)
            problem = "the dialog \"" + dialog.Text + "\" came back " + std::to_string(kUnansweredRepeatLimit) +
                      " times unanswered; add an answer step for it";
    } else {
        unansweredRepeats_ = 0;
        const std::string wanted = answers_.front();
        answers_.pop_front();
        const rt::TDialogButton* match = nullptr;
        for (const rt::TDialogButton& b : dialog.Buttons)
            if (rt::SameText(b.Name, wanted)) match = &b;
        if (match != nullptr) chosen = match;
        else problem = "answer: the dialog has no button \"" + wanted + "\"";
    }
    if (chosen == nullptr && !dialog.Buttons.empty()) chosen = &dialog.Buttons.front();
    nlohmann::json buttons = nlohmann::json::array();
    for (const rt::TDialogButton& b : dialog.Buttons) buttons.push_back(b.Name);
    transcript_.Write({{"dialog",
                        {{"kind", KindName(dialog.Kind)},
                         {"caption", dialog.Caption},
                         {"text", dialog.Text},
                         {"buttons", buttons},
                         {"answer", chosen != nullptr ? nlohmann::json(chosen->Name) : nlohmann::json()}}}});
    if (!problem.empty()) Fail(problem);
    return chosen != nullptr ? chosen->Result : rt::mrCancel;
}

}  // namespace host
