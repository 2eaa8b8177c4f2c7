#pragma once
// A typed event property value: a method pair whose handler has the parameter
// list `P...`, callable like the handler itself.

#include <typeinfo>

#include "platform/classes/TMethod.h"

namespace rt {

template <class Sig>
class TEvent;

template <class... P>
class TEvent<void(P...)> {
public:
    using Signature = void(P...);

    TEvent() = default;
    // Raises EInvalidOperation when the handler's parameters differ from the event's.
    explicit TEvent(const TMethod& method) { Assign(method); }
    TEvent(TObject* data, const TMethodEntry* code) { Assign(TMethod{code, data}); }

    // Binds member function M of `self` directly, without looking it up by name.
    template <auto M, class C>
    static TEvent Of(C* self) {
        return TEvent(static_cast<TObject*>(self), MethodEntryOf<M>());
    }

    static bool Accepts(const TMethod& method) {
        return method.Code == nullptr || method.Code->Signature() == typeid(Signature);
    }

    void Assign(const TMethod& method) {
        if (!Accepts(method)) throw EInvalidOperation("Incompatible event handler");
        method_ = method;
    }
    void Clear() { method_ = TMethod{}; }

    const TMethod& Method() const { return method_; }
    bool Assigned() const { return method_.Assigned(); }

    // Does nothing when no handler is assigned.
    template <class... A>
    void operator()(A&&... args) const {
        if (method_.Code != nullptr) method_.Code->template Call<P...>(method_.Data, std::forward<A>(args)...);
    }

    friend bool operator==(const TEvent& a, const TEvent& b) { return a.method_ == b.method_; }

private:
    TMethod method_;
};

}  // namespace rt
