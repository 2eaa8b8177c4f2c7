#include "src/environment/KestrelINI.h"

#include "platform/os/Paths.h"

namespace hemr {

std::string ResolvePath(const std::string& path, const std::string& base) {
    if (rt::HasDrivePart(path)) return path;
    if (!path.empty() && path.front() == '\\') return base + path.substr(1);
    return base + path;
}

}  // namespace hemr
