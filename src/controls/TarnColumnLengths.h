#pragma once
// The byte lengths of the texts in each column of a list, kept as counts so
// that the longest stays known while rows come and go one at a time.

#include <cstddef>
#include <map>
#include <string>
#include <vector>

namespace hemr {

class TTarnColumnLengths {
public:
    void Clear() { columns_.clear(); }
    void Add(int column, size_t length);
    // A length that was never added is ignored.
    void Remove(int column, size_t length);
    // 0 for a column without texts.
    size_t Longest(int column) const;

    // Length of a text written in the ANSI code page, as column widths count it.
    static size_t ByteLength(const std::string& text);

private:
    std::vector<std::map<size_t, int>> columns_;
};

}  // namespace hemr
