#include "platform/os/Paths.h"

namespace rt {

namespace {

// Position of the last separator, or npos.
size_t LastDelimiter(const std::string& path) {
    return path.find_last_of("/\\");
}

bool IsAsciiLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Position of the extension's dot in the file-name part, or npos.
size_t ExtensionStart(const std::string& fileName) {
    size_t found = fileName.find_last_of("./\\");
    if (found == std::string::npos || fileName[found] != '.') return std::string::npos;
    return found;
}

bool IsUncPrefix(const std::string& path) {
    if (path.size() < 5 || path[0] != '\\' || path[1] != '\\') return false;
    size_t serverEnd = path.find_first_of("/\\", 2);
    return serverEnd != std::string::npos && serverEnd > 2 && serverEnd + 1 < path.size() &&
           !IsPathDelimiter(path[serverEnd + 1]);
}

}  // namespace

bool IsPathDelimiter(char c) {
    return c == '/' || c == '\\';
}

std::string ExtractFilePath(const std::string& fileName) {
    size_t pos = LastDelimiter(fileName);
    return pos == std::string::npos ? std::string() : fileName.substr(0, pos + 1);
}

std::string ExtractFileName(const std::string& fileName) {
    size_t pos = LastDelimiter(fileName);
    return pos == std::string::npos ? fileName : fileName.substr(pos + 1);
}

std::string ExtractFileExt(const std::string& fileName) {
    size_t pos = ExtensionStart(fileName);
    return pos == std::string::npos ? std::string() : fileName.substr(pos);
}

std::string ChangeFileExt(const std::string& fileName, const std::string& extension) {
    size_t pos = ExtensionStart(fileName);
    return (pos == std::string::npos ? fileName : fileName.substr(0, pos)) + extension;
}

std::string ExtractFileDir(const std::string& fileName) {
    size_t pos = LastDelimiter(fileName);
    if (pos == std::string::npos) return std::string();
    if (pos == 0) return fileName.substr(0, 1);
    return fileName.substr(0, pos);
}

std::string IncludeTrailingPathDelimiter(const std::string& path) {
    if (!path.empty() && IsPathDelimiter(path.back())) return path;
    return path + PathDelim;
}

std::string ExcludeTrailingPathDelimiter(const std::string& path) {
    if (path.size() <= 1 || !IsPathDelimiter(path.back())) return path;
    return path.substr(0, path.size() - 1);
}

std::string ToNativePath(const std::string& path) {
    std::string result = path;
    for (char& c : result) {
        if (c == '\\') c = '/';
    }
    return result;
}

bool HasDrivePart(const std::string& path) {
    if (path.empty()) return false;
    if (path[0] == '/') return true;
    if (path.size() >= 2 && IsAsciiLetter(path[0]) && path[1] == ':') return true;
    return IsUncPrefix(path);
}

}  // namespace rt
