#pragma once
// A transcript written into memory and read back as its JSON lines.

#include <stdio.h>

#include <cstdlib>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "outside/host/Transcript.h"

namespace outside_test {

class TranscriptCapture {
public:
    TranscriptCapture() : stream_(::open_memstream(&buffer_, &size_)), transcript(stream_) {}
    ~TranscriptCapture() {
        std::fclose(stream_);
        std::free(buffer_);
    }
    TranscriptCapture(const TranscriptCapture&) = delete;
    TranscriptCapture& operator=(const TranscriptCapture&) = delete;

    std::vector<nlohmann::json> Lines() {
        std::fflush(stream_);
        std::vector<nlohmann::json> lines;
        const std::string text(buffer_, size_);
        size_t start = 0;
        while (start < text.size()) {
            size_t end = text.find('\n', start);
            if (end == std::string::npos) end = text.size();
            if (end > start) lines.push_back(nlohmann::json::parse(text.substr(start, end - start)));
            start = end + 1;
        }
        return lines;
    }
    // The first key of every line ("event", "job", "dialog" ...), in order.
    std::vector<std::string> Kinds() {
        std::vector<std::string> kinds;
        for (const nlohmann::json& line : Lines()) kinds.push_back(line.begin().key());
        return kinds;
    }

private:
    char* buffer_ = nullptr;
    size_t size_ = 0;
    std::FILE* stream_;

public:
    host::Transcript transcript;
};

}  // namespace outside_test
