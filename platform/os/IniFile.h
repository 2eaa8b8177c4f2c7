#pragma once
// Read-only INI file with the profile-reading semantics of the original
// platform: section and key names are case-insensitive; blanks around names
// and values are dropped, and so is one pair of matching quotes (' or ")
// around a value; the first section of a name and the first key of a name in
// it win; lines starting with ";" are comments; a missing file reads as empty,
// so every read gives its default. Files are UTF-8 (a byte-order mark is
// skipped). The file is read again whenever it has changed since the last read.
// A file that is a device or a pipe, or too large, is refused: every read
// raises EInOutError naming it (ReadSmallFile).

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace rt {

class TIniFile {
public:
    explicit TIniFile(std::string fileName);
    ~TIniFile();
    TIniFile(const TIniFile&) = delete;
    TIniFile& operator=(const TIniFile&) = delete;

    const std::string& FileName() const { return fileName_; }

    // A key written without "=" has no value: its reads give the default.
    std::string ReadString(const std::string& section, const std::string& key, const std::string& defaultValue) const;
    // Decimal, or hexadecimal after "0x" or "$"; an unparsable or missing value gives the default.
    int32_t ReadInteger(const std::string& section, const std::string& key, int32_t defaultValue) const;
    // A number other than 0 is true; as ReadInteger otherwise.
    bool ReadBool(const std::string& section, const std::string& key, bool defaultValue) const;

    // Key names of the section in file order, each name once; a line without
    // "=" counts as a key named by the whole line.
    std::vector<std::string> ReadSection(const std::string& section) const;
    // Every entry line of the section as written (trimmed), lines without "=" too.
    std::vector<std::string> ReadSectionValues(const std::string& section) const;
    // Section names in file order, each name once, empty sections too.
    std::vector<std::string> ReadSections() const;
    // True when the section holds at least one key, as in the original.
    bool SectionExists(const std::string& section) const;
    bool ValueExists(const std::string& section, const std::string& key) const;

private:
    struct Contents;
    const Contents& Current() const;

    std::string fileName_;
    mutable std::shared_ptr<const Contents> contents_;
};

}  // namespace rt
