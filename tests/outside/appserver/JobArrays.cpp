#include "tests/outside/appserver/JobArrays.h"

#include "tests/outside/hemr07s/Hemr07Values.h"
#include "tests/outside/appserver/ConditionArrays.h"

namespace outside_test {

rt::Variant Hemr07Job(int mode, rt::TDateTime at, const std::string& receivers, const std::string& program) {
    rt::Variant job = HemrConditions(16);
    rt::Variant env = job[0];
    env[1] = program;
    env[10] = mode;
    env[11] = rt::Variant::FromDate(at);
    env[12] = receivers.empty() ? rt::Variant("") : Cp936(receivers.c_str());
    rt::Variant captions = job[1];
    captions[3] = rt::Variant::ArrayOf({Cp936("统计日期"), rt::Variant("ed03")});
    captions[16] = rt::Variant::ArrayOf({Cp936("制表日期"), rt::Variant("edPrintDate")});
    return rt::Variant::ArrayOf({env, captions, hemr07test::Hemr07Form().Values()});
}

rt::Variant Periodic(const rt::Variant& job, const std::string& runTime, const rt::Variant& rule,
                     const rt::Variant& range, const std::vector<std::string>& rules) {
    rt::Variant rulesArray = rt::Variant::CreateArray({{0, static_cast<int>(rules.size())}});
    rulesArray[0] = static_cast<int>(rules.size());
    for (size_t i = 0; i < rules.size(); ++i)
        rulesArray[static_cast<int>(i) + 1] = rules[i];
    rt::Variant env = job[0];
    env[9] = "r";
    return rt::Variant::ArrayOf({env, job[1], job[2], rt::Variant::ArrayOf({"Y", runTime, rule, range}), rulesArray});
}

std::string Fields(const std::vector<std::string>& fields) {
    std::string text;
    for (size_t i = 0; i < fields.size(); ++i)
        text += (i ? "\x03" : "") + fields[i];
    return text;
}

rt::TDateTime At(int year, int month, int day, int hour, int minute) {
    return rt::EncodeDateTime(year, month, day, hour, minute, 0, 0);
}

}  // namespace outside_test
