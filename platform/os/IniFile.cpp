#include "platform/os/IniFile.h"

#include "platform/os/AsciiText.h"
#include "platform/os/Files.h"
#include "platform/os/Paths.h"

#include <climits>
#include <optional>
#include <sys/stat.h>

namespace rt {

namespace {

struct IniEntry {
    std::string line;  // trimmed, as written
    std::string key;
    std::optional<std::string> value;  // none for a line without "="
};

struct IniSection {
    std::string name;
    std::vector<IniEntry> entries;

    // The first entry of the key: later ones are shadowed, as in the original.
    const IniEntry* FindEntry(std::string_view key) const {
        for (const IniEntry& entry : entries) {
            if (!entry.key.empty() && AsciiSameText(entry.key, key)) return &entry;
        }
        return nullptr;
    }
};

// Identifies the file state the contents were read from.
struct FileStamp {
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};

    bool operator==(const FileStamp& o) const {
        return exists == o.exists && device == o.device && inode == o.inode && size == o.size &&
               modified.tv_sec == o.modified.tv_sec && modified.tv_nsec == o.modified.tv_nsec;
    }
};

FileStamp StampOf(const std::string& fileName) {
    FileStamp stamp;
    struct stat info;
    if (fileName.empty() || ::stat(ToNativePath(fileName).c_str(), &info) != 0) return stamp;
    stamp.exists = true;
    stamp.device = info.st_dev;
    stamp.inode = info.st_ino;
    stamp.size = info.st_size;
    stamp.modified = info.st_mtim;
    return stamp;
}

std::string_view StripQuotes(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

std::string_view SectionName(std::string_view line) {
    std::string_view inner = line.substr(1);
    return TrimBlanks(inner.substr(0, inner.find(']')));
}

IniEntry ParseEntry(std::string_view line) {
    IniEntry entry;
    entry.line = std::string(line);
    size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
        entry.key = entry.line;
        return entry;
    }
    entry.key = std::string(TrimBlanks(line.substr(0, equals)));
    entry.value = std::string(StripQuotes(TrimBlanks(line.substr(equals + 1))));
    return entry;
}

std::vector<IniSection> ParseSections(std::string_view text) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    std::vector<IniSection> sections;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = TrimBlanks(text.substr(start, end - start));
        start = end + 1;
        if (line.empty() || line[0] == ';') continue;
        if (line[0] == '[') {
            sections.push_back(IniSection{std::string(SectionName(line)), {}});
        } else if (!sections.empty()) {
            sections.back().entries.push_back(ParseEntry(line));
        }
    }
    return sections;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Digits in `base`, up to `limit`; none on an empty text, a bad digit or overflow.
std::optional<uint64_t> ParseDigits(std::string_view digits, int base, uint64_t limit) {
    if (digits.empty()) return std::nullopt;
    uint64_t value = 0;
    for (char c : digits) {
        int digit = HexDigit(c);
        if (digit < 0 || digit >= base) return std::nullopt;
        value = value * base + static_cast<uint64_t>(digit);
        if (value > limit) return std::nullopt;
    }
    return value;
}

// "-12", "+7", "0x1A", "$1A"; hexadecimal spans the full 32 bits ("0xFFFFFFFF" is -1).
std::optional<int32_t> ParseInteger(std::string_view text) {
    bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) text.remove_prefix(1);
    std::optional<uint64_t> magnitude;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        magnitude = ParseDigits(text.substr(2), 16, UINT32_MAX);
    } else if (!text.empty() && text[0] == '$') {
        magnitude = ParseDigits(text.substr(1), 16, UINT32_MAX);
    } else {
        magnitude = ParseDigits(text, 10, negative ? uint64_t(INT32_MAX) + 1 : uint64_t(INT32_MAX));
    }
    if (!magnitude) return std::nullopt;
    uint32_t bits = static_cast<uint32_t>(*magnitude);
    return static_cast<int32_t>(negative ? 0u - bits : bits);
}

}  // namespace

struct TIniFile::Contents {
    FileStamp stamp;
    std::vector<IniSection> sections;

    // The first section of the name: later ones are shadowed, as in the original.
    const IniSection* FindSection(std::string_view name) const {
        std::string_view wanted = TrimBlanks(name);
        for (const IniSection& candidate : sections) {
            if (AsciiSameText(candidate.name, wanted)) return &candidate;
        }
        return nullptr;
    }
};

TIniFile::TIniFile(std::string fileName) : fileName_(std::move(fileName)) {}

TIniFile::~TIniFile() = default;

const TIniFile::Contents& TIniFile::Current() const {
    FileStamp stamp = StampOf(fileName_);
    if (contents_ && contents_->stamp == stamp) return *contents_;
    auto fresh = std::make_shared<Contents>();
    std::string text;
    if (stamp.exists && ReadSmallFile(fileName_, text)) {
        fresh->stamp = stamp;
        fresh->sections = ParseSections(text);
    }
    contents_ = std::move(fresh);
    return *contents_;
}

std::string TIniFile::ReadString(const std::string& section, const std::string& key,
                                 const std::string& defaultValue) const {
    const IniSection* found = Current().FindSection(section);
    const IniEntry* entry = found ? found->FindEntry(TrimBlanks(key)) : nullptr;
    return entry && entry->value ? *entry->value : defaultValue;
}

int32_t TIniFile::ReadInteger(const std::string& section, const std::string& key, int32_t defaultValue) const {
    std::optional<int32_t> value = ParseInteger(ReadString(section, key, std::string()));
    return value ? *value : defaultValue;
}

bool TIniFile::ReadBool(const std::string& section, const std::string& key, bool defaultValue) const {
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

std::vector<std::string> TIniFile::ReadSection(const std::string& section) const {
    std::vector<std::string> keys;
    const IniSection* found = Current().FindSection(section);
    if (!found) return keys;
    for (const IniEntry& entry : found->entries) {
        if (!entry.key.empty() && found->FindEntry(entry.key) == &entry) keys.push_back(entry.key);
    }
    return keys;
}

std::vector<std::string> TIniFile::ReadSectionValues(const std::string& section) const {
    std::vector<std::string> lines;
    const IniSection* found = Current().FindSection(section);
    if (!found) return lines;
    for (const IniEntry& entry : found->entries) lines.push_back(entry.line);
    return lines;
}

std::vector<std::string> TIniFile::ReadSections() const {
    std::vector<std::string> names;
    const Contents& contents = Current();
    for (const IniSection& section : contents.sections) {
        if (contents.FindSection(section.name) == &section) names.push_back(section.name);
    }
    return names;
}

bool TIniFile::SectionExists(const std::string& section) const {
    return !ReadSection(section).empty();
}

bool TIniFile::ValueExists(const std::string& section, const std::string& key) const {
    const IniSection* found = Current().FindSection(section);
    return found && found->FindEntry(TrimBlanks(key)) != nullptr;
}

}  // namespace rt
