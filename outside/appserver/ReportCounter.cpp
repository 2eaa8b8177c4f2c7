#include "outside/appserver/ReportCounter.h"

#include <optional>

#include "outside/appserver/ServerError.h"
#include "outside/appserver/ConditionArrayCheck.h"
#include "outside/appserver/JobClock.h"
#include "outside/appserver/Notifier.h"
#include "outside/appserver/ServerValues.h"
#include "platform/automation/VariantJson.h"
#include "platform/core/Exceptions.h"
#include "platform/sysutils/Clock.h"
#include "platform/sysutils/IntConv.h"
#include "platform/sysutils/StrUtils.h"

namespace appserver {

namespace {

// The array survives storage unchanged: every leaf is a kind the JSON form
// keeps (objects are not), and dates keep their exact moment. A walk, not a
// second conversion: intake serialises the array once.
bool StoresLosslessly(const rt::Variant& value) {
    const rt::Variant& v = value.Deref();
    if (v.IsArray()) {
        if (v.DimCount() != 1)
            return rt::VariantFromJson(rt::VariantToJson(v)).SameAs(v);
        for (int i = v.LowBound(); i <= v.HighBound(); ++i)
            if (!StoresLosslessly(v[i]))
                return false;
        return true;
    }
    switch (v.VarType()) {
        case rt::varEmpty:
        case rt::varNull:
        case rt::varBoolean:
        case rt::varInteger:
        case rt::varInt64:
        case rt::varDouble:
        case rt::varOleStr:
        case rt::varString: return true;
        case rt::varDate:
            try {
                return rt::VariantFromJson(rt::VariantToJson(v)).SameAs(v);
            } catch (const rt::Exception&) {
                return false;
            }
        default: return false;
    }
}

// The creator is the environment's fifth element (JobStore.cpp); a shorter
// environment is lengthened to hold it.
void SetCreator(rt::Variant& conditions, const std::string& user) {
    rt::Variant env = conditions[0].Deref();
    const int index = env.LowBound() + 4;
    if (env.HighBound() < index) {
        rt::Variant longer = rt::Variant::CreateArray({{env.LowBound(), index}});
        for (int i = env.LowBound(); i <= env.HighBound(); ++i)
            longer[i] = env[i].Deref();
        env = longer;
    }
    env[index] = rt::Variant(user);
    conditions[0] = env;
}

rt::TDateTime MomentOf(const rt::Variant& value) {
    try {
        if (value.IsDate() || value.IsNumeric())
            return value.ToDate();
    } catch (const rt::Exception&) {
    }
    return rt::Now();
}

}  // namespace

ReportCounter::ReportCounter(StorePtr store) : store_(store), schemes_(store), jobs_(store) {
    DefineSchemeCalls();
    DefineJobCalls();
    DefineInboxCalls();
    DefineMethod("GetPower", [this](rt::DispatchArgs& a) {
        a.Require(1, 1);
        return GetPower(a[0]);
    });
    DefineProperty("SQLType", [](rt::DispatchArgs&) { return rt::Variant(kSqlType); });
    DefineProperty("ErrorDescript", [this](rt::DispatchArgs&) { return rt::Variant(errorDescript_); });
}

void ReportCounter::DefineSchemeCalls() {
    DefineMethod("LoadTable", [this](rt::DispatchArgs& a) {
        a.Require(1, 1);
        return LoadTable(a[0]);
    });
    DefineMethod("AS_GetRecords", [this](rt::DispatchArgs& a) {
        a.Require(1, 1);
        return GetRecords(ArgText(a[0]));
    });
    DefineMethod("InsertConTable", [this](rt::DispatchArgs& a) {
        a.Require(1, 1);
        return rt::Variant(schemes_.Insert(a[0]));
    });
    DefineMethod("DeleteConTable", [this](rt::DispatchArgs& a) {
        a.Require(1, 1);
        return rt::Variant(schemes_.Delete(a[0]));
    });
    DefineMethod("ChangeConName", [this](rt::DispatchArgs& a) {
        a.Require(2, 2);
        return rt::Variant(schemes_.Rename(a[0], a[1]));
    });
}

void ReportCounter::DefineJobCalls() {
    DefineMethod("Request", [this](rt::DispatchArgs& a) {
        a.Require(1, 1);
        return Submit(a[0], "", JobStore::Runner::Server);
    });
    DefineMethod("Request1", [this](rt::DispatchArgs& a) {
        a.Require(1, 2);
        return Submit(a[0], ArgText(a[1]), JobStore::Runner::Client);
    });
    DefineMethod("UpdateStatus1", [this](rt::DispatchArgs& a) {
        a.Require(2, 3);
        RequireOwnJob(ArgText(a[0]));
        jobs_.UpdateStatus(ArgText(a[0]), ArgText(a[1]), MomentOf(a[2]));
        return rt::Variant();
    });
    DefineMethod("Jobs", [this](rt::DispatchArgs& a) {
        a.Require(0, 0);
        return Jobs();
    });
}

void ReportCounter::DefineInboxCalls() {
    DefineMethod("Inbox", [this](rt::DispatchArgs& a) {
        a.Require(1, 1);
        return Inbox(OwnUser(a[0], "不能读取其他用户的消息"));
    });
    DefineMethod("DeleteInbox", [this](rt::DispatchArgs& a) {
        a.Require(2, 2);
        const std::string user = OwnUser(a[0], "不能删除其他用户的消息");
        const int64_t id = rt::StrToInt64Def(ArgText(a[1]), 0);
        JobClock clock;
        return rt::Variant(Notifier(store_, clock).DeleteInboxRow(id, user) ? "" : "没有这则消息");
    });
}

std::string ReportCounter::OwnUser(const rt::Variant& user, const char* refusal) const {
    const std::string named = rt::Trim(ArgText(user));
    if (!store_->Caller().empty() && named != store_->Caller())
        throw EServerError(refusal);
    return named;
}

rt::Variant ReportCounter::Inbox(const std::string& user) {
    JobClock clock;
    const std::vector<InboxRow> rows = Notifier(store_, clock).Inbox(user);
    rt::Variant result = rt::Variant::CreateArray({{0, static_cast<int>(rows.size()) - 1}});
    for (size_t i = 0; i < rows.size(); ++i) {
        const InboxRow& r = rows[i];
        result[static_cast<int>(i)] = rt::Variant::ArrayOf({r.id, r.created, r.jobId, r.runNumber, r.message});
    }
    return result;
}

rt::Variant ReportCounter::LoadTable(const rt::Variant& key) {
    std::vector<std::string> parts = ArrayTexts(key, "The LoadTable key");
    if (parts.size() < 2)
        throw EServerError("LoadTable needs [user, program]");
    const std::string user = rt::Trim(parts[0]);
    if (!store_->Caller().empty() && user != store_->Caller())
        throw EServerError("不能读取其他用户的方案");
    records_ = schemes_.Load(user, rt::Trim(parts[1]));
    return rt::Variant();
}

rt::Variant ReportCounter::GetRecords(const std::string& provider) const {
    if (!rt::SameText(provider, kProviderName))
        throw EServerError("Unknown provider \"" + provider + "\"");
    return rt::Variant::ArrayOf({RowVariant(SchemeStore::FieldNames()), RowsVariant(records_)});
}

rt::Variant ReportCounter::GetPower(const rt::Variant& request) {
    std::vector<std::string> parts = ArrayTexts(request, "The GetPower request");
    if (parts.size() < 3)
        throw EServerError("GetPower needs [dbName, user, program, \"\"]");
    const std::string& db = parts[0];
    const std::string& user = parts[1];
    const std::string program = rt::UpperCase(parts[2]);
    std::string name, department, rights = "NNNNNNNN";
    SqliteStatement q = store_->Db().Prepare("SELECT MA002, MA005, MA006 FROM NVRMA WHERE MA001 = ?");
    q.Bind(1, user);
    if (q.Step()) {
        name = q.Text(0);
        department = q.Text(1);
        rights = q.Text(2);
    }
    SqliteStatement site = store_->Db().Prepare("SELECT MA002 FROM CMSMA WHERE MA001 = '02'");
    std::string web = site.Step() ? site.Text(0) : "";
    return rt::Variant::ArrayOf({user, db + "," + user + "," + program + "," + rights, name, web, program,
                                 rt::Variant::ArrayOf({"3", user, department, rights})});
}

void ReportCounter::RequireOwnJob(const std::string& id) {
    if (store_->Caller().empty())
        return;
    std::optional<JobRecord> job = jobs_.Find(id);
    if (job && job->creator != store_->Caller())
        throw EServerError("不能变更其他用户的作业 " + id);
}

rt::Variant ReportCounter::Submit(const rt::Variant& submitted, const std::string& computer,
                                  JobStore::Runner runner) {
    // A network session submits as its logged-in user, whatever the array
    // names: a copy of the array then carries it. In-process, the array is
    // stored as it came.
    const rt::Variant& sent = submitted.Deref();
    std::string why = CheckConditionArray(sent);
    std::optional<rt::Variant> stamped;
    if (why.empty() && !store_->Caller().empty()) {
        stamped = sent;
        SetCreator(*stamped, store_->Caller());
    }
    const rt::Variant& conditions = stamped ? *stamped : sent;
    if (why.empty() && !StoresLosslessly(conditions))
        why = "条件数组含有无法保存的值";
    if (!why.empty()) {
        errorDescript_ = why;
        return rt::Variant("ERROR");
    }
    try {
        std::string id = jobs_.Add(conditions, computer, runner);
        errorDescript_.clear();
        return rt::Variant(id);
    } catch (const rt::Exception& e) {
        errorDescript_ = e.Message();
        return rt::Variant("ERROR");
    }
}

rt::Variant ReportCounter::Jobs() {
    std::vector<JobRecord> jobs = jobs_.List();
    if (!store_->Caller().empty())
        std::erase_if(jobs, [this](const JobRecord& j) { return j.creator != store_->Caller(); });
    rt::Variant result = rt::Variant::CreateArray({{0, static_cast<int>(jobs.size()) - 1}});
    for (size_t i = 0; i < jobs.size(); ++i) {
        const JobRecord& j = jobs[i];
        result[static_cast<int>(i)] = rt::Variant::ArrayOf({j.id, j.program, j.creator, j.status, j.conditions});
    }
    return result;
}

}  // namespace appserver
