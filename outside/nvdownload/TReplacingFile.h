#pragma once
// A file written under a temporary name beside its target and renamed over
// it only when complete, so that readers never see half a file and a failed
// write leaves the old file as it was.

#include <cstddef>
#include <cstdio>
#include <ctime>
#include <optional>
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
    // Flushes and closes the temporary file; the target is not touched yet,
    // so that several files can be completed before any of them replaces its
    // target.
    void Finish();
    // The modification time the target gets (else the time of writing).
    void SetModified(std::time_t modified) { modified_ = modified; }
    // Finishes when not yet done and renames over the target.
    void Commit();

    const std::string& Target() const { return target_; }

private:
    std::string target_;
    std::string temporary_;
    std::FILE* file_ = nullptr;
    std::optional<std::time_t> modified_;
    bool committed_ = false;
};

}  // namespace nvdownload
