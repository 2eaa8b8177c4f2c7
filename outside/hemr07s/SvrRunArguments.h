#pragma once
// The argument array of the server controller's run operation, in either of
// the two layouts of hemr/SvrController.h, read into named fields.

#include <string>

#include "platform/core/Variant.h"

namespace hemr07s {

struct SvrRunArguments {
    std::string jobId;       // "" (or "ERROR") when the run was not logged as a job
    std::string extName;
    std::string company;
    std::string user;
    std::string dbName;
    rt::Variant values;      // element 2 of the condition array
    std::string runId;       // job id(8) + "0001"
    std::string kind;        // upper case; "B" for the seven-element layout
    int productId = 3;
    bool queryRun = true;
    std::string uiCodePage;  // "" in the seven-element layout

    // Raises EServerError naming what is wrong when the array has neither layout.
    static SvrRunArguments Parse(const rt::Variant& arguments);
    // The job identifier when it names a job the server may know.
    bool HasJob() const;
};

}  // namespace hemr07s
