#pragma once
// Condition schemes: one record per (name, user, program). Every call answers
// an error text, "" when done; a refused call changes nothing.
//
//   Insert [name, user, "YYYYMMDD", program, property list, values, replace]
//       an existing scheme of that name is replaced only with the replace flag
//   Delete [name, user, program]
//   Rename [old name, user, program], [new name, user, program]
//       the user and program must stay the same; the new name must be free
// Names are trimmed, must not be empty and may hold at most 20 bytes in the
// code page they travel in (936 for wide texts).

#include <string>

#include "outside/appserver/ServerStore.h"
#include "outside/appserver/ServerValues.h"
#include "platform/core/Variant.h"

namespace appserver {

class SchemeStore {
public:
    explicit SchemeStore(StorePtr store) : store_(std::move(store)) {}

    // Records of one user and program in name order; fields as in FieldNames.
    TextRows Load(const std::string& user, const std::string& program);
    static const TextRow& FieldNames();

    std::string Insert(const rt::Variant& record);
    std::string Delete(const rt::Variant& key);
    std::string Rename(const rt::Variant& oldKey, const rt::Variant& newKey);

private:
    bool Exists(const std::string& name, const std::string& user, const std::string& program);

    StorePtr store_;
};

}  // namespace appserver
