#include "tests/outside/hemr07s/Hemr07Values.h"

#include "platform/codepage/CodePages.h"

namespace hemr07test {

namespace {

rt::Variant Cp936(const std::string& text) { return rt::Variant::Bytes(rt::WideToCodePage(text, 936), 936); }

}  // namespace

rt::Variant Range(const std::string& begin, const std::string& end) {
    return rt::Variant::ArrayOf({"\x04", Cp936(begin), Cp936(end)});
}

rt::Variant List(const std::vector<std::string>& codes) {
    std::vector<rt::Variant> items{"\x05"};
    for (const std::string& code : codes)
        items.push_back(rt::Variant::ArrayOf({Cp936(code), Cp936("名称")}));
    return rt::Variant::ArrayOf(items);
}

rt::Variant Hemr07Form::Values() const {
    rt::Variant v = rt::Variant::CreateArray({{1, 16}});
    v[1] = companies;
    v[2] = departments;
    v[3] = Cp936(statDate);
    v[4] = Cp936(first);
    for (size_t i = 0; i < pairs.size(); ++i)
        v[5 + static_cast<int>(i)] = rt::Variant::ArrayOf({Cp936(pairs[i].first), Cp936(pairs[i].second)});
    v[12] = Cp936(last);
    v[13] = rt::Variant::ArrayOf({Cp936("签核"), false, Cp936("S01"), Cp936("制表:"), Cp936("审核:"), Cp936("核准:")});
    v[14] = rt::Variant::ArrayOf({Cp936("页脚"), true, Cp936("F01"), Cp936("本报表仅供内部使用"), Cp936(""), Cp936("")});
    v[15] = rt::Variant::ArrayOf({1, Cp936("YYYY/MM/DD")});
    v[16] = Cp936("20240701");
    return v;
}

rt::Variant RunArguments(const std::string& jobId, const rt::Variant& values) {
    std::string runId = jobId.substr(0, 8) + "0001";
    return rt::Variant::ArrayOf(
        {jobId, "", "01", "DS", "DEMO", values, 1, "R", runId, 3, true, "936"});
}

}  // namespace hemr07test
