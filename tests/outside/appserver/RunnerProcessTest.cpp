// Runner processes on one server folder: one killed in the middle of a run,
// two running the same due jobs side by side.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <set>
#include <thread>

#include "tests/outside/appserver/RunnerFixture.h"

using outside_test::At;
using rt::Variant;

namespace {

class RunnerProcessTest : public outside_test::RunnerFixture {
protected:
    pid_t SpawnRunDue(const std::string& at, const std::string& blockFifo = "") {
        std::string exe = outside_test::BinaryDir() + "/hemr07-appserver";
        pid_t pid = fork();
        if (pid == 0) {
            if (!blockFifo.empty())
                setenv("HEMT_BLOCK_FIFO", blockFifo.c_str(), 1);
            int null = open("/dev/null", O_WRONLY);
            dup2(null, 1);
            dup2(null, 2);
            execl(exe.c_str(), exe.c_str(), "run-due", "--home", home_.Path().c_str(), "--at", at.c_str(), nullptr);
            _exit(127);
        }
        return pid;
    }

    static int ExitOf(pid_t pid) {
        int status = 0;
        waitpid(pid, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    // Opens the FIFO for writing once the run in `pid` has opened it for
    // reading; -1 when the process ended first or a minute went by.
    static int WaitForRunInProgress(pid_t pid, const std::string& fifo) {
        auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(1);
        while (std::chrono::steady_clock::now() < deadline) {
            int fd = open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0)
                return fd;
            int status = 0;
            if (waitpid(pid, &status, WNOHANG) == pid)
                return -1;
            std::this_thread::yield();
        }
        return -1;
    }

    Variant DailyTestJob(int repetitions) {
        return outside_test::Periodic(outside_test::Hemr07Job(2, At(2005, 3, 7, 6, 0), "", "HEMT01"), "06:00",
                                 Variant::ArrayOf({0, "1"}),
                                 Variant::ArrayOf({"20050307", 1, std::to_string(repetitions)}), {});
    }
};

TEST_F(RunnerProcessTest, ARunnerKilledMidRunLeavesAnInterruptedRunAndTheNextOccurrenceRuns) {
    std::string id = Submit(DailyTestJob(5), At(2005, 3, 1));
    std::string fifo = home_.Path() + "/block";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    pid_t runner = SpawnRunDue("2005-03-07 06:00", fifo);
    int fd = WaitForRunInProgress(runner, fifo);
    ASSERT_GE(fd, 0) << "the runner reached the run";
    ASSERT_EQ(Runs(id).size(), 1u);
    EXPECT_EQ(Runs(id)[0].status, "RUNNING");
    kill(runner, SIGKILL);
    ExitOf(runner);
    close(fd);

    EXPECT_EQ(ExitOf(SpawnRunDue("2005-03-07 06:30")), 0);
    std::vector<appserver::RunRecord> runs = Runs(id);
    ASSERT_EQ(runs.size(), 1u) << "the interrupted occurrence is not run again";
    EXPECT_EQ(runs[0].status, "FAILED") << "its runner is gone, though its lease still holds";
    EXPECT_EQ(runs[0].error, "interrupted");

    EXPECT_EQ(ExitOf(SpawnRunDue("2005-03-08 06:00")), 0);
    runs = Runs(id);
    ASSERT_EQ(runs.size(), 2u) << "the job is not lost";
    EXPECT_EQ(runs[1].planned, "2005-03-08 06:00:00.000");
    EXPECT_EQ(runs[1].status, "DONE") << runs[1].error;
}

TEST_F(RunnerProcessTest, TwoRunnersOnOneDatabaseRunEveryRunOnce) {
    std::vector<std::string> immediate;
    for (int i = 0; i < 30; ++i)
        immediate.push_back(Submit(outside_test::Hemr07Job(1, At(2005, 3, 1), "", "HEMT01"), At(2005, 3, 1)));
    std::string periodic = Submit(DailyTestJob(10), At(2005, 3, 1));
    pid_t a = SpawnRunDue("2005-04-01 00:00");
    pid_t b = SpawnRunDue("2005-04-01 00:00");
    EXPECT_EQ(ExitOf(a), 0);
    EXPECT_EQ(ExitOf(b), 0);
    std::set<std::string> runners;
    for (const std::string& id : immediate) {
        std::vector<appserver::RunRecord> runs = Runs(id);
        ASSERT_EQ(runs.size(), 1u) << id;
        EXPECT_EQ(runs[0].status, "DONE");
        runners.insert(runs[0].runner);
    }
    std::vector<std::string> planned = Planned(periodic);
    EXPECT_EQ(planned.size(), 10u);
    EXPECT_EQ(std::set<std::string>(planned.begin(), planned.end()).size(), 10u) << "no occurrence twice";
    EXPECT_LE(runners.size(), 2u);
}

// Output and exit code of hemr07-appserver with `arguments` on this home.
std::pair<std::string, int> AppServer(const std::string& arguments) {
    std::string command = "'" + outside_test::BinaryDir() + "/hemr07-appserver' " + arguments + " 2>/dev/null";
    std::FILE* pipe = popen(command.c_str(), "r");
    std::string out;
    char buffer[4096];
    for (size_t n; pipe && (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        out.append(buffer, n);
    int status = pipe ? pclose(pipe) : -1;
    return {out, WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

TEST_F(RunnerProcessTest, TheJobCommandsListRunsAndMessagesAndCancel) {
    const char* tellDs = R"(<?xml version="1.0" encoding="GB2312"?><Root><R1 ID="DS" Msg="YNN"/></Root>)";
    std::string once = Submit(outside_test::Hemr07Job(1, At(2005, 3, 1), tellDs, "HEMT01"), At(2005, 3, 1));
    std::string daily = Submit(DailyTestJob(3), At(2005, 3, 1));
    std::string home = " --home '" + home_.Path() + "'";
    EXPECT_EQ(AppServer("run-due" + home + " --at '2005-03-01 12:00'").second, 0);
    auto [jobs, jobsExit] = AppServer("jobs" + home);
    EXPECT_EQ(jobsExit, 0);
    EXPECT_NE(jobs.find(once + "\tHEMT01\tFINISHED\tnext -\truns 1"), std::string::npos) << jobs;
    EXPECT_NE(jobs.find(daily + "\tHEMT01\tACTIVE\tnext 2005-03-07 06:00:00.000\truns 0"), std::string::npos) << jobs;
    EXPECT_NE(jobs.find("  run 1\tplanned 2005-03-01 00:00:00.000\tDONE"), std::string::npos) << jobs;
    auto [inbox, inboxExit] = AppServer("inbox DS" + home);
    EXPECT_EQ(inboxExit, 0);
    EXPECT_NE(inbox.find(once), std::string::npos) << inbox;
    EXPECT_EQ(AppServer("cancel " + daily + home).second, 0);
    EXPECT_NE(AppServer("jobs" + home).first.find(daily + "\tHEMT01\tCANCELLED\tnext -"), std::string::npos);
    EXPECT_EQ(AppServer("cancel 20050301999999" + home).second, 1) << "an unknown job";
    EXPECT_EQ(AppServer("run-due" + home + " --at tomorrow").second, 2) << "a moment that does not read";
    EXPECT_EQ(AppServer("inbox" + home).second, 2) << "no user";
}

TEST_F(RunnerProcessTest, DemoSinksReceiveTheMailAndSmsOfARunAndLeaveTheSettingsAsTheyWere) {
    const char* allChannels = R"(<?xml version="1.0" encoding="GB2312"?><Root><R1 ID="DS" Msg="YYY"/></Root>)";
    Submit(outside_test::Hemr07Job(1, At(2005, 3, 1), allChannels), At(2005, 3, 1));
    auto [out, exit] = AppServer("run-due --demo-sinks --home '" + home_.Path() + "' --at '2005-03-01 12:00'");
    EXPECT_EQ(exit, 0);
    EXPECT_NE(out.find("mail to admin@example.com"), std::string::npos) << out;
    EXPECT_NE(out.find("sms to 13800000000: "), std::string::npos) << out;
    EXPECT_FALSE(store_->Db().Prepare("SELECT 1 FROM NVRINTMA WHERE MA001 = 'SMTP Server'").Step())
        << "the sink's address does not outlive it";
}

}  // namespace
