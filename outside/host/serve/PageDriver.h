#pragma once
// Drives the forms from the page: the modal driver and the dialog driver of
// the served session. Inside every modal loop (nested ones included) it
// publishes what the forms show and waits for the page's next event, turns
// it into a scenario step, writes the step down and runs it through the
// scenario runner, so that the forms get the input exactly as a scenario
// gives it. A message dialog waits for the page's answer the same way.

#include <optional>
#include <string>

#include <nlohmann/json.hpp>

#include "outside/host/serve/PageChannel.h"
#include "outside/host/serve/ReportFiles.h"
#include "outside/host/serve/StepRecorder.h"
#include "platform/core/Variant.h"
#include "platform/forms/TDialogDriver.h"

namespace rt {
class TCustomForm;
}

namespace host {
class ScenarioRunner;
}

namespace host::serve {

class PageDriver {
public:
    PageDriver(PageChannel& channel, const ReportFiles& reports);

    // Takes the modal and dialog drivers over from the runner, which then runs the steps.
    void TakeOver(ScenarioRunner& runner);
    // The form is gone: the page shows the result.
    void Finish(int32_t code, const rt::Variant& data);

    // The scenario step a page event stands for; nothing (and why in `error`)
    // when the forms as they are now cannot take it.
    static std::optional<nlohmann::json> StepOf(const nlohmann::json& event, std::string& error);

private:
    void Drive(rt::TCustomForm& form);
    rt::TModalResult AnswerDialog(const rt::TDialogRecord& dialog);
    // The button a page event answers `dialog` with; empty when it answers nothing.
    static std::string AnswerOf(const nlohmann::json& event, const rt::TDialogRecord& dialog);
    void Publish();
    nlohmann::json Reports() const;

    PageChannel& channel_;
    const ReportFiles& reports_;
    ScenarioRunner* runner_ = nullptr;
    StepRecorder recorder_;
    const rt::TDialogRecord* dialog_ = nullptr;
    nlohmann::json result_;
};

}  // namespace host::serve
