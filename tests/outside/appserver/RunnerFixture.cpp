#include "tests/outside/appserver/RunnerFixture.h"

#include <cstdlib>
#include <filesystem>

#include "outside/appserver/ServerObjects.h"
#include "platform/sysutils/Clock.h"

namespace outside_test {

void RunnerFixture::SetUp() {
    setenv("NVR_SERVER_HOME", home_.Path().c_str(), 1);
    unsetenv("NVR_REGISTRY");
    std::filesystem::create_directories(home_.Path() + "/S_PKG");
    for (const char* library : {"HEMR07S.so", "HEMT01S.so"})
        std::filesystem::copy_file(BinaryDir() + "/" + library, home_.Path() + "/S_PKG/" + library);
    store_ = appserver::ServerStore::Open(home_.Path());
    counter_ = rt::Variant(rt::DispatchPtr(appserver::CreateServerObject(appserver::kReportCounterProgId, store_)));
    runner_ = std::make_unique<appserver::JobRunner>(store_, clock_, appserver::JobRunner::Options{});
}

void RunnerFixture::TearDown() {
    rt::SetClockOverride(std::nullopt);
    unsetenv("NVR_SERVER_HOME");
}

std::string RunnerFixture::Submit(const rt::Variant& job, rt::TDateTime at) {
    rt::SetClockOverride(at);
    std::string id = counter_.Call("Request", {job}).ToString();
    rt::SetClockOverride(std::nullopt);
    EXPECT_NE(id, "ERROR") << "the job is accepted";
    return id;
}

int RunnerFixture::RunAt(rt::TDateTime at) {
    clock_.Set(at);
    return runner_->RunDue();
}

std::vector<std::string> RunnerFixture::Planned(const std::string& jobId) {
    std::vector<std::string> planned;
    for (const appserver::RunRecord& run : Runs(jobId))
        planned.push_back(run.planned);
    return planned;
}

void RunnerFixture::SetSetting(const std::string& name, const std::string& value) {
    store_->Db()
        .Prepare("INSERT OR REPLACE INTO NVRINTMA (MA001, MA002, MA003) VALUES (?, ?, ?)")
        .Bind(1, name)
        .Bind(2, name)
        .Bind(3, value)
        .Run();
}

}  // namespace outside_test
