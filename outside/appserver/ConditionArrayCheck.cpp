#include "outside/appserver/ConditionArrayCheck.h"

#include <map>
#include <mutex>

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

std::mutex& ChecksLock() {
    static std::mutex lock;
    return lock;
}

std::map<std::string, ValuesCheck>& Checks() {
    static std::map<std::string, ValuesCheck> checks;
    return checks;
}

// Counts the values into `count`; "" while within the caps.
std::string CheckSizes(const rt::Variant& value, size_t& count) {
    const rt::Variant& v = value.Deref();
    if (++count > kMaxElements)
        return "条件数组过大: 超过 " + std::to_string(kMaxElements) + " 项";
    if (v.IsArray()) {
        if (v.DimCount() != 1)
            return "条件数组含有多维数组";
        for (int i = v.LowBound(); i <= v.HighBound(); ++i)
            if (std::string why = CheckSizes(v[i], count); !why.empty())
                return why;
        return "";
    }
    if (v.IsString() && NameByteLength(v) > kMaxTextBytes)
        return "条件内容过长: 文字不可超过 " + std::to_string(kMaxTextBytes) + " 字节";
    return "";
}

std::string CheckProgramValues(const rt::Variant& conditions) {
    const rt::Variant& env = conditions[0].Deref();
    const std::string program = rt::UpperCase(rt::Trim(ArgText(env[env.LowBound()].Deref())));
    ValuesCheck check;
    {
        std::lock_guard<std::mutex> guard(ChecksLock());
        auto it = Checks().find(program);
        if (it == Checks().end())
            return "";
        check = it->second;
    }
    return check(conditions[2].Deref());
}

}  // namespace

void RegisterValuesCheck(const std::string& program, ValuesCheck check) {
    std::lock_guard<std::mutex> guard(ChecksLock());
    Checks()[program] = std::move(check);
}

std::string CheckConditionArray(const rt::Variant& value) {
    const rt::Variant& conditions = value.Deref();
    size_t count = 0;
    if (std::string why = CheckSizes(conditions, count); !why.empty())
        return why;
    if (!IsVector(conditions) || conditions.LowBound() != 0 ||
        (conditions.HighBound() != 2 && conditions.HighBound() != 4))
        return "条件数组格式错误: 应为 0..2 (周期性作业 0..4) 的数组";
    std::string why = CheckEnvironment(conditions[0].Deref());
    if (why.empty())
        why = CheckRows(conditions[1].Deref(), conditions[2].Deref());
    if (why.empty() && conditions.HighBound() == 4 && (!IsVector(conditions[3].Deref()) || !IsVector(conditions[4].Deref())))
        why = "周期性作业缺少周期设置";
    if (why.empty())
        why = CheckProgramValues(conditions);
    return why;
}

}  // namespace appserver
