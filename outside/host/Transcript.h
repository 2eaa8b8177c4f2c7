#pragma once
// The transcript: one JSON object per line on the output, in the order things happen.

#include <cstdio>
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

private:
    std::FILE* out_;
    bool hadError_ = false;
};

}  // namespace host
