// The scenario reader of the client shell over arbitrary files: a text reads
// as a scenario or is refused with an error; a scenario's parameters become
// the form's parameter array and its user the shell's login, or are refused.

#include <cstddef>
#include <cstdint>
#include <exception>
#include <string>

#include "outside/host/PluginSession.h"
#include "outside/host/ScenarioFile.h"
#include "outside/host/ShellLogin.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    nlohmann::json scenario;
    try {
        scenario = host::ReadScenario(std::string(reinterpret_cast<const char*>(data), size));
    } catch (const std::exception&) {
        return 0;
    }
    try {
        if (scenario.contains("params")) host::PluginSession::ParamsOf(scenario["params"]);
        host::ShellLogin(scenario, "/nonexistent");
    } catch (const std::exception&) {
    }
    return 0;
}
