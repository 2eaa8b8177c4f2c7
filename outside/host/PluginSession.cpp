#include "outside/host/PluginSession.h"

#include <dlfcn.h>

#include <memory>
#include <stdexcept>

#include "outside/host/ScenarioRunner.h"
#include "platform/automation/ComObj.h"
#include "platform/automation/VariantJson.h"
#include "platform/forms/TApplication.h"

namespace host {

PluginSession::PluginSession(std::string pluginPath, Transcript& transcript)
    : pluginPath_(std::move(pluginPath)), transcript_(transcript) {}

void PluginSession::ControllerEvent(int32_t Code, hemr::IDLLController*) { transcript_.Event(Code); }

rt::Variant PluginSession::CreateSession() {
    // The application server's session object, created by its ProgID through
    // the registry file the install folder holds.
    return rt::CreateOleObject(kSessionProgId);
}

void PluginSession::TellLanguage(const rt::Variant& session) const {
    if (language_.empty()) return;
    try {
        session.Put("Language", rt::Variant(language_));
    } catch (const std::exception& e) {
        // A server that knows no languages answers in its own.
        transcript_.Write({{"note", std::string("the session keeps its language: ") + e.what()}});
    }
}

rt::Variant PluginSession::ParamsOf(const nlohmann::json& params) {
    // A plain list is the zero-based parameter array; anything else is one variant.
    if (!params.is_array()) return rt::VariantFromJson(params);
    std::vector<rt::Variant> items;
    for (const nlohmann::json& item : params) items.push_back(rt::VariantFromJson(item));
    return rt::Variant::ArrayOf(items);
}

rt::Variant PluginSession::DefaultParams() { return rt::Variant::ArrayOf({"796", "KWTest60", "KWTest60", 0, ""}); }

hemr::TGetControllerFn PluginSession::LoadPlugin() {
    // The library stays loaded for the life of the process, as in the ERP shell.
    void* library = ::dlopen(pluginPath_.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) throw std::runtime_error(std::string("cannot load the plug-in: ") + ::dlerror());
    void* symbol = ::dlsym(library, hemr::GetControllerSymbol);
    if (symbol == nullptr) throw std::runtime_error("the plug-in " + pluginPath_ + " exports no GetController");
    return reinterpret_cast<hemr::TGetControllerFn>(symbol);
}

int PluginSession::Run(const nlohmann::json& scenario) {
    const hemr::TGetControllerFn getController = LoadPlugin();
    std::unique_ptr<hemr::IDLLController> controller(getController());
    controller->Session = CreateSession();
    TellLanguage(controller->Session);
    controller->OnEvent = hemr::TControllerEvent::Of<&PluginSession::ControllerEvent>(this);
    const bool ran = Drive(*controller, scenario);
    rt::Application().ProcessMessages();
    resultCode_ = controller->ResultCode;
    resultData_ = controller->ResultData;
    controller.reset();
    transcript_.Write({{"result", {{"code", resultCode_}, {"data", rt::VariantToJson(resultData_)}}}});
    return ran && !transcript_.HadError() ? 0 : 1;
}

bool PluginSession::Drive(hemr::IDLLController& controller, const nlohmann::json& scenario) {
    if (scenario.contains("modal") && !scenario["modal"].is_boolean()) {
        transcript_.Error("\"modal\" is true or false, not " + scenario["modal"].dump());
        return false;
    }
    const nlohmann::json steps = scenario.value("steps", nlohmann::json::array());
    ScenarioRunner runner(steps, controller, transcript_);
    runner.Install();
    if (runnerHook_) runnerHook_(runner);
    const rt::Variant params = scenario.contains("params") ? ParamsOf(scenario["params"]) : DefaultParams();
    if (controller.Initialize(params) != 0) {
        transcript_.Error("Initialize: the form refused the parameters");
        return false;
    }
    if (scenario.value("modal", true)) {
        controller.ShowModal();
        // The form closed before the scenario ended: what the user meant to do next never happened.
        if (!runner.StepsLeft().empty()) {
            transcript_.Error(std::to_string(runner.StepsLeft().size()) + " step(s) left after the form closed, from " +
                              runner.StepsLeft().front().dump());
            return false;
        }
    } else {
        controller.SetVisible(-1);
        runner.RunModeless();
    }
    return !runner.Failed();
}

}  // namespace host
