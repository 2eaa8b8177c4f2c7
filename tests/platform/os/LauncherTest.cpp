#include "platform/os/Launcher.h"

#include "platform/os/Files.h"
#include "platform/os/ShellExecuteRecorder.h"
#include "tests/platform/os/TempFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <sys/stat.h>
#include <thread>

using namespace rt;
using rt::test::TempFolder;

namespace {

// Waits (bounded) for a detached program's output file to be complete.
std::string WaitForFile(const std::string& file) {
    std::string contents;
    for (int i = 0; i < 500; ++i) {
        if (ReadFileToString(file, contents) && !contents.empty() && contents.back() == '\n') return contents;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return contents;
}

}  // namespace

TEST(Launcher, RecorderReplacesTheLauncherAndRestoresIt) {
    {
        TShellExecuteRecorder recorder;
        EXPECT_GT(ShellExecute("open", "http://127.0.0.1/Server/ReportView.aspx?x=1", "", "", SW_SHOWNORMAL), 32);
        recorder.SetResult(SE_ERR_NOASSOC);
        EXPECT_EQ(ShellExecute("print", "/tmp/report.pdf", "-q", "/tmp"), SE_ERR_NOASSOC);
        std::vector<TShellExecuteRequest> calls = recorder.Calls();
        ASSERT_EQ(calls.size(), 2u);
        EXPECT_EQ(calls[0].File, "http://127.0.0.1/Server/ReportView.aspx?x=1");
        EXPECT_EQ(calls[1].Verb, "print");
        EXPECT_EQ(calls[1].Parameters, "-q");
        EXPECT_EQ(calls[1].Directory, "/tmp");
    }
    TempFolder temp;
    EXPECT_EQ(ShellExecute("open", temp.File("missing.doc"), "", ""), SE_ERR_FNF)
        << "after the recorder is gone the real launcher answers";
}

TEST(Launcher, StartsAProgramDetachedWithParametersInItsFolder) {
    TempFolder temp;
    std::string script = temp.Write("tool.sh", "#!/bin/sh\nprintf '%s|' \"$@\" > out.tmp; pwd >> out.tmp; mv out.tmp out.txt\n");
    ::chmod(script.c_str(), 0755);
    int result = ShellExecute("open", "tool.sh", "one \"two words\" three", temp.Path());
    ASSERT_GT(result, 32);
    std::string out = WaitForFile(temp.File("out.txt"));
    EXPECT_EQ(out, "one|two words|three|" + temp.Path() + "\n");
}

TEST(Launcher, ErrorsAreSmallNumbers) {
    TempFolder temp;
    std::string doc = temp.Write("report.txt", "x");
    EXPECT_EQ(ShellExecute("open", "", "", ""), SE_ERR_FNF);
    EXPECT_EQ(ShellExecute("open", doc, "", temp.File("no-such-folder")), SE_ERR_PNF);
    EXPECT_EQ(ShellExecute("print", doc, "", ""), SE_ERR_NOASSOC) << "no print verb here";
    EXPECT_EQ(ShellExecute("OPEN", temp.File("gone.txt"), "", ""), SE_ERR_FNF);
}
