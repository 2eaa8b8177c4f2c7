#pragma once
// The session's counter service ("Com_Counter").
//
//   GetSysInfo(companyId) -> two-dimensional array [0..1, 0..n-1]: row 0 the
//       setting names, row 1 their values; a company's own settings replace
//       the common ones of the same name; names sorted
//   GetCounter(name, key, [companyId, dbName])
//       "SIMPLESQL": the whitelisted read-only query of SimpleSql.h;
//       any other name: a sequence per (name, key, company) that counts up by
//       one on every call and answers the new value (integer, first call 1).
//       The key of a sequence is a text or an array of texts (joined with the
//       character 3).

#include "outside/appserver/ServerStore.h"
#include "platform/automation/Dispatch.h"

namespace appserver {

class CounterService : public rt::TAutoObject {
public:
    explicit CounterService(StorePtr store);
    std::string DispatchName() const override { return "Counter"; }

    rt::Variant GetSysInfo(const std::string& company);

private:
    rt::Variant GetCounter(rt::DispatchArgs& args);
    int64_t NextSequence(const std::string& name, const std::string& key, const std::string& company);

    StorePtr store_;
};

}  // namespace appserver
