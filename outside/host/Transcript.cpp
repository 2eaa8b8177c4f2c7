#include "outside/host/Transcript.h"

namespace host {

void Transcript::Write(const nlohmann::json& line) {
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
