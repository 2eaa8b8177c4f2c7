#pragma once
// The transcript: one JSON object per line on the output, in the order things happen.

#include <cstdio>
#include <functional>
#include <string>

#include <nlohmann/json.hpp>

namespace host {

class Transcript {
public:
    explicit Transcript(std::FILE* out) : out_(out) {}

    void Write(const nlohmann::json& line);
    void Event(int code) { Write({{"event", code}}); }
    void Error(const std::string& text);

    bool HadError() const { return hadError_; }

    // Runs before every line, except before the lines it writes itself, so
    // that what happened elsewhere since the last line is written first.
    void SetBeforeLine(std::function<void()> beforeLine) { beforeLine_ = std::move(beforeLine); }

private:
    std::FILE* out_;
    bool hadError_ = false;
    std::function<void()> beforeLine_;
    bool inBeforeLine_ = false;
};

}  // namespace host
