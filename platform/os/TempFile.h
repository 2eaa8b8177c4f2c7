#pragma once
// A file of its own in a shared folder such as the temporary folder: created
// exclusively under a name no one else can predict, so that no other user can
// plant or read it in between, and removed again with this object.

#include <string>

namespace rt {

class TTemporaryFile {
public:
    // `folder` + `prefix` + six random characters + `suffix`; raises EOSError
    // when the file cannot be created.
    TTemporaryFile(const std::string& folder, const std::string& prefix, const std::string& suffix);
    ~TTemporaryFile();
    TTemporaryFile(const TTemporaryFile&) = delete;
    TTemporaryFile& operator=(const TTemporaryFile&) = delete;

    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

}  // namespace rt
