// The job runner with a moved clock: each mode runs at its moment, periodic
// jobs at exactly their occurrences within their range, each run's dates
// moved by the job's change-date rules; failures stay with their run.

#include <gtest/gtest.h>

#include <cstdlib>

#include "outside/appserver/JobStore.h"
#include "outside/appserver/Notifier.h"
#include "platform/automation/VariantJson.h"
#include "platform/sysutils/Clock.h"
#include "tests/outside/appserver/RunnerFixture.h"

using outside_test::At;
using outside_test::Fields;
using rt::Variant;

namespace {

class JobRunnerTest : public outside_test::RunnerFixture {
protected:
    std::vector<std::string> InboxOf(const std::string& user) {
        std::vector<std::string> texts;
        for (const appserver::InboxRow& row : appserver::Notifier(store_, clock_).Inbox(user))
            texts.push_back(row.message);
        return texts;
    }
};

// The system message to the submitting user only.
const char* kTellDs = R"(<?xml version="1.0" encoding="GB2312"?><Root><R1 ID="DS" Name="" Type="5" Msg="YNN"/></Root>)";

// Takes the plans off the jobs, as a build before them had its JOBS table.
const char* kDropPlanColumns = "ALTER TABLE JOBS DROP COLUMN PLAN_MODE; ALTER TABLE JOBS DROP COLUMN PLAN_STATE; "
                               "ALTER TABLE JOBS DROP COLUMN NEXT_RUN; ALTER TABLE JOBS DROP COLUMN RUNS";

// Statistics date: the last day of the month before the run.
const std::string kLastMonthEnd = Fields({"1", "ed03", "Y", "-1", "1", "2", "0", "D", "3"});

TEST_F(JobRunnerTest, EachModeRunsAtItsMoment) {
    rt::TDateTime t0 = At(2024, 7, 1, 9, 0);
    std::string queued = Submit(outside_test::Hemr07Job(0, t0), t0);
    std::string now = Submit(outside_test::Hemr07Job(1, t0), t0);
    std::string timed = Submit(outside_test::Hemr07Job(2, At(2024, 7, 1, 11, 0)), t0);
    rt::SetClockOverride(t0);
    std::string logged = counter_.Call("Request1", {outside_test::Hemr07Job(1, t0), "PC01"}).ToString();
    rt::SetClockOverride(std::nullopt);
    EXPECT_EQ(RunAt(At(2024, 7, 1, 8, 59)), 0) << "nothing before submission";
    EXPECT_EQ(RunAt(t0), 2) << "the queued and the immediate job run on submission";
    EXPECT_EQ(RunAt(At(2024, 7, 1, 10, 59)), 0) << "the timed job waits for its moment";
    EXPECT_EQ(RunAt(At(2024, 7, 1, 11, 0)), 1);
    EXPECT_EQ(RunAt(At(2024, 8, 1)), 0) << "a one-off job runs once";
    for (const std::string& id : {queued, now, timed}) {
        std::vector<appserver::RunRecord> runs = Runs(id);
        ASSERT_EQ(runs.size(), 1u) << id;
        EXPECT_EQ(runs[0].status, "DONE") << id << " " << runs[0].error;
        EXPECT_NE(runs[0].reportFiles.find(id + ".csv"), std::string::npos) << "the run records its report files";
    }
    EXPECT_EQ(Planned(timed)[0], "2024-07-01 11:00:00.000");
    EXPECT_TRUE(Runs(logged).empty()) << "a job the client logged with Request1 runs on the client, not here";
    EXPECT_EQ(counter_.Call("Jobs")[0][3].ToString(), "DONE") << "the job's status follows its run";
}

TEST_F(JobRunnerTest, EveryTwoWeeksOnFridayRunsTenTimesWithItsStatisticsDateMoved) {
    Variant job = outside_test::Periodic(outside_test::Hemr07Job(2, At(2005, 3, 11, 9, 30), kTellDs), "09:30",
                                    Variant::ArrayOf({1, Variant::ArrayOf({"2", 5})}),
                                    Variant::ArrayOf({"20050302", 1, "10"}), {kLastMonthEnd});
    std::string id = Submit(job, At(2005, 3, 2, 15, 0));
    EXPECT_EQ(RunAt(At(2005, 3, 11, 9, 29)), 0) << "not a minute early";
    EXPECT_EQ(RunAt(At(2005, 3, 11, 9, 30)), 1);
    EXPECT_EQ(RunAt(At(2006, 1, 1)), 9) << "every occurrence runs, also those the runner was late for";
    EXPECT_EQ(RunAt(At(2007, 1, 1)), 0) << "ten repetitions, then the range ends";
    std::vector<std::string> expected;
    for (const char* day : {"03-11", "03-25", "04-08", "04-22", "05-06", "05-20", "06-03", "06-17", "07-01", "07-15"})
        expected.push_back(std::string("2005-") + day + " 09:30:00.000");
    EXPECT_EQ(Planned(id), expected);
    std::vector<std::string> inbox = InboxOf("DS");
    ASSERT_EQ(inbox.size(), 10u) << "one message per run";
    EXPECT_NE(inbox[0].find("统计日期=20050228"), std::string::npos) << inbox[0];
    EXPECT_NE(inbox[2].find("统计日期=20050331"), std::string::npos) << "the run of 8 April: " << inbox[2];
    EXPECT_NE(Runs(id)[1].reportFiles.find(id + "_0002.csv"), std::string::npos) << "each run keeps its own report";
}

TEST_F(JobRunnerTest, MonthlyOnTheLastFridayRunsUntilItsEndDate) {
    Variant job = outside_test::Periodic(outside_test::Hemr07Job(2, At(2005, 5, 27, 18, 0)), "18:00",
                                    Variant::ArrayOf({2, Variant::ArrayOf({1, "1", 4, 5})}),
                                    Variant::ArrayOf({"20050430", 2, "20050930"}), {kLastMonthEnd});
    std::string id = Submit(job, At(2005, 4, 30));
    EXPECT_EQ(RunAt(At(2006, 6, 1)), 5);
    EXPECT_EQ(Planned(id), (std::vector<std::string>{"2005-05-27 18:00:00.000", "2005-06-24 18:00:00.000",
                                                     "2005-07-29 18:00:00.000", "2005-08-26 18:00:00.000",
                                                     "2005-09-30 18:00:00.000"}));
    EXPECT_EQ(Runs(id)[4].runDate, "20050930");
}

TEST_F(JobRunnerTest, AnHourlyRuleRunsEveryOneAndAHalfHours) {
    Variant job = outside_test::Periodic(outside_test::Hemr07Job(2, At(2005, 3, 1, 7, 10)), "08:00", Variant::ArrayOf({3, 1.5}),
                                    Variant::ArrayOf({"20050301", 1, "4"}), {});
    std::string id = Submit(job, At(2005, 3, 1, 7, 10));
    EXPECT_EQ(RunAt(At(2005, 3, 1, 10, 0)), 2);
    EXPECT_EQ(RunAt(At(2005, 3, 2)), 2);
    EXPECT_EQ(RunAt(At(2005, 3, 3)), 0);
    EXPECT_EQ(Planned(id), (std::vector<std::string>{"2005-03-01 08:00:00.000", "2005-03-01 09:30:00.000",
                                                     "2005-03-01 11:00:00.000", "2005-03-01 12:30:00.000"}));
}

TEST_F(JobRunnerTest, AFailingRunFailsOnlyItself) {
    rt::TDateTime t0 = At(2024, 7, 1, 9, 0);
    std::string missing = Submit(outside_test::Hemr07Job(1, t0, "", "HEMX99"), t0);
    Variant bad = outside_test::Hemr07Job(1, t0);
    bad[2][5] = "x";
    std::string raising = Submit(bad, t0);
    std::string good = Submit(outside_test::Hemr07Job(1, t0), t0);
    EXPECT_EQ(RunAt(t0), 3) << "the runner goes on after a failed run";
    EXPECT_EQ(Runs(missing)[0].status, "FAILED");
    EXPECT_NE(Runs(missing)[0].error.find("HEMX99"), std::string::npos) << Runs(missing)[0].error;
    EXPECT_EQ(Runs(raising)[0].status, "FAILED");
    EXPECT_NE(Runs(raising)[0].error, "") << "the library's reason is kept";
    EXPECT_EQ(Runs(good)[0].status, "DONE");
}

TEST_F(JobRunnerTest, ALibraryThatCrashesFailsItsRunAndTheRunnerGoesOn) {
    rt::TDateTime t0 = At(2024, 7, 1, 9, 0);
    std::string crashing = Submit(outside_test::Hemr07Job(1, t0, "", "HEMT01"), t0);
    std::string good = Submit(outside_test::Hemr07Job(1, t0), t0);
    setenv("HEMT_CRASH", "1", 1);
    const int ran = RunAt(t0);
    unsetenv("HEMT_CRASH");
    EXPECT_EQ(ran, 2);
    ASSERT_EQ(Runs(crashing).size(), 1u);
    EXPECT_EQ(Runs(crashing)[0].status, "FAILED");
    EXPECT_NE(Runs(crashing)[0].error.find("异常"), std::string::npos) << Runs(crashing)[0].error;
    EXPECT_EQ(Runs(good)[0].status, "DONE") << Runs(good)[0].error;
}

TEST_F(JobRunnerTest, JobsQueuedBeforeTheRunnerArePlannedWhenTheirDatabaseIsOpened) {
    rt::TDateTime t0 = At(2024, 7, 1, 9, 0);
    std::string queued = Submit(outside_test::Hemr07Job(0, t0), t0);
    std::string unreadable = Submit(outside_test::Hemr07Job(0, t0), t0);
    rt::SetClockOverride(t0);
    std::string logged = counter_.Call("Request1", {outside_test::Hemr07Job(1, t0), "PC01"}).ToString();
    rt::SetClockOverride(std::nullopt);
    // The database as a build without the runner left it.
    store_->Db().Exec("DROP TABLE JOB_RUNS; DROP INDEX JOBS_DUE; " + std::string(kDropPlanColumns));
    store_->Db()
        .Prepare("UPDATE JOBS SET CONDITIONS = ? WHERE JOB_ID = ?")
        .Bind(1, rt::VariantToJsonText(Variant("no condition array")))
        .Bind(2, unreadable)
        .Run();
    store_ = appserver::ServerStore::Open(home_.Path());
    runner_ = std::make_unique<appserver::JobRunner>(store_, clock_, appserver::JobRunner::Options{});

    EXPECT_EQ(RunAt(t0), 1) << "the queued job runs, once";
    ASSERT_EQ(Runs(queued).size(), 1u);
    EXPECT_EQ(Runs(queued)[0].status, "DONE") << Runs(queued)[0].error;
    EXPECT_TRUE(Runs(logged).empty()) << "a job a client logged stays the client's";
    const std::optional<appserver::JobRecord> failed = appserver::JobStore(store_).Find(unreadable);
    ASSERT_TRUE(failed);
    EXPECT_EQ(failed->status, "FAILED") << "not left waiting forever";
    EXPECT_NE(failed->lastError, "");
    appserver::ServerStore::Open(home_.Path());
    EXPECT_EQ(RunAt(At(2024, 7, 2)), 0) << "opening again plans nothing twice";
}

TEST_F(JobRunnerTest, PlansKeptInATableOfTheirOwnMoveOntoTheirJobsWhenTheDatabaseIsOpened) {
    rt::TDateTime t0 = At(2024, 7, 1, 9, 0);
    std::string queued = Submit(outside_test::Hemr07Job(0, t0), t0);
    Variant periodic = outside_test::Periodic(outside_test::Hemr07Job(2, At(2024, 7, 2, 6, 0)), "06:00",
                                              Variant::ArrayOf({0, "1"}), Variant::ArrayOf({"20240702", 0}), {});
    std::string daily = Submit(periodic, t0);
    EXPECT_EQ(RunAt(At(2024, 7, 2, 6, 0)), 2);
    const std::vector<appserver::PlanRecord> before = appserver::RunStore(store_).Plans();
    // The layout an earlier build left: the plans in JOB_PLAN, none on the jobs.
    store_->Db().Exec(
        "CREATE TABLE JOB_PLAN (JOB_ID TEXT PRIMARY KEY, MODE INTEGER NOT NULL, PROGRAMME TEXT NOT NULL, "
        "STATE TEXT NOT NULL, NEXT_RUN TEXT, RUNS INTEGER NOT NULL) WITHOUT ROWID; "
        "INSERT INTO JOB_PLAN SELECT JOB_ID, PLAN_MODE, PROGRAMME, PLAN_STATE, NEXT_RUN, RUNS FROM JOBS "
        "WHERE PLAN_STATE IS NOT NULL; DROP INDEX JOBS_DUE; " + std::string(kDropPlanColumns));
    store_ = appserver::ServerStore::Open(home_.Path());
    runner_ = std::make_unique<appserver::JobRunner>(store_, clock_, appserver::JobRunner::Options{});

    const std::vector<appserver::PlanRecord> after = appserver::RunStore(store_).Plans();
    ASSERT_EQ(after.size(), before.size());
    for (size_t i = 0; i < after.size(); ++i)
        EXPECT_TRUE(after[i].jobId == before[i].jobId && after[i].state == before[i].state &&
                    after[i].nextRun == before[i].nextRun && after[i].mode == before[i].mode &&
                    after[i].runs == before[i].runs)
            << after[i].jobId;
    EXPECT_EQ(RunAt(At(2024, 7, 3, 6, 0)), 1) << "the daily job goes on; the queued one, done, is not repeated";
    EXPECT_EQ(Runs(daily).size(), 2u);
    EXPECT_EQ(Runs(queued).size(), 1u);
}

TEST_F(JobRunnerTest, ACancelledJobDropsItsFutureRuns) {
    Variant job = outside_test::Periodic(outside_test::Hemr07Job(2, At(2005, 3, 11, 9, 30)), "09:30",
                                    Variant::ArrayOf({1, Variant::ArrayOf({"1", 5})}), Variant::ArrayOf({"20050302", 0}),
                                    {});
    std::string id = Submit(job, At(2005, 3, 2));
    EXPECT_EQ(RunAt(At(2005, 3, 11, 12, 0)), 1);
    appserver::RunStore runs(store_);
    EXPECT_TRUE(runs.Cancel(id));
    EXPECT_FALSE(runs.Cancel("20050302999999")) << "an unknown job";
    EXPECT_EQ(RunAt(At(2006, 1, 1)), 0) << "no run after cancelling";
    EXPECT_EQ(runs.Plans()[0].state, "CANCELLED");
}

TEST_F(JobRunnerTest, QueuedJobsOfOneProgramRunOneAtATimeInSubmissionOrder) {
    rt::TDateTime t0 = At(2024, 7, 1, 9, 0);
    std::string first = Submit(outside_test::Hemr07Job(0, t0), t0);
    std::string second = Submit(outside_test::Hemr07Job(0, t0), t0);
    std::string immediate = Submit(outside_test::Hemr07Job(1, t0), t0);
    appserver::RunStore runs(store_);
    EXPECT_EQ(runs.Claim(t0, "a:1", t0 + 1)->jobId, first);
    EXPECT_EQ(runs.Claim(t0, "b:2", t0 + 1)->jobId, immediate) << "the queue waits, an immediate job does not";
    EXPECT_FALSE(runs.Claim(t0, "b:2", t0 + 1)) << "the second queued job waits for the first";
    runs.Finish(appserver::RunClaim{first, 1, t0, {}}, "a:1", t0, "", "20240701", "");
    EXPECT_EQ(runs.Claim(t0, "b:2", t0 + 1)->jobId, second);
}

TEST_F(JobRunnerTest, ARunWhoseLeaseRanOutIsInterruptedAndTheNextOccurrenceRuns) {
    Variant job = outside_test::Periodic(outside_test::Hemr07Job(2, At(2005, 3, 7, 6, 0)), "06:00", Variant::ArrayOf({0, "1"}),
                                    Variant::ArrayOf({"20050307", 0}), {});
    std::string id = Submit(job, At(2005, 3, 1));
    appserver::RunStore runs(store_);
    ASSERT_TRUE(runs.Claim(At(2005, 3, 7, 6, 0), "elsewhere:1", At(2005, 3, 7, 7, 0)));
    EXPECT_EQ(RunAt(At(2005, 3, 7, 6, 30)), 0) << "a held run is neither repeated nor taken over";
    EXPECT_EQ(RunAt(At(2005, 3, 8, 6, 0)), 1) << "the lease ran out: the next day's run goes ahead";
    std::vector<appserver::RunRecord> done = Runs(id);
    ASSERT_EQ(done.size(), 2u);
    EXPECT_EQ(done[0].status, "FAILED");
    EXPECT_EQ(done[0].error, "interrupted");
    EXPECT_EQ(done[1].planned, "2005-03-08 06:00:00.000");
    EXPECT_EQ(done[1].status, "DONE");
}

TEST_F(JobRunnerTest, AScheduleThatCannotBeReadIsRefusedAtIntake) {
    Variant job = outside_test::Periodic(outside_test::Hemr07Job(2, At(2005, 3, 7, 6, 0)), "06:00", Variant::ArrayOf({7, "1"}),
                                    Variant::ArrayOf({"20050307", 0}), {});
    EXPECT_EQ(counter_.Call("Request", {job}).ToString(), "ERROR") << "an unknown cycle never becomes a job";
    Variant restless = outside_test::Periodic(outside_test::Hemr07Job(2, At(2005, 3, 7, 6, 0)), "06:00",
                                         Variant::ArrayOf({3, 0.0001}), Variant::ArrayOf({"20050307", 0}), {});
    EXPECT_EQ(counter_.Call("Request", {restless}).ToString(), "ERROR") << "an hourly cycle under a minute";
    EXPECT_EQ(counter_.Call("Jobs").ElementCount(), 0);
}

TEST_F(JobRunnerTest, JobNumbersGoPastSixDigitsAndTheLastOneRefusesInsteadOfRepeating) {
    rt::TDateTime t0 = At(2024, 7, 1, 9, 0);
    EXPECT_EQ(Submit(outside_test::Hemr07Job(0, t0), t0), "20240701000001");
    store_->Db().Exec("INSERT INTO JOBS (JOB_ID, PROGRAMME, CREATOR, COMPANY, COMPUTER, SUBMITTED, STATUS, LAST_ERROR, "
                      "STATUS_TIME, CONDITIONS) SELECT '20240701999999', PROGRAMME, CREATOR, COMPANY, COMPUTER, "
                      "SUBMITTED, STATUS, LAST_ERROR, STATUS_TIME, CONDITIONS FROM JOBS");
    EXPECT_EQ(Submit(outside_test::Hemr07Job(0, t0), t0), "202407011000000") << "the millionth job of a day";
    store_->Db().Exec("UPDATE COUNTERS SET VALUE = 999999999999 WHERE NAME = 'JOB#'");
    rt::SetClockOverride(t0);
    EXPECT_EQ(counter_.Call("Request", {outside_test::Hemr07Job(0, t0)}).ToString(), "ERROR");
    EXPECT_NE(counter_.Get("ErrorDescript").ToString(), "") << "said why";
    store_->Db().Exec("DELETE FROM COUNTERS");
    EXPECT_EQ(counter_.Call("Request", {outside_test::Hemr07Job(0, t0)}).ToString(), "202407011000001")
        << "a day without its counter row goes on from its highest identifier";
    rt::SetClockOverride(std::nullopt);
}

}  // namespace
