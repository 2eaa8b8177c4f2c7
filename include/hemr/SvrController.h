#pragma once
// The server controller of a program's server library (program code + "S",
// e.g. HEMR07S.so), reached by the condition form through dlopen/dlsym:
//
//   extern "C" hemr::ISvrController* GetSvrController();
//
// Each call answers a new controller. The caller runs it once and then calls
// Release in every case, which also frees it; the pointer is dead afterwards.
// Exceptions from Run are rt::Exception descendants (the platform library is
// shared by both sides, so they cross the library boundary intact).

#include <string>

#include "platform/core/Variant.h"

namespace hemr {

class ISvrController {
public:
    // `arguments` is one of the two layouts the condition form builds:
    //   12 elements [job id, extension name, company, user, database, values,
    //               1, kind (upper case, not "B"), job id(8) + "0001",
    //               product id, query run, interface code page]
    //    7 elements [job id, company, user, values, database,
    //               job id(8) + "0001", product id]          (kind "B")
    // "values" is element 2 of the condition array. Raises on failure.
    virtual void Run(const rt::Variant& arguments) = 0;
    // Ends the controller. `message` receives what the run has to tell the
    // caller (the report files written, or why nothing was written); empty
    // when it never ran.
    virtual void Release(std::string& message) = 0;

protected:
    virtual ~ISvrController() = default;
};

extern "C" {
typedef ISvrController* (*GetSvrControllerFn)();
}

inline constexpr const char* kGetSvrControllerSymbol = "GetSvrController";

}  // namespace hemr
