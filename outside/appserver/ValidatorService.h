#pragma once
// The session's validator ("Com_Validator"): checks that a key exists in one
// of the entities of EntityCatalog.h and answers its row.
//
//   ProductID, BaseLimited                    properties (kept, not used to filter)
//   CheckValue(entity, company, dbName, key, out row) -> boolean
//       true when a row has exactly this key; out = that row (zero-based
//       array of texts); false and out empty otherwise
//   QueryData(entity, company, dbName, key, out data) -> boolean
//       with a complete key as CheckValue; with fewer key elements (or empty
//       texts in place of the last ones) out = every row matching the given
//       elements, a zero-based array of rows; false when nothing matches
// A network session (ServerStore::Caller) is refused employees (their
// birthdays leave the server only inside a report) and other users' user
// rows (mobile numbers, e-mail) and schemes.
// An unknown entity raises an error; a key that is not an array is taken as a
// one-element key.

#include "outside/appserver/ServerStore.h"
#include "outside/appserver/ServerValues.h"
#include "platform/automation/Dispatch.h"

namespace appserver {

struct EntityDef;

class ValidatorService : public rt::TAutoObject {
public:
    explicit ValidatorService(StorePtr store);
    std::string DispatchName() const override { return "Validator"; }

private:
    rt::Variant Lookup(rt::DispatchArgs& args, bool query);
    // Why a network session may not look this up; "" when it may.
    std::string Refusal(const std::string& entity, const std::vector<std::string>& key) const;
    TextRows Select(const EntityDef& entity, const std::string& company, const std::vector<std::string>& key,
                    size_t usedKeys);

    StorePtr store_;
    rt::Variant productId_ = 3;
    rt::Variant baseLimited_ = "";
};

}  // namespace appserver
