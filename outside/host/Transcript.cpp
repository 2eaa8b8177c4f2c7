#include "outside/host/Transcript.h"

namespace host {

namespace {

// Set for as long as it lives, however the scope ends.
class ScopedFlag {
public:
    explicit ScopedFlag(bool& flag) : flag_(flag) { flag_ = true; }
    ~ScopedFlag() { flag_ = false; }

private:
    bool& flag_;
};

}  // namespace

void Transcript::Write(const nlohmann::json& line) {
    if (beforeLine_ && !inBeforeLine_) {
        ScopedFlag running(inBeforeLine_);
        beforeLine_();
    }
    // Texts from the forms may hold bytes that are no UTF-8; they are replaced, not fatal.
    const std::string text = line.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
    std::fprintf(out_, "%s\n", text.c_str());
    std::fflush(out_);
}

void Transcript::Error(const std::string& text) {
    hadError_ = true;
    Write({{"error", text}});
}

}  // namespace host
