#pragma once
// Unpacks a zip archive into a folder through libzip. An archive comes from
// the network, so it is checked as a whole before anything is written: no
// entry may leave the folder or be a link, and the number and sizes of the
// entries are capped. Every file is completed beside its target first and the
// targets are replaced only when all of them are complete.

#include <cstdint>
#include <string>

namespace nvdownload {

class TZipExtractor {
public:
    static constexpr int64_t kMaxEntries = 1000;
    static constexpr int64_t kMaxEntryBytes = 256ll << 20;
    static constexpr int64_t kMaxTotalBytes = 512ll << 20;

    // The number of files written. Raises std::runtime_error with the reason.
    static int Extract(const std::string& zipFile, const std::string& targetFolder);
    // True for entry names that stay inside the folder they are unpacked
    // into; backslashes count as separators, as archives made on Windows use them.
    static bool IsSafeEntryName(const std::string& name);
};

}  // namespace nvdownload
