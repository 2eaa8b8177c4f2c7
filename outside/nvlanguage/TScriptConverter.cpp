#include "outside/nvlanguage/TScriptConverter.h"

#include <opencc/opencc.h>

#include <stdexcept>

namespace nvlanguage {

namespace {
opencc_t Invalid() { return reinterpret_cast<opencc_t>(-1); }
}  // namespace

TScriptConverter::TScriptConverter(const std::string& config) {
    opencc_t handle = opencc_open(config.c_str());
    if (handle == Invalid() || handle == nullptr) {
        const char* why = opencc_error();
        throw std::runtime_error("Cannot open conversion configuration " + config + ": " + (why ? why : ""));
    }
    handle_ = handle;
}

TScriptConverter::~TScriptConverter() { opencc_close(static_cast<opencc_t>(handle_)); }

std::string TScriptConverter::Convert(std::string_view utf8) const {
    // The library works on terminated strings: convert the pieces between NULs
    // and put the NULs back, so no text after one is dropped.
    std::string result;
    size_t start = 0;
    for (;;) {
        size_t nul = utf8.find('\0', start);
        result += ConvertPiece(utf8.substr(start, nul == std::string_view::npos ? std::string_view::npos : nul - start));
        if (nul == std::string_view::npos) break;
        result += '\0';
        start = nul + 1;
    }
    return result;
}

std::string TScriptConverter::ConvertPiece(std::string_view utf8) const {
    if (utf8.empty()) return {};
    char* converted = opencc_convert_utf8(static_cast<opencc_t>(handle_), utf8.data(), utf8.size());
    if (converted == nullptr) {
        const char* why = opencc_error();
        throw std::runtime_error(std::string("Conversion failed: ") + (why ? why : ""));
    }
    std::string result(converted);
    opencc_convert_utf8_free(converted);
    return result;
}

}  // namespace nvlanguage
