#pragma once
// RT_CLASS(Self, Parent) inside a class body gives it its run-time class object:
// StaticClass(), ClassType(), and `inherited`. The class object is built on first
// use; a class publishes properties by declaring
//     static void Publish(rt::TPublisher<Self>& p);
// and registers for creation by name through RegisterClass.

#include <type_traits>

#include "platform/classes/TMetaClass.h"
#include "platform/classes/TPublisher.h"

namespace rt::detail {

template <class T>
TObject* CreateInstanceOf(TComponent* owner) {
    if constexpr (std::is_constructible_v<T, TComponent*>) {
        return new T(owner);
    } else {
        (void)owner;
        return new T();
    }
}

template <class T>
constexpr TMetaClass::Factory FactoryOf() {
    if constexpr (std::is_abstract_v<T>) {
        return nullptr;
    } else if constexpr (std::is_constructible_v<T, TComponent*> || std::is_default_constructible_v<T>) {
        return &CreateInstanceOf<T>;
    } else {
        return nullptr;
    }
}

template <class Self, class Parent>
TClass ClassOf(const char* name) {
    static const TMetaClass meta(name, Parent::StaticClass(), FactoryOf<Self>(), &Self::template RtPublishTables<Self>);
    return &meta;
}

}  // namespace rt::detail

#define RT_CLASS(Self, Parent)                                                        \
public:                                                                               \
    using inherited = Parent;                                                         \
    using ThisClass = Self;                                                           \
    static ::rt::TClass StaticClass() { return ::rt::detail::ClassOf<Self, Parent>(#Self); } \
    ::rt::TClass ClassType() const override { return StaticClass(); }                \
    template <class S = Self>                                                         \
    static void RtPublishTables(::rt::TMetaClass& meta) {                             \
        if constexpr (requires(::rt::TPublisher<S>& p) { S::Publish(p); }) {          \
            ::rt::TPublisher<S> publisher(meta);                                      \
            S::Publish(publisher);                                                    \
        } else {                                                                      \
            (void)meta;                                                               \
        }                                                                             \
    }                                                                                 \
                                                                                      \
private:
