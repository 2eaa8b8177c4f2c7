#pragma once
// One run of the HEMR07 report on the server's database: reads the staff,
// counts them by the conditions, writes "<report>.csv", "<report>.txt" and
// the page with its chart "<report>.html" into the folder "Report" of the
// server folder, records the files in
// REPORTS and marks a logged job DONE. The report is named by the job
// identifier (and "_" + the run number from the run identifier's ninth
// character on, for the second and later runs of a job); an unlogged direct run gets "HEMR07_" + the moment
// "yyyymmddhhnnsszzz" (with "_2", "_3" ... while that name is taken). A job
// run again replaces its files. Files are written whole or not at all.

#include <string>

#include "outside/appserver/ReportStore.h"
#include "outside/appserver/ServerStore.h"
#include "outside/hemr07s/SvrRunArguments.h"

namespace hemr07s {

class AgeReport {
public:
    explicit AgeReport(appserver::StorePtr store) : store_(std::move(store)) {}

    // Raises EServerError for conditions that cannot be read and
    // rt::EOSError when the files cannot be written; nothing is recorded then.
    appserver::ReportRecord Run(const SvrRunArguments& arguments);

    static std::string ReportFolderIn(const std::string& home);

private:
    std::string ReportName(const SvrRunArguments& arguments);
    std::string ProgramTitle();

    appserver::StorePtr store_;
};

}  // namespace hemr07s
