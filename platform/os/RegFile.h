#pragma once
// The contents of a registry export file (REGEDIT4, or the version 5.00
// format), read into a tree of keys and values. Malformed lines are skipped;
// a file without one of the two header lines holds no keys, as the original
// importer refuses such a file.

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace rt {

enum class TRegDataType { rdUnknown, rdString, rdExpandString, rdInteger, rdBinary };

struct TRegValue {
    std::string Name;  // "" is the key's default value ("@" in the file)
    TRegDataType DataType = TRegDataType::rdUnknown;
    std::string Text;    // rdString, rdExpandString: UTF-8 text
    uint32_t Number = 0; // rdInteger
    std::string Bytes;   // rdBinary and the raw data of other hex types
};

struct TRegKey {
    std::string Name;                  // as first written in the file
    std::vector<TRegValue> Values;     // in file order
    std::vector<std::string> SubKeys;  // names of direct subkeys, in file order

    const TRegValue* FindValue(std::string_view name) const;
};

class TRegFile {
public:
    // The file's keys; a missing or unreadable file holds none. Raises
    // EInOutError naming the file when it is a device or a pipe, or too large (ReadSmallFile).
    static std::shared_ptr<const TRegFile> Load(const std::string& fileName);
    static TRegFile Parse(std::string_view contents);

    // `root` is a root key name ("HKEY_LOCAL_MACHINE", "HKLM" ...), `path` a
    // key path below it with "\" between the parts; both case-insensitive.
    const TRegKey* FindKey(std::string_view root, std::string_view path) const;

private:
    class Parser;
    std::map<std::string, TRegKey> keys_;  // by lower-case full path
};

}  // namespace rt
