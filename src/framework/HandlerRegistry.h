#pragma once
// Puts a form's handler in front of a control's published event handler and
// keeps the control's previous handler, so the form can still call it after
// its own check. The previous handler is kept as two keyed parts,
// control name + "." + event + ".Code" and ... + ".Data"; a missing key is a
// null part, and the first entry of a key is the one that counts.

#include <string>
#include <vector>

#include "platform/classes/TMethod.h"

namespace rt {
class TComponent;
class TObject;
}  // namespace rt

namespace hemr {

class THandlerRegistry {
public:
    // Sets `control`'s event property `event` (e.g. "OnExit") to `handler`,
    // keeping the handler it had. False when the control has no such published
    // event. A control already holding `handler` keeps nothing new, so the
    // form's handler never ends up calling itself.
    bool Hook(rt::TComponent* control, const std::string& event, const rt::TMethod& handler);
    // Gives the event its kept handler back (null when none was kept), but only
    // while it still holds `handler`: a control that was never hooked keeps its own.
    void Unhook(rt::TComponent* control, const std::string& event, const rt::TMethod& handler);
    // The kept handler of a control's event; null parts when nothing was kept.
    rt::TMethod Stored(const std::string& controlName, const std::string& event) const;
    // Calls the kept notify handler of `sender`'s event with `sender`; nothing when none.
    void CallStored(rt::TComponent* sender, const std::string& event) const;

    // The keys in the order they were added (for inspection).
    std::vector<std::string> Keys() const;

private:
    struct TEntry {
        std::string Key;
        const rt::TMethodEntry* Code = nullptr;
        rt::TObject* Data = nullptr;
    };
    const TEntry* Find(const std::string& key) const;

    std::vector<TEntry> entries_;
};

// The key of a kept handler part: "ed03.OnExit.Code".
std::string HandlerKey(const std::string& controlName, const std::string& event, const char* part);

}  // namespace hemr
