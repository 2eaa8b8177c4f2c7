#include "platform/controls/KeyNames.h"

#include "platform/classes/IdentText.h"
#include "platform/controls/VirtualKeys.h"

namespace rt {

namespace {

struct TNamedKey {
    const char* Name;
    uint16_t Key;
};

// The first name of a key is the one written back.
constexpr TNamedKey kKeys[] = {
    {"Tab", VK_TAB},         {"Enter", VK_RETURN},     {"Return", VK_RETURN},   {"Escape", VK_ESCAPE},
    {"Esc", VK_ESCAPE},      {"Space", VK_SPACE},      {"Backspace", VK_BACK},  {"Delete", VK_DELETE},
    {"Del", VK_DELETE},      {"Insert", VK_INSERT},    {"Ins", VK_INSERT},      {"Left", VK_LEFT},
    {"Right", VK_RIGHT},     {"Up", VK_UP},            {"Down", VK_DOWN},       {"Home", VK_HOME},
    {"End", VK_END},         {"PageUp", VK_PRIOR},     {"PgUp", VK_PRIOR},      {"PageDown", VK_NEXT},
    {"PgDn", VK_NEXT},
};

bool ParseBareKey(std::string_view name, uint16_t& key) {
    for (const TNamedKey& k : kKeys) {
        if (SameName(name, k.Name)) {
            key = k.Key;
            return true;
        }
    }
    if (name.size() == 1) {
        char c = name[0];
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) {
            key = static_cast<uint16_t>(c);
            return true;
        }
        return false;
    }
    if ((name[0] == 'F' || name[0] == 'f') && name.size() <= 3) {
        int n = 0;
        for (char c : name.substr(1)) {
            if (c < '0' || c > '9') return false;
            n = n * 10 + (c - '0');
        }
        if (n >= 1 && n <= 12) {
            key = static_cast<uint16_t>(VK_F1 + n - 1);
            return true;
        }
    }
    return false;
}

bool ParseModifier(std::string_view name, TShiftState& shift) {
    if (SameName(name, "Shift")) {
        shift.Include(ssShift);
    } else if (SameName(name, "Ctrl") || SameName(name, "Control")) {
        shift.Include(ssCtrl);
    } else if (SameName(name, "Alt")) {
        shift.Include(ssAlt);
    } else {
        return false;
    }
    return true;
}

}  // namespace

bool ParseKeyName(std::string_view text, uint16_t& key, TShiftState& shift) {
    TShiftState mods;
    text = TrimView(text);
    // The last part is the key; "Ctrl++" is not supported, no key is named "+".
    size_t plus = text.find('+');
    while (plus != std::string_view::npos) {
        if (!ParseModifier(TrimView(text.substr(0, plus)), mods)) return false;
        text = text.substr(plus + 1);
        plus = text.find('+');
    }
    uint16_t k = 0;
    if (!ParseBareKey(TrimView(text), k)) return false;
    key = k;
    shift = mods;
    return true;
}

std::string KeyName(uint16_t key, TShiftState shift) {
    std::string name;
    for (const TNamedKey& k : kKeys) {
        if (k.Key == key) {
            name = k.Name;
            break;
        }
    }
    if (name.empty()) {
        if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) {
            name = std::string(1, static_cast<char>(key));
        } else if (key >= VK_F1 && key <= VK_F12) {
            name = "F" + std::to_string(key - VK_F1 + 1);
        } else {
            return {};
        }
    }
    std::string prefix;
    if (shift.Contains(ssCtrl)) prefix += "Ctrl+";
    if (shift.Contains(ssAlt)) prefix += "Alt+";
    if (shift.Contains(ssShift)) prefix += "Shift+";
    return prefix + name;
}

char CharOfKey(uint16_t key, TShiftState shift) {
    if (shift.Contains(ssAlt)) return 0;
    const bool shifted = shift.Contains(ssShift);
    if (key >= 'A' && key <= 'Z') {
        if (shift.Contains(ssCtrl)) return static_cast<char>(key - 'A' + 1);
        return shifted ? static_cast<char>(key) : static_cast<char>(key - 'A' + 'a');
    }
    if (shift.Contains(ssCtrl)) return 0;
    if (key >= '0' && key <= '9') return shifted ? ")!@#$%^&*("[key - '0'] : static_cast<char>(key);
    switch (key) {
        case VK_SPACE: return ' ';
        case VK_RETURN: return '\r';
        case VK_ESCAPE: return '\x1B';
        case VK_TAB: return '\t';
        case VK_BACK: return '\b';
        default: return 0;
    }
}

}  // namespace rt
