#include "tests/outside/hemr07s/ReportHome.h"

#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace hemr07test {

ReportHome::ReportHome() {
    std::string pattern = (std::filesystem::temp_directory_path() / "hemr07s-XXXXXX").string();
    path_ = mkdtemp(pattern.data()) ? pattern : "";
    setenv("NVR_SERVER_HOME", path_.c_str(), 1);
    unsetenv("NVR_REGISTRY");
}

ReportHome::~ReportHome() {
    unsetenv("NVR_SERVER_HOME");
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string ReadText(const std::string& fileName) {
    std::ifstream in(fileName, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string BinaryDir() {
    if (const char* dir = std::getenv("HEMR_BINARY_DIR"))
        return dir;
    return std::filesystem::read_symlink("/proc/self/exe").parent_path().string();
}

}  // namespace hemr07test
