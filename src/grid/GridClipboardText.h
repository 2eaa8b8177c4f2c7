#pragma once
// The text layout a grid puts on the clipboard and reads back: every cell's
// text followed by a tab, every row closed by carriage return and line feed.

#include <string>
#include <vector>

namespace hemr {

using TCellBlock = std::vector<std::vector<std::string>>;

std::string FormatCellBlock(const TCellBlock& rows);
// Also takes the text other programs put there: lines ended by LF alone, a
// last line without its end, cells without the closing tab.
TCellBlock ParseCellBlock(const std::string& text);

}  // namespace hemr
