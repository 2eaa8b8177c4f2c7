#pragma once
// Decides whether a local file is older than the server's modification stamp.

#include <ctime>
#include <optional>
#include <string>

namespace nvdownload {

class TStampComparer {
public:
    // The stamp as local time; none for a text in no known layout.
    static std::optional<std::time_t> ParseStamp(const std::string& stamp);
    // True when `localPath` is missing or was modified before the stamp.
    static bool NeedsDownload(const std::string& stamp, const std::string& localPath);
};

}  // namespace nvdownload
