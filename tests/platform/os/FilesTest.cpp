#include "platform/os/Files.h"

#include "platform/core/Exceptions.h"
#include "tests/platform/os/TempFolder.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

using namespace rt;
using rt::test::TempFolder;

namespace {

std::string Contents(const std::string& file) {
    std::string bytes;
    EXPECT_TRUE(ReadFileToString(file, bytes)) << "reading " << file;
    return bytes;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

void AppendMany(const std::string& file, char tag, int count) {
    std::string body(200, tag);
    for (int i = 0; i < count; ++i) AppendLineToFile(file, body);
}

// Every line must be one writer's full record: 200 copies of one tag character.
void ExpectWholeLines(const std::string& text, size_t expectedLines) {
    std::vector<std::string> lines = Lines(text);
    ASSERT_EQ(lines.size(), expectedLines);
    for (const std::string& line : lines) {
        ASSERT_EQ(line.size(), 200u) << "a line was interleaved with another writer's";
        ASSERT_EQ(line.find_first_not_of(line[0]), std::string::npos) << "mixed line: " << line;
    }
}

}  // namespace

TEST(Files, ExistenceDistinguishesFilesAndFolders) {
    TempFolder temp;
    std::string file = temp.Write("a.txt", "x");
    EXPECT_TRUE(FileExists(file));
    EXPECT_FALSE(FileExists(temp.Path())) << "a folder is not a file";
    EXPECT_TRUE(DirectoryExists(temp.Path()));
    EXPECT_FALSE(DirectoryExists(file));
    EXPECT_FALSE(FileExists(""));
}

TEST(Files, ForceDirectoriesCreatesParentsAndAcceptsBackslashes) {
    TempFolder temp;
    std::string deep = temp.Path() + "\\Log\\2005\\05\\";
    EXPECT_TRUE(ForceDirectories(deep));
    EXPECT_TRUE(DirectoryExists(temp.Path() + "/Log/2005/05"));
    EXPECT_TRUE(ForceDirectories(deep)) << "an existing folder is success";
    std::string file = temp.Write("plain", "x");
    EXPECT_FALSE(ForceDirectories(file + "/sub")) << "cannot create below a file";
    EXPECT_FALSE(ForceDirectories(""));
}

TEST(Files, DeleteAndRenameFollowTheOriginalRules) {
    TempFolder temp;
    std::string a = temp.Write("a", "A");
    std::string b = temp.Write("b", "B");
    EXPECT_FALSE(RenameFile(a, b)) << "rename must not replace an existing file";
    EXPECT_EQ(Contents(b), "B");
    EXPECT_TRUE(RenameFile(a, temp.File("c")));
    EXPECT_FALSE(FileExists(a));
    EXPECT_EQ(Contents(temp.File("c")), "A");
    EXPECT_TRUE(DeleteFile(b));
    EXPECT_FALSE(DeleteFile(b)) << "deleting a missing file fails";
    EXPECT_FALSE(DeleteFile(temp.Path())) << "a folder is not deleted as a file";
}

TEST(Files, AppendLineCreatesFileAndReportsFailure) {
    TempFolder temp;
    std::string file = temp.File("Alert_x.log");
    EXPECT_TRUE(AppendLineToFile(file, "[2005/05/01] first"));
    EXPECT_TRUE(AppendLineToFile(file, "second"));
    EXPECT_EQ(Contents(file), "[2005/05/01] first\nsecond\n");
    EXPECT_FALSE(AppendLineToFile(temp.File("missing/folder/x.log"), "line")) << "no throw, false";
    EXPECT_FALSE(AppendLineToFile("", "line"));
}

TEST(Files, AppendLineFromThreadsKeepsLinesWhole) {
    TempFolder temp;
    std::string file = temp.File("threads.log");
    std::vector<std::thread> writers;
    for (char tag : std::string("abcd")) writers.emplace_back(AppendMany, file, tag, 300);
    for (std::thread& w : writers) w.join();
    ExpectWholeLines(Contents(file), 1200);
}

TEST(Files, AppendLineFromProcessesKeepsLinesWhole) {
    TempFolder temp;
    std::string file = temp.File("processes.log");
    std::vector<pid_t> children;
    for (char tag : std::string("wxyz")) {
        pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            AppendMany(file, tag, 300);
            ::_exit(0);
        }
        children.push_back(pid);
    }
    for (pid_t pid : children) {
        int status = 0;
        ::waitpid(pid, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    ExpectWholeLines(Contents(file), 1200);
}

TEST(Files, AtomicWriteReplacesContentsAndLeavesNoTemporary) {
    TempFolder temp;
    std::string file = temp.Write("scheme.dat", "old contents");
    WriteFileAtomically(file, std::string("new\0bytes", 9));
    EXPECT_EQ(Contents(file), std::string("new\0bytes", 9));
    int entries = 0;
    for (const auto& entry : std::filesystem::directory_iterator(temp.Path())) {
        (void)entry;
        ++entries;
    }
    EXPECT_EQ(entries, 1) << "the temporary file must be renamed away";
}

TEST(Files, AtomicWriteFailureRaisesAndKeepsOldFile) {
    TempFolder temp;
    EXPECT_THROW(WriteFileAtomically(temp.File("no/such/folder/x"), "data"), EOSError);
    EXPECT_THROW(WriteFileAtomically("", "data"), EInOutError);
    std::string file = temp.Write("keep", "old");
    ::chmod(temp.Path().c_str(), 0500);
    if (::geteuid() != 0) {
        EXPECT_THROW(WriteFileAtomically(file, "new"), EOSError);
        EXPECT_EQ(Contents(file), "old");
    }
    ::chmod(temp.Path().c_str(), 0700);
}

TEST(Files, ReadFileToStringLeavesOutputOnFailure) {
    TempFolder temp;
    std::string out = "unchanged";
    EXPECT_FALSE(ReadFileToString(temp.File("missing"), out));
    EXPECT_FALSE(ReadFileToString(temp.Path(), out)) << "a folder is not read";
    EXPECT_EQ(out, "unchanged");
}
