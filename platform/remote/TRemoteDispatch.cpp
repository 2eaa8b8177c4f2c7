#include "platform/remote/TRemoteDispatch.h"

#include "platform/automation/VariantJson.h"
#include "platform/core/Exceptions.h"
#include "platform/remote/RemoteProtocol.h"

namespace rt {

nlohmann::json RemoteCall(const HttpJsonClient& client, const std::string& path, const nlohmann::json& request) {
    HttpJsonReply reply = client.Post(path, request);
    RaiseIfRemoteError(reply.body);
    if (reply.status != 200 || !reply.body.is_object())
        throw EOleSysError("Bad answer from the application server (HTTP " + std::to_string(reply.status) + ")",
                           DISP_E_EXCEPTION);
    return reply.body;
}

TRemoteDispatch::TRemoteDispatch(std::shared_ptr<TRemoteSession> session, size_t objectIndex)
    : session_(std::move(session)), objectIndex_(objectIndex) {}

std::string TRemoteDispatch::DispatchName() const { return session_->serverName; }

Variant TRemoteDispatch::Invoke(const std::string& name, InvokeKind kind, std::vector<Variant>& args) {
    nlohmann::json request = {{"id", session_->id},
                              {"object", objectIndex_},
                              {"name", name},
                              {"kind", InvokeKindName(kind)},
                              {"args", nlohmann::json::array()},
                              {"refs", nlohmann::json::array()}};
    for (size_t i = 0; i < args.size(); ++i) {
        request["args"].push_back(VariantToJson(args[i].Deref()));
        if (args[i].IsByRef())
            request["refs"].push_back(i);
    }
    nlohmann::json reply = RemoteCall(session_->client, "/invoke", request);
    try {
        if (reply.contains("out") && reply["out"].is_array())
            for (const nlohmann::json& pair : reply["out"]) {
                size_t index = pair.at(0).get<size_t>();
                if (index < args.size() && args[index].IsByRef())
                    args[index].AssignDeref(VariantFromJson(pair.at(1)));
            }
        const nlohmann::json& result = reply.contains("result") ? reply["result"] : nlohmann::json(nullptr);
        if (result.is_object() && result.size() == 1 && result.contains("object"))
            return Variant(DispatchPtr(std::make_shared<TRemoteDispatch>(session_, result["object"].get<size_t>())));
        return reply.contains("result") ? VariantFromJson(result) : Variant();
    } catch (const nlohmann::json::exception& e) {
        throw EOleSysError(std::string("Bad answer from the application server: ") + e.what(), DISP_E_EXCEPTION);
    } catch (const EConvertError& e) {
        throw EOleSysError("Bad answer from the application server: " + e.Message(), DISP_E_EXCEPTION);
    }
}

}  // namespace rt
