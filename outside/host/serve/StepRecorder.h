#pragma once
// Writes down what the person at the page did as scenario steps, so that
// `hemr07-host run` replays it to the same transcript. A dialog's answer is
// queued in a scenario before the step that leads to the dialog, so answers
// go in before the step that was running when the dialog came up.

#include <cstddef>
#include <string>

#include <nlohmann/json.hpp>

namespace host::serve {

class StepRecorder {
public:
    // A step about to run. Typing right after typing joins the same step.
    void Begin(const nlohmann::json& step);
    // The answer given to a dialog that came up since the last Begin.
    void Answer(const std::string& button);

    // {"steps": [...]}.
    nlohmann::json Scenario() const { return {{"steps", steps_}}; }

private:
    nlohmann::json steps_ = nlohmann::json::array();
    // Where the next answer goes: before the step running now.
    size_t answerAt_ = 0;
    bool typing_ = false;
};

}  // namespace host::serve
