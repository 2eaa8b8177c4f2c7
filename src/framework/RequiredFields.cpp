#include "src/framework/RequiredFields.h"

#include <cstdint>

#include "platform/sysutils/IntConv.h"
#include "platform/sysutils/StrUtils.h"

namespace hemr {

namespace {

constexpr int kLastPanelPart = 3;

std::vector<std::string> SplitTrimmed(const std::string& text, char separator) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (;;) {
        const size_t end = text.find(separator, start);
        parts.push_back(rt::Trim(text.substr(start, end == std::string::npos ? std::string::npos : end - start)));
        if (end == std::string::npos) return parts;
        start = end + 1;
    }
}

bool IsNumber(const std::string& text) {
    int32_t value = 0;
    return rt::TryStrToInt(text, value);
}

}  // namespace

bool TRequiredItem::Checked() const { return !IsNumber(Check) && !rt::SameText(Check, "N"); }

std::vector<TRequiredItem> ParseRequiredFields(const std::string& list) {
    std::vector<TRequiredItem> items;
    for (const std::string& entry : SplitTrimmed(list, ',')) {
        const std::vector<std::string> fields = SplitTrimmed(entry, ';');
        TRequiredItem item;
        item.Name = fields[0];
        if (item.Name.empty()) continue;
        if (fields.size() > 1) item.Check = fields[1];
        int32_t part = 0;
        if (fields.size() > 2 && rt::TryStrToInt(fields[2], part) && part >= 0 && part <= kLastPanelPart)
            item.Part = part;
        items.push_back(item);
    }
    return items;
}

}  // namespace hemr
