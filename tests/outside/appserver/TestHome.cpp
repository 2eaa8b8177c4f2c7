#include "tests/outside/appserver/TestHome.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>

namespace outside_test {

TestHome::TestHome() {
    std::string pattern = (std::filesystem::temp_directory_path() / "hemr-appserver-XXXXXX").string();
    path_ = mkdtemp(pattern.data()) ? pattern : "";
}

TestHome::~TestHome() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string BinaryDir() {
    if (const char* dir = std::getenv("HEMR_BINARY_DIR"))
        return dir;
    return std::filesystem::read_symlink("/proc/self/exe").parent_path().string();
}

}  // namespace outside_test
