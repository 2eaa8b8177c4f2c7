#include "platform/os/TempFile.h"

#include <cerrno>
#include <cstdlib>

#include <unistd.h>

#include "platform/core/Exceptions.h"

namespace rt {

TTemporaryFile::TTemporaryFile(const std::string& folder, const std::string& prefix, const std::string& suffix) {
    std::string folderPart = folder;
    if (!folderPart.empty() && folderPart.back() != '/') folderPart += '/';
    std::string pattern = folderPart + prefix + "XXXXXX" + suffix;
    const int fd = ::mkstemps(pattern.data(), static_cast<int>(suffix.size()));
    if (fd < 0) throw EOSError("Cannot create a temporary file in " + folder, static_cast<uint32_t>(errno));
    ::close(fd);
    path_ = pattern;
}

TTemporaryFile::~TTemporaryFile() { ::unlink(path_.c_str()); }

}  // namespace rt
