#pragma once
// The report-counter server object ("ZizuvaRoderirO.dmReportCounter"): scheme
// storage, rights and the job queue of the condition forms.
//
//   LoadTable([user, program])      fills the provider "pvdConSave" with that
//                                   user's schemes of that program
//   AS_GetRecords(provider)         [field names, rows] (both zero-based arrays)
//                                   of the provider's records since the last
//                                   LoadTable; an unknown provider raises
//   InsertConTable / DeleteConTable / ChangeConName   SchemeStore.h; error
//                                   text, "" = done
//   GetPower([dbName, user, program, ""])  session information [0..5]:
//       0 user, 1 "dbName,user,program,RIGHTS" (RIGHTS eight letters Y/N; the
//       7th and 8th are the two rights flags), 2 user name, 3 web-report site
//       address, 4 program code (the rights prefix), 5 ["3", user, department,
//       RIGHTS] (element 0 counts the elements after it). Unknown users get
//       the rights "NNNNNNNN".
//   SQLType                         property: 4, the embedded SQL dialect
//   Request(conditions), Request1(conditions, computer)   ConditionArrayCheck.h;
//                                   the job identifier, or "ERROR" with the
//                                   reason in ErrorDescript (nothing stored).
//                                   A Request job is run by the server's job
//                                   runner; a Request1 job is only logged (the
//                                   client runs it and reports by UpdateStatus1)
//   ErrorDescript                   property: the last error text, "" after a success
//   UpdateStatus1(job, error, moment)   JobStore::UpdateStatus
// A network session (ServerStore::Caller) sees and changes only its user's
// schemes and jobs, and submits as that user.
//   Jobs()                          every accepted job in identifier order, a
//                                   zero-based array of [id, program, user,
//                                   status, conditions]
//   Inbox(user)                     the user's system messages, a zero-based
//                                   array of [id, created, job, run, message]
//   DeleteInbox(user, id)           removes one of them; an error text, "" = done
// A network session reads and removes only its own user's messages.

#include <string>

#include "outside/appserver/JobStore.h"
#include "outside/appserver/SchemeStore.h"
#include "outside/appserver/ServerStore.h"
#include "platform/automation/Dispatch.h"

namespace appserver {

class ReportCounter : public rt::TAutoObject {
public:
    static constexpr const char* kProviderName = "pvdConSave";
    static constexpr int kSqlType = 4;

    explicit ReportCounter(StorePtr store);
    std::string DispatchName() const override { return "ZizuvaRoderirO.dmReportCounter"; }

private:
    void DefineSchemeCalls();
    void DefineJobCalls();
    void DefineInboxCalls();
    // The user a call names, refused to a network session of another user.
    std::string OwnUser(const rt::Variant& user, const char* refusal) const;
    rt::Variant Inbox(const std::string& user);
    rt::Variant LoadTable(const rt::Variant& key);
    rt::Variant GetRecords(const std::string& provider) const;
    rt::Variant GetPower(const rt::Variant& request);
    rt::Variant Submit(const rt::Variant& conditions, const std::string& computer, JobStore::Runner runner);
    rt::Variant Jobs();
    // Refuses a job of another user to a network session.
    void RequireOwnJob(const std::string& id);

    StorePtr store_;
    SchemeStore schemes_;
    JobStore jobs_;
    TextRows records_;
    std::string errorDescript_;
};

}  // namespace appserver
