#pragma once
// Unpacks a zip archive into a folder through libzip.

#include <string>

namespace nvdownload {

class TZipExtractor {
public:
    // The number of files written. Raises std::runtime_error with the reason;
    // an archive with an entry leaving the folder is refused before any write.
    static int Extract(const std::string& zipFile, const std::string& targetFolder);
    // True for entry names that stay inside the folder they are unpacked into.
    static bool IsSafeEntryName(const std::string& name);
};

}  // namespace nvdownload
