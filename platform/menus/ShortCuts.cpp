#include "platform/menus/ShortCuts.h"

#include <cctype>
#include <cstdio>

#include "platform/controls/VirtualKeys.h"

namespace rt {

namespace {

struct KeyName {
    uint16_t key;
    const char* name;
};

constexpr KeyName kKeyNames[] = {
    {VK_BACK, "BkSp"},   {VK_TAB, "Tab"},     {VK_ESCAPE, "Esc"},   {VK_RETURN, "Enter"}, {VK_SPACE, "Space"},
    {VK_PRIOR, "PgUp"},  {VK_NEXT, "PgDn"},   {VK_END, "End"},      {VK_HOME, "Home"},    {VK_LEFT, "Left"},
    {VK_UP, "Up"},       {VK_RIGHT, "Right"}, {VK_DOWN, "Down"},    {VK_INSERT, "Ins"},   {VK_DELETE, "Del"},
};

std::string KeyText(uint16_t key) {
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) return std::string(1, static_cast<char>(key));
    if (key >= VK_F1 && key <= VK_F1 + 23) return "F" + std::to_string(key - VK_F1 + 1);
    for (const KeyName& k : kKeyNames) {
        if (k.key == key) return k.name;
    }
    return {};
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

uint16_t KeyOfText(std::string_view text) {
    for (int k = 1; k < 256; ++k) {
        const std::string name = KeyText(static_cast<uint16_t>(k));
        if (!name.empty() && EqualsNoCase(name, text)) return static_cast<uint16_t>(k);
    }
    return 0;
}

// Removes a leading modifier name ("Ctrl+") from `text`, true when one was there.
bool TakeModifier(std::string_view& text, std::string_view name) {
    if (text.size() <= name.size() || !EqualsNoCase(text.substr(0, name.size()), name)) return false;
    text.remove_prefix(name.size());
    return true;
}

}  // namespace

TShortCut ShortCut(uint16_t key, TShiftState shift) {
    if ((key & 0xFF00) != 0) return scNone;
    TShortCut result = key;
    if (shift.Contains(ssShift)) result |= scShift;
    if (shift.Contains(ssCtrl)) result |= scCtrl;
    if (shift.Contains(ssAlt)) result |= scAlt;
    return result;
}

void ShortCutToKey(TShortCut shortCut, uint16_t& key, TShiftState& shift) {
    key = shortCut & 0xFF;
    shift = {};
    if ((shortCut & scShift) != 0) shift.Include(ssShift);
    if ((shortCut & scCtrl) != 0) shift.Include(ssCtrl);
    if ((shortCut & scAlt) != 0) shift.Include(ssAlt);
}

std::string ShortCutToText(TShortCut shortCut) {
    const std::string name = KeyText(shortCut & 0xFF);
    if (name.empty()) return {};
    std::string text;
    if ((shortCut & scShift) != 0) text += "Shift+";
    if ((shortCut & scCtrl) != 0) text += "Ctrl+";
    if ((shortCut & scAlt) != 0) text += "Alt+";
    return text + name;
}

TShortCut TextToShortCut(std::string_view text) {
    TShortCut modifiers = 0;
    for (bool found = true; found;) {
        found = false;
        if (TakeModifier(text, "Shift+")) modifiers |= scShift, found = true;
        if (TakeModifier(text, "Ctrl+")) modifiers |= scCtrl, found = true;
        if (TakeModifier(text, "Alt+")) modifiers |= scAlt, found = true;
    }
    const uint16_t key = KeyOfText(text);
    return key == 0 ? scNone : static_cast<TShortCut>(key | modifiers);
}

std::string StripHotkey(std::string_view caption) {
    std::string result;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] != '&') {
            result += caption[i];
        } else if (i + 1 < caption.size() && caption[i + 1] == '&') {
            result += '&';
            ++i;
        }
    }
    return result;
}

char GetHotkey(std::string_view caption) {
    for (size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        if (caption[i + 1] == '&') {
            ++i;
            continue;
        }
        return static_cast<char>(std::toupper(static_cast<unsigned char>(caption[i + 1])));
    }
    return 0;
}

bool IsAccel(uint16_t key, std::string_view caption) {
    const char hot = GetHotkey(caption);
    return hot != 0 && static_cast<uint16_t>(static_cast<unsigned char>(hot)) == key;
}

}  // namespace rt
