#include "outside/appserver/F2Request.h"

#include "outside/appserver/ServerError.h"
#include "platform/core/Exceptions.h"
#include "platform/sysutils/StrUtils.h"

namespace appserver {

namespace {

TextRow KeyOf(const rt::Variant& key) {
    const rt::Variant& k = key.Deref();
    if (k.IsEmpty() || k.IsNull())
        return {};
    if (!k.IsArray())
        return {ArgText(k)};
    return ArrayTexts(k, "The lookup key");
}

}  // namespace

F2Request F2Request::Parse(const rt::Variant& request) {
    const rt::Variant& a = request.Deref();
    if (!a.IsArray() || a.DimCount() != 1 || a.ElementCount() != 19)
        throw EServerError("F2GetData needs the 19-element lookup array");
    auto at = [&a](int i) -> const rt::Variant& { return a[a.LowBound() + i].Deref(); };
    F2Request r;
    r.table = rt::UpperCase(rt::Trim(ArgText(at(0))));
    if (r.table.empty())
        throw EServerError("F2GetData needs a table name");
    r.companyCode = ArgText(at(1));
    r.key = KeyOf(at(2));
    try {
        r.multiple = !at(3).IsEmpty() && at(3).ToBool();
        r.window = at(7).IsEmpty() ? 0 : at(7).ToInt64();
    } catch (const rt::Exception&) {
        throw EServerError("F2GetData: the selection flag or window handle is not a value");
    }
    r.search = ArgText(at(4));
    r.company = ArgText(at(5));
    r.dbName = ArgText(at(6));
    r.user = ArgText(at(18));
    return r;
}

}  // namespace appserver
