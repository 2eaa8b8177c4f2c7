#include "src/grid/GridClipboardText.h"

namespace hemr {

std::string FormatCellBlock(const TCellBlock& rows) {
    std::string text;
    for (const auto& row : rows) {
        for (const std::string& cell : row) {
            text += cell;
            text += '\t';
        }
        text += "\r\n";
    }
    return text;
}

TCellBlock ParseCellBlock(const std::string& text) {
    TCellBlock rows;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(pos, end - pos);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        pos = end + 1;
        std::vector<std::string> cells;
        size_t start = 0;
        for (size_t tab = line.find('\t'); tab != std::string::npos; tab = line.find('\t', start)) {
            cells.push_back(line.substr(start, tab - start));
            start = tab + 1;
        }
        if (start < line.size()) cells.push_back(line.substr(start));
        rows.push_back(std::move(cells));
    }
    return rows;
}

}  // namespace hemr
