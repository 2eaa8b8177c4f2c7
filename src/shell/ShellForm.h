#pragma once
// What the controller needs of the condition form it creates: the form is a
// toolkit form that also offers these operations. The generic condition form
// and any stand-in implement them.

#include <cstdint>
#include <string>

#include "platform/core/Variant.h"

namespace hemr {

class IShellForm {
public:
    virtual ~IShellForm() = default;

    // Full path of the library file the form was created from.
    virtual void SetModulePath(const std::string& path) = 0;
    virtual void SetSessionObject(const rt::Variant& session) = 0;
    // True when the form took the parameters and is ready.
    virtual bool InitForm(const rt::Variant& params) = 0;
    // A two-element array [flag, start parameters]; the form reads element 1.
    virtual void ApplyStartParams(const rt::Variant& params) = 0;

    virtual std::string VersionText() const = 0;
    virtual std::string UserID() const = 0;
    virtual std::string CompanyID() const = 0;
    virtual std::string ProgramCode() const = 0;
    virtual std::string ProgramName() const = 0;

    // The outcome the controller copies when the form is destroyed.
    virtual int32_t FormResultCode() const = 0;
    virtual rt::Variant FormResultData() const = 0;
};

}  // namespace hemr
