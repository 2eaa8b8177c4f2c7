#pragma once
// Applies parsed form resources to a root component (a form): properties by
// their published tables, custom entries through DefineProperties, child
// components created by class name and owned by the root. One reader spans all
// resources of a class chain; Finish resolves component references, binds the
// component fields the root's classes declare (RT_COMPONENT) and fails naming
// any that is missing or of another class, then calls Loaded on every component
// read, in the order they were first met.
// Errors raise EReadError "Error reading <path>: <reason>".

#include <string>
#include <vector>

#include "platform/classes/TComponent.h"
#include "platform/classes/TPropInfo.h"
#include "platform/streaming/TResourceNode.h"

namespace rt {

class TCollection;

class TFormReader {
public:
    explicit TFormReader(TComponent* root);
    TFormReader(const TFormReader&) = delete;
    TFormReader& operator=(const TFormReader&) = delete;
    ~TFormReader();

    // One resource: the top block must name the root's class or one of its ancestors.
    void Apply(const TResourceNode& node);
    void Finish();

private:
    struct Fixup {
        TObject* instance;
        std::string property;
        std::string name;
        std::string path;
        TComponent* lookupRoot;
    };

    void Track(TComponent* component);
    void ReadBody(TComponent* component, const TResourceNode& node, TComponent* lookupRoot, const std::string& path);
    void ReadChild(const TResourceNode& node, TComponent* parent, TComponent* lookupRoot, const std::string& rootPath);
    TComponent* CreateChild(const TResourceNode& node, TComponent* parent, TComponent* lookupRoot,
                            const std::string& path);
    void ReadInline(const TResourceNode& node, TComponent* parent, TComponent* lookupRoot, const std::string& path);
    void ReadProperty(TObject* instance, const TResourceProperty& prop, TComponent* lookupRoot,
                      const std::string& ownerPath);
    void AssignValue(TObject* target, const TPropInfo& info, const TResourceValue& value, TComponent* lookupRoot,
                     const std::string& path);
    void ReadCollection(TCollection* collection, const TResourceValue& value, TComponent* lookupRoot,
                        const std::string& path);
    void SetRootName(const std::string& name);
    void BindComponentFields();

    TComponent* root_;
    std::vector<TComponent*> loaded_;
    std::vector<Fixup> fixups_;
    bool finished_ = false;
};

}  // namespace rt
