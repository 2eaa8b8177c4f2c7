#pragma once
// The portal's user directory reached through its web service: the request
// of "PORTAL.getAllUser", the call through the outside web-service library,
// and the user list of the answer. Failures are shown to the user here and
// give an empty answer.

#include <string>
#include <vector>

namespace hemr {

// Who asks: the codes the request carries and the system code page that
// chooses its locale.
struct TPortalCaller {
    std::string UserCode;
    std::string CompanyCode;
    std::string SystemCodePage;
};

struct TPortalUserEntry {
    std::string Code;
    std::string Name;
};

inline constexpr const char* kPortalGetAllUser = "PORTAL.getAllUser";
inline constexpr const char* kWebServiceLibrary = "Pellwick.dll";

// "zh_CN" for "936", "zh_TW" for "950", "ch_US" otherwise.
std::string PortalLocale(const std::string& CodePage);
// The request text. The codes are escaped as attribute values, which leaves
// codes without markup characters byte for byte as they are.
std::string BuildPortalRequest(const TPortalCaller& Caller);

// The raw answer of `ServiceName` at `Address`, through the web-service
// library; "" when the library or its export is missing. Raises
// rt::Exception with the library's reason when the call fails. The result
// file in the temporary folder is gone afterwards.
std::string InvokeWebService(const std::string& Address, const std::string& ServiceName,
                             const std::string& RequestText);
// The name of the result file for a call made now.
std::string WebServiceResultFileName();

// The answer of "PORTAL.getAllUser", or "" when there is no address, no
// answer or an error (errors are shown as a message).
std::string CallPortalService(const TPortalCaller& Caller, const std::string& PortalAddress);
// The users of an answer, in document order; a missing field reads as "".
std::vector<TPortalUserEntry> ReadPortalUsers(const std::string& Response);

}  // namespace hemr
