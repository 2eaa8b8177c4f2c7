#pragma once
// The exception hierarchy of the runtime. Every exception carries its class
// name and a message, because error reports and logs print both.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace rt {

class Exception : public std::exception {
public:
    explicit Exception(std::string message);
    ~Exception() override;

    virtual const char* ClassName() const;
    const std::string& Message() const { return message_; }
    void SetMessage(std::string message) { message_ = std::move(message); }
    const char* what() const noexcept override { return message_.c_str(); }

    // True when this exception's class is `className` or derives from it.
    virtual bool InheritsFrom(const std::string& className) const;

private:
    std::string message_;
};

// Declares an exception class whose ClassName and InheritsFrom follow the chain.
#define RT_DECLARE_EXCEPTION(Name, Parent)                                        \
    class Name : public Parent {                                                  \
    public:                                                                       \
        using Parent::Parent;                                                     \
        const char* ClassName() const override { return #Name; }                  \
        bool InheritsFrom(const std::string& className) const override {          \
            return className == #Name || Parent::InheritsFrom(className);         \
        }                                                                         \
    };

RT_DECLARE_EXCEPTION(EAbort, Exception)
RT_DECLARE_EXCEPTION(EConvertError, Exception)
RT_DECLARE_EXCEPTION(EVariantError, Exception)
RT_DECLARE_EXCEPTION(EVariantTypeCastError, EVariantError)
RT_DECLARE_EXCEPTION(EVariantBadIndexError, EVariantError)
RT_DECLARE_EXCEPTION(EVariantArrayCreateError, EVariantError)
RT_DECLARE_EXCEPTION(ERangeError, Exception)
RT_DECLARE_EXCEPTION(EListError, Exception)
RT_DECLARE_EXCEPTION(EStringListError, EListError)
RT_DECLARE_EXCEPTION(EInvalidOperation, Exception)
RT_DECLARE_EXCEPTION(EInvalidPointer, Exception)
RT_DECLARE_EXCEPTION(EComponentError, Exception)
RT_DECLARE_EXCEPTION(EClassNotFound, Exception)
RT_DECLARE_EXCEPTION(EPropertyError, Exception)
RT_DECLARE_EXCEPTION(EFilerError, Exception)
RT_DECLARE_EXCEPTION(EReadError, EFilerError)
RT_DECLARE_EXCEPTION(EWriteError, EFilerError)
RT_DECLARE_EXCEPTION(EOleError, Exception)
RT_DECLARE_EXCEPTION(EDatabaseError, Exception)
RT_DECLARE_EXCEPTION(EMaskException, Exception)

// Input-output failure with its run-time error code.
class EInOutError : public Exception {
public:
    EInOutError(std::string message, int errorCode);
    const char* ClassName() const override { return "EInOutError"; }
    bool InheritsFrom(const std::string& className) const override;
    int ErrorCode() const { return errorCode_; }

private:
    int errorCode_;
};

// Operating-system failure with the system error code (errno here).
class EOSError : public Exception {
public:
    EOSError(std::string message, uint32_t errorCode);
    const char* ClassName() const override { return "EOSError"; }
    bool InheritsFrom(const std::string& className) const override;
    uint32_t ErrorCode() const { return errorCode_; }

    // Builds the exception for the calling thread's last error.
    static EOSError FromLastError(const std::string& context);

private:
    uint32_t errorCode_;
};

// Automation failure carrying a result code, as raised by late-bound calls.
class EOleSysError : public EOleError {
public:
    EOleSysError(std::string message, int32_t errorCode);
    const char* ClassName() const override { return "EOleSysError"; }
    bool InheritsFrom(const std::string& className) const override;
    int32_t ErrorCode() const { return errorCode_; }

private:
    int32_t errorCode_;
};

// An exception raised inside an automation server and carried back to the caller.
class EOleException : public EOleSysError {
public:
    EOleException(std::string message, int32_t errorCode, std::string source);
    const char* ClassName() const override { return "EOleException"; }
    bool InheritsFrom(const std::string& className) const override;
    const std::string& Source() const { return source_; }

private:
    std::string source_;
};

// A database-engine failure with the engine's list of errors.
class EDBEngineError : public EDatabaseError {
public:
    struct Error {
        int code = 0;
        std::string message;
    };
    EDBEngineError(std::string message, std::vector<Error> errors);
    const char* ClassName() const override { return "EDBEngineError"; }
    bool InheritsFrom(const std::string& className) const override;
    const std::vector<Error>& Errors() const { return errors_; }

private:
    std::vector<Error> errors_;
};

}  // namespace rt
