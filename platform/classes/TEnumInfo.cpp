#include "platform/classes/TEnumInfo.h"

#include "platform/classes/IdentText.h"

namespace rt {

namespace {
std::vector<std::string> SplitNames(std::string_view list) {
    std::vector<std::string> names;
    while (!list.empty()) {
        const size_t comma = list.find(',');
        const std::string_view part = TrimView(list.substr(0, comma));
        if (!part.empty()) names.emplace_back(part);
        if (comma == std::string_view::npos) break;
        list.remove_prefix(comma + 1);
    }
    return names;
}
}  // namespace

TEnumInfo::TEnumInfo(std::string typeName, std::string_view valueList)
    : typeName_(std::move(typeName)), names_(SplitNames(valueList)) {}

TEnumInfo::TEnumInfo(std::string typeName, std::vector<std::string> names)
    : typeName_(std::move(typeName)), names_(std::move(names)) {}

int TEnumInfo::ValueOf(std::string_view name) const {
    for (size_t i = 0; i < names_.size(); ++i) {
        if (SameName(names_[i], name)) return static_cast<int>(i);
    }
    return -1;
}

std::string TEnumInfo::NameOf(int64_t value) const {
    if (!IsValid(value)) return std::to_string(value);
    return names_[static_cast<size_t>(value)];
}

std::string TEnumInfo::SetToText(uint64_t bits) const {
    std::string text = "[";
    bool first = true;
    for (int i = 0; i < Count() && i < 64; ++i) {
        if ((bits & (uint64_t{1} << i)) == 0) continue;
        if (!first) text += ',';
        text += names_[static_cast<size_t>(i)];
        first = false;
    }
    return text + "]";
}

bool TEnumInfo::TryTextToSet(std::string_view text, uint64_t& bits, std::string& badName) const {
    std::string_view body = TrimView(text);
    if (!body.empty() && body.front() == '[') {
        if (body.size() < 2 || body.back() != ']') {
            badName = std::string(text);
            return false;
        }
        body = body.substr(1, body.size() - 2);
    }
    uint64_t result = 0;
    while (true) {
        const size_t comma = body.find(',');
        const std::string_view name = TrimView(body.substr(0, comma));
        if (!name.empty() || comma != std::string_view::npos) {
            const int v = ValueOf(name);
            if (v < 0 || v >= 64) {
                badName = std::string(name);
                return false;
            }
            result |= uint64_t{1} << v;
        }
        if (comma == std::string_view::npos) break;
        body.remove_prefix(comma + 1);
    }
    bits = result;
    return true;
}

const TEnumInfo& TEnumInfo::Boolean() {
    static const TEnumInfo info("Boolean", std::vector<std::string>{"False", "True"});
    return info;
}

}  // namespace rt
