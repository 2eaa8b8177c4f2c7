#pragma once
// What the page may send, checked before anything reaches the forms:
//   {"key": NAME}            a key with modifiers ("Shift+Tab", "Ctrl+A", "F2")
//   {"type": TEXT}           typed characters (an input method's text too)
//   {"click": {"window": FORM, "x": X, "y": Y}}     at a point of the form's client area
//   {"dblclick": {"window": FORM, "x": X, "y": Y}}
//   {"answer": BUTTON}       the button chosen in a message dialog

#include <string>

#include <nlohmann/json.hpp>

namespace host::serve {

class PageEvents {
public:
    static constexpr size_t kMaxMessageBytes = 16 * 1024;
    static constexpr size_t kMaxTypedBytes = 1024;

    // Empty when `event` is one of the events above; otherwise why not.
    static std::string Check(const nlohmann::json& event);
    // A page's name for itself: letters, digits and '-', 8 to 64 of them.
    static bool IsClientId(const std::string& id);
};

}  // namespace host::serve
