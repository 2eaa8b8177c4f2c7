#include "platform/classes/TypInfo.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <functional>

#include "platform/classes/IdentMaps.h"
#include "platform/classes/IdentText.h"
#include "platform/classes/TComponent.h"
#include "platform/classes/TEnumInfo.h"
#include "platform/core/Exceptions.h"

namespace rt {

namespace {

std::string Quoted(std::string_view text) {
    std::string quoted;
    quoted.reserve(text.size() + 2);
    quoted += '\'';
    quoted += text;
    quoted += '\'';
    return quoted;
}

bool KindIsOrdinal(const TPropInfo& p) { return p.IsOrdinal(); }
bool KindIs(const TPropInfo& p, TTypeKind kind) { return p.Kind == kind; }
bool AnyKind(const TPropInfo&) { return true; }

// The old value of a property, put back when a setter throws halfway.
class TValueSnapshot {
public:
    TValueSnapshot(TObject* instance, const TPropInfo& info) : instance_(instance), info_(info) {
        switch (info.Kind) {
            case tkInteger:
            case tkChar:
            case tkEnumeration:
            case tkSet: ord_ = info.GetOrd(instance); break;
            case tkString: str_ = info.GetStr(instance); break;
            case tkFloat: float_ = info.GetFloat(instance); break;
            case tkClass: obj_ = info.GetObject(instance); break;
            case tkMethod: method_ = info.GetMethod(instance); break;
            case tkUnknown: break;
        }
    }
    void Restore() const noexcept {
        try {
            switch (info_.Kind) {
                case tkInteger:
                case tkChar:
                case tkEnumeration:
                case tkSet: info_.SetOrd(instance_, ord_); break;
                case tkString: info_.SetStr(instance_, str_); break;
                case tkFloat: info_.SetFloat(instance_, float_); break;
                case tkClass: info_.SetObject(instance_, obj_); break;
                case tkMethod: info_.SetMethod(instance_, method_); break;
                case tkUnknown: break;
            }
        } catch (...) {
            // The setter refuses its own old value; nothing better can be done.
        }
    }

private:
    TObject* instance_;
    const TPropInfo& info_;
    int64_t ord_ = 0;
    std::string str_;
    double float_ = 0.0;
    TObject* obj_ = nullptr;
    TMethod method_;
};

std::string KindMismatch(std::string_view path, const TPropInfo& info, const char* wanted) {
    return "Property " + std::string(path) + " is a " + TypeKindName(info.Kind) + " property, not " + wanted;
}

using KindFilter = bool (*)(const TPropInfo&);
using Apply = std::function<TPropResult(TObject*, const TPropInfo&)>;

// Resolves, checks kind and writability, applies; a throwing setter is undone.
TPropResult Attempt(TObject* instance, std::string_view path, KindFilter accepts, const char* wanted,
                    const Apply& apply) {
    std::string reason;
    const TPropTarget target = FindPropTarget(instance, path, &reason);
    if (target.Info == nullptr) return TPropResult::Failure(reason);
    if (!accepts(*target.Info)) return TPropResult::Failure(KindMismatch(path, *target.Info, wanted));
    if (!target.Info->IsWritable()) return TPropResult::Failure("Property " + std::string(path) + " is read-only");
    const TValueSnapshot snapshot(target.Instance, *target.Info);
    try {
        return apply(target.Instance, *target.Info);
    } catch (const Exception& e) {
        snapshot.Restore();
        return TPropResult::Failure("Cannot set property " + std::string(path) + ": " + e.Message());
    }
}

void ThrowIfFailed(const TPropResult& result) {
    if (!result.Ok) throw EPropertyError(result.Reason);
}

TPropTarget RequireTarget(TObject* instance, std::string_view path, KindFilter accepts, const char* wanted) {
    std::string reason;
    const TPropTarget target = FindPropTarget(instance, path, &reason);
    if (target.Info == nullptr) throw EPropertyError(reason);
    if (!accepts(*target.Info)) throw EPropertyError(KindMismatch(path, *target.Info, wanted));
    return target;
}

TPropResult InvalidValue(std::string_view text, std::string_view path) {
    return TPropResult::Failure("Invalid value " + Quoted(text) + " for property " + std::string(path));
}

TPropResult WriteOrd(TObject* instance, const TPropInfo& info, int64_t value, std::string_view path) {
    const bool inRange = info.Kind == tkEnumeration ? info.EnumType->IsValid(value)
                         : info.Kind == tkSet       ? (info.EnumType->Count() >= 64 ||
                                                 (static_cast<uint64_t>(value) >> info.EnumType->Count()) == 0)
                                                    : (value >= info.MinValue && value <= info.MaxValue);
    if (!inRange) return InvalidValue(std::to_string(value), path);
    info.SetOrd(instance, value);
    return TPropResult::Success();
}

bool ParseInteger(std::string_view text, int64_t& value) {
    text = TrimView(text);
    bool negative = false;
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (!text.empty() && text[0] == '$') {
        base = 16;
        text.remove_prefix(1);
    } else if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    if (text.empty()) return false;
    uint64_t magnitude = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
    if (ec != std::errc() || end != text.data() + text.size()) return false;
    if (negative) {
        if (magnitude > uint64_t{1} << 63) return false;
        value = static_cast<int64_t>(0 - magnitude);
    } else {
        if (magnitude > static_cast<uint64_t>(INT64_MAX)) return false;
        value = static_cast<int64_t>(magnitude);
    }
    return true;
}

bool ParseFloat(std::string_view text, double& value) {
    text = TrimView(text);
    if (!text.empty() && text[0] == '+') text.remove_prefix(1);
    if (text.empty()) return false;
    double parsed = 0.0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(parsed)) return false;
    value = parsed;
    return true;
}

bool ParseOrdinalText(const TPropInfo& info, std::string_view text, int64_t& value) {
    switch (info.Kind) {
        case tkEnumeration: {
            const int v = info.EnumType->ValueOf(TrimView(text));
            if (v < 0) return false;
            value = v;
            return true;
        }
        case tkSet: {
            uint64_t bits = 0;
            std::string bad;
            if (!info.EnumType->TryTextToSet(text, bits, bad)) return false;
            value = static_cast<int64_t>(bits);
            return true;
        }
        case tkChar:
            if (text.size() == 1) {
                value = static_cast<unsigned char>(text[0]);
                return true;
            }
            return text.size() > 1 && text[0] == '#' && ParseInteger(text.substr(1), value);
        default: {
            if (const TIdentMapping* idents = FindIntegerConsts(info.TypeName)) {
                if (idents->ToInt != nullptr && idents->ToInt(TrimView(text), value)) return true;
            }
            return ParseInteger(text, value);
        }
    }
}

// Component references and handlers named in text are looked up from the
// object the path starts at, then up its owners.
TComponent* FindReference(TObject* base, std::string_view name) {
    for (auto* c = dynamic_cast<TComponent*>(base); c != nullptr; c = c->Owner()) {
        if (SameName(c->Name(), name)) return c;
        if (TComponent* found = c->FindComponent(name)) return found;
    }
    return nullptr;
}

TMethod FindHandler(TObject* base, std::string_view name) {
    auto* c = dynamic_cast<TComponent*>(base);
    if (c == nullptr) {
        const TMethodEntry* code = base->MethodAddress(name);
        return code != nullptr ? TMethod{code, base} : TMethod{};
    }
    for (; c != nullptr; c = c->Owner()) {
        if (const TMethodEntry* code = c->MethodAddress(name)) return TMethod{code, c};
    }
    return {};
}

TPropResult CheckObjectValue(const TPropInfo& info, TObject* value, std::string_view path) {
    const TClass cls = info.ObjectClass();
    if (value != nullptr && cls != nullptr && !value->InheritsFrom(cls)) {
        return TPropResult::Failure("Cannot set property " + std::string(path) + ": a " + value->ClassName() +
                                    " is not a " + cls->ClassName());
    }
    return TPropResult::Success();
}

TPropResult CheckMethodValue(const TPropInfo& info, const TMethod& value, std::string_view path) {
    if (value.Code != nullptr && info.EventSignature != nullptr && value.Code->Signature() != *info.EventSignature) {
        return TPropResult::Failure("Cannot set property " + std::string(path) + ": incompatible event handler");
    }
    if (value.Code != nullptr && value.Data == nullptr) {
        return TPropResult::Failure("Cannot set property " + std::string(path) + ": event handler without an object");
    }
    return TPropResult::Success();
}

std::string FloatText(double value) {
    char buffer[64];
    for (int precision = 15; precision <= 17; ++precision) {
        std::snprintf(buffer, sizeof buffer, "%.*g", precision, value);
        double back = 0.0;
        if (ParseFloat(buffer, back) && back == value) break;
    }
    return buffer;
}

}  // namespace

const TPropInfo* GetPropInfo(TClass cls, std::string_view name) {
    return cls != nullptr ? cls->FindProperty(TrimView(name)) : nullptr;
}

const TPropInfo* GetPropInfo(const TObject* instance, std::string_view name) {
    return instance != nullptr ? GetPropInfo(instance->ClassType(), name) : nullptr;
}

const std::vector<const TPropInfo*>& GetPropInfos(TClass cls) { return cls->Properties(); }

TPropTarget FindPropTarget(TObject* instance, std::string_view path, std::string* reason) {
    auto fail = [&](std::string why) {
        if (reason != nullptr) *reason = std::move(why);
        return TPropTarget{};
    };
    if (instance == nullptr) return fail("No object to take property " + std::string(path) + " from");
    TObject* current = instance;
    std::string_view rest = path;
    while (true) {
        const size_t dot = rest.find('.');
        const std::string_view segment = TrimView(rest.substr(0, dot));
        const TPropInfo* info = GetPropInfo(current, segment);
        if (info == nullptr || segment.empty()) return fail("Property " + std::string(path) + " does not exist");
        if (dot == std::string_view::npos) return TPropTarget{current, info};
        if (info->Kind != tkClass) return fail("Property " + std::string(path) + " does not exist");
        current = info->GetObject(current);
        if (current == nullptr) {
            return fail("Property " + std::string(path.substr(0, static_cast<size_t>(rest.data() - path.data()) + dot)) +
                        " is nil");
        }
        rest.remove_prefix(dot + 1);
    }
}

bool IsPublishedProp(TClass cls, std::string_view name) { return GetPropInfo(cls, name) != nullptr; }

bool IsPublishedProp(const TObject* instance, std::string_view name) { return GetPropInfo(instance, name) != nullptr; }

bool HasProperty(TObject* instance, std::string_view path) {
    return instance != nullptr && !path.empty() && FindPropTarget(instance, path).Info != nullptr;
}

TTypeKind PropType(TObject* instance, std::string_view path) {
    return RequireTarget(instance, path, AnyKind, "").Info->Kind;
}

std::string GetStrProp(TObject* instance, std::string_view path) {
    const TPropTarget t = RequireTarget(instance, path, [](const TPropInfo& p) { return KindIs(p, tkString); }, "a string");
    return t.Info->GetStr(t.Instance);
}

TPropResult TrySetStrProp(TObject* instance, std::string_view path, const std::string& value) {
    return Attempt(instance, path, [](const TPropInfo& p) { return KindIs(p, tkString); }, "a string",
                   [&](TObject* o, const TPropInfo& info) {
                       info.SetStr(o, value);
                       return TPropResult::Success();
                   });
}

void SetStrProp(TObject* instance, std::string_view path, const std::string& value) {
    ThrowIfFailed(TrySetStrProp(instance, path, value));
}

int64_t GetOrdProp(TObject* instance, std::string_view path) {
    const TPropTarget t = RequireTarget(instance, path, KindIsOrdinal, "an ordinal");
    return t.Info->GetOrd(t.Instance);
}

TPropResult TrySetOrdProp(TObject* instance, std::string_view path, int64_t value) {
    return Attempt(instance, path, KindIsOrdinal, "an ordinal",
                   [&](TObject* o, const TPropInfo& info) { return WriteOrd(o, info, value, path); });
}

void SetOrdProp(TObject* instance, std::string_view path, int64_t value) {
    ThrowIfFailed(TrySetOrdProp(instance, path, value));
}

std::string GetEnumProp(TObject* instance, std::string_view path) {
    const TPropTarget t =
        RequireTarget(instance, path, [](const TPropInfo& p) { return KindIs(p, tkEnumeration); }, "an enumeration");
    return t.Info->EnumType->NameOf(t.Info->GetOrd(t.Instance));
}

void SetEnumProp(TObject* instance, std::string_view path, std::string_view valueName) {
    ThrowIfFailed(Attempt(instance, path, [](const TPropInfo& p) { return KindIs(p, tkEnumeration); },
                          "an enumeration", [&](TObject* o, const TPropInfo& info) {
                              int64_t v = 0;
                              if (!ParseOrdinalText(info, valueName, v)) return InvalidValue(valueName, path);
                              return WriteOrd(o, info, v, path);
                          }));
}

std::string GetSetProp(TObject* instance, std::string_view path, bool brackets) {
    const TPropTarget t = RequireTarget(instance, path, [](const TPropInfo& p) { return KindIs(p, tkSet); }, "a set");
    const std::string text = t.Info->EnumType->SetToText(static_cast<uint64_t>(t.Info->GetOrd(t.Instance)));
    return brackets ? text : text.substr(1, text.size() - 2);
}

void SetSetProp(TObject* instance, std::string_view path, std::string_view text) {
    ThrowIfFailed(Attempt(instance, path, [](const TPropInfo& p) { return KindIs(p, tkSet); }, "a set",
                          [&](TObject* o, const TPropInfo& info) {
                              int64_t v = 0;
                              if (!ParseOrdinalText(info, text, v)) return InvalidValue(text, path);
                              return WriteOrd(o, info, v, path);
                          }));
}

double GetFloatProp(TObject* instance, std::string_view path) {
    const TPropTarget t = RequireTarget(instance, path, [](const TPropInfo& p) { return KindIs(p, tkFloat); }, "a float");
    return t.Info->GetFloat(t.Instance);
}

void SetFloatProp(TObject* instance, std::string_view path, double value) {
    ThrowIfFailed(Attempt(instance, path, [](const TPropInfo& p) { return KindIs(p, tkFloat); }, "a float",
                          [&](TObject* o, const TPropInfo& info) {
                              if (!std::isfinite(value)) return InvalidValue(FloatText(value), path);
                              info.SetFloat(o, value);
                              return TPropResult::Success();
                          }));
}

TObject* GetObjectProp(TObject* instance, std::string_view path) {
    const TPropTarget t =
        RequireTarget(instance, path, [](const TPropInfo& p) { return KindIs(p, tkClass); }, "an object");
    return t.Info->GetObject(t.Instance);
}

TPropResult TrySetObjectProp(TObject* instance, std::string_view path, TObject* value) {
    return Attempt(instance, path, [](const TPropInfo& p) { return KindIs(p, tkClass); }, "an object",
                   [&](TObject* o, const TPropInfo& info) {
                       TPropResult ok = CheckObjectValue(info, value, path);
                       if (ok) info.SetObject(o, value);
                       return ok;
                   });
}

void SetObjectProp(TObject* instance, std::string_view path, TObject* value) {
    ThrowIfFailed(TrySetObjectProp(instance, path, value));
}

TMethod GetMethodProp(TObject* instance, std::string_view path) {
    const TPropTarget t =
        RequireTarget(instance, path, [](const TPropInfo& p) { return KindIs(p, tkMethod); }, "a method");
    return t.Info->GetMethod(t.Instance);
}

TPropResult TrySetMethodProp(TObject* instance, std::string_view path, const TMethod& value) {
    return Attempt(instance, path, [](const TPropInfo& p) { return KindIs(p, tkMethod); }, "a method",
                   [&](TObject* o, const TPropInfo& info) {
                       TPropResult ok = CheckMethodValue(info, value, path);
                       if (ok) info.SetMethod(o, value);
                       return ok;
                   });
}

void SetMethodProp(TObject* instance, std::string_view path, const TMethod& value) {
    ThrowIfFailed(TrySetMethodProp(instance, path, value));
}

std::string IntegerText(const TPropInfo& info, int64_t value) {
    if (const TIdentMapping* idents = FindIntegerConsts(info.TypeName)) {
        std::string ident;
        if (idents->ToIdent != nullptr && idents->ToIdent(value, ident)) return ident;
    }
    return std::to_string(value);
}

std::string GetPropText(TObject* instance, std::string_view path) {
    const TPropTarget t = RequireTarget(instance, path, AnyKind, "");
    const TPropInfo& info = *t.Info;
    switch (info.Kind) {
        case tkString: return info.GetStr(t.Instance);
        case tkInteger: return IntegerText(info, info.GetOrd(t.Instance));
        case tkChar: return std::string(1, static_cast<char>(info.GetOrd(t.Instance)));
        case tkEnumeration: return info.EnumType->NameOf(info.GetOrd(t.Instance));
        case tkSet: return info.EnumType->SetToText(static_cast<uint64_t>(info.GetOrd(t.Instance)));
        case tkFloat: return FloatText(info.GetFloat(t.Instance));
        case tkClass: {
            const auto* c = dynamic_cast<const TComponent*>(info.GetObject(t.Instance));
            return info.IsComponentReference() && c != nullptr ? c->Name() : std::string();
        }
        case tkMethod: {
            const TMethod m = info.GetMethod(t.Instance);
            return m.Data != nullptr ? m.Data->MethodName(m.Code) : std::string();
        }
        case tkUnknown: break;
    }
    return {};
}

TPropResult TrySetPropText(TObject* instance, std::string_view path, std::string_view text) {
    return Attempt(instance, path, AnyKind, "", [&](TObject* o, const TPropInfo& info) -> TPropResult {
        switch (info.Kind) {
            case tkString: info.SetStr(o, std::string(text)); return TPropResult::Success();
            case tkFloat: {
                double v = 0.0;
                if (!ParseFloat(text, v)) return InvalidValue(text, path);
                info.SetFloat(o, v);
                return TPropResult::Success();
            }
            case tkClass: {
                if (!info.IsComponentReference()) {
                    return TPropResult::Failure("Property " + std::string(path) + " cannot be set from text");
                }
                const std::string_view name = TrimView(text);
                TObject* value = name.empty() ? nullptr : FindReference(instance, name);
                if (!name.empty() && value == nullptr) {
                    return TPropResult::Failure("Invalid property value: component " + std::string(name) + " not found");
                }
                TPropResult ok = CheckObjectValue(info, value, path);
                if (ok) info.SetObject(o, value);
                return ok;
            }
            case tkMethod: {
                const std::string_view name = TrimView(text);
                const TMethod m = name.empty() ? TMethod{} : FindHandler(instance, name);
                if (!name.empty() && !m.Assigned()) {
                    return TPropResult::Failure("Invalid property value: method " + std::string(name) + " not found");
                }
                TPropResult ok = CheckMethodValue(info, m, path);
                if (ok) info.SetMethod(o, m);
                return ok;
            }
            default: {
                int64_t v = 0;
                if (!ParseOrdinalText(info, text, v)) return InvalidValue(text, path);
                return WriteOrd(o, info, v, path);
            }
        }
    });
}

void SetPropText(TObject* instance, std::string_view path, std::string_view text) {
    ThrowIfFailed(TrySetPropText(instance, path, text));
}

bool IsStoredProp(TObject* instance, const TPropInfo& info) {
    return info.StoredFn ? info.StoredFn(instance) : info.Stored;
}

bool IsDefaultValue(TObject* instance, const TPropInfo& info) {
    switch (info.Kind) {
        case tkInteger:
        case tkChar:
        case tkEnumeration:
        case tkSet: return info.HasDefault && info.GetOrd(instance) == info.DefaultOrd;
        case tkString: return info.GetStr(instance) == info.DefaultStr;
        case tkFloat: return info.GetFloat(instance) == info.DefaultFloat;
        case tkClass: return info.IsComponentReference() ? info.GetObject(instance) == nullptr : false;
        case tkMethod: return !info.GetMethod(instance).Assigned();
        case tkUnknown: break;
    }
    return true;
}

}  // namespace rt
