#pragma once
// A scenario file's text read as a scenario: a JSON object, bounded in size
// and depth, whose "steps" (if any) are a list.

#include <string>

#include <nlohmann/json.hpp>

namespace host {

// Raises std::runtime_error saying why the text is no scenario.
nlohmann::json ReadScenario(const std::string& text);

}  // namespace host
