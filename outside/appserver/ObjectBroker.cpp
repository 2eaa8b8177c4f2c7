#include "outside/appserver/ObjectBroker.h"

#include "outside/appserver/UserLogins.h"
#include "platform/automation/BoundedJson.h"
#include "platform/automation/VariantJson.h"
#include "platform/core/Exceptions.h"
#include "platform/remote/RemoteProtocol.h"

namespace appserver {

namespace {

using nlohmann::json;

constexpr int32_t E_INVALIDARG = static_cast<int32_t>(0x80070057);

// A request that cannot be carried out as sent; answered before anything runs.
class BadRequest : public std::runtime_error {
public:
    BadRequest(int status, const std::string& message) : std::runtime_error(message), status_(status) {}
    int Status() const { return status_; }

private:
    int status_;
};

const json& Field(const json& request, const char* name, json::value_t type) {
    if (!request.contains(name) || request[name].type() != type)
        throw BadRequest(400, std::string("Field \"") + name + "\" missing or of the wrong type");
    return request[name];
}

std::string TextField(const json& request, const char* name) {
    const json& value = Field(request, name, json::value_t::string);
    if (value.get<std::string>().empty())
        throw BadRequest(400, std::string("Field \"") + name + "\" is empty");
    return value.get<std::string>();
}

std::vector<rt::Variant> DecodeArgs(const json& request) {
    std::vector<rt::Variant> args;
    if (!request.contains("args"))
        return args;
    const json& list = Field(request, "args", json::value_t::array);
    try {
        for (const json& item : list)
            args.push_back(rt::VariantFromJson(item));
    } catch (const rt::Exception& e) {
        throw BadRequest(400, "Bad argument: " + e.Message());
    }
    return args;
}

std::vector<size_t> DecodeRefs(const json& request, size_t argCount) {
    std::vector<size_t> refs;
    if (!request.contains("refs"))
        return refs;
    for (const json& item : Field(request, "refs", json::value_t::array)) {
        if (!item.is_number_unsigned() || item.get<size_t>() >= argCount)
            throw BadRequest(400, "Bad by-reference index");
        refs.push_back(item.get<size_t>());
    }
    return refs;
}

size_t ObjectIndex(const json& request) {
    if (!request.contains("object"))
        return 0;
    if (!request["object"].is_number_unsigned())
        throw BadRequest(400, "Field \"object\" must be an object number");
    return request["object"].get<size_t>();
}

rt::InvokeKind KindOf(const json& request) {
    if (!request.contains("kind"))
        return rt::InvokeKind::Method;
    try {
        return rt::InvokeKindFromName(TextField(request, "kind"));
    } catch (const rt::EConvertError& e) {
        throw BadRequest(400, e.Message());
    }
}

ObjectBroker::Reply ErrorReply(int status, const std::string& cls, const std::string& message, int32_t code) {
    return {status, rt::RemoteErrorJson(cls, message, code)};
}

}  // namespace

ObjectBroker::ObjectBroker(Factory factory, Authenticator authenticator, Limits limits)
    : factory_(std::move(factory)), authenticator_(std::move(authenticator)), limits_(limits) {}

size_t ObjectBroker::SessionCount() const {
    std::lock_guard<std::mutex> guard(lock_);
    return sessions_.size();
}

ObjectBroker::Reply ObjectBroker::Handle(const std::string& path, const std::string& body) {
    try {
        json request;
        try {
            request = rt::ParseBoundedJson(body);
        } catch (const rt::EConvertError& e) {
            throw BadRequest(400, "The request is not a JSON object: " + e.Message());
        }
        if (!request.is_object())
            throw BadRequest(400, "The request is not a JSON object");
        if (path == "/connect")
            return Connect(request);
        if (path == "/invoke")
            return Invoke(request);
        if (path == "/disconnect")
            return Disconnect(request);
        throw BadRequest(404, "Unknown address " + path);
    } catch (const BadRequest& e) {
        return ErrorReply(e.Status(), "EBadRequest", e.what(), E_INVALIDARG);
    }
}

ObjectBroker::Caller ObjectBroker::LogIn(const json& request) const {
    if (!authenticator_)
        return {};
    Caller caller{TextField(request, "user"), ""};
    const json& password = Field(request, "password", json::value_t::string);
    caller.company = authenticator_(caller.user, password.get<std::string>());
    if (caller.company.empty())
        throw BadRequest(401, "Wrong user code or password");
    return caller;
}

void ObjectBroker::MakeRoomFor(const std::string& user) {
    const auto now = std::chrono::steady_clock::now();
    auto leastUsed = sessions_.end();
    size_t ofUser = 0;
    for (auto it = sessions_.begin(); it != sessions_.end();) {
        if (now - it->second->lastUsed > limits_.idleTimeout) {
            it = sessions_.erase(it);
            continue;
        }
        if (it->second->caller.user == user) {
            ++ofUser;
            if (leastUsed == sessions_.end() || it->second->lastUsed < leastUsed->second->lastUsed)
                leastUsed = it;
        }
        ++it;
    }
    if (ofUser >= limits_.maxSessionsPerUser && leastUsed != sessions_.end())
        sessions_.erase(leastUsed);
    if (sessions_.size() >= limits_.maxSessions)
        throw BadRequest(503, "Too many sessions");
}

ObjectBroker::Reply ObjectBroker::Connect(const json& request) {
    std::string progId = TextField(request, "server");
    const Caller caller = LogIn(request);
    {
        std::lock_guard<std::mutex> guard(lock_);
        MakeRoomFor(caller.user);
    }
    rt::DispatchPtr object;
    try {
        object = factory_(progId, caller);
    } catch (const rt::Exception& e) {
        return ErrorReply(500, e.ClassName(), e.Message(), rt::CO_E_CLASSSTRING);
    }
    if (!object)
        throw BadRequest(404, "Invalid class string: " + progId);
    auto session = std::make_shared<Session>();
    session->objects.push_back(std::move(object));
    session->caller = caller;
    session->lastUsed = std::chrono::steady_clock::now();
    std::string id = SecureRandomHex(32);
    std::lock_guard<std::mutex> guard(lock_);
    if (sessions_.size() >= limits_.maxSessions)
        throw BadRequest(503, "Too many sessions");
    sessions_[id] = session;
    return {200, {{"id", id}}};
}

ObjectBroker::SessionPtr ObjectBroker::FindSession(const json& request) {
    std::string id = TextField(request, "id");
    std::lock_guard<std::mutex> guard(lock_);
    auto it = sessions_.find(id);
    if (it == sessions_.end())
        throw BadRequest(404, "Unknown session");
    const auto now = std::chrono::steady_clock::now();
    if (now - it->second->lastUsed > limits_.idleTimeout) {
        sessions_.erase(it);
        throw BadRequest(404, "Unknown session");
    }
    it->second->lastUsed = now;
    return it->second;
}

ObjectBroker::Reply ObjectBroker::Invoke(const json& request) {
    SessionPtr session = FindSession(request);
    std::string name = TextField(request, "name");
    rt::InvokeKind kind = KindOf(request);
    std::vector<rt::Variant> values = DecodeArgs(request);
    std::vector<size_t> refs = DecodeRefs(request, values.size());
    size_t objectIndex = ObjectIndex(request);

    std::lock_guard<std::mutex> guard(session->lock);
    if (objectIndex >= session->objects.size())
        throw BadRequest(404, "Unknown object " + std::to_string(objectIndex));
    rt::DispatchPtr object = session->objects[objectIndex];
    std::vector<rt::Variant> args(values.begin(), values.end());
    for (size_t i : refs)
        args[i] = rt::Variant::Ref(values[i]);
    try {
        rt::Variant result = rt::DispatchInvoke(object, name, kind, args);
        json reply;
        if (result.IsDispatch()) {
            session->objects.push_back(result.ToDispatch());
            reply["result"] = {{"object", session->objects.size() - 1}};
        } else {
            reply["result"] = rt::VariantToJson(result);
        }
        reply["out"] = json::array();
        for (size_t i : refs)
            reply["out"].push_back(json::array({i, rt::VariantToJson(values[i])}));
        return {200, reply};
    } catch (const rt::EOleSysError& e) {
        return ErrorReply(200, e.ClassName(), e.Message(), e.ErrorCode());
    } catch (const rt::Exception& e) {
        return ErrorReply(200, e.ClassName(), e.Message(), rt::DISP_E_EXCEPTION);
    } catch (const std::exception& e) {
        return ErrorReply(200, "Exception", e.what(), rt::DISP_E_EXCEPTION);
    }
}

ObjectBroker::Reply ObjectBroker::Disconnect(const json& request) {
    std::string id = TextField(request, "id");
    std::lock_guard<std::mutex> guard(lock_);
    if (sessions_.erase(id) == 0)
        throw BadRequest(404, "Unknown session");
    return {200, json::object()};
}

}  // namespace appserver
