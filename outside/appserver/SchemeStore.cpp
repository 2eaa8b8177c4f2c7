#include "outside/appserver/SchemeStore.h"

#include <cctype>

#include "platform/core/Exceptions.h"
#include "platform/sysutils/StrUtils.h"

namespace appserver {

namespace {

constexpr size_t kMaxNameBytes = 20;

struct SchemeKey {
    std::string name, user, program;
};

// The elements of an argument array in index order, or an error text.
std::string Elements(const rt::Variant& value, size_t count, std::vector<rt::Variant>& out) {
    const rt::Variant& v = value.Deref();
    if (!v.IsArray() || v.DimCount() != 1 || v.ElementCount() != static_cast<int>(count))
        return "参数格式错误: 应为 " + std::to_string(count) + " 个元素的数组";
    for (int i = v.LowBound(); i <= v.HighBound(); ++i)
        out.push_back(v[i].Deref());
    return "";
}

std::string CheckName(const rt::Variant& name) {
    if (rt::Trim(ArgText(name)).empty())
        return "方案名称不可空白!";
    if (NameByteLength(name) > kMaxNameBytes)
        return "方案名称长度不可大于20!";
    return "";
}

// `caller`: the logged-in user of a network session, who may touch only
// their own schemes; empty for the in-process server.
std::string ReadKey(const rt::Variant& value, SchemeKey& key, const std::string& caller) {
    std::vector<rt::Variant> e;
    std::string why = Elements(value, 3, e);
    if (why.empty())
        why = CheckName(e[0]);
    key = {rt::Trim(ArgText(e.size() > 0 ? e[0] : rt::Variant())), rt::Trim(ArgText(e.size() > 1 ? e[1] : rt::Variant())),
           rt::Trim(ArgText(e.size() > 2 ? e[2] : rt::Variant()))};
    if (why.empty() && (key.user.empty() || key.program.empty()))
        why = "方案缺少用户或程序代号";
    if (why.empty() && !caller.empty() && key.user != caller)
        why = "不能变更其他用户的方案";
    return why;
}

bool IsYmd(const std::string& text) {
    if (text.size() != 8)
        return false;
    for (char c : text)
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return false;
    return true;
}

bool ReplaceFlag(const rt::Variant& flag) {
    try {
        return !flag.IsEmpty() && !flag.IsNull() && flag.ToBool();
    } catch (const rt::Exception&) {
        return false;
    }
}

}  // namespace

const TextRow& SchemeStore::FieldNames() {
    static const TextRow names = {"NCONDITION", "CREATOR", "PROGRAMME", "CREATE_DATE", "SCONDITION", "VCONDITION"};
    return names;
}

TextRows SchemeStore::Load(const std::string& user, const std::string& program) {
    SqliteStatement q = store_->Db().Prepare(
        "SELECT NCONDITION, CREATOR, PROGRAMME, CREATE_DATE, SCONDITION, VCONDITION FROM SCHEMES "
        "WHERE CREATOR = ? AND PROGRAMME = ? ORDER BY NCONDITION");
    q.Bind(1, user).Bind(2, program);
    return ReadRows(q);
}

bool SchemeStore::Exists(const std::string& name, const std::string& user, const std::string& program) {
    SqliteStatement q =
        store_->Db().Prepare("SELECT 1 FROM SCHEMES WHERE NCONDITION = ? AND CREATOR = ? AND PROGRAMME = ?");
    q.Bind(1, name).Bind(2, user).Bind(3, program);
    return q.Step();
}

std::string SchemeStore::Insert(const rt::Variant& record) {
    std::vector<rt::Variant> e;
    std::string why = Elements(record, 7, e);
    if (!why.empty())
        return why;
    SchemeKey key;
    why = ReadKey(rt::Variant::ArrayOf({e[0], e[1], e[3]}), key, store_->Caller());
    if (!why.empty())
        return why;
    std::string date = rt::Trim(ArgText(e[2]));
    if (!IsYmd(date))
        return "方案建立日期格式错误: " + date;
    SqliteTransaction tx(store_->Db());
    bool exists = Exists(key.name, key.user, key.program);
    if (exists && !ReplaceFlag(e[6]))
        return "此方案名称已经存在!";
    store_->Db()
        .Prepare("INSERT OR REPLACE INTO SCHEMES (NCONDITION, CREATOR, PROGRAMME, CREATE_DATE, SCONDITION, VCONDITION) "
                 "VALUES (?, ?, ?, ?, ?, ?)")
        .Bind(1, key.name)
        .Bind(2, key.user)
        .Bind(3, key.program)
        .Bind(4, date)
        .Bind(5, ArgText(e[4]))
        .Bind(6, ArgText(e[5]))
        .Run();
    tx.Commit();
    return "";
}

std::string SchemeStore::Delete(const rt::Variant& value) {
    SchemeKey key;
    std::string why = ReadKey(value, key, store_->Caller());
    if (!why.empty())
        return why;
    SqliteTransaction tx(store_->Db());
    store_->Db()
        .Prepare("DELETE FROM SCHEMES WHERE NCONDITION = ? AND CREATOR = ? AND PROGRAMME = ?")
        .Bind(1, key.name)
        .Bind(2, key.user)
        .Bind(3, key.program)
        .Run();
    if (store_->Db().Changes() == 0)
        return "方案不存在: " + key.name;
    tx.Commit();
    return "";
}

std::string SchemeStore::Rename(const rt::Variant& oldValue, const rt::Variant& newValue) {
    SchemeKey from, to;
    std::string why = ReadKey(oldValue, from, store_->Caller());
    if (why.empty())
        why = ReadKey(newValue, to, store_->Caller());
    if (!why.empty())
        return why;
    if (from.user != to.user || from.program != to.program)
        return "更改方案名称时不可更改用户或程序代号";
    if (from.name == to.name)
        return "";
    SqliteTransaction tx(store_->Db());
    if (!Exists(from.name, from.user, from.program))
        return "方案不存在: " + from.name;
    if (Exists(to.name, to.user, to.program))
        return "此方案名称已经存在!";
    store_->Db()
        .Prepare("UPDATE SCHEMES SET NCONDITION = ? WHERE NCONDITION = ? AND CREATOR = ? AND PROGRAMME = ?")
        .Bind(1, to.name)
        .Bind(2, from.name)
        .Bind(3, from.user)
        .Bind(4, from.program)
        .Run();
    tx.Commit();
    return "";
}

}  // namespace appserver
