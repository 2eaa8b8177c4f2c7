#pragma once
// Form resources by class name, and reading/writing a component tree as
// resource text. A library registers its resources when it loads (the build
// embeds its .dfm files as a table for RegisterEmbeddedFormResources).

#include <cstddef>
#include <string>
#include <string_view>

namespace rt {

class TComponent;

// Registering a class again replaces its resource.
void RegisterFormResource(const std::string& className, std::string text);
void UnregisterFormResource(std::string_view className);
// The resource text of a class (ignoring case), or null.
const std::string* FindFormResource(std::string_view className);

struct TEmbeddedFormResource {
    const char* className;
    const char* text;
};
void RegisterEmbeddedFormResources(const TEmbeddedFormResource* table, size_t count);

// Reads the resources of the instance's class chain, the oldest ancestor's
// first, then Loaded on every component. False when no class has a resource.
bool ReadFormResources(TComponent* instance);
// Reads one resource text into `root`, then Loaded.
void ReadComponentResText(TComponent* root, std::string_view text);
// Creates the root class named in the text (registered classes only) and reads it.
TComponent* CreateComponentFromResource(std::string_view text, TComponent* owner);
std::string WriteComponentResText(TComponent* root);

}  // namespace rt
