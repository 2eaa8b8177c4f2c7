#include "src/framework/HandlerRegistry.h"

#include "platform/classes/Events.h"
#include "platform/classes/TComponent.h"
#include "platform/classes/TypInfo.h"
#include "platform/sysutils/StrUtils.h"

namespace hemr {

namespace {

bool HasEvent(rt::TComponent* control, const std::string& event) {
    return control != nullptr && rt::HasProperty(control, event) && rt::PropType(control, event) == rt::tkMethod;
}

}  // namespace

std::string HandlerKey(const std::string& controlName, const std::string& event, const char* part) {
    return controlName + "." + event + "." + part;
}

bool THandlerRegistry::Hook(rt::TComponent* control, const std::string& event, const rt::TMethod& handler) {
    if (!HasEvent(control, event)) return false;
    const rt::TMethod previous = rt::GetMethodProp(control, event);
    if (!(previous == handler)) {
        if (previous.Code != nullptr) entries_.push_back({HandlerKey(control->Name(), event, "Code"), previous.Code, nullptr});
        if (previous.Data != nullptr) entries_.push_back({HandlerKey(control->Name(), event, "Data"), nullptr, previous.Data});
    }
    rt::SetMethodProp(control, event, handler);
    return true;
}

void THandlerRegistry::Unhook(rt::TComponent* control, const std::string& event, const rt::TMethod& handler) {
    if (!HasEvent(control, event) || !(rt::GetMethodProp(control, event) == handler)) return;
    rt::SetMethodProp(control, event, Stored(control->Name(), event));
}

const THandlerRegistry::TEntry* THandlerRegistry::Find(const std::string& key) const {
    for (const TEntry& e : entries_)
        if (rt::SameText(e.Key, key)) return &e;
    return nullptr;
}

rt::TMethod THandlerRegistry::Stored(const std::string& controlName, const std::string& event) const {
    rt::TMethod method;
    if (const TEntry* code = Find(HandlerKey(controlName, event, "Code"))) method.Code = code->Code;
    if (const TEntry* data = Find(HandlerKey(controlName, event, "Data"))) method.Data = data->Data;
    return method;
}

void THandlerRegistry::CallStored(rt::TComponent* sender, const std::string& event) const {
    if (sender == nullptr) return;
    const rt::TMethod method = Stored(sender->Name(), event);
    if (!method.Assigned() || !rt::TNotifyEvent::Accepts(method)) return;
    const rt::TNotifyEvent handler(method);
    handler(sender);
}

std::vector<std::string> THandlerRegistry::Keys() const {
    std::vector<std::string> keys;
    for (const TEntry& e : entries_) keys.push_back(e.Key);
    return keys;
}

}  // namespace hemr
