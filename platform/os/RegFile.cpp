#include "platform/os/RegFile.h"

#include "platform/codepage/CodePages.h"
#include "platform/codepage/IconvConverter.h"
#include "platform/os/AsciiText.h"
#include "platform/os/Files.h"

#include <algorithm>
#include <optional>

namespace rt {

namespace {

constexpr std::string_view Version4Header = "REGEDIT4";
constexpr std::string_view Version5Header = "Windows Registry Editor Version 5.00";

struct RootAlias {
    const char* alias;
    const char* canonical;
};

constexpr RootAlias RootAliases[] = {
    {"HKEY_LOCAL_MACHINE", "HKEY_LOCAL_MACHINE"}, {"HKLM", "HKEY_LOCAL_MACHINE"},
    {"HKEY_CURRENT_USER", "HKEY_CURRENT_USER"},   {"HKCU", "HKEY_CURRENT_USER"},
    {"HKEY_CLASSES_ROOT", "HKEY_CLASSES_ROOT"},   {"HKCR", "HKEY_CLASSES_ROOT"},
    {"HKEY_USERS", "HKEY_USERS"},                 {"HKU", "HKEY_USERS"},
    {"HKEY_CURRENT_CONFIG", "HKEY_CURRENT_CONFIG"}, {"HKCC", "HKEY_CURRENT_CONFIG"},
};

const char* CanonicalRoot(std::string_view root) {
    for (const RootAlias& entry : RootAliases) {
        if (AsciiSameText(root, entry.alias)) return entry.canonical;
    }
    return nullptr;
}

// Key path parts without empty ones, so "\A\\B\" is "A", "B".
std::vector<std::string_view> SplitKeyPath(std::string_view path) {
    std::vector<std::string_view> parts;
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = path.find('\\', start);
        if (end == std::string_view::npos) end = path.size();
        std::string_view part = TrimBlanks(path.substr(start, end - start));
        if (!part.empty()) parts.push_back(part);
        start = end + 1;
    }
    return parts;
}

std::string MapKey(std::string_view canonicalRoot, const std::vector<std::string_view>& parts, size_t count) {
    std::string key = AsciiLowerCase(canonicalRoot);
    for (size_t i = 0; i < count; ++i) {
        key += '\\';
        key += AsciiLowerCase(parts[i]);
    }
    return key;
}

std::string Utf16LeToUtf8(std::string_view bytes) {
    TIconvConverter converter("UTF-16LE", "UTF-8");
    return converter.Convert(bytes, [](std::string_view) {
        return TIconvConverter::Substitution{1, "\xEF\xBF\xBD"};
    });
}

// The file as UTF-8 text: a UTF-16LE file starts with its byte-order mark.
std::string DecodeFileText(std::string_view contents) {
    if (contents.substr(0, 2) == "\xFF\xFE") return Utf16LeToUtf8(contents.substr(2));
    if (contents.substr(0, 3) == "\xEF\xBB\xBF") return std::string(contents.substr(3));
    return std::string(contents);
}

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        lines.push_back(TrimRightBlanks(text.substr(start, end - start)));
        start = end + 1;
    }
    return lines;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Reads `"..."` with \\ and \" escapes from the start of `text`; `rest` gets
// what follows the closing quote. A backslash before any other character is
// kept as written, since hand-written files put single backslashes in paths.
std::optional<std::string> ReadQuoted(std::string_view text, std::string_view& rest) {
    if (text.empty() || text[0] != '"') return std::nullopt;
    std::string result;
    for (size_t i = 1; i < text.size(); ++i) {
        char c = text[i];
        if (c == '"') {
            rest = text.substr(i + 1);
            return result;
        }
        if (c == '\\' && i + 1 < text.size() && (text[i + 1] == '\\' || text[i + 1] == '"')) c = text[++i];
        result += c;
    }
    return std::nullopt;
}

// "0a,00,ff" (blanks allowed, may be empty) as bytes.
std::optional<std::string> ReadHexBytes(std::string_view text) {
    std::string bytes;
    text = TrimBlanks(text);
    if (text.empty()) return bytes;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find(',', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view item = TrimBlanks(text.substr(start, end - start));
        if (item.empty() || item.size() > 2) return std::nullopt;
        int value = 0;
        for (char c : item) {
            int digit = HexDigit(c);
            if (digit < 0) return std::nullopt;
            value = value * 16 + digit;
        }
        bytes += static_cast<char>(value);
        start = end + 1;
    }
    return bytes;
}

std::optional<uint32_t> ReadDword(std::string_view text) {
    text = TrimBlanks(text);
    if (text.empty() || text.size() > 8) return std::nullopt;
    uint32_t value = 0;
    for (char c : text) {
        int digit = HexDigit(c);
        if (digit < 0) return std::nullopt;
        value = value * 16 + static_cast<uint32_t>(digit);
    }
    return value;
}

// Drops the terminating NUL characters (of `unit` bytes each) of stored text.
std::string StripTrailingNuls(const std::string& text, size_t unit) {
    size_t length = text.size() - text.size() % unit;
    while (length >= unit && text.compare(length - unit, unit, std::string(unit, '\0')) == 0) length -= unit;
    return text.substr(0, length);
}

bool IsValidUtf8(const std::string& bytes) {
    return CodePageToWide(bytes, CP_UTF8) == bytes;
}

}  // namespace

const TRegValue* TRegKey::FindValue(std::string_view name) const {
    for (const TRegValue& value : Values) {
        if (AsciiSameText(value.Name, name)) return &value;
    }
    return nullptr;
}

// Reads the file line by line into the key map of a TRegFile.
class TRegFile::Parser {
public:
    explicit Parser(TRegFile& file) : file_(file) {}

    void Run(std::string_view text) {
        std::vector<std::string_view> lines = SplitLines(text);
        size_t index = SkipToHeader(lines);
        while (index < lines.size()) {
            std::string line = LogicalLine(lines, index);
            ParseLine(TrimLeftBlanks(line));
        }
    }

private:
    // Index after the header line; past the end when there is none.
    size_t SkipToHeader(const std::vector<std::string_view>& lines) {
        for (size_t i = 0; i < lines.size(); ++i) {
            std::string_view line = TrimBlanks(lines[i]);
            if (line.empty()) continue;
            if (line == Version4Header) return i + 1;
            if (line == Version5Header) {
                unicode_ = true;
                return i + 1;
            }
            break;
        }
        return lines.size();
    }

    // A hex value may run on over lines that end in "\".
    static std::string LogicalLine(const std::vector<std::string_view>& lines, size_t& index) {
        std::string line(lines[index++]);
        while (IsHexValueLine(line) && !line.empty() && line.back() == '\\' && index < lines.size()) {
            line.pop_back();
            std::string_view next = TrimLeftBlanks(lines[index++]);
            line.append(next.data(), next.size());
        }
        return line;
    }

    static bool IsHexValueLine(std::string_view line) {
        size_t equals = line.find("=hex");
        return equals != std::string_view::npos && line.find('"', equals) == std::string_view::npos;
    }

    void ParseLine(std::string_view line) {
        if (line.empty() || line[0] == ';') return;
        if (line[0] == '[') {
            ParseSection(line);
        } else if (currentKey_) {
            ParseValue(line);
        }
    }

    void ParseSection(std::string_view line) {
        currentKey_ = nullptr;
        if (line.back() != ']') return;
        std::string_view inner = line.substr(1, line.size() - 2);
        bool deletion = !inner.empty() && inner[0] == '-';
        if (deletion) inner.remove_prefix(1);
        std::vector<std::string_view> parts = SplitKeyPath(inner);
        if (parts.empty()) return;
        const char* root = CanonicalRoot(parts[0]);
        if (!root) return;
        parts.erase(parts.begin());
        if (deletion) DeleteKey(root, parts);
        else currentKey_ = &EnsureKey(root, parts);
    }

    TRegKey& EnsureKey(const char* root, const std::vector<std::string_view>& parts) {
        auto [node, created] = file_.keys_.try_emplace(MapKey(root, parts, 0));
        if (created) node->second.Name = root;
        TRegKey* key = &node->second;
        for (size_t i = 0; i < parts.size(); ++i) {
            auto [child, isNew] = file_.keys_.try_emplace(MapKey(root, parts, i + 1));
            if (isNew) {
                child->second.Name = std::string(parts[i]);
                key->SubKeys.push_back(child->second.Name);
            }
            key = &child->second;
        }
        return *key;
    }

    void DeleteKey(const char* root, const std::vector<std::string_view>& parts) {
        if (parts.empty()) return;  // a root key cannot be deleted
        std::string path = MapKey(root, parts, parts.size());
        std::erase_if(file_.keys_, [&path](const auto& entry) {
            return entry.first == path || entry.first.starts_with(path + "\\");
        });
        auto parent = file_.keys_.find(MapKey(root, parts, parts.size() - 1));
        if (parent == file_.keys_.end()) return;
        std::erase_if(parent->second.SubKeys,
                      [&parts](const std::string& name) { return AsciiSameText(name, parts.back()); });
    }

    void ParseValue(std::string_view line) {
        std::string_view rest;
        std::string name;
        if (line[0] == '@') {
            rest = line.substr(1);
        } else {
            std::optional<std::string> quoted = ReadQuoted(line, rest);
            if (!quoted) return;
            name = *quoted;
        }
        rest = TrimLeftBlanks(rest);
        if (rest.empty() || rest[0] != '=') return;
        std::string_view data = TrimBlanks(rest.substr(1));
        if (data == "-") {
            std::erase_if(currentKey_->Values, [&name](const TRegValue& v) { return AsciiSameText(v.Name, name); });
            return;
        }
        std::optional<TRegValue> value = ParseData(data);
        if (!value) return;
        value->Name = std::move(name);
        Store(std::move(*value));
    }

    std::optional<TRegValue> ParseData(std::string_view data) const {
        TRegValue value;
        std::string_view rest;
        if (std::optional<std::string> text = ReadQuoted(data, rest)) {
            if (!TrimBlanks(rest).empty()) return std::nullopt;
            value.DataType = TRegDataType::rdString;
            value.Text = std::move(*text);
            return value;
        }
        if (AsciiSameText(data.substr(0, 6), "dword:")) {
            std::optional<uint32_t> number = ReadDword(data.substr(6));
            if (!number) return std::nullopt;
            value.DataType = TRegDataType::rdInteger;
            value.Number = *number;
            return value;
        }
        return ParseHexData(data);
    }

    // "hex:..." is binary; "hex(N):..." carries the registry type N.
    std::optional<TRegValue> ParseHexData(std::string_view data) const {
        if (!AsciiSameText(data.substr(0, 3), "hex")) return std::nullopt;
        data.remove_prefix(3);
        int type = 3;
        if (!data.empty() && data[0] == '(') {
            size_t close = data.find(')');
            if (close == std::string_view::npos || close < 2 || close > 3) return std::nullopt;
            type = 0;
            for (char c : data.substr(1, close - 1)) {
                if (HexDigit(c) < 0) return std::nullopt;
                type = type * 16 + HexDigit(c);
            }
            data.remove_prefix(close + 1);
        }
        if (data.empty() || data[0] != ':') return std::nullopt;
        std::optional<std::string> bytes = ReadHexBytes(data.substr(1));
        if (!bytes) return std::nullopt;
        return TypedValue(type, std::move(*bytes));
    }

    TRegValue TypedValue(int type, std::string bytes) const {
        TRegValue value;
        value.Bytes = std::move(bytes);
        switch (type) {
        case 1:
        case 2:
            value.DataType = type == 1 ? TRegDataType::rdString : TRegDataType::rdExpandString;
            value.Text = HexText(value.Bytes);
            break;
        case 3:
            value.DataType = TRegDataType::rdBinary;
            break;
        case 4:
            if (value.Bytes.size() == 4) {
                value.DataType = TRegDataType::rdInteger;
                for (int i = 3; i >= 0; --i) value.Number = value.Number * 256 + static_cast<unsigned char>(value.Bytes[i]);
            }
            break;
        default:
            break;
        }
        return value;
    }

    // Text stored as hex: UTF-16LE in the version 5 format; in REGEDIT4 the
    // bytes are UTF-8 here, or the ANSI code page when they are not valid UTF-8.
    std::string HexText(const std::string& bytes) const {
        if (unicode_) return Utf16LeToUtf8(StripTrailingNuls(bytes, 2));
        std::string text = StripTrailingNuls(bytes, 1);
        return IsValidUtf8(text) ? text : CodePageToWide(text, GetACP());
    }

    void Store(TRegValue value) {
        for (TRegValue& existing : currentKey_->Values) {
            if (AsciiSameText(existing.Name, value.Name)) {
                existing = std::move(value);
                return;
            }
        }
        currentKey_->Values.push_back(std::move(value));
    }

    TRegFile& file_;
    TRegKey* currentKey_ = nullptr;
    bool unicode_ = false;
};

std::shared_ptr<const TRegFile> TRegFile::Load(const std::string& fileName) {
    std::string contents;
    if (fileName.empty() || !ReadSmallFile(fileName, contents)) return std::make_shared<const TRegFile>();
    return std::make_shared<const TRegFile>(Parse(contents));
}

TRegFile TRegFile::Parse(std::string_view contents) {
    TRegFile file;
    Parser(file).Run(DecodeFileText(contents));
    return file;
}

const TRegKey* TRegFile::FindKey(std::string_view root, std::string_view path) const {
    const char* canonical = CanonicalRoot(root);
    if (!canonical) return nullptr;
    std::vector<std::string_view> parts = SplitKeyPath(path);
    auto found = keys_.find(MapKey(canonical, parts, parts.size()));
    return found == keys_.end() ? nullptr : &found->second;
}

}  // namespace rt
