#include "platform/remote/RemoteProtocol.h"

#include "platform/core/Exceptions.h"

namespace rt {

std::string InvokeKindName(InvokeKind kind) {
    switch (kind) {
        case InvokeKind::PropertyGet: return "get";
        case InvokeKind::PropertyPut: return "put";
        case InvokeKind::Method: break;
    }
    return "method";
}

InvokeKind InvokeKindFromName(const std::string& name) {
    if (name == "method")
        return InvokeKind::Method;
    if (name == "get")
        return InvokeKind::PropertyGet;
    if (name == "put")
        return InvokeKind::PropertyPut;
    throw EConvertError("Unknown call kind \"" + name + "\"");
}

nlohmann::json RemoteErrorJson(const std::string& className, const std::string& message, int32_t code) {
    return {{"error", {{"class", className}, {"message", message}, {"code", code}}}};
}

void RaiseIfRemoteError(const nlohmann::json& reply) {
    if (!reply.is_object() || !reply.contains("error"))
        return;
    const nlohmann::json& e = reply["error"];
    std::string message = e.is_object() && e.contains("message") && e["message"].is_string()
                              ? e["message"].get<std::string>()
                              : std::string("Application server error");
    std::string source = e.is_object() && e.contains("class") && e["class"].is_string() ? e["class"].get<std::string>()
                                                                                         : std::string("Server");
    int32_t code = e.is_object() && e.contains("code") && e["code"].is_number_integer() ? e["code"].get<int32_t>()
                                                                                          : DISP_E_EXCEPTION;
    throw EOleException(message, code, source);
}

}  // namespace rt
