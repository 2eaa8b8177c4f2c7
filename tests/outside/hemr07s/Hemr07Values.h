#pragma once
// Value rows of a HEMR07 condition array as the form builds them, for tests.

#include <string>
#include <utility>
#include <vector>

#include "platform/core/Variant.h"

namespace hemr07test {

rt::Variant Range(const std::string& begin, const std::string& end);
rt::Variant List(const std::vector<std::string>& codes);

struct Hemr07Form {
    rt::Variant companies = Range("", "");
    rt::Variant departments = Range("", "");
    std::string statDate = "20240630";
    std::string first = "25";
    std::vector<std::pair<std::string, std::string>> pairs = {{"25", "30"}, {"30", "35"}, {"35", "40"}, {"40", "45"},
                                                              {"45", "50"}, {"50", "55"}, {"55", "60"}};
    std::string last = "60";

    // Rows 1..16: the twelve of the form, sign-off, footer, date layout, print date;
    // texts as byte strings in code page 936, as they travel.
    rt::Variant Values() const;
};

// The twelve-element run array of a direct query.
rt::Variant RunArguments(const std::string& jobId, const rt::Variant& values);

}  // namespace hemr07test
