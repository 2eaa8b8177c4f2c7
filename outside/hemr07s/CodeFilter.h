#pragma once
// Which codes a selection panel's value admits: a range [chr 4, begin, end]
// (an empty bound is open), a list [chr 5, row, ...] whose rows start with the
// code, or a plain text naming one code. An empty value admits everything.

#include <set>
#include <string>
#include <vector>

#include "platform/core/Variant.h"

namespace hemr07s {

class CodeFilter {
public:
    CodeFilter() = default;
    // Raises EServerError for a value of neither form; `what` names the row.
    static CodeFilter FromValue(const rt::Variant& value, const std::string& what);

    bool Matches(const std::string& code) const;
    // "全部", "A01 ~ B02", "A01, A02" as the report header shows it.
    std::string Describe() const;

private:
    enum class Kind { All, Range, List };
    Kind kind_ = Kind::All;
    std::string begin_, end_;
    std::vector<std::string> codes_;       // in the order chosen, for Describe
    std::set<std::string> lookup_;         // the same codes, for Matches on every employee
};

}  // namespace hemr07s
