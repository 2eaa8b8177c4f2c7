#include "platform/core/Exceptions.h"

#include <cerrno>
#include <cstring>

namespace rt {

Exception::Exception(std::string message) : message_(std::move(message)) {}
Exception::~Exception() = default;

const char* Exception::ClassName() const { return "Exception"; }

bool Exception::InheritsFrom(const std::string& className) const { return className == "Exception"; }

EInOutError::EInOutError(std::string message, int errorCode)
    : Exception(std::move(message)), errorCode_(errorCode) {}

bool EInOutError::InheritsFrom(const std::string& className) const {
    return className == "EInOutError" || Exception::InheritsFrom(className);
}

EOSError::EOSError(std::string message, uint32_t errorCode)
    : Exception(std::move(message)), errorCode_(errorCode) {}

bool EOSError::InheritsFrom(const std::string& className) const {
    return className == "EOSError" || className == "EWin32Error" || Exception::InheritsFrom(className);
}

EOSError EOSError::FromLastError(const std::string& context) {
    int code = errno;
    std::string text = context.empty() ? std::string(std::strerror(code))
                                       : context + ": " + std::strerror(code);
    return EOSError(text, static_cast<uint32_t>(code));
}

EOleSysError::EOleSysError(std::string message, int32_t errorCode)
    : EOleError(std::move(message)), errorCode_(errorCode) {}

bool EOleSysError::InheritsFrom(const std::string& className) const {
    return className == "EOleSysError" || EOleError::InheritsFrom(className);
}

EOleException::EOleException(std::string message, int32_t errorCode, std::string source)
    : EOleSysError(std::move(message), errorCode), source_(std::move(source)) {}

bool EOleException::InheritsFrom(const std::string& className) const {
    return className == "EOleException" || EOleSysError::InheritsFrom(className);
}

EDBEngineError::EDBEngineError(std::string message, std::vector<Error> errors)
    : EDatabaseError(std::move(message)), errors_(std::move(errors)) {}

bool EDBEngineError::InheritsFrom(const std::string& className) const {
    return className == "EDBEngineError" || EDatabaseError::InheritsFrom(className);
}

}  // namespace rt
