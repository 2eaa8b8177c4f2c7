#include "platform/classes/TMetaClass.h"

#include "platform/classes/IdentText.h"
#include "platform/core/Exceptions.h"

namespace rt {

TMetaClass::TMetaClass(const char* name, const TMetaClass* parent, Factory factory, PublishFn publish)
    : name_(name), parent_(parent), factory_(factory) {
    if (parent_ != nullptr) all_ = parent_->all_;
    if (publish != nullptr) publish(*this);
}

bool TMetaClass::InheritsFrom(const TMetaClass* other) const {
    for (const TMetaClass* c = this; c != nullptr; c = c->parent_) {
        if (c == other) return true;
    }
    return false;
}

TObject* TMetaClass::CreateInstance(TComponent* owner) const {
    if (factory_ == nullptr) throw EInvalidOperation("Cannot create an instance of class " + name_);
    return factory_(owner);
}

const TPropInfo* TMetaClass::FindProperty(std::string_view name) const {
    for (const TPropInfo* p : all_) {
        if (SameName(p->Name, name)) return p;
    }
    return nullptr;
}

const TMethodEntry* TMetaClass::MethodAddress(std::string_view name) const {
    for (const TMetaClass* c = this; c != nullptr; c = c->parent_) {
        for (const auto& [n, code] : c->methods_) {
            if (SameName(n, name)) return code;
        }
    }
    return nullptr;
}

std::string TMetaClass::MethodName(const TMethodEntry* code) const {
    if (code == nullptr) return {};
    for (const TMetaClass* c = this; c != nullptr; c = c->parent_) {
        for (const auto& [n, entry] : c->methods_) {
            if (entry == code) return n;
        }
    }
    return {};
}

TPropInfo& TMetaClass::AddProperty(TPropInfo info) {
    own_.push_back(std::make_unique<TPropInfo>(std::move(info)));
    TPropInfo* added = own_.back().get();
    for (const TPropInfo*& p : all_) {
        if (SameName(p->Name, added->Name)) {
            p = added;
            return *added;
        }
    }
    all_.push_back(added);
    return *added;
}

TPropInfo& TMetaClass::RepublishProperty(std::string_view name) {
    const TPropInfo* inherited = FindProperty(name);
    if (inherited == nullptr) {
        throw EPropertyError("Cannot re-publish " + std::string(name) + " in " + name_ + ": no such inherited property");
    }
    return AddProperty(*inherited);
}

void TMetaClass::AddComponentField(TComponentField field) {
    for (const TComponentField& f : fields_) {
        if (SameName(f.Name, field.Name)) throw EPropertyError("Component field " + field.Name + " declared twice in " + name_);
    }
    fields_.push_back(std::move(field));
}

void TMetaClass::AddMethod(std::string name, const TMethodEntry* code) {
    methods_.emplace_back(std::move(name), code);
}

}  // namespace rt
