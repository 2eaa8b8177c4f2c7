#pragma once
// Builds a class's published tables from its static Publish function:
//
//   void TMyEdit::Publish(rt::TPublisher<TMyEdit>& p) {
//       p.Property("Text", &TMyEdit::GetText, &TMyEdit::SetText);
//       p.Property("Alignment", &TMyEdit::FAlignment).Default(taLeftJustify);
//       p.Property("Font", &TMyEdit::FFont);                 // sub-object, walked into
//       p.Property("OnExit", &TMyEdit::FOnExit);             // TEvent field
//       RT_METHOD(p, btnOkClick);
//       RT_COMPONENT(p, btnOk);                              // TButton* btnOk, bound on load
//   }
//
// The kind follows from the value type: std::string, bool, char, integers,
// RT_ENUM enumerations, TSet<E>, floating point, pointers to TObject classes,
// TEvent<...>. A getter is a member function or a field; a field alone is
// read-write, except an object pointer (a sub-object), which is read-only.

#include <array>
#include <concepts>
#include <functional>
#include <limits>
#include <string>
#include <type_traits>

#include "platform/classes/TEnumInfo.h"
#include "platform/classes/TEvent.h"
#include "platform/classes/TMetaClass.h"
#include "platform/classes/TSet.h"

namespace rt {

namespace detail {
template <class>
struct IsSetType : std::false_type {};
template <class E>
struct IsSetType<TSet<E>> : std::true_type {};
template <class>
struct IsEventType : std::false_type {};
template <class Sig>
struct IsEventType<TEvent<Sig>> : std::true_type {};
struct UnsetSetter {};
}  // namespace detail

template <class T>
class TPropBuilder {
public:
    explicit TPropBuilder(TPropInfo& info) : info_(info) {}

    template <class V>
    TPropBuilder& Default(const V& value) {
        info_.HasDefault = true;
        if constexpr (detail::IsSetType<V>::value) {
            info_.DefaultOrd = static_cast<int64_t>(value.Bits());
        } else if constexpr (std::is_convertible_v<const V&, std::string>) {
            info_.DefaultStr = value;
        } else if constexpr (std::is_floating_point_v<V>) {
            info_.DefaultFloat = value;
        } else {
            if (info_.Kind == tkFloat) info_.DefaultFloat = static_cast<double>(value);
            info_.DefaultOrd = static_cast<int64_t>(value);
        }
        return *this;
    }
    // Names the integer type, so that its registered identifiers apply ("TColor").
    TPropBuilder& TypeName(const char* name) {
        info_.TypeName = name;
        return *this;
    }
    // Always stored, whatever its value.
    TPropBuilder& NoDefault() {
        info_.HasDefault = false;
        return *this;
    }
    TPropBuilder& Stored(bool stored) {
        info_.Stored = stored;
        info_.StoredFn = nullptr;
        return *this;
    }
    TPropBuilder& Stored(bool (T::*predicate)() const) {
        info_.StoredFn = [predicate](TObject* o) { return (static_cast<T*>(o)->*predicate)(); };
        return *this;
    }

private:
    TPropInfo& info_;
};

template <class T>
class TPublisher {
public:
    explicit TPublisher(TMetaClass& meta) : meta_(meta) {}

    template <class G, class S = detail::UnsetSetter>
    TPropBuilder<T> Property(const char* name, G get, S set = {}) {
        using V = std::remove_cvref_t<std::invoke_result_t<G, T*>>;
        TPropInfo info;
        info.Name = name;
        Fill<V>(info, MakeGetter<V>(get), MakeSetter<V>(get, set));
        return TPropBuilder<T>(meta_.AddProperty(std::move(info)));
    }

    // Re-publishes an inherited property, to change its default or stored flag.
    TPropBuilder<T> Republish(const char* name) { return TPropBuilder<T>(meta_.RepublishProperty(name)); }

    template <auto M>
    void Method(const char* name) {
        meta_.AddMethod(name, MethodEntryOf<M>());
    }

    // A field holding a component of the form, bound by name when the form is read.
    template <class C>
    void Component(std::string name, C* T::*field) {
        meta_.AddComponentField(TComponentField{std::move(name), &C::StaticClass, [field](TObject* o, TComponent* c) {
                                                    Self(o)->*field = static_cast<C*>(c);
                                                }});
    }
    // One element of an array of such fields (ed06A..ed12A).
    template <class C, size_t N>
    void Component(std::string name, std::array<C*, N> T::*array, size_t index) {
        meta_.AddComponentField(TComponentField{std::move(name), &C::StaticClass,
                                                [array, index](TObject* o, TComponent* c) {
                                                    (Self(o)->*array).at(index) = static_cast<C*>(c);
                                                }});
    }

private:
    template <class V>
    using Getter = std::function<V(T*)>;
    template <class V>
    using Setter = std::function<void(T*, const V&)>;

    template <class V, class G>
    static Getter<V> MakeGetter(G get) {
        return [get](T* o) -> V { return std::invoke(get, o); };
    }

    template <class V, class G, class S>
    static Setter<V> MakeSetter(G get, S set) {
        if constexpr (std::is_same_v<S, detail::UnsetSetter>) {
            if constexpr (std::is_member_object_pointer_v<G> && !std::is_pointer_v<V>) {
                return [get](T* o, const V& v) { o->*get = v; };
            } else {
                return {};
            }
        } else if constexpr (std::is_null_pointer_v<S>) {
            return {};
        } else if constexpr (std::is_member_object_pointer_v<S>) {
            return [set](T* o, const V& v) { o->*set = v; };
        } else {
            return [set](T* o, const V& v) { std::invoke(set, o, v); };
        }
    }

    static T* Self(TObject* o) { return static_cast<T*>(o); }

    template <class V>
    static void FillOrdinal(TPropInfo& info, Getter<V> get, Setter<V> set) {
        info.GetOrd = [get](TObject* o) { return static_cast<int64_t>(get(Self(o))); };
        if (set) info.SetOrd = [set](TObject* o, int64_t v) { set(Self(o), static_cast<V>(v)); };
    }

    template <class V>
    static void Fill(TPropInfo& info, Getter<V> get, Setter<V> set) {
        if constexpr (std::is_same_v<V, std::string>) {
            info.Kind = tkString;
            info.GetStr = [get](TObject* o) { return get(Self(o)); };
            if (set) info.SetStr = [set](TObject* o, const std::string& v) { set(Self(o), v); };
        } else if constexpr (std::is_same_v<V, bool>) {
            info.Kind = tkEnumeration;
            info.EnumType = &TEnumInfo::Boolean();
            info.GetOrd = [get](TObject* o) { return get(Self(o)) ? int64_t{1} : int64_t{0}; };
            if (set) info.SetOrd = [set](TObject* o, int64_t v) { set(Self(o), v != 0); };
        } else if constexpr (std::is_same_v<V, char>) {
            info.Kind = tkChar;
            info.MinValue = 0;
            info.MaxValue = 255;
            info.GetOrd = [get](TObject* o) { return int64_t{static_cast<unsigned char>(get(Self(o)))}; };
            if (set) info.SetOrd = [set](TObject* o, int64_t v) { set(Self(o), static_cast<char>(v)); };
        } else if constexpr (std::is_integral_v<V>) {
            info.Kind = tkInteger;
            info.MinValue = static_cast<int64_t>(std::numeric_limits<V>::min());
            info.MaxValue = sizeof(V) >= 8 ? INT64_MAX : static_cast<int64_t>(std::numeric_limits<V>::max());
            FillOrdinal<V>(info, get, set);
        } else if constexpr (EnumWithInfo<V>) {
            info.Kind = tkEnumeration;
            info.EnumType = &EnumInfoOf(static_cast<V*>(nullptr));
            FillOrdinal<V>(info, get, set);
        } else if constexpr (detail::IsSetType<V>::value) {
            info.Kind = tkSet;
            info.EnumType = &EnumInfoOf(static_cast<typename V::Enum*>(nullptr));
            info.GetOrd = [get](TObject* o) { return static_cast<int64_t>(get(Self(o)).Bits()); };
            if (set) {
                info.SetOrd = [set](TObject* o, int64_t v) { set(Self(o), V::FromBits(static_cast<uint64_t>(v))); };
            }
        } else if constexpr (std::is_floating_point_v<V>) {
            info.Kind = tkFloat;
            info.GetFloat = [get](TObject* o) { return static_cast<double>(get(Self(o))); };
            if (set) info.SetFloat = [set](TObject* o, double v) { set(Self(o), static_cast<V>(v)); };
        } else if constexpr (std::is_pointer_v<V>) {
            using U = std::remove_cv_t<std::remove_pointer_t<V>>;
            info.Kind = tkClass;
            info.ObjectClassFn = &U::StaticClass;
            info.GetObject = [get](TObject* o) -> TObject* { return get(Self(o)); };
            if (set) info.SetObject = [set](TObject* o, TObject* v) { set(Self(o), static_cast<U*>(v)); };
        } else if constexpr (detail::IsEventType<V>::value) {
            info.Kind = tkMethod;
            info.EventSignature = &typeid(typename V::Signature);
            info.GetMethod = [get](TObject* o) { return get(Self(o)).Method(); };
            if (set) info.SetMethod = [set](TObject* o, const TMethod& m) { set(Self(o), V(m)); };
        } else {
            static_assert(sizeof(V) == 0, "unsupported published property type");
        }
    }

    TMetaClass& meta_;
};

// One line per published method inside Publish: RT_METHOD(p, btnOkClick);
#define RT_METHOD(publisher, name) (publisher).template Method<&ThisClass::name>(#name)
// One line per component field: RT_COMPONENT(p, btnOk);
#define RT_COMPONENT(publisher, name) (publisher).Component(#name, &ThisClass::name)

}  // namespace rt
