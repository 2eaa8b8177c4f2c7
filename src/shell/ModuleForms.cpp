#include "src/shell/ModuleForms.h"

#include <string>

#include "platform/core/EmbeddedFile.h"
#include "platform/os/Paths.h"
#include "platform/streaming/FormResources.h"

const rt::EmbeddedFile* ModuleFormFiles(size_t& count);

namespace hemr {

void RegisterModuleFormResources() {
    size_t count = 0;
    const rt::EmbeddedFile* files = ModuleFormFiles(count);
    for (size_t i = 0; i < count; ++i) {
        const std::string fileName = files[i].name;
        const std::string className = fileName.substr(0, fileName.size() - rt::ExtractFileExt(fileName).size());
        rt::RegisterFormResource(className, std::string(files[i].Bytes()));
    }
}

}  // namespace hemr
