#pragma once
// Parses form resource text into a tree of object blocks. Syntax errors raise
// EReadError naming the line.

#include <string>
#include <string_view>

#include "platform/streaming/TResourceNode.h"

namespace rt {

class TFormParser {
public:
    explicit TFormParser(std::string_view text);

    // The one top-level block; text after its "end" is an error.
    TResourceNode ParseResource();

    // Reads the text of a parsed list value by value; the text was checked
    // when the list was parsed.
    static TFormParser ListCursor(const TResourceValue& list);
    bool AtListBegin() const { return IsSymbol('('); }
    bool AtListEnd() const { return IsSymbol(')'); }
    // Steps over the "(" or ")" at the cursor.
    void Bracket() { Next(); }
    TResourceValue ParseValue();

private:
    enum class Tok { Eof, Ident, Integer, Float, String, Symbol, Binary };
    struct Token {
        Tok kind = Tok::Eof;
        std::string text;  // identifier, string value, hex digits or the symbol
        int64_t integer = 0;
        double number = 0.0;
        int line = 1;
    };

    void Next();
    void SkipBlanks();
    void LexNumber();
    void LexString();
    void LexBinary();
    [[noreturn]] void Error(const std::string& message) const;

    bool IsKeyword(std::string_view word) const;
    bool IsSymbol(char c) const { return token_.kind == Tok::Symbol && token_.text[0] == c; }
    void Expect(char symbol);
    std::string ExpectIdent(const char* what);

    TResourceNode ParseObject();
    TResourceProperty ParseProperty();
    TResourceValue ParseList();
    void CheckListItems();
    void CheckValue();
    TResourceValue ParseSet();
    TResourceValue ParseCollection();
    TResourceValue ParseBinary();

    std::string_view text_;
    size_t pos_ = 0;
    int line_ = 1;
    Token token_;
};

}  // namespace rt
