#include "platform/streaming/FormResources.h"

#include <memory>
#include <utility>
#include <vector>

#include "platform/classes/ClassRegistry.h"
#include "platform/classes/IdentText.h"
#include "platform/classes/TComponent.h"
#include "platform/core/Exceptions.h"
#include "platform/streaming/TFormParser.h"
#include "platform/streaming/TFormReader.h"
#include "platform/streaming/TFormWriter.h"

namespace rt {

namespace {
// Kept in registration order; a form library has a few dozen at most.
std::vector<std::pair<std::string, std::string>>& Resources() {
    static std::vector<std::pair<std::string, std::string>> resources;
    return resources;
}
}  // namespace

void RegisterFormResource(const std::string& className, std::string text) {
    for (auto& [name, existing] : Resources()) {
        if (SameName(name, className)) {
            existing = std::move(text);
            return;
        }
    }
    Resources().emplace_back(className, std::move(text));
}

void UnregisterFormResource(std::string_view className) {
    auto& resources = Resources();
    for (auto it = resources.begin(); it != resources.end(); ++it) {
        if (SameName(it->first, className)) {
            resources.erase(it);
            return;
        }
    }
}

const std::string* FindFormResource(std::string_view className) {
    for (const auto& [name, text] : Resources()) {
        if (SameName(name, className)) return &text;
    }
    return nullptr;
}

void RegisterEmbeddedFormResources(const TEmbeddedFormResource* table, size_t count) {
    for (size_t i = 0; i < count; ++i) RegisterFormResource(table[i].className, table[i].text);
}

bool ReadFormResources(TComponent* instance) {
    std::vector<TClass> chain;
    for (TClass c = instance->ClassType(); c != nullptr; c = c->ClassParent()) chain.push_back(c);
    // Parse everything first, so a broken resource changes nothing.
    std::vector<TResourceNode> nodes;
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
        if (const std::string* text = FindFormResource((*it)->ClassName())) {
            nodes.push_back(TFormParser(*text).ParseResource());
        }
    }
    if (nodes.empty()) return false;
    TFormReader reader(instance);
    for (const TResourceNode& node : nodes) reader.Apply(node);
    reader.Finish();
    return true;
}

void ReadComponentResText(TComponent* root, std::string_view text) {
    const TResourceNode node = TFormParser(text).ParseResource();
    TFormReader reader(root);
    reader.Apply(node);
    reader.Finish();
}

TComponent* CreateComponentFromResource(std::string_view text, TComponent* owner) {
    const TResourceNode node = TFormParser(text).ParseResource();
    const TClass cls = GetClass(node.className);
    if (cls == nullptr) throw EReadError("Error reading " + node.name + ": Class " + node.className + " not found");
    if (!cls->InheritsFrom(TComponent::StaticClass()) || !cls->CanCreate()) {
        throw EReadError("Error reading " + node.name + ": Class " + node.className + " is not a component class");
    }
    std::unique_ptr<TComponent> root(static_cast<TComponent*>(cls->CreateInstance(owner)));
    TFormReader reader(root.get());
    reader.Apply(node);
    reader.Finish();
    return root.release();
}

std::string WriteComponentResText(TComponent* root) { return TFormWriter::WriteText(root); }

}  // namespace rt
