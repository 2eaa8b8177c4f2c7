#include "outside/appserver/ConditionArrayCheck.h"

#include "outside/appserver/ServerValues.h"
#include "platform/sysutils/StrUtils.h"

namespace appserver {

namespace {

bool IsVector(const rt::Variant& v) { return v.IsArray() && v.DimCount() == 1; }

std::string CheckEnvironment(const rt::Variant& env) {
    if (!IsVector(env) || env.ElementCount() == 0)
        return "条件数组缺少环境设置";
    const rt::Variant& program = env[env.LowBound()].Deref();
    if (!program.IsString() || rt::Trim(ArgText(program)).empty())
        return "环境设置缺少程序代号";
    return "";
}

std::string CheckRows(const rt::Variant& captions, const rt::Variant& values) {
    if (!IsVector(captions))
        return "条件数组缺少条件标题";
    if (!IsVector(values))
        return "条件数组缺少条件内容";
    if (captions.LowBound() != values.LowBound() || captions.HighBound() != values.HighBound())
        return "条件标题与条件内容的个数不符 (" + std::to_string(captions.ElementCount()) + " / " +
               std::to_string(values.ElementCount()) + ")";
    if (captions.ElementCount() == 0)
        return "条件数组没有任何条件";
    for (int i = captions.LowBound(); i <= captions.HighBound(); ++i) {
        const rt::Variant& row = captions[i].Deref();
        if (!IsVector(row) || row.ElementCount() < 2)
            return "第 " + std::to_string(i) + " 项条件标题格式错误";
    }
    return "";
}

}  // namespace

std::string CheckConditionArray(const rt::Variant& value) {
    const rt::Variant& conditions = value.Deref();
    if (!IsVector(conditions) || conditions.LowBound() != 0 ||
        (conditions.HighBound() != 2 && conditions.HighBound() != 4))
        return "条件数组格式错误: 应为 0..2 (周期性作业 0..4) 的数组";
    std::string why = CheckEnvironment(conditions[0].Deref());
    if (why.empty())
        why = CheckRows(conditions[1].Deref(), conditions[2].Deref());
    if (why.empty() && conditions.HighBound() == 4 && (!IsVector(conditions[3].Deref()) || !IsVector(conditions[4].Deref())))
        why = "周期性作业缺少周期设置";
    return why;
}

}  // namespace appserver
