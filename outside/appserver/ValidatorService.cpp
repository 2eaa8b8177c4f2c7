#include "outside/appserver/ValidatorService.h"

#include "outside/appserver/ServerError.h"
#include "outside/appserver/EntityCatalog.h"
#include "outside/appserver/ServerValues.h"
#include "platform/sysutils/StrUtils.h"
#include "platform/core/Exceptions.h"
#include "platform/sysutils/StrUtils.h"

namespace appserver {

namespace {

std::vector<std::string> KeyTexts(const rt::Variant& key) {
    const rt::Variant& k = key.Deref();
    if (k.IsArray())
        return ArrayTexts(k, "The key");
    return {ArgText(k)};
}

// Key elements given before the first missing or empty trailing one.
size_t GivenKeys(const std::vector<std::string>& key, size_t wanted) {
    size_t n = std::min(key.size(), wanted);
    while (n > 0 && key[n - 1].empty())
        --n;
    return n;
}

}  // namespace

ValidatorService::ValidatorService(StorePtr store) : store_(std::move(store)) {
    DefineProperty(
        "ProductID", [this](rt::DispatchArgs&) { return productId_; },
        [this](rt::DispatchArgs&, const rt::Variant& v) { productId_ = rt::Variant(v.ToInt()); });
    DefineProperty(
        "BaseLimited", [this](rt::DispatchArgs&) { return baseLimited_; },
        [this](rt::DispatchArgs&, const rt::Variant& v) { baseLimited_ = rt::Variant(ArgText(v)); });
    DefineMethod("CheckValue", [this](rt::DispatchArgs& a) { return Lookup(a, false); });
    DefineMethod("QueryData", [this](rt::DispatchArgs& a) { return Lookup(a, true); });
}

TextRows ValidatorService::Select(const EntityDef& entity, const std::string& company,
                                  const std::vector<std::string>& key, size_t usedKeys) {
    std::string sql = entity.select;
    std::string where;
    for (size_t i = 0; i < usedKeys; ++i)
        where += std::string(where.empty() ? "" : " AND ") + entity.keyTerms[i];
    if (entity.companyTerm)
        where += std::string(where.empty() ? "" : " AND ") + entity.companyTerm;
    if (!where.empty())
        sql += " WHERE " + where;
    sql += std::string(" ORDER BY ") + entity.orderBy;
    SqliteStatement q = store_->Db().Prepare(sql);
    int index = 1;
    for (size_t i = 0; i < usedKeys; ++i)
        q.Bind(index++, key[i]);
    if (entity.companyTerm)
        q.Bind(index++, company);
    return ReadRows(q);
}

std::string ValidatorService::Refusal(const std::string& entity, const std::vector<std::string>& key) const {
    const std::string& caller = store_->Caller();
    if (caller.empty())
        return "";
    if (rt::SameText(entity, "EMPLOYEE"))
        return "员工资料只能经由报表取得";
    if (rt::SameText(entity, "NVRMA") && (key.empty() || key[0] != caller))
        return "只能查询自己的用户资料";
    if (rt::SameText(entity, "GENES") && (key.size() < 2 || key[1] != caller))
        return "只能查询自己的方案";
    return "";
}

rt::Variant ValidatorService::Lookup(rt::DispatchArgs& args, bool query) {
    args.Require(5, 5);
    std::string name = ArgText(args[0]);
    const EntityDef* entity = FindEntity(name);
    if (!entity)
        throw EServerError("Unknown entity \"" + name + "\"");
    std::string company = ArgText(args[1]);
    std::vector<std::string> key = KeyTexts(args[3]);
    if (entity->trimmedKeys)
        for (std::string& part : key)
            part = rt::Trim(part);
    if (std::string why = Refusal(entity->name, key); !why.empty())
        throw EServerError(why);
    size_t wanted = entity->keyTerms.size();
    bool complete = key.size() >= wanted && GivenKeys(key, wanted) == wanted;
    args.SetOut(4, rt::Variant());
    if (!complete && !query)
        return false;
    size_t used = complete ? wanted : GivenKeys(key, wanted);
    TextRows rows = Select(*entity, company, key, used);
    if (rows.empty())
        return false;
    args.SetOut(4, complete ? RowVariant(rows.front()) : RowsVariant(rows));
    return true;
}

}  // namespace appserver
