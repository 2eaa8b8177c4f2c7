#pragma once
// Runs the steps of a scenario on whichever form is active: inside the modal
// loop of a modal form (nested modal forms take the following steps until
// they close), or on a modeless form. Dialogs are answered from the queued
// answers and written to the transcript.

#include <deque>
#include <string>

#include <nlohmann/json.hpp>

#include "include/DLLController.h"
#include "outside/host/Transcript.h"
#include "platform/forms/TDialogDriver.h"
#include "platform/graphics/Geometry.h"

namespace rt {
class TComponent;
class TCustomForm;
class TListView;
class TPageControl;
}  // namespace rt

namespace host {

class ScenarioRunner {
public:
    ScenarioRunner(const nlohmann::json& steps, hemr::IDLLController& controller, Transcript& transcript);

    // Installs the modal and dialog drivers; the destructor removes them.
    void Install();
    ~ScenarioRunner();

    // The modal driver: steps until `form` closes; Escape when they run out.
    void Drive(rt::TCustomForm& form);
    // The modeless run: steps on the active form, then Escape while a form of the plug-in is open.
    void RunModeless();

    bool Failed() const { return failed_; }
    // Steps not run yet: after the form closed, none may be left.
    const std::deque<nlohmann::json>& StepsLeft() const { return steps_; }

    // One step on the active form, as the modal driver runs it; a step that
    // cannot run fails the scenario.
    void RunStep(const nlohmann::json& step);
    // Answers a message dialog from the queued answers and writes it to the transcript.
    rt::TModalResult AnswerDialog(const rt::TDialogRecord& dialog);

    // The form steps act on: the innermost modal form, else the active one.
    static rt::TCustomForm* ActiveForm();
    static bool StillOpen(const rt::TCustomForm* form);

private:
    void Fail(const std::string& text);
    // Escape as a user presses it, on the active form.
    void PressEscape();

    rt::TComponent* Find(const std::string& name) const;
    rt::TComponent* Require(const nlohmann::json& name) const;

    void Focus(const nlohmann::json& arg);
    void Type(const nlohmann::json& arg);
    void Key(const nlohmann::json& arg);
    void Click(const nlohmann::json& arg);
    void DoubleClick(const nlohmann::json& arg);
    // The form and its client point of a positional click {"control": NAME, "x": X, "y": Y}.
    rt::TCustomForm& PointOf(const nlohmann::json& arg, rt::TPoint& point) const;
    void Menu(const nlohmann::json& arg);
    void Select(const nlohmann::json& arg);
    void SelectListItem(rt::TListView& list, int64_t index);
    void SelectPage(rt::TPageControl& pages, int64_t index);
    void SelectCell(rt::TComponent* c, const nlohmann::json& cell);
    void Set(const nlohmann::json& arg);
    void Get(const nlohmann::json& arg);
    void Answer(const nlohmann::json& arg);
    // List views (ListViewSteps.h): their items, and editing an item's caption.
    rt::TListView& RequireListView(const nlohmann::json& name) const;
    void GetListItems(const nlohmann::json& arg);
    void EditCaption(const nlohmann::json& arg);
    void HostCall(const nlohmann::json& arg);

    // Of the dialogs answered by default: the last text, and how often in a row.
    bool RepeatsUnanswered(const rt::TDialogRecord& dialog);

    std::deque<nlohmann::json> steps_;
    std::deque<std::string> answers_;
    std::string lastUnanswered_;
    int unansweredRepeats_ = 0;
    hemr::IDLLController& controller_;
    Transcript& transcript_;
    bool failed_ = false;
};

}  // namespace host
