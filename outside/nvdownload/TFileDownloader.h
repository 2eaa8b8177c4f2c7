#pragma once
// Copies a published file from a URL or a path to a local target through
// libcurl. The publisher puts the file's SHA-256 digest beside it (the same
// name + ".sha256"); a copy that does not match it never reaches the target.

#include <cstdint>
#include <string>

namespace nvdownload {

class TFileDownloader {
public:
    // No published file is larger; a bigger answer is refused as it arrives.
    static constexpr int64_t kMaxBytes = 256ll << 20;
    // Connecting may take this long at most, and a transfer that moves
    // nothing for this long is given up, whatever the overall limit.
    static constexpr long kConnectSeconds = 15;
    static constexpr long kStallSeconds = 30;

    // Raises std::runtime_error with the reason; the target is then as before.
    // `timeoutSeconds` limits the whole transfer (0: no overall limit).
    static void Download(const std::string& source, const std::string& target, long timeoutSeconds);
    // A path or URL as libcurl takes it: paths become file:// URLs, with
    // backslashes as separators and each folder and file found ignoring case.
    static std::string SourceUrl(const std::string& source);
    // The existing path that differs from `path` only in case, else `path`.
    static std::string FindIgnoringCase(const std::string& path);
    // The digest published beside `source`; raises std::runtime_error when
    // there is none or it is no SHA-256 digest.
    static std::string PublishedDigest(const std::string& source, long timeoutSeconds);
};

}  // namespace nvdownload
