#pragma once
// Prints form resource text: two-space indents, strings quoted with non-ASCII
// characters as #code points, long strings and binary data broken across
// lines. Prints a whole tree, or piece by piece for a writer that prints as
// it walks, so that a long list never has to be held as values.

#include <string>

#include "platform/streaming/TResourceNode.h"

namespace rt {

class TFormPrinter {
public:
    explicit TFormPrinter(std::string& out) : out_(out) {}
    static std::string Print(const TResourceNode& root);

    void NodeBegin(TResourceNode::Kind kind, const std::string& name, const std::string& className, int depth);
    void NodeEnd(int depth);
    void Property(const TResourceProperty& prop, int depth);
    // "Path = " at `depth`; the value and PropertyEnd follow.
    void PropertyName(const std::string& path, int depth);
    void PropertyEnd() { out_ += '\n'; }
    void Value(const TResourceValue& value, int depth);
    void StringValue(const std::string& text, int depth);
    void ListBegin() { out_ += '('; }
    // Starts the next item of a list whose items stand at `depth`.
    void ListItem(int depth);
    void ListEnd() { out_ += ')'; }
    void CollectionBegin() { out_ += '<'; }
    // An item's properties stand at `depth` + 2 between these two.
    void CollectionItemBegin(int depth);
    void CollectionItemEnd(int depth);
    void CollectionEnd() { out_ += '>'; }

private:
    void Node(const TResourceNode& node, int depth);
    void ParsedListItems(const TResourceValue& list, int depth);
    void Indent(int depth);

    std::string& out_;
};

// The text of one string value as the printer writes it, without line breaks.
std::string QuoteResourceString(const std::string& text);

}  // namespace rt
