#pragma once
// Where the lookup and date-input windows plug into the F2 window service:
// the client shell installs a driver that shows its windows; without one
// every lookup ends as if cancelled.

#include <memory>
#include <string>

#include "outside/appserver/F2Request.h"
#include "outside/appserver/InputDay.h"

namespace appserver {

class IF2WindowDriver {
public:
    virtual ~IF2WindowDriver() = default;
    // Shows `rows` (already narrowed by the key) for the user to choose from,
    // starting with the search text of the request. Answers the chosen rows,
    // empty for Cancel. A single-selection request answers at most one row.
    virtual TextRows ChooseRows(const F2Request& request, const TextRows& rows) = 0;
    // Answers the chosen "YYYYMMDD", "" for Cancel.
    virtual std::string ChooseDay(const InputDayRequest& request) = 0;
};

// Installs `driver` (nullptr removes it) and returns the one it replaces.
std::shared_ptr<IF2WindowDriver> SetF2WindowDriver(std::shared_ptr<IF2WindowDriver> driver);
std::shared_ptr<IF2WindowDriver> F2WindowDriver();

}  // namespace appserver
