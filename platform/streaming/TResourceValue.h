#pragma once
// The parsed form of one value in a form resource: a scalar, a list, a set,
// a collection of items, or binary data.

#include <cstdint>
#include <string>
#include <vector>

namespace rt {

struct TResourceProperty;

struct TResourceValue {
    enum class Kind { Integer, Float, String, Ident, List, Set, Collection, Binary };

    Kind kind = Kind::Integer;
    int64_t integer = 0;
    double number = 0.0;
    // String text (UTF-8), identifier, the text of a parsed list, or nothing.
    std::string text;
    // A list built in code holds its items; a parsed list keeps its text from
    // "(" to ")" instead and is read value by value (TFormParser::ListCursor),
    // so that a list of many values is never held as values all at once.
    std::vector<TResourceValue> items;
    std::vector<std::string> names;                 // Set
    std::vector<std::vector<TResourceProperty>> collection;  // Collection: each item's properties
    std::vector<uint8_t> bytes;                     // Binary

    static TResourceValue Integer(int64_t v);
    static TResourceValue Float(double v);
    static TResourceValue String(std::string v);
    static TResourceValue Ident(std::string v);
    static TResourceValue List();
    static TResourceValue Set(std::vector<std::string> names);
    static TResourceValue Binary(std::vector<uint8_t> bytes);

    const char* KindName() const;
};

struct TResourceProperty {
    std::string path;  // "Caption", "Font.Name", "Items.Strings"
    TResourceValue value;
    int line = 0;
};

}  // namespace rt
