#pragma once
// The report files the page links to: those written into the report folder
// since serving began, read back by plain name only (no folders, no hidden
// files, no links), so that nothing outside the folder is ever served.

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace host::serve {

class ReportFiles {
public:
    // Takes note of what the folder holds now.
    explicit ReportFiles(std::string folder);

    // Files new or rewritten since then, by name.
    std::vector<std::string> Written() const;

    struct File {
        std::string Bytes;
        std::string ContentType;
    };
    // The file `name` of the folder; nothing when the name is not a plain
    // file name or names no regular file there.
    std::optional<File> Read(const std::string& name) const;

    static bool IsPlainName(const std::string& name);

private:
    struct Stamp {
        std::filesystem::file_time_type written;
        std::uintmax_t size = 0;
        bool operator==(const Stamp&) const = default;
    };
    std::map<std::string, Stamp> Scan() const;

    std::string folder_;
    std::map<std::string, Stamp> before_;
};

}  // namespace host::serve
