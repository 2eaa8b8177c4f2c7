#include "outside/pellwick/Pellwick.h"

#include <exception>
#include <stdexcept>
#include <string>

#include "outside/pellwick/TServicePost.h"
#include "platform/os/Files.h"

namespace {

thread_local std::string lastError;

std::string Text(const char* text) { return text != nullptr ? text : ""; }

}  // namespace

extern "C" {

int32_t PellwickFx(const char* address, const char* serviceName, const char* requestText,
                   const char* resultFileName) {
    lastError.clear();
    // Nothing may escape a C call: every failure becomes the 0 result and its reason.
    try {
        if (Text(resultFileName).empty()) throw std::runtime_error("No result file name");
        const std::string answer =
            pellwick::TServicePost::Post(Text(address), Text(serviceName), Text(requestText));
        rt::WriteFileAtomically(resultFileName, answer);
        return 1;
    } catch (const std::exception& e) {
        lastError = e.what();
    } catch (...) {
        lastError = "Unknown failure";
    }
    if (lastError.empty()) lastError = "Unknown failure";
    return 0;
}

const char* PellwickLastError() { return lastError.c_str(); }
}
