#pragma once
// What the server-session layer needs to know of the form it serves: the
// converter for texts crossing to and from the server, whether the form's
// texts were converted, and the company and database the calls are made for.

#include <string>

namespace hemr {

class TCodeConverter;

class ISessionContext {
public:
    virtual ~ISessionContext() = default;
    virtual const TCodeConverter& SessionConverter() const = 0;
    // Values coming back pass through DBToUI only once the form was converted.
    virtual bool SessionConverted() const = 0;
    virtual std::string SessionCompanyID() const = 0;
    virtual std::string SessionDbName() const = 0;
};

}  // namespace hemr
