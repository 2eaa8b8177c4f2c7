#include "platform/streaming/TFormPrinter.h"

#include <charconv>
#include <cstdio>

#include "platform/streaming/TFormParser.h"
#include "platform/streaming/Utf8Codes.h"

namespace rt {

namespace {
constexpr size_t kStringChunk = 64;
constexpr size_t kBinaryLine = 64;

std::string FloatLiteral(double v) {
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, v);
    std::string text(buffer, ec == std::errc() ? end : buffer);
    // Keep floats recognisable as floats when read back.
    if (text.find_first_of(".eEn") == std::string::npos) text += ".0";
    return text;
}

// Splits the text into pieces of about kStringChunk bytes, never inside a UTF-8 sequence.
std::vector<std::string> Chunks(const std::string& text) {
    std::vector<std::string> chunks;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = pos + kStringChunk;
        if (end >= text.size()) {
            end = text.size();
        } else {
            while (end > pos && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
            if (end == pos) end = pos + kStringChunk;
        }
        chunks.push_back(text.substr(pos, end - pos));
        pos = end;
    }
    return chunks;
}
}  // namespace

std::string QuoteResourceString(const std::string& text) {
    if (text.empty()) return "''";
    std::string out;
    bool quoted = false;
    auto openQuote = [&] {
        if (!quoted) out += '\'';
        quoted = true;
    };
    auto closeQuote = [&] {
        if (quoted) out += '\'';
        quoted = false;
    };
    size_t pos = 0;
    while (pos < text.size()) {
        const auto c = static_cast<unsigned char>(text[pos]);
        if (c >= ' ' && c < 0x7F) {
            openQuote();
            out += static_cast<char>(c);
            if (c == '\'') out += '\'';
            ++pos;
            continue;
        }
        uint32_t cp = 0;
        if (DecodeUtf8(text, pos, cp)) {
            closeQuote();
            out += '#';
            out += std::to_string(cp);
        } else {
            // Bytes that are not UTF-8 stay raw inside quotes, so they read back unchanged.
            openQuote();
            out += static_cast<char>(c);
            ++pos;
        }
    }
    closeQuote();
    return out;
}

std::string TFormPrinter::Print(const TResourceNode& root) {
    std::string out;
    TFormPrinter printer(out);
    printer.Node(root, 0);
    return out;
}

void TFormPrinter::Indent(int depth) { out_.append(static_cast<size_t>(depth) * 2, ' '); }

void TFormPrinter::NodeBegin(TResourceNode::Kind kind, const std::string& name, const std::string& className,
                             int depth) {
    Indent(depth);
    out_ += TResourceNode::KindKeyword(kind);
    out_ += ' ';
    if (!name.empty()) {
        out_ += name;
        out_ += ": ";
    }
    out_ += className;
    out_ += '\n';
}

void TFormPrinter::NodeEnd(int depth) {
    Indent(depth);
    out_ += "end\n";
}

void TFormPrinter::Node(const TResourceNode& node, int depth) {
    NodeBegin(node.kind, node.name, node.className, depth);
    for (const TResourceProperty& prop : node.properties) Property(prop, depth + 1);
    for (const TResourceNode& child : node.children) Node(child, depth + 1);
    NodeEnd(depth);
}

void TFormPrinter::PropertyName(const std::string& path, int depth) {
    Indent(depth);
    out_ += path;
    out_ += " = ";
}

void TFormPrinter::Property(const TResourceProperty& prop, int depth) {
    PropertyName(prop.path, depth);
    Value(prop.value, depth);
    PropertyEnd();
}

void TFormPrinter::ParsedListItems(const TResourceValue& list, int depth) {
    TFormParser cursor = TFormParser::ListCursor(list);
    cursor.Bracket();
    while (!cursor.AtListEnd()) {
        ListItem(depth);
        Value(cursor.ParseValue(), depth);
    }
}

void TFormPrinter::ListItem(int depth) {
    out_ += '\n';
    Indent(depth);
}

void TFormPrinter::CollectionItemBegin(int depth) {
    out_ += '\n';
    Indent(depth + 1);
    out_ += "item\n";
}

void TFormPrinter::CollectionItemEnd(int depth) {
    Indent(depth + 1);
    out_ += "end";
}

void TFormPrinter::StringValue(const std::string& text, int depth) {
    const std::vector<std::string> chunks = Chunks(text);
    if (chunks.size() <= 1) {
        out_ += QuoteResourceString(text);
        return;
    }
    for (size_t i = 0; i < chunks.size(); ++i) {
        if (i > 0) {
            out_ += " +\n";
            Indent(depth + 1);
        }
        out_ += QuoteResourceString(chunks[i]);
    }
}

void TFormPrinter::Value(const TResourceValue& value, int depth) {
    using Kind = TResourceValue::Kind;
    switch (value.kind) {
        case Kind::Integer: out_ += std::to_string(value.integer); break;
        case Kind::Float: out_ += FloatLiteral(value.number); break;
        case Kind::String: StringValue(value.text, depth); break;
        case Kind::Ident: out_ += value.text; break;
        case Kind::Set: {
            out_ += '[';
            for (size_t i = 0; i < value.names.size(); ++i) {
                if (i > 0) out_ += ", ";
                out_ += value.names[i];
            }
            out_ += ']';
            break;
        }
        case Kind::List: {
            ListBegin();
            for (const TResourceValue& item : value.items) {
                ListItem(depth + 1);
                Value(item, depth + 1);
            }
            if (!value.text.empty()) ParsedListItems(value, depth + 1);
            ListEnd();
            break;
        }
        case Kind::Collection: {
            CollectionBegin();
            for (const auto& item : value.collection) {
                CollectionItemBegin(depth);
                for (const TResourceProperty& prop : item) Property(prop, depth + 2);
                CollectionItemEnd(depth);
            }
            CollectionEnd();
            break;
        }
        case Kind::Binary: {
            static const char digits[] = "0123456789ABCDEF";
            out_ += '{';
            for (size_t i = 0; i < value.bytes.size(); ++i) {
                if (i % (kBinaryLine / 2) == 0) {
                    out_ += '\n';
                    Indent(depth + 1);
                }
                out_ += digits[value.bytes[i] >> 4];
                out_ += digits[value.bytes[i] & 0xF];
            }
            out_ += '}';
            break;
        }
    }
}

}  // namespace rt
