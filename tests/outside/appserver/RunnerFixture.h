#pragma once
// A server folder with the server libraries in its "S_PKG", the
// report-counter object that accepts jobs, and a runner whose clock the test
// moves.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "outside/appserver/JobClock.h"
#include "outside/appserver/JobRunner.h"
#include "outside/appserver/RunStore.h"
#include "outside/appserver/ServerStore.h"
#include "tests/outside/appserver/JobArrays.h"
#include "tests/outside/appserver/TestHome.h"

namespace outside_test {

class RunnerFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Submits through Request at the moment `at`; the job identifier.
    std::string Submit(const rt::Variant& job, rt::TDateTime at);
    int RunAt(rt::TDateTime at);
    std::vector<appserver::RunRecord> Runs(const std::string& jobId) { return appserver::RunStore(store_).Runs(jobId); }
    std::vector<std::string> Planned(const std::string& jobId);
    void SetSetting(const std::string& name, const std::string& value);

    TestHome home_;
    appserver::StorePtr store_;
    rt::Variant counter_;
    appserver::JobClock clock_{rt::TDateTime(0)};
    std::unique_ptr<appserver::JobRunner> runner_;
};

}  // namespace outside_test
