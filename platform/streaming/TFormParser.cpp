#include "platform/streaming/TFormParser.h"

#include <charconv>
#include <cmath>

#include "platform/classes/IdentText.h"
#include "platform/core/Exceptions.h"
#include "platform/streaming/Utf8Codes.h"

namespace rt {

namespace {
bool IsIdentStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsHexDigit(char c) { return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }
int HexValue(char c) {
    if (IsDigit(c)) return c - '0';
    return (c | 0x20) - 'a' + 10;
}
}  // namespace

TFormParser::TFormParser(std::string_view text) : text_(text) {
    // A byte-order mark is not part of the text.
    if (text_.substr(0, 3) == "\xEF\xBB\xBF") pos_ = 3;
    Next();
}

void TFormParser::Error(const std::string& message) const {
    throw EReadError("Error reading form resource line " + std::to_string(token_.line) + ": " + message);
}

void TFormParser::SkipBlanks() {
    while (pos_ < text_.size()) {
        const char c = text_[pos_];
        if (c == '\n') ++line_;
        if (static_cast<unsigned char>(c) > ' ') break;
        ++pos_;
    }
}

void TFormParser::Next() {
    SkipBlanks();
    token_ = Token{};
    token_.line = line_;
    if (pos_ >= text_.size()) return;
    const char c = text_[pos_];
    if (IsIdentStart(c)) {
        const size_t start = pos_;
        while (pos_ < text_.size() && (IsIdentStart(text_[pos_]) || IsDigit(text_[pos_]) || text_[pos_] == '.')) ++pos_;
        token_.kind = Tok::Ident;
        token_.text = std::string(text_.substr(start, pos_ - start));
    } else if (IsDigit(c) || c == '$' || ((c == '-' || c == '+') && pos_ + 1 < text_.size() &&
                                            (IsDigit(text_[pos_ + 1]) || text_[pos_ + 1] == '$'))) {
        LexNumber();
    } else if (c == '\'' || c == '#') {
        LexString();
    } else if (c == '{') {
        LexBinary();
    } else {
        token_.kind = Tok::Symbol;
        token_.text = std::string(1, c);
        ++pos_;
    }
}

void TFormParser::LexNumber() {
    const size_t start = pos_;
    bool negative = false;
    if (text_[pos_] == '-' || text_[pos_] == '+') negative = text_[pos_++] == '-';
    if (pos_ < text_.size() && text_[pos_] == '$') {
        ++pos_;
        const size_t digits = pos_;
        while (pos_ < text_.size() && IsHexDigit(text_[pos_])) ++pos_;
        uint64_t v = 0;
        const auto [end, ec] = std::from_chars(text_.data() + digits, text_.data() + pos_, v, 16);
        if (ec != std::errc() || end != text_.data() + pos_) Error("Invalid hexadecimal number");
        token_.kind = Tok::Integer;
        token_.integer = negative ? -static_cast<int64_t>(v) : static_cast<int64_t>(v);
        return;
    }
    bool isFloat = false;
    while (pos_ < text_.size()) {
        const char c = text_[pos_];
        if (IsDigit(c)) {
            ++pos_;
        } else if (c == '.' || c == 'e' || c == 'E') {
            isFloat = true;
            ++pos_;
            if ((c == 'e' || c == 'E') && pos_ < text_.size() && (text_[pos_] == '-' || text_[pos_] == '+')) ++pos_;
        } else {
            break;
        }
    }
    const std::string_view number = text_.substr(start, pos_ - start);
    const char* first = number.data() + (number[0] == '+' ? 1 : 0);
    const char* last = number.data() + number.size();
    if (isFloat) {
        double v = 0.0;
        const auto [end, ec] = std::from_chars(first, last, v);
        if (ec != std::errc() || end != last || !std::isfinite(v)) Error("Invalid number " + std::string(number));
        token_.kind = Tok::Float;
        token_.number = v;
    } else {
        int64_t v = 0;
        const auto [end, ec] = std::from_chars(first, last, v);
        if (ec != std::errc() || end != last) Error("Invalid number " + std::string(number));
        token_.kind = Tok::Integer;
        token_.integer = v;
    }
}

// Quoted runs (raw bytes, '' for a quote) and #nnn code points, adjacent.
void TFormParser::LexString() {
    std::string value;
    while (pos_ < text_.size()) {
        const char c = text_[pos_];
        if (c == '\'') {
            ++pos_;
            while (true) {
                if (pos_ >= text_.size() || text_[pos_] == '\n' || text_[pos_] == '\r') Error("Unterminated string");
                if (text_[pos_] == '\'') {
                    if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '\'') {
                        value += '\'';
                        pos_ += 2;
                        continue;
                    }
                    ++pos_;
                    break;
                }
                value += text_[pos_++];
            }
        } else if (c == '#') {
            ++pos_;
            const size_t digits = pos_;
            uint32_t code = 0;
            if (pos_ < text_.size() && text_[pos_] == '$') {
                ++pos_;
                while (pos_ < text_.size() && IsHexDigit(text_[pos_])) ++pos_;
                std::from_chars(text_.data() + digits + 1, text_.data() + pos_, code, 16);
                if (pos_ == digits + 1) Error("Invalid character code");
            } else {
                while (pos_ < text_.size() && IsDigit(text_[pos_])) ++pos_;
                const auto [end, ec] = std::from_chars(text_.data() + digits, text_.data() + pos_, code);
                if (pos_ == digits || ec != std::errc()) Error("Invalid character code");
            }
            if (!AppendUtf8(value, code)) Error("Invalid character code #" + std::to_string(code));
        } else {
            break;
        }
    }
    token_.kind = Tok::String;
    token_.text = std::move(value);
}

void TFormParser::LexBinary() {
    ++pos_;
    std::string digits;
    while (true) {
        if (pos_ >= text_.size()) Error("Unterminated binary data");
        const char c = text_[pos_++];
        if (c == '}') break;
        if (c == '\n') ++line_;
        if (static_cast<unsigned char>(c) <= ' ') continue;
        if (!IsHexDigit(c)) Error("Invalid binary data");
        digits += c;
    }
    if (digits.size() % 2 != 0) Error("Odd number of digits in binary data");
    token_.kind = Tok::Binary;
    token_.text = std::move(digits);
}

bool TFormParser::IsKeyword(std::string_view word) const {
    return token_.kind == Tok::Ident && SameName(token_.text, word);
}

void TFormParser::Expect(char symbol) {
    if (!IsSymbol(symbol)) Error(std::string("'") + symbol + "' expected");
    Next();
}

std::string TFormParser::ExpectIdent(const char* what) {
    if (token_.kind != Tok::Ident) Error(std::string(what) + " expected");
    std::string ident = token_.text;
    Next();
    return ident;
}

TResourceNode TFormParser::ParseResource() {
    TResourceNode root = ParseObject();
    if (token_.kind != Tok::Eof) Error("Text after the end of the resource");
    return root;
}

TResourceNode TFormParser::ParseObject() {
    TResourceNode node;
    node.line = token_.line;
    if (IsKeyword("object")) {
        node.kind = TResourceNode::Kind::Object;
    } else if (IsKeyword("inherited")) {
        node.kind = TResourceNode::Kind::Inherited;
    } else if (IsKeyword("inline")) {
        node.kind = TResourceNode::Kind::Inline;
    } else {
        Error("'object' expected");
    }
    Next();
    std::string first = ExpectIdent("Component name");
    if (IsSymbol(':')) {
        Next();
        node.name = std::move(first);
        node.className = ExpectIdent("Class name");
    } else {
        node.className = std::move(first);
    }
    // An optional creation index "[n]" carries no meaning here.
    if (IsSymbol('[')) {
        Next();
        if (token_.kind != Tok::Integer) Error("Index expected");
        Next();
        Expect(']');
    }
    while (!IsKeyword("end")) {
        if (token_.kind == Tok::Eof) Error("'end' expected");
        if (IsKeyword("object") || IsKeyword("inherited") || IsKeyword("inline")) {
            node.children.push_back(ParseObject());
        } else {
            node.properties.push_back(ParseProperty());
        }
    }
    Next();
    return node;
}

TResourceProperty TFormParser::ParseProperty() {
    TResourceProperty prop;
    prop.line = token_.line;
    prop.path = ExpectIdent("Property name");
    Expect('=');
    prop.value = ParseValue();
    return prop;
}

TResourceValue TFormParser::ParseValue() {
    switch (token_.kind) {
        case Tok::Integer: {
            TResourceValue v = TResourceValue::Integer(token_.integer);
            Next();
            return v;
        }
        case Tok::Float: {
            TResourceValue v = TResourceValue::Float(token_.number);
            Next();
            return v;
        }
        case Tok::String: {
            std::string text = std::move(token_.text);
            Next();
            while (IsSymbol('+')) {
                Next();
                if (token_.kind != Tok::String) Error("String expected after '+'");
                text += token_.text;
                Next();
            }
            return TResourceValue::String(std::move(text));
        }
        case Tok::Ident: {
            TResourceValue v = TResourceValue::Ident(token_.text);
            Next();
            return v;
        }
        case Tok::Binary: return ParseBinary();
        case Tok::Symbol:
            if (IsSymbol('(')) return ParseList();
            if (IsSymbol('[')) return ParseSet();
            if (IsSymbol('<')) return ParseCollection();
            break;
        case Tok::Eof: break;
    }
    Error("Value expected");
}

// Checks the values of the list at the cursor, keeping none; stops at its ")".
void TFormParser::CheckListItems() {
    Next();
    while (!IsSymbol(')')) {
        if (token_.kind == Tok::Eof) Error("')' expected");
        CheckValue();
    }
}

// Scalars are only lexed here: a list of many values is checked without building them.
void TFormParser::CheckValue() {
    switch (token_.kind) {
        case Tok::Integer:
        case Tok::Float:
        case Tok::Ident:
        case Tok::Binary: Next(); return;
        case Tok::String:
            Next();
            while (IsSymbol('+')) {
                Next();
                if (token_.kind != Tok::String) Error("String expected after '+'");
                Next();
            }
            return;
        default: break;
    }
    if (IsSymbol('(')) {
        CheckListItems();
        Next();
    } else {
        ParseValue();
    }
}

TResourceValue TFormParser::ParseList() {
    // The "(" has just been read; the list keeps its text, checked here.
    const size_t start = pos_ - 1;
    CheckListItems();
    TResourceValue list = TResourceValue::List();
    list.text = std::string(text_.substr(start, pos_ - start));
    Next();
    return list;
}

TFormParser TFormParser::ListCursor(const TResourceValue& list) { return TFormParser(list.text); }

TResourceValue TFormParser::ParseSet() {
    Next();
    std::vector<std::string> names;
    while (!IsSymbol(']')) {
        if (!names.empty()) Expect(',');
        names.push_back(ExpectIdent("Set element"));
    }
    Next();
    return TResourceValue::Set(std::move(names));
}

TResourceValue TFormParser::ParseCollection() {
    Next();
    TResourceValue value;
    value.kind = TResourceValue::Kind::Collection;
    while (!IsSymbol('>')) {
        if (!IsKeyword("item")) Error("'item' expected");
        Next();
        std::vector<TResourceProperty> props;
        while (!IsKeyword("end")) {
            if (token_.kind == Tok::Eof) Error("'end' expected");
            props.push_back(ParseProperty());
        }
        Next();
        value.collection.push_back(std::move(props));
    }
    Next();
    return value;
}

TResourceValue TFormParser::ParseBinary() {
    std::vector<uint8_t> bytes;
    bytes.reserve(token_.text.size() / 2);
    for (size_t i = 0; i + 1 < token_.text.size(); i += 2) {
        bytes.push_back(static_cast<uint8_t>(HexValue(token_.text[i]) * 16 + HexValue(token_.text[i + 1])));
    }
    Next();
    return TResourceValue::Binary(std::move(bytes));
}

}  // namespace rt
