#pragma once
// Copies a file from a URL or a path to a local target through libcurl.

#include <string>

namespace nvdownload {

class TFileDownloader {
public:
    // Raises std::runtime_error with the reason; the target is then as before.
    static void Download(const std::string& source, const std::string& target, long timeoutSeconds);
    // A path or URL as libcurl takes it: paths become file:// URLs, with
    // backslashes as separators and each folder and file found ignoring case.
    static std::string SourceUrl(const std::string& source);
    // The existing path that differs from `path` only in case, else `path`.
    static std::string FindIgnoringCase(const std::string& path);
};

}  // namespace nvdownload
