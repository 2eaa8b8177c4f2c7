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

private:
    void RunStep(const nlohmann::json& step);
    void Fail(const std::string& text);
    bool StillOpen(const rt::TCustomForm* form) const;
    // Escape as a user presses it, on the active form.
    void PressEscape();

    rt::TCustomForm* ActiveForm() const;
    rt::TComponent* Find(const std::string& name) const;
    rt::TComponent* Require(const nlohmann::json& name) const;

    void Focus(const nlohmann::json& arg);
    void Type(const nlohmann::json& arg);
    void Key(const nlohmann::json& arg);
    void Click(const nlohmann::json& arg);
    void Menu(const nlohmann::json& arg);
    void Select(const nlohmann::json& arg);
    void SelectListItem(rt::TListView& list, int64_t index);
    void SelectPage(rt::TPageControl& pages, int64_t index);
    void Set(const nlohmann::json& arg);
    void Get(const nlohmann::json& arg);
    void Answer(const nlohmann::json& arg);
    // List views (ListViewSteps.h): their items, and editing an item's caption.
    rt::TListView& RequireListView(const nlohmann::json& name) const;
    void GetListItems(const nlohmann::json& arg);
    void EditCaption(const nlohmann::json& arg);
    void HostCall(const nlohmann::json& arg);

    rt::TModalResult AnswerDialog(const rt::TDialogRecord& dialog);

    std::deque<nlohmann::json> steps_;
    std::deque<std::string> answers_;
    hemr::IDLLController& controller_;
    Transcript& transcript_;
    bool failed_ = false;
};

}  // namespace host
