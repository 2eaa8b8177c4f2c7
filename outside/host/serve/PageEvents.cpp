#include "outside/host/serve/PageEvents.h"

#include "platform/controls/KeyNames.h"

namespace host::serve {

namespace {

constexpr int kMaxCoordinate = 1 << 15;

bool IsCoordinate(const nlohmann::json& v) {
    return v.is_number_integer() && v.get<int64_t>() >= -kMaxCoordinate && v.get<int64_t>() <= kMaxCoordinate;
}

std::string CheckPoint(const nlohmann::json& arg) {
    if (!arg.is_object() || arg.size() != 3 || !arg.contains("window") || !arg["window"].is_string() ||
        !arg.contains("x") || !arg.contains("y") || !IsCoordinate(arg["x"]) || !IsCoordinate(arg["y"]))
        return "a click is {\"window\": NAME, \"x\": X, \"y\": Y}";
    return {};
}

}  // namespace

bool PageEvents::IsClientId(const std::string& id) {
    if (id.size() < 8 || id.size() > 64) return false;
    for (char c : id)
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '-')) return false;
    return true;
}

std::string PageEvents::Check(const nlohmann::json& event) {
    if (!event.is_object() || event.size() != 1) return "an event is an object with one action";
    const std::string& action = event.begin().key();
    const nlohmann::json& arg = event.begin().value();
    if (action == "key") {
        uint16_t key = 0;
        rt::TShiftState shift;
        if (!arg.is_string() || arg.get<std::string>().size() > 32 || !rt::ParseKeyName(arg.get<std::string>(), key, shift))
            return "unknown key";
        return {};
    }
    if (action == "type") {
        if (!arg.is_string() || arg.get<std::string>().empty() || arg.get<std::string>().size() > kMaxTypedBytes)
            return "type needs a text of 1 to 1024 bytes";
        for (unsigned char c : arg.get<std::string>())
            if (c < 0x20 || c == 0x7F) return "type takes printable characters only";
        return {};
    }
    if (action == "click" || action == "dblclick") return CheckPoint(arg);
    if (action == "answer") {
        if (!arg.is_string() || arg.get<std::string>().empty() || arg.get<std::string>().size() > 32)
            return "answer needs a button name";
        return {};
    }
    return "unknown action \"" + action.substr(0, 32) + "\"";
}

}  // namespace host::serve
