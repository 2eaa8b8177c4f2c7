#pragma once
// The 19-element array of F2GetData, read into named fields:
//   0 table, 1 company code, 2 key, 3 multiple selection, 4 condition text
//   (taken as the first search text), 5 company, 6 database, 7 window
//   handle, 8..16 fixed or session values the lookup does not need,
//   17 the session object, 18 the user.

#include <string>

#include "outside/appserver/ServerValues.h"
#include "platform/core/Variant.h"

namespace appserver {

struct F2Request {
    std::string table, companyCode, search, company, dbName, user;
    TextRow key;
    bool multiple = false;
    int64_t window = 0;

    // Raises EServerError when the array is not a 19-element array with a table name.
    static F2Request Parse(const rt::Variant& request);
};

}  // namespace appserver
