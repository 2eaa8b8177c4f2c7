#include "platform/streaming/TFormWriter.h"

#include "platform/classes/IdentMaps.h"
#include "platform/classes/TCollection.h"
#include "platform/classes/TEnumInfo.h"
#include "platform/classes/TypInfo.h"
#include "platform/streaming/TValueWriter.h"

namespace rt {

std::string TFormWriter::WriteText(TComponent* root) {
    std::string text;
    TFormPrinter printer(text);
    TFormWriter(root, printer).Component(root, 0);
    return text;
}

void TFormWriter::Component(TComponent* component, int depth) {
    printer_.NodeBegin(TResourceNode::Kind::Object, component->Name(), component->ClassName(), depth);
    WriteProperties(component, "", depth + 1);
    component->GetChildren([&](TComponent* child) { Component(child, depth + 1); }, root_);
    printer_.NodeEnd(depth);
}

void TFormWriter::WriteProperties(TObject* instance, const std::string& prefix, int depth) {
    for (const TPropInfo* info : instance->ClassType()->Properties()) {
        if (!IsStoredProp(instance, *info)) continue;
        if (info->Kind == tkClass && !info->IsComponentReference()) {
            TObject* sub = info->GetObject(instance);
            if (sub == nullptr) continue;
            if (auto* collection = dynamic_cast<TCollection*>(sub)) {
                if (collection->Count() > 0) Collection(prefix + info->Name, collection, depth);
            } else {
                WriteProperties(sub, prefix + info->Name + ".", depth);
            }
            continue;
        }
        TResourceValue value;
        if (PropertyValue(instance, *info, value)) printer_.Property({prefix + info->Name, std::move(value), 0}, depth);
    }
    if (auto* persistent = dynamic_cast<TPersistent*>(instance)) {
        TValueWriter entries(prefix, printer_, depth, root_);
        persistent->DefineProperties(entries);
    }
}

bool TFormWriter::PropertyValue(TObject* instance, const TPropInfo& info, TResourceValue& value) {
    if (IsDefaultValue(instance, info)) return false;
    switch (info.Kind) {
        case tkString: value = TResourceValue::String(info.GetStr(instance)); return true;
        case tkInteger: {
            const int64_t v = info.GetOrd(instance);
            std::string ident;
            const TIdentMapping* idents = FindIntegerConsts(info.TypeName);
            if (idents != nullptr && idents->ToIdent != nullptr && idents->ToIdent(v, ident)) {
                value = TResourceValue::Ident(ident);
            } else {
                value = TResourceValue::Integer(v);
            }
            return true;
        }
        case tkChar: value = TResourceValue::String(std::string(1, static_cast<char>(info.GetOrd(instance)))); return true;
        case tkEnumeration: value = TResourceValue::Ident(info.EnumType->NameOf(info.GetOrd(instance))); return true;
        case tkSet: {
            const auto bits = static_cast<uint64_t>(info.GetOrd(instance));
            std::vector<std::string> names;
            for (int i = 0; i < info.EnumType->Count() && i < 64; ++i) {
                if ((bits & (uint64_t{1} << i)) != 0) names.push_back(info.EnumType->NameOf(i));
            }
            value = TResourceValue::Set(std::move(names));
            return true;
        }
        case tkFloat: value = TResourceValue::Float(info.GetFloat(instance)); return true;
        case tkClass: {
            const auto* target = dynamic_cast<const TComponent*>(info.GetObject(instance));
            if (target == nullptr) return false;
            value = TResourceValue::Ident(ReferenceName(target));
            return true;
        }
        case tkMethod: {
            const TMethod m = info.GetMethod(instance);
            // A handler without a published name cannot be bound again on reading.
            const std::string name = m.Data != nullptr ? m.Data->MethodName(m.Code) : std::string();
            if (name.empty()) return false;
            value = TResourceValue::Ident(name);
            return true;
        }
        case tkUnknown: break;
    }
    return false;
}

void TFormWriter::Collection(const std::string& path, TCollection* collection, int depth) {
    printer_.PropertyName(path, depth);
    printer_.CollectionBegin();
    for (int i = 0; i < collection->Count(); ++i) {
        printer_.CollectionItemBegin(depth);
        WriteProperties(collection->Items(i), "", depth + 2);
        printer_.CollectionItemEnd(depth);
    }
    printer_.CollectionEnd();
    printer_.PropertyEnd();
}

std::string TFormWriter::ReferenceName(const TComponent* component) const {
    if (component == root_ || component->Owner() == root_ || component->Owner() == nullptr) return component->Name();
    return component->Owner()->Name() + "." + component->Name();
}

}  // namespace rt
