#include "outside/hemr07s/CodeFilter.h"

#include <algorithm>

#include "outside/appserver/ServerError.h"
#include "outside/appserver/ServerValues.h"
#include "platform/sysutils/StrUtils.h"

namespace hemr07s {

namespace {

using appserver::ArgText;

constexpr const char* kRangeMark = "\x04";
constexpr const char* kListMark = "\x05";

// The code of a list row: its first element, or the row itself when it is a text.
std::string RowCode(const rt::Variant& row) {
    const rt::Variant& r = row.Deref();
    if (!r.IsArray())
        return rt::Trim(ArgText(r));
    if (r.ElementCount() == 0)
        return "";
    const rt::Variant& first = r[r.LowBound()].Deref();
    return first.IsArray() ? "" : rt::Trim(ArgText(first));
}

}  // namespace

CodeFilter CodeFilter::FromValue(const rt::Variant& value, const std::string& what) {
    const rt::Variant& v = value.Deref();
    CodeFilter filter;
    if (!v.IsArray()) {
        std::string code = rt::Trim(ArgText(v));
        if (!code.empty()) {
            filter.kind_ = Kind::List;
            filter.codes_.push_back(code);
            filter.lookup_.insert(code);
        }
        return filter;
    }
    if (v.DimCount() != 1 || v.ElementCount() == 0)
        throw appserver::EServerError(what + "的条件内容格式错误");
    std::string mark = ArgText(v[v.LowBound()]);
    if (mark == kRangeMark) {
        if (v.ElementCount() != 3)
            throw appserver::EServerError(what + "的区间应有起止两项");
        filter.begin_ = rt::Trim(ArgText(v[v.LowBound() + 1]));
        filter.end_ = rt::Trim(ArgText(v[v.LowBound() + 2]));
        filter.kind_ = filter.begin_.empty() && filter.end_.empty() ? Kind::All : Kind::Range;
        return filter;
    }
    if (mark != kListMark)
        throw appserver::EServerError(what + "的条件内容既不是区间也不是清单");
    for (int i = v.LowBound() + 1; i <= v.HighBound(); ++i)
        if (std::string code = RowCode(v[i]); !code.empty())
            filter.codes_.push_back(code);
    // An empty list chooses nothing in particular, so the whole range applies.
    filter.kind_ = filter.codes_.empty() ? Kind::All : Kind::List;
    filter.lookup_.insert(filter.codes_.begin(), filter.codes_.end());
    return filter;
}

bool CodeFilter::Matches(const std::string& code) const {
    switch (kind_) {
        case Kind::All: return true;
        case Kind::Range: return (begin_.empty() || code >= begin_) && (end_.empty() || code <= end_);
        case Kind::List: return lookup_.count(code) != 0;
    }
    return false;
}

std::string CodeFilter::Describe() const {
    switch (kind_) {
        case Kind::All: return "全部";
        case Kind::Range: return (begin_.empty() ? "(起)" : begin_) + " ~ " + (end_.empty() ? "(止)" : end_);
        case Kind::List: {
            std::string text;
            for (const std::string& code : codes_)
                text += (text.empty() ? "" : ", ") + code;
            return text;
        }
    }
    return "";
}

}  // namespace hemr07s
