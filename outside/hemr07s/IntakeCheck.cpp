#include "outside/hemr07s/IntakeCheck.h"

#include "outside/appserver/ConditionArrayCheck.h"
#include "outside/appserver/ServerError.h"
#include "outside/appserver/ServerValues.h"
#include "outside/hemr07s/AgeConditions.h"
#include "platform/sysutils/StrUtils.h"

namespace hemr07s {

namespace {

std::string CheckValues(const rt::Variant& values) {
    AgeConditions conditions;
    try {
        conditions = AgeConditions::FromValues(values, "20000101");
    } catch (const appserver::EServerError& e) {
        return e.Message();
    }
    // The print date is optional, but what is there must be a date.
    const rt::Variant& last = values[values.HighBound()].Deref();
    const std::string printed = last.IsArray() ? "" : rt::Trim(appserver::ArgText(last));
    if (!printed.empty() && !IsYmdDate(printed))
        return "列印日期不是有效的日期: " + printed;
    for (size_t i = 1; i + 1 < conditions.brackets.size(); ++i) {
        const AgeBracket& b = conditions.brackets[i];
        if (b.from > b.to)  // an unused bracket is empty (from = to), never reversed
            return "第 " + std::to_string(i + 4) + " 项年龄区间起点不可大于终点: " + b.label;
    }
    return "";
}

}  // namespace

void RegisterIntakeCheck() { appserver::RegisterValuesCheck("HEMR07", CheckValues); }

}  // namespace hemr07s
