#include "outside/hemr07s/AgeConditions.h"

#include <cctype>

#include "outside/appserver/ServerError.h"
#include "outside/appserver/ServerValues.h"
#include "platform/sysutils/DateTime.h"
#include "platform/sysutils/IntConv.h"
#include "platform/sysutils/StrUtils.h"

namespace hemr07s {

namespace {

using appserver::ArgText;
using appserver::EServerError;

constexpr int kOwnRows = 12;

class ValueRows {
public:
    explicit ValueRows(const rt::Variant& values) : v_(values.Deref()) {
        if (!v_.IsArray() || v_.DimCount() != 1 || v_.ElementCount() < kOwnRows)
            throw EServerError("条件内容应至少有 " + std::to_string(kOwnRows) + " 项");
    }
    // Row n counted from 1, as the form numbers its conditions.
    const rt::Variant& Row(int n) const { return v_[v_.LowBound() + n - 1].Deref(); }
    const rt::Variant& Last() const { return v_[v_.HighBound()].Deref(); }

private:
    const rt::Variant& v_;
};

int AgeOf(const rt::Variant& value, int row) {
    std::string text = rt::Trim(ArgText(value));
    int age = 0;
    if (value.IsArray() || !rt::TryStrToInt(text, age))
        throw EServerError("第 " + std::to_string(row) + " 项年龄区间不是整数: " + text);
    if (age < 0)
        throw EServerError("第 " + std::to_string(row) + " 项年龄区间不可为负数: " + text);
    return age;
}

// A middle bracket row: [from, to].
AgeBracket PairBracket(const rt::Variant& value, int row) {
    if (!value.IsArray() || value.ElementCount() != 2)
        throw EServerError("第 " + std::to_string(row) + " 项年龄区间应为起止两项");
    int from = AgeOf(value[value.LowBound()], row);
    int to = AgeOf(value[value.LowBound() + 1], row);
    return {from, to, std::to_string(from) + "至" + std::to_string(to) + "岁"};
}

std::string DateRow(const rt::Variant& value, const std::string& fallback) {
    std::string text = value.IsArray() ? "" : rt::Trim(ArgText(value));
    if (text.empty())
        return fallback;
    if (!IsYmdDate(text))
        throw EServerError("统计日期不是有效的日期: " + text);
    return text;
}

}  // namespace

bool IsYmdDate(const std::string& text) {
    if (text.size() != 8)
        return false;
    for (char c : text)
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return false;
    int year = std::stoi(text.substr(0, 4));
    return year >= 1753 && rt::IsValidDate(year, std::stoi(text.substr(4, 2)), std::stoi(text.substr(6, 2)));
}

AgeConditions AgeConditions::FromValues(const rt::Variant& values, const std::string& today) {
    ValueRows rows(values);
    AgeConditions c;
    c.companies = CodeFilter::FromValue(rows.Row(1), "公司");
    c.departments = CodeFilter::FromValue(rows.Row(2), "部门");
    c.statDate = DateRow(rows.Row(3), today);
    int first = AgeOf(rows.Row(4), 4);
    c.brackets.push_back({0, first, std::to_string(first) + "岁以内"});
    for (int row = 5; row <= 11; ++row)
        c.brackets.push_back(PairBracket(rows.Row(row), row));
    int last = AgeOf(rows.Row(12), 12);
    c.brackets.push_back({last, -1, std::to_string(last) + "岁以上"});
    std::string printed = rows.Last().IsArray() ? "" : rt::Trim(ArgText(rows.Last()));
    c.printDate = IsYmdDate(printed) ? printed : "";
    return c;
}

}  // namespace hemr07s
