// The archive check of NVDownLoad.so over arbitrary downloads: an archive is
// listed and unpacked into an empty folder, or refused with an error; either
// way nothing lands outside that folder.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <string>

#include "outside/nvdownload/TZipExtractor.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    char folder[] = "/tmp/hemr-zipfuzz-XXXXXX";
    if (::mkdtemp(folder) == nullptr) return 0;
    const std::string base = folder;
    const std::string archive = base + "/download.zip";
    std::FILE* out = std::fopen(archive.c_str(), "wb");
    if (out != nullptr) {
        std::fwrite(data, 1, size, out);
        std::fclose(out);
        try {
            nvdownload::TZipExtractor::Extract(archive, base + "/into");
        } catch (const std::exception&) {
        }
    }
    for (const auto& entry : std::filesystem::directory_iterator(base))
        if (entry.path() != archive && entry.path() != base + "/into") std::abort();  // something left the folder
    std::filesystem::remove_all(base);
    return 0;
}
