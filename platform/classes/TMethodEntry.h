#pragma once
// The code half of a method pair: one entry per member function, so that two
// pairs naming the same handler compare equal by pointer identity.

#include <any>
#include <functional>
#include <typeinfo>
#include <utility>

#include "platform/core/Exceptions.h"

namespace rt {

class TObject;

class TMethodEntry {
public:
    template <class... P>
    TMethodEntry(std::function<void(TObject*, P...)> call)
        : signature_(&typeid(void(P...))), call_(std::move(call)) {}

    TMethodEntry(const TMethodEntry&) = delete;
    TMethodEntry& operator=(const TMethodEntry&) = delete;

    // The handler's parameter list as a function type, e.g. void(TObject*).
    const std::type_info& Signature() const { return *signature_; }

    // Calls the handler on `self` with exactly the parameter types of its signature.
    template <class... P, class... A>
    void Call(TObject* self, A&&... args) const {
        if (self == nullptr) throw EInvalidPointer("Event handler called without an object");
        const auto* fn = std::any_cast<std::function<void(TObject*, P...)>>(&call_);
        if (fn == nullptr) throw EInvalidOperation("Event handler called with incompatible arguments");
        (*fn)(self, std::forward<A>(args)...);
    }

private:
    const std::type_info* signature_;
    std::any call_;
};

namespace detail {
template <class C, class... P>
std::function<void(TObject*, P...)> MakeInvoker(void (C::*method)(P...)) {
    return [method](TObject* self, P... args) { (static_cast<C*>(self)->*method)(std::forward<P>(args)...); };
}
}  // namespace detail

// The one entry of member function M; the published method table and direct
// bindings both use it, so they agree on identity.
template <auto M>
const TMethodEntry* MethodEntryOf() {
    static const TMethodEntry entry(detail::MakeInvoker(M));
    return &entry;
}

}  // namespace rt
