#include "outside/host/serve/StepRecorder.h"

namespace host::serve {

void StepRecorder::Begin(const nlohmann::json& step) {
    const bool typing = step.contains("type");
    if (typing && typing_) {
        // The text is typed character by character either way.
        std::string& text = steps_.back()["type"].get_ref<std::string&>();
        text += step["type"].get<std::string>();
        return;
    }
    typing_ = typing;
    steps_.push_back(step);
    answerAt_ = steps_.size() - 1;
}

void StepRecorder::Answer(const std::string& button) {
    steps_.insert(steps_.begin() + static_cast<std::ptrdiff_t>(answerAt_), nlohmann::json{{"answer", button}});
    ++answerAt_;
    // What is typed after the dialog must stay behind its answer.
    typing_ = false;
}

}  // namespace host::serve
