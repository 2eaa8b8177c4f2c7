// The transcript lines of what the embedded server did during a run.

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <string>

#include "outside/appserver/JobStore.h"
#include "outside/appserver/ReportStore.h"
#include "outside/appserver/ServerStore.h"
#include "outside/host/ServerActivity.h"
#include "platform/core/Variant.h"
#include "tests/outside/host/TranscriptCapture.h"
#include "tests/platform/os/TempFolder.h"

using rt::Variant;

namespace {

// A small condition array: environment, captions and values, texts in code page 936.
Variant Conditions(const char* program) {
    const Variant caption = Variant::ArrayOf({Variant::Bytes("\xb9\xab\xcb\xbe", 936), "sp01"});
    return Variant::ArrayOf({Variant::ArrayOf({program, "DEMO", "TEST", "01", "DS"}), Variant::ArrayOf({caption}),
                             Variant::ArrayOf({Variant::ArrayOf({"\x04", "01", "03"})})});
}

class ServerActivityTest : public ::testing::Test {
protected:
    // Records a report as a program's server library does (the files themselves do not matter here).
    void RecordReport(const std::string& name) {
        appserver::ReportRecord record;
        record.reportId = name;
        record.csvFile = server + "/Report/" + name + ".csv";
        record.htmlFile = server + "/Report/" + name + ".html";
        record.textFile = server + "/Report/" + name + ".txt";
        appserver::ReportStore(appserver::ServerStore::Open(server)).Record(record);
    }
    std::string AddJob(const char* program) {
        return appserver::JobStore(appserver::ServerStore::Open(server)).Add(Conditions(program), "PC01");
    }
    // What another shell on the same home does meanwhile, in a process of its own.
    void InAnotherProcess(const std::function<void()>& work) {
        const pid_t child = ::fork();
        if (child == 0) {
            work();
            ::_exit(0);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }

    rt::test::TempFolder temp;
    std::string server = temp.Path() + "/server";
    outside_test::TranscriptCapture out;
};

TEST_F(ServerActivityTest, AJobAcceptedDuringTheRunComesOutBeforeTheNextLineWithItsConditionsAsStored) {
    AddJob("HEMR06");  // before the run: not this run's job
    host::ServerActivity activity(server, out.transcript);
    out.transcript.SetBeforeLine([&] { activity.Report(); });
    const std::string id = AddJob("HEMR07");
    out.transcript.Event(304);
    out.transcript.Event(320);

    const auto lines = out.Lines();
    ASSERT_EQ(out.Kinds(), (std::vector<std::string>{"job", "event", "event"}))
        << "one line for the job, written where it happened";
    const nlohmann::json& job = lines[0]["job"];
    EXPECT_EQ(job["id"], id);
    EXPECT_EQ(job["program"], "HEMR07");
    EXPECT_EQ(job["creator"], "DS");
    EXPECT_EQ(job["status"], "QUEUED");
    const nlohmann::json& caption = job["conditions"]["items"][1]["items"][0]["items"][0];
    EXPECT_EQ(caption["codepage"], 936) << "byte strings keep their code page: " << caption.dump();
    EXPECT_EQ(caption["bytes"], "公司");
    EXPECT_EQ(job["conditions"]["items"][2]["items"][0]["items"][2], "03");
}

TEST_F(ServerActivityTest, ReportFilesAreListedWhenRecordedOrRecordedAgain) {
    RecordReport("HEMR07_0");  // an earlier run's
    host::ServerActivity activity(server, out.transcript);
    out.transcript.SetBeforeLine([&] { activity.Report(); });
    RecordReport("HEMR07_1");
    out.transcript.Event(304);
    out.transcript.Event(320);
    RecordReport("HEMR07_1");
    activity.Report();

    std::vector<std::string> paths;
    for (const nlohmann::json& line : out.Lines())
        if (line.contains("report")) paths.push_back(line["report"]["path"].get<std::string>());
    const std::string folder = activity.ReportFolder();
    EXPECT_EQ(paths, (std::vector<std::string>{folder + "/HEMR07_1.csv", folder + "/HEMR07_1.html",
                                               folder + "/HEMR07_1.txt", folder + "/HEMR07_1.csv",
                                               folder + "/HEMR07_1.html", folder + "/HEMR07_1.txt"}))
        << "the files of the report in name order, again when written again; an earlier run's never";
    EXPECT_EQ(out.Kinds().front(), "report");
}

// Transcripts listed the jobs and reports of another shell on the same home as their own.
TEST_F(ServerActivityTest, WhatAnotherProcessDidMeanwhileIsNotListed) {
    host::ServerActivity activity(server, out.transcript);
    out.transcript.SetBeforeLine([&] { activity.Report(); });
    InAnotherProcess([&] {
        AddJob("HEMR06");
        RecordReport("HEMR06_1");
    });
    const std::string own = AddJob("HEMR07");
    out.transcript.Event(304);
    InAnotherProcess([&] { AddJob("HEMR06"); });
    activity.Report();
    ASSERT_EQ(out.Kinds(), (std::vector<std::string>{"job", "event"}));
    EXPECT_EQ(out.Lines()[0]["job"]["id"], own);
}

TEST_F(ServerActivityTest, WithoutAReportFolderOrJobsNothingIsWritten) {
    host::ServerActivity activity(server, out.transcript);
    activity.Report();
    EXPECT_TRUE(out.Lines().empty());
    EXPECT_FALSE(out.transcript.HadError());
}

}  // namespace
