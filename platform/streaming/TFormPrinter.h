#pragma once
// Prints a tree of object blocks as form resource text: two-space indents,
// strings quoted with non-ASCII characters as #code points, long strings and
// binary data broken across lines.

#include <string>

#include "platform/streaming/TResourceNode.h"

namespace rt {

class TFormPrinter {
public:
    static std::string Print(const TResourceNode& root);

private:
    explicit TFormPrinter(std::string& out) : out_(out) {}
    void Node(const TResourceNode& node, int depth);
    void Property(const TResourceProperty& prop, int depth);
    void Value(const TResourceValue& value, int depth);
    void StringValue(const std::string& text, int depth);
    void Indent(int depth);

    std::string& out_;
};

// The text of one string value as the printer writes it, without line breaks.
std::string QuoteResourceString(const std::string& text);

}  // namespace rt
