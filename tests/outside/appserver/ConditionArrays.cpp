#include "tests/outside/appserver/ConditionArrays.h"

#include "tests/outside/hemr07s/Hemr07Values.h"

#include <string>

#include "platform/codepage/CodePages.h"

namespace outside_test {

rt::Variant Cp936(const char* text) { return rt::Variant::Bytes(rt::WideToCodePage(text, 936), 936); }

rt::Variant HemrConditions(int rows) {
    rt::Variant env = rt::Variant::CreateArray({{1, 14}});
    env[1] = "HEMR07";
    env[2] = 14;
    env[3] = rows;
    env[4] = "01";
    env[5] = "DS";
    env[6] = "DEMO";
    env[7] = rt::Variant::FromDate(45000.5);
    env[8] = "HEMR07S.Class1";
    env[9] = "R";
    env[10] = 0;
    env[11] = rt::Variant::FromDate(45000.75);
    env[12] = "";
    env[13] = 1;
    env[14] = "";
    rt::Variant captions = rt::Variant::CreateArray({{1, rows}});
    rt::Variant values = rt::Variant::CreateArray({{1, rows}});
    for (int i = 1; i <= rows; ++i) {
        captions[i] = rt::Variant::ArrayOf({Cp936("年龄区间__至__岁"), rt::Variant("ed" + std::to_string(i))});
        values[i] = i == 5 ? rt::Variant::ArrayOf({Cp936("20"), Cp936("30")}) : Cp936("选择公司");
    }
    // The report's own rows, so that the server's intake check of HEMR07 takes the job.
    if (rows == 16)
        values = hemr07test::Hemr07Form().Values();
    return rt::Variant::ArrayOf({env, captions, values});
}

}  // namespace outside_test
