#include "outside/appserver/CounterService.h"

#include "outside/appserver/ServerError.h"
#include "outside/appserver/ServerValues.h"
#include "outside/appserver/SimpleSql.h"
#include "platform/core/Exceptions.h"
#include "platform/sysutils/StrUtils.h"

namespace appserver {

namespace {

std::string SequenceKey(const rt::Variant& key) {
    const rt::Variant& k = key.Deref();
    if (!k.IsArray())
        return ArgText(k);
    std::string joined;
    for (const std::string& part : ArrayTexts(k, "The counter key"))
        joined += (joined.empty() ? "" : "\x03") + part;
    return joined;
}

std::string CompanyOf(const rt::Variant& context) {
    const rt::Variant& c = context.Deref();
    if (!c.IsArray() || c.ElementCount() == 0)
        return "";
    return ArgText(c[c.LowBound()]);
}

}  // namespace

CounterService::CounterService(StorePtr store) : store_(std::move(store)) {
    DefineMethod("GetSysInfo", [this](rt::DispatchArgs& a) {
        a.Require(0, 1);
        return GetSysInfo(ArgText(a[0]));
    });
    DefineMethod("GetCounter", [this](rt::DispatchArgs& a) { return GetCounter(a); });
}

rt::Variant CounterService::GetSysInfo(const std::string& company) {
    SqliteStatement q = store_->Db().Prepare(
        "SELECT NAME, VALUE FROM SYSSET WHERE COMPANY = ? "
        "UNION ALL SELECT NAME, VALUE FROM SYSSET WHERE COMPANY = '' "
        "AND NAME NOT IN (SELECT NAME FROM SYSSET WHERE COMPANY = ?) ORDER BY 1");
    q.Bind(1, company).Bind(2, company);
    TextRows rows = ReadRows(q);
    rt::Variant info = rt::Variant::CreateArray({{0, 1}, {0, static_cast<int>(rows.size()) - 1}});
    for (size_t i = 0; i < rows.size(); ++i) {
        info.At(0, static_cast<int>(i)) = rt::Variant(rows[i][0]);
        info.At(1, static_cast<int>(i)) = rt::Variant(rows[i][1]);
    }
    return info;
}

rt::Variant CounterService::GetCounter(rt::DispatchArgs& args) {
    args.Require(1, 3);
    std::string name = rt::Trim(ArgText(args[0]));
    if (name.empty())
        throw EServerError("GetCounter needs a counter name");
    if (rt::SameText(name, "SIMPLESQL"))
        return SimpleSql::Run(store_->Db(), args[1]);
    return NextSequence(rt::UpperCase(name), SequenceKey(args[1]), CompanyOf(args[2]));
}

int64_t CounterService::NextSequence(const std::string& name, const std::string& key, const std::string& company) {
    SqliteTransaction tx(store_->Db());
    store_->Db()
        .Prepare("INSERT INTO COUNTERS (NAME, KEYTEXT, COMPANY, VALUE) VALUES (?, ?, ?, 1) "
                 "ON CONFLICT (NAME, KEYTEXT, COMPANY) DO UPDATE SET VALUE = VALUE + 1")
        .Bind(1, name)
        .Bind(2, key)
        .Bind(3, company)
        .Run();
    SqliteStatement q = store_->Db().Prepare("SELECT VALUE FROM COUNTERS WHERE NAME = ? AND KEYTEXT = ? AND COMPANY = ?");
    q.Bind(1, name).Bind(2, key).Bind(3, company);
    if (!q.Step())
        throw rt::EDatabaseError("Counter " + name + " vanished");
    int64_t value = q.Int(0);
    tx.Commit();
    return value;
}

}  // namespace appserver
