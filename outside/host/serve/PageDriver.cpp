#include "outside/host/serve/PageDriver.h"

#include "outside/host/ScenarioRunner.h"
#include "outside/host/serve/FormSnapshot.h"
#include "platform/automation/VariantJson.h"
#include "platform/controls/TWinControl.h"
#include "platform/controls/VirtualKeys.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TCustomForm.h"
#include "platform/forms/TInputInjector.h"
#include "platform/forms/TScreen.h"
#include "platform/sysutils/StrUtils.h"

namespace host::serve {

namespace {

// The control under a point, as a step names it: the nearest control the
// form finds by name (parts of composite controls have none of their own).
nlohmann::json ClickStep(rt::TCustomForm& form, rt::TPoint p) {
    rt::TControl* hit = form.ControlAtPos(p);
    for (; hit != nullptr && hit != &form; hit = hit->Parent())
        if (!hit->Name().empty() && form.FindComponent(hit->Name()) == hit) break;
    if (hit == nullptr) hit = &form;
    const rt::TPoint origin = hit->ClientToRoot({0, 0});
    return {{"control", hit == &form ? form.Name() : hit->Name()}, {"x", p.X - origin.X}, {"y", p.Y - origin.Y}};
}

}  // namespace

PageDriver::PageDriver(PageChannel& channel, const ReportFiles& reports) : channel_(channel), reports_(reports) {}

void PageDriver::TakeOver(ScenarioRunner& runner) {
    runner_ = &runner;
    rt::Application().SetModalDriver([this](rt::TCustomForm& form) { Drive(form); });
    rt::Application().DialogDriver().SetCallback(
        [this](const rt::TDialogRecord& dialog) { return AnswerDialog(dialog); });
}

std::optional<nlohmann::json> PageDriver::StepOf(const nlohmann::json& event, std::string& error) {
    rt::TCustomForm* form = ScenarioRunner::ActiveForm();
    if (form == nullptr || !form->Visible()) {
        error = "no form is open";
        return std::nullopt;
    }
    const std::string action = event.begin().key();
    const nlohmann::json& arg = event.begin().value();
    if (action == "key" || action == "type") return event;
    if (action == "click" || action == "dblclick") {
        if (!rt::SameText(arg["window"].get<std::string>(), form->Name())) {
            error = "only the window on top takes clicks";
            return std::nullopt;
        }
        const rt::TPoint p{arg["x"].get<int>(), arg["y"].get<int>()};
        if (p.X < 0 || p.Y < 0 || p.X >= form->ClientWidth() || p.Y >= form->ClientHeight()) {
            error = "the click is outside the window";
            return std::nullopt;
        }
        return nlohmann::json{{action, ClickStep(*form, p)}};
    }
    error = action == "answer" ? "no dialog is waiting for an answer" : "unknown event " + action;
    return std::nullopt;
}

void PageDriver::Drive(rt::TCustomForm& form) {
    while (ScenarioRunner::StillOpen(&form)) {
        Publish();
        const std::optional<PageEvent> event = channel_.Take();
        if (!event) {
            // Serving ends: as when a scenario runs out of steps.
            rt::Input().PressKey(rt::VK_ESCAPE);
            return;
        }
        std::string error;
        const std::optional<nlohmann::json> step = StepOf(event->Event, error);
        if (!step) {
            channel_.Refuse(event->Seq, error);
            continue;
        }
        recorder_.Begin(*step);
        runner_->RunStep(*step);
        rt::Application().ProcessMessages();
    }
}

std::string PageDriver::AnswerOf(const nlohmann::json& event, const rt::TDialogRecord& dialog) {
    const auto button = [&](const std::string& name) -> std::string {
        for (const rt::TDialogButton& b : dialog.Buttons)
            if (rt::SameText(b.Name, name)) return b.Name;
        return {};
    };
    if (event.contains("answer")) return button(event["answer"].get<std::string>());
    if (!event.contains("key")) return {};
    const std::string key = event["key"].get<std::string>();
    if (rt::SameText(key, "Enter") || rt::SameText(key, "Return"))
        return !dialog.DefaultButton.empty() ? dialog.DefaultButton
                                             : (dialog.Buttons.empty() ? std::string() : dialog.Buttons.front().Name);
    if (rt::SameText(key, "Escape") || rt::SameText(key, "Esc"))
        for (const char* name : {"Cancel", "No", "OK"})
            if (!button(name).empty()) return button(name);
    return {};
}

rt::TModalResult PageDriver::AnswerDialog(const rt::TDialogRecord& dialog) {
    dialog_ = &dialog;
    std::string answer;
    while (answer.empty()) {
        Publish();
        const std::optional<PageEvent> event = channel_.Take();
        if (!event) break;  // serving ends: the default button answers
        answer = AnswerOf(event->Event, dialog);
        if (answer.empty()) channel_.Refuse(event->Seq, "the dialog waits for an answer");
    }
    dialog_ = nullptr;
    if (!answer.empty()) {
        recorder_.Answer(answer);
        runner_->RunStep({{"answer", answer}});
    }
    return runner_->AnswerDialog(dialog);
}

nlohmann::json PageDriver::Reports() const { return reports_.Written(); }

void PageDriver::Publish() {
    channel_.Publish({{"windows", FormSnapshot::Windows(dialog_)},
                      {"reports", Reports()},
                      {"finished", false},
                      {"result", nullptr}},
                     recorder_.Scenario());
}

void PageDriver::Finish(int32_t code, const rt::Variant& data) {
    channel_.Publish({{"windows", nlohmann::json::array()},
                      {"reports", Reports()},
                      {"finished", true},
                      {"result", {{"code", code}, {"data", rt::VariantToJson(data)}}}},
                     recorder_.Scenario());
}

}  // namespace host::serve
