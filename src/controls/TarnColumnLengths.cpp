#include "src/controls/TarnColumnLengths.h"

#include <algorithm>

#include "platform/codepage/CodePages.h"

namespace hemr {

void TTarnColumnLengths::Add(int column, size_t length) {
    if (column < 0) return;
    if (static_cast<size_t>(column) >= columns_.size()) columns_.resize(static_cast<size_t>(column) + 1);
    ++columns_[static_cast<size_t>(column)][length];
}

void TTarnColumnLengths::Remove(int column, size_t length) {
    if (column < 0 || static_cast<size_t>(column) >= columns_.size()) return;
    auto& counts = columns_[static_cast<size_t>(column)];
    const auto found = counts.find(length);
    if (found == counts.end()) return;
    if (--found->second == 0) counts.erase(found);
}

size_t TTarnColumnLengths::Longest(int column) const {
    if (column < 0 || static_cast<size_t>(column) >= columns_.size()) return 0;
    const auto& counts = columns_[static_cast<size_t>(column)];
    return counts.empty() ? 0 : counts.rbegin()->first;
}

size_t TTarnColumnLengths::ByteLength(const std::string& text) {
    // Plain ASCII is the same in every code page; only other texts need converting.
    if (std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
        return text.size();
    }
    return rt::AnsiByteLength(text);
}

}  // namespace hemr
