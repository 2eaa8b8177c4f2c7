#include "platform/streaming/TFormReader.h"

#include <algorithm>

#include "platform/classes/ClassRegistry.h"
#include "platform/classes/IdentMaps.h"
#include "platform/classes/IdentText.h"
#include "platform/classes/TCollection.h"
#include "platform/classes/TypInfo.h"
#include "platform/core/Exceptions.h"
#include "platform/streaming/FormResources.h"
#include "platform/streaming/TFormParser.h"
#include "platform/streaming/TValueReader.h"

namespace rt {

namespace {
const char kPrefix[] = "Error reading ";

[[noreturn]] void Fail(const std::string& path, const std::string& reason) {
    throw EReadError(kPrefix + path + ": " + reason);
}

bool IsWrapped(const Exception& e) { return e.Message().rfind(kPrefix, 0) == 0; }

std::string Expected(const char* what, const TResourceValue& value) {
    return std::string("Invalid property value: ") + what + " expected, found " + value.KindName();
}

std::string SetText(const std::vector<std::string>& names) {
    std::string text = "[";
    for (size_t i = 0; i < names.size(); ++i) {
        if (i > 0) text += ',';
        text += names[i];
    }
    return text + "]";
}

TComponent* FindByName(TComponent* lookupRoot, std::string_view name) {
    if (SameName(lookupRoot->Name(), name)) return lookupRoot;
    return lookupRoot->FindComponent(name);
}
}  // namespace

TFormReader::TFormReader(TComponent* root) : root_(root) {}

TFormReader::~TFormReader() {
    // A read that failed leaves the components as far as they got, but no longer reading.
    if (!finished_) {
        for (TComponent* c : loaded_) c->SetReading(false);
    }
}

void TFormReader::Track(TComponent* component) {
    if (std::find(loaded_.begin(), loaded_.end(), component) != loaded_.end()) return;
    component->Loading();
    component->SetReading(true);
    loaded_.push_back(component);
}

void TFormReader::SetRootName(const std::string& name) {
    if (name.empty() || root_->Name() == name) return;
    // Another component of the owner may carry the name already: number this one.
    for (int n = 0;; ++n) {
        try {
            root_->SetName(n == 0 ? name : name + "_" + std::to_string(n));
            return;
        } catch (const EComponentError&) {
            if (n > 1000) throw;
        }
    }
}

void TFormReader::Apply(const TResourceNode& node) {
    const std::string path = node.name.empty() ? root_->ClassName() : node.name;
    if (node.kind == TResourceNode::Kind::Inline) Fail(path, "A resource cannot start with inline");
    bool classMatches = false;
    for (TClass c = root_->ClassType(); c != nullptr; c = c->ClassParent()) {
        if (SameName(c->ClassName(), node.className)) classMatches = true;
    }
    if (!classMatches) Fail(path, "Resource of class " + node.className + " cannot be read into a " + root_->ClassName());
    SetRootName(node.name);
    Track(root_);
    ReadBody(root_, node, root_, root_->Name().empty() ? path : root_->Name());
}

void TFormReader::ReadBody(TComponent* component, const TResourceNode& node, TComponent* lookupRoot,
                           const std::string& path) {
    for (const TResourceProperty& prop : node.properties) ReadProperty(component, prop, lookupRoot, path);
    const std::string rootPath = component == lookupRoot ? path : path.substr(0, path.rfind('.'));
    for (const TResourceNode& child : node.children) ReadChild(child, component, lookupRoot, rootPath);
}

void TFormReader::ReadChild(const TResourceNode& node, TComponent* parent, TComponent* lookupRoot,
                            const std::string& rootPath) {
    const std::string path = rootPath + "." + node.name;
    switch (node.kind) {
        case TResourceNode::Kind::Object: {
            TComponent* child = CreateChild(node, parent, lookupRoot, path);
            ReadBody(child, node, lookupRoot, path);
            return;
        }
        case TResourceNode::Kind::Inherited: {
            TComponent* existing = lookupRoot->FindComponent(node.name);
            if (existing == nullptr) Fail(path, "Ancestor component " + node.name + " not found");
            if (!SameName(existing->ClassName(), node.className)) {
                Fail(path, "Ancestor component " + node.name + " is a " + existing->ClassName() + ", not a " +
                               node.className);
            }
            Track(existing);
            ReadBody(existing, node, lookupRoot, path);
            return;
        }
        case TResourceNode::Kind::Inline: ReadInline(node, parent, lookupRoot, path); return;
    }
}

TComponent* TFormReader::CreateChild(const TResourceNode& node, TComponent* parent, TComponent* lookupRoot,
                                     const std::string& path) {
    const TClass cls = GetClass(node.className);
    if (cls == nullptr) Fail(path, "Class " + node.className + " not found");
    if (!cls->InheritsFrom(TComponent::StaticClass()) || !cls->CanCreate()) {
        Fail(path, "Class " + node.className + " is not a component class");
    }
    if (!node.name.empty() && lookupRoot->FindComponent(node.name) != nullptr) {
        Fail(path, "A component named " + node.name + " already exists");
    }
    auto* child = static_cast<TComponent*>(cls->CreateInstance(lookupRoot));
    try {
        child->SetName(node.name);
        Track(child);
        child->SetParentComponent(parent);
    } catch (const Exception& e) {
        delete child;
        Fail(path, e.Message());
    }
    return child;
}

// A frame: its own class's resources first, with itself as the root, then the
// changes the outer resource makes to it.
void TFormReader::ReadInline(const TResourceNode& node, TComponent* parent, TComponent* lookupRoot,
                             const std::string& path) {
    TComponent* frame = lookupRoot->FindComponent(node.name);
    if (frame == nullptr) {
        frame = CreateChild(node, parent, lookupRoot, path);
        std::vector<TClass> chain;
        for (TClass c = frame->ClassType(); c != nullptr; c = c->ClassParent()) chain.push_back(c);
        for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
            const std::string* text = FindFormResource((*it)->ClassName());
            if (text == nullptr) continue;
            const TResourceNode resource = TFormParser(*text).ParseResource();
            ReadBody(frame, resource, frame, path);
        }
    }
    Track(frame);
    ReadBody(frame, node, frame, path);
}

void TFormReader::ReadProperty(TObject* instance, const TResourceProperty& prop, TComponent* lookupRoot,
                               const std::string& ownerPath) {
    const std::string path = ownerPath + "." + prop.path;
    try {
        TObject* current = instance;
        std::string_view rest = prop.path;
        size_t dot = rest.find('.');
        while (dot != std::string_view::npos) {
            const TPropInfo* info = GetPropInfo(current, rest.substr(0, dot));
            if (info == nullptr || info->Kind != tkClass) Fail(path, "Property " + prop.path + " does not exist");
            current = info->GetObject(current);
            if (current == nullptr) Fail(path, "Property " + std::string(rest.substr(0, dot)) + " is nil");
            rest.remove_prefix(dot + 1);
            dot = rest.find('.');
        }
        if (const TPropInfo* info = GetPropInfo(current, rest)) {
            AssignValue(current, *info, prop.value, lookupRoot, path);
            return;
        }
        auto* persistent = dynamic_cast<TPersistent*>(current);
        TValueReader entry(std::string(rest), prop.value, lookupRoot);
        if (persistent != nullptr) persistent->DefineProperties(entry);
        if (!entry.Handled()) Fail(path, "Property " + prop.path + " does not exist");
    } catch (const Exception& e) {
        if (IsWrapped(e)) throw;
        Fail(path, e.Message());
    }
}

void TFormReader::AssignValue(TObject* target, const TPropInfo& info, const TResourceValue& value,
                              TComponent* lookupRoot, const std::string& path) {
    using Kind = TResourceValue::Kind;
    auto apply = [&](const TPropResult& result) {
        if (!result.Ok) Fail(path, result.Reason);
    };
    switch (info.Kind) {
        case tkString:
            if (value.kind != Kind::String) Fail(path, Expected("string", value));
            apply(TrySetStrProp(target, info.Name, value.text));
            return;
        case tkInteger:
            // An identifier is read through the map of the property's type ("clBtnFace").
            if (value.kind == Kind::Ident && FindIntegerConsts(info.TypeName) != nullptr) {
                apply(TrySetPropText(target, info.Name, value.text));
                return;
            }
            if (value.kind != Kind::Integer) Fail(path, Expected("integer", value));
            apply(TrySetOrdProp(target, info.Name, value.integer));
            return;
        case tkChar:
            if (value.kind == Kind::Integer) {
                apply(TrySetOrdProp(target, info.Name, value.integer));
            } else if (value.kind == Kind::String && value.text.size() == 1) {
                apply(TrySetOrdProp(target, info.Name, static_cast<unsigned char>(value.text[0])));
            } else {
                Fail(path, Expected("character", value));
            }
            return;
        case tkEnumeration:
            if (value.kind != Kind::Ident) Fail(path, Expected("identifier", value));
            apply(TrySetPropText(target, info.Name, value.text));
            return;
        case tkSet:
            if (value.kind != Kind::Set) Fail(path, Expected("set", value));
            apply(TrySetPropText(target, info.Name, SetText(value.names)));
            return;
        case tkFloat:
            if (value.kind == Kind::Integer) {
                SetFloatProp(target, info.Name, static_cast<double>(value.integer));
            } else if (value.kind == Kind::Float) {
                SetFloatProp(target, info.Name, value.number);
            } else {
                Fail(path, Expected("float", value));
            }
            return;
        case tkMethod: {
            if (value.kind != Kind::Ident) Fail(path, Expected("method name", value));
            if (SameName(value.text, "nil")) {
                apply(TrySetMethodProp(target, info.Name, TMethod{}));
                return;
            }
            const TMethodEntry* code = lookupRoot->MethodAddress(value.text);
            if (code == nullptr) Fail(path, "Method " + value.text + " not found in " + lookupRoot->ClassName());
            apply(TrySetMethodProp(target, info.Name, TMethod{code, lookupRoot}));
            return;
        }
        case tkClass: {
            if (value.kind == Kind::Collection) {
                auto* collection = dynamic_cast<TCollection*>(info.GetObject(target));
                if (collection == nullptr) Fail(path, "Property " + info.Name + " is not a collection");
                ReadCollection(collection, value, lookupRoot, path);
                return;
            }
            if (value.kind != Kind::Ident || !info.IsComponentReference()) Fail(path, Expected("component name", value));
            if (SameName(value.text, "nil")) {
                apply(TrySetObjectProp(target, info.Name, nullptr));
                return;
            }
            // Resolved after the whole tree is read: the component may come later.
            fixups_.push_back(Fixup{target, info.Name, value.text, path, lookupRoot});
            return;
        }
        case tkUnknown: break;
    }
    Fail(path, "Property " + info.Name + " cannot be read");
}

void TFormReader::ReadCollection(TCollection* collection, const TResourceValue& value, TComponent* lookupRoot,
                                 const std::string& path) {
    collection->BeginUpdate();
    try {
        collection->Clear();
        for (size_t i = 0; i < value.collection.size(); ++i) {
            TCollectionItem* item = collection->Add();
            const std::string itemPath = path + "[" + std::to_string(i) + "]";
            for (const TResourceProperty& prop : value.collection[i]) ReadProperty(item, prop, lookupRoot, itemPath);
        }
    } catch (...) {
        collection->EndUpdate();
        throw;
    }
    collection->EndUpdate();
}

void TFormReader::Finish() {
    for (const Fixup& f : fixups_) {
        TComponent* target = FindByName(f.lookupRoot, f.name);
        if (target == nullptr) Fail(f.path, "Component " + f.name + " not found");
        const TPropResult result = TrySetObjectProp(f.instance, f.property, target);
        if (!result.Ok) Fail(f.path, result.Reason);
    }
    fixups_.clear();
    BindComponentFields();
    finished_ = true;
    for (TComponent* c : loaded_) c->SetReading(false);
    for (TComponent* c : loaded_) c->Loaded();
}

// Every class of the root's chain names the components its code holds; a resource
// that lacks one, or holds it under another class, fails here rather than as a null
// pointer far from the cause.
void TFormReader::BindComponentFields() {
    const std::string rootPath = root_->Name().empty() ? root_->ClassName() : root_->Name();
    for (TClass c = root_->ClassType(); c != nullptr; c = c->ClassParent()) {
        for (const TComponentField& field : c->ComponentFields()) {
            const TClass expected = field.ClassFn();
            const std::string path = rootPath + "." + field.Name;
            TComponent* component = root_->FindComponent(field.Name);
            if (component == nullptr) {
                Fail(path, c->ClassName() + " needs a component " + field.Name + " of class " + expected->ClassName() +
                               ", which the resource does not hold");
            }
            if (!component->ClassType()->InheritsFrom(expected)) {
                Fail(path, c->ClassName() + " needs " + field.Name + " to be a " + expected->ClassName() +
                               ", but the resource makes it a " + component->ClassName());
            }
            field.Assign(root_, component);
        }
    }
}

}  // namespace rt
