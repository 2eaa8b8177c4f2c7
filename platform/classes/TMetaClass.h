#pragma once
// The run-time class object: name, parent, create-by-name, and the class's
// published property and method tables chained to the parent's.

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/classes/TComponentField.h"
#include "platform/classes/TPropInfo.h"

namespace rt {

class TObject;
class TComponent;
class TMethodEntry;

class TMetaClass {
public:
    using Factory = TObject* (*)(TComponent* owner);
    using PublishFn = void (*)(TMetaClass& meta);

    // Runs `publish` to fill this class's own tables, after taking over the parent's.
    TMetaClass(const char* name, const TMetaClass* parent, Factory factory, PublishFn publish);
    TMetaClass(const TMetaClass&) = delete;
    TMetaClass& operator=(const TMetaClass&) = delete;

    const std::string& ClassName() const { return name_; }
    const TMetaClass* ClassParent() const { return parent_; }
    bool InheritsFrom(const TMetaClass* other) const;

    // Abstract classes and classes without a usable constructor cannot be created.
    bool CanCreate() const { return factory_ != nullptr; }
    // A new instance; components get `owner`, other persistent objects ignore it.
    TObject* CreateInstance(TComponent* owner = nullptr) const;

    // All published properties, the parent's first, each in declaration order; a
    // re-published property keeps its parent's position.
    const std::vector<const TPropInfo*>& Properties() const { return all_; }
    const TPropInfo* FindProperty(std::string_view name) const;

    // Published methods by name, searched from this class up to the root.
    const TMethodEntry* MethodAddress(std::string_view name) const;
    // The published name of a handler entry, or empty when none of the chain has it.
    std::string MethodName(const TMethodEntry* code) const;

    // The component fields this class itself declares (not its parent's), in
    // declaration order; the reader binds the whole chain's.
    const std::vector<TComponentField>& ComponentFields() const { return fields_; }

    // Used while publishing.
    TPropInfo& AddProperty(TPropInfo info);
    void AddComponentField(TComponentField field);
    TPropInfo& RepublishProperty(std::string_view name);
    void AddMethod(std::string name, const TMethodEntry* code);

private:
    std::string name_;
    const TMetaClass* parent_;
    Factory factory_;
    std::vector<std::unique_ptr<TPropInfo>> own_;
    std::vector<const TPropInfo*> all_;
    std::vector<std::pair<std::string, const TMethodEntry*>> methods_;
    std::vector<TComponentField> fields_;
};

using TClass = const TMetaClass*;

}  // namespace rt
