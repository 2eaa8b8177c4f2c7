#pragma once
// The required-field list of a condition form: items separated by ",", each
// a control name, optionally ";" and a check field, optionally ";" and a
// part field ("sp01;;2"). Blanks around names and fields do not count.

#include <string>
#include <vector>

namespace hemr {

struct TRequiredItem {
    std::string Name;
    std::string Check;
    // Which parts of a selection panel are coloured: 0 all, 1 begin, 2 end,
    // 3 list; 0 when missing, not a number or outside 0..3.
    int Part = 0;

    // A check field that is a number or "N" (any case) leaves the item unchecked.
    bool Checked() const;
};

// Items without a name are dropped.
std::vector<TRequiredItem> ParseRequiredFields(const std::string& list);

}  // namespace hemr
