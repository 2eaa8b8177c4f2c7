#include "outside/hemr07s/SvrRunArguments.h"

#include "outside/appserver/ServerError.h"
#include "outside/appserver/ServerValues.h"
#include "platform/core/Exceptions.h"
#include "platform/sysutils/StrUtils.h"

namespace hemr07s {

namespace {

using appserver::ArgText;

int IntOr(const rt::Variant& value, int fallback) {
    try {
        return value.Deref().IsEmpty() ? fallback : value.Deref().ToInt();
    } catch (const rt::Exception&) {
        return fallback;
    }
}

bool BoolOr(const rt::Variant& value, bool fallback) {
    try {
        return value.Deref().IsEmpty() ? fallback : value.Deref().ToBool();
    } catch (const rt::Exception&) {
        return fallback;
    }
}

}  // namespace

SvrRunArguments SvrRunArguments::Parse(const rt::Variant& arguments) {
    const rt::Variant& a = arguments.Deref();
    if (!a.IsArray() || a.DimCount() != 1 || (a.ElementCount() != 12 && a.ElementCount() != 7))
        throw appserver::EServerError("报表执行参数格式错误: 应为 12 或 7 个元素的数组");
    auto at = [&a](int i) -> const rt::Variant& { return a[a.LowBound() + i].Deref(); };
    SvrRunArguments r;
    if (a.ElementCount() == 12) {
        r.jobId = rt::Trim(ArgText(at(0)));
        r.extName = ArgText(at(1));
        r.company = rt::Trim(ArgText(at(2)));
        r.user = rt::Trim(ArgText(at(3)));
        r.dbName = ArgText(at(4));
        r.values = at(5);
        r.kind = rt::UpperCase(rt::Trim(ArgText(at(7))));
        r.runId = ArgText(at(8));
        r.productId = IntOr(at(9), 3);
        r.queryRun = BoolOr(at(10), true);
        r.uiCodePage = ArgText(at(11));
    } else {
        r.jobId = rt::Trim(ArgText(at(0)));
        r.company = rt::Trim(ArgText(at(1)));
        r.user = rt::Trim(ArgText(at(2)));
        r.values = at(3);
        r.dbName = ArgText(at(4));
        r.runId = ArgText(at(5));
        r.productId = IntOr(at(6), 3);
        r.kind = "B";
    }
    if (!r.values.IsArray() || r.values.DimCount() != 1)
        throw appserver::EServerError("报表执行参数缺少条件内容数组");
    return r;
}

bool SvrRunArguments::HasJob() const { return !jobId.empty() && !rt::SameText(jobId, "ERROR"); }

}  // namespace hemr07s
