#pragma once
// A file written under a temporary name beside its target and renamed over
// it only when complete, so that readers never see half a file and a failed
// write leaves the old file as it was.

#include <cstddef>
#include <cstdio>
#include <string>

namespace nvdownload {

class TReplacingFile {
public:
    // Raises std::runtime_error when the temporary file cannot be created.
    explicit TReplacingFile(std::string target);
    // Removes the temporary file unless it was committed.
    ~TReplacingFile();
    TReplacingFile(const TReplacingFile&) = delete;
    TReplacingFile& operator=(const TReplacingFile&) = delete;

    // Raise std::runtime_error on a write failure.
    void Write(const void* data, size_t size);
    // Flushes, closes and renames over the target.
    void Commit();

private:
    std::string target_;
    std::string temporary_;
    std::FILE* file_ = nullptr;
    bool committed_ = false;
};

}  // namespace nvdownload
