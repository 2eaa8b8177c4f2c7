#pragma once
// One run of the plug-in as the ERP shell drives it: load the library, get a
// controller, hand it the session and the event handler, initialise, show
// the form (modally or not) while the scenario runs, report the result and
// free the controller.

#include <functional>
#include <string>

#include <nlohmann/json.hpp>

#include "include/DLLController.h"
#include "outside/host/Transcript.h"
#include "platform/classes/TObject.h"

namespace host {

class ScenarioRunner;

class PluginSession : public rt::TObject {
    RT_CLASS(PluginSession, rt::TObject)

public:
    PluginSession(std::string pluginPath, Transcript& transcript);

    // The scenario object; returns the process exit code (0, or 1 when a step or the run failed).
    int Run(const nlohmann::json& scenario);

    // Called with the scenario runner once it drives the forms, so that
    // another front end (the served page) may take over its drivers.
    void SetRunnerHook(std::function<void(ScenarioRunner&)> hook) { runnerHook_ = std::move(hook); }
    // The controller's result after Run.
    int32_t ResultCode() const { return resultCode_; }
    const rt::Variant& ResultData() const { return resultData_; }

    // Written to the transcript as it comes.
    void ControllerEvent(int32_t Code, hemr::IDLLController* Sender);

    // The shell's server session: the embedded application server's session
    // object; raises when the registry names no library for it.
    static rt::Variant CreateSession();
    // The installation's language (KestrelC.ini's LangType), told to the
    // session so that its messages come in that language; empty tells nothing.
    void SetLanguage(std::string langType) { language_ = std::move(langType); }
    static constexpr const char* kSessionProgId = "OstrelWorkCenter.Manager";

    static rt::Variant DefaultParams();
    // The scenario's "params": a list of variants in the transcript's form.
    static rt::Variant ParamsOf(const nlohmann::json& params);

private:
    hemr::TGetControllerFn LoadPlugin();
    void TellLanguage(const rt::Variant& session) const;
    bool Drive(hemr::IDLLController& controller, const nlohmann::json& scenario);

    std::string pluginPath_;
    std::string language_;
    Transcript& transcript_;
    std::function<void(ScenarioRunner&)> runnerHook_;
    int32_t resultCode_ = 0;
    rt::Variant resultData_;
};

}  // namespace host
