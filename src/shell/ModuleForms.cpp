#include "src/shell/ModuleForms.h"

#include <string>

#include "platform/core/EmbeddedFile.h"
#include "platform/core/Exceptions.h"
#include "platform/streaming/FormResources.h"
#include "platform/sysutils/StrUtils.h"

const rt::EmbeddedFile* ModuleFormFiles(size_t& count);

namespace hemr {

std::string FormResourceClassName(const std::string& text) {
    // The first line reads "object|inherited|inline Name: TClass".
    const std::string first = rt::Trim(text.substr(0, text.find('\n')));
    const size_t colon = first.find(':');
    if (colon == std::string::npos) return "";
    return rt::Trim(first.substr(colon + 1));
}

std::vector<std::string> ModuleFormClasses() {
    size_t count = 0;
    const rt::EmbeddedFile* files = ModuleFormFiles(count);
    std::vector<std::string> names;
    for (size_t i = 0; i < count; ++i) names.push_back(FormResourceClassName(std::string(files[i].Bytes())));
    return names;
}

void RegisterModuleFormResources() {
    size_t count = 0;
    const rt::EmbeddedFile* files = ModuleFormFiles(count);
    for (size_t i = 0; i < count; ++i) {
        std::string text(files[i].Bytes());
        const std::string className = FormResourceClassName(text);
        if (className.empty())
            throw rt::EInvalidOperation(std::string("The form resource ") + files[i].name + " names no class");
        rt::RegisterFormResource(className, std::move(text));
    }
}

}  // namespace hemr
