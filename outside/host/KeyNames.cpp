#include "outside/host/KeyNames.h"

#include <utility>
#include <vector>

#include "platform/controls/VirtualKeys.h"
#include "platform/sysutils/StrUtils.h"

namespace host {

namespace {

const std::vector<std::pair<const char*, uint16_t>>& NamedKeys() {
    static const std::vector<std::pair<const char*, uint16_t>> keys = {
        {"Tab", rt::VK_TAB},        {"Enter", rt::VK_RETURN},    {"Return", rt::VK_RETURN},
        {"Escape", rt::VK_ESCAPE},  {"Esc", rt::VK_ESCAPE},      {"Backspace", rt::VK_BACK},
        {"Space", rt::VK_SPACE},    {"PageUp", rt::VK_PRIOR},    {"PageDown", rt::VK_NEXT},
        {"Home", rt::VK_HOME},      {"End", rt::VK_END},         {"Left", rt::VK_LEFT},
        {"Right", rt::VK_RIGHT},    {"Up", rt::VK_UP},           {"Down", rt::VK_DOWN},
        {"Insert", rt::VK_INSERT},  {"Delete", rt::VK_DELETE},
    };
    return keys;
}

std::optional<uint16_t> KeyOf(const std::string& name) {
    for (const auto& [keyName, code] : NamedKeys())
        if (rt::SameText(name, keyName)) return code;
    if (name.size() >= 2 && (name[0] == 'F' || name[0] == 'f')) {
        int n = 0;
        for (size_t i = 1; i < name.size(); ++i) {
            if (name[i] < '0' || name[i] > '9') return std::nullopt;
            n = n * 10 + (name[i] - '0');
        }
        if (n >= 1 && n <= 12) return static_cast<uint16_t>(rt::VK_F1 + n - 1);
        return std::nullopt;
    }
    if (name.size() == 1) {
        const char c = name[0];
        if (c >= 'a' && c <= 'z') return static_cast<uint16_t>(c - 'a' + 'A');
        if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return static_cast<uint16_t>(c);
    }
    return std::nullopt;
}

}  // namespace

std::optional<KeyStroke> ParseKeyName(const std::string& name) {
    KeyStroke stroke;
    std::vector<std::string> parts = rt::SplitString(name, "+");
    if (parts.empty()) return std::nullopt;
    for (size_t i = 0; i + 1 < parts.size(); ++i) {
        const std::string& m = parts[i];
        if (rt::SameText(m, "Shift")) stroke.Shift.Include(rt::ssShift);
        else if (rt::SameText(m, "Ctrl") || rt::SameText(m, "Control")) stroke.Shift.Include(rt::ssCtrl);
        else if (rt::SameText(m, "Alt")) stroke.Shift.Include(rt::ssAlt);
        else return std::nullopt;
    }
    const std::optional<uint16_t> key = KeyOf(parts.back());
    if (!key) return std::nullopt;
    stroke.Key = *key;
    return stroke;
}

char CharOfKey(const KeyStroke& stroke) {
    if (stroke.Shift.Contains(rt::ssCtrl) || stroke.Shift.Contains(rt::ssAlt)) return 0;
    switch (stroke.Key) {
        case rt::VK_RETURN: return '\r';
        case rt::VK_ESCAPE: return '\x1b';
        case rt::VK_BACK: return '\b';
        default: return 0;
    }
}

}  // namespace host
