#include "outside/hemr07s/Hemr07SvrController.h"

#include "outside/hemr07s/AgeReport.h"
#include "outside/hemr07s/SvrRunArguments.h"
#include "platform/core/Exceptions.h"

namespace hemr07s {

THemr07SvrController::THemr07SvrController(StoreOpener openStore) : openStore_(std::move(openStore)) {}

void THemr07SvrController::Run(const rt::Variant& arguments) {
    try {
        SvrRunArguments parsed = SvrRunArguments::Parse(arguments);
        appserver::ReportRecord record = AgeReport(openStore_()).Run(parsed);
        message_ = "报表已生成: " + record.textFile;
    } catch (const rt::Exception& e) {
        message_ = e.Message();
        throw;
    }
}

void THemr07SvrController::Release(std::string& message) {
    message = message_;
    delete this;
}

}  // namespace hemr07s
