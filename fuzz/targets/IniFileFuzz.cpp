// The INI reader over arbitrary file contents: every read must give a value or
// its default, never crash. The file is written once per input to a private
// temporary folder, since the reader works on file names.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

#include "platform/os/IniFile.h"

namespace {

const std::string& FuzzFile() {
    static const std::string path = [] {
        char folder[] = "/tmp/hemr-fuzz-ini-XXXXXX";
        const char* made = mkdtemp(folder);
        return std::string(made ? made : "/tmp") + "/KestrelC.ini";
    }();
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    {
        std::ofstream out(FuzzFile(), std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    rt::TIniFile ini(FuzzFile());
    for (const auto& section : ini.ReadSections()) {
        for (const auto& key : ini.ReadSection(section)) {
            (void)ini.ReadString(section, key, "");
            (void)ini.ReadInteger(section, key, 0);
            (void)ini.ReadBool(section, key, false);
        }
        (void)ini.ReadSectionValues(section);
    }
    (void)ini.ReadString("System", "UICodePage", "936");
    return 0;
}
