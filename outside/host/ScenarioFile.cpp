#include "outside/host/ScenarioFile.h"

#include <stdexcept>

#include "platform/automation/BoundedJson.h"

namespace host {

nlohmann::json ReadScenario(const std::string& text) {
    // Steps, parameters and arguments are walked and copied as they run: bounded when read.
    nlohmann::json scenario = rt::ParseBoundedJson(text);
    if (!scenario.is_object()) throw std::runtime_error("a scenario is a JSON object");
    if (scenario.contains("steps") && !scenario["steps"].is_array()) throw std::runtime_error("steps must be a list");
    return scenario;
}

}  // namespace host
