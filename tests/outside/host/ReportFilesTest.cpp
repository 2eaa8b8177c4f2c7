// The report files the served page links and hands out: only what was
// written while serving, only plain names of the report folder itself.

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "outside/host/serve/ReportFiles.h"
#include "tests/platform/os/TempFolder.h"

namespace {

using host::serve::ReportFiles;

void Write(const std::string& file, const std::string& text) { std::ofstream(file, std::ios::binary) << text; }

TEST(ReportFiles, ListsWhatWasWrittenSinceServingBeganAndReadsOnlyPlainNamesOfTheFolder) {
    rt::test::TempFolder temp;
    const std::string folder = temp.Path() + "/Report";
    std::filesystem::create_directories(folder);
    Write(folder + "/old.csv", "old");
    const ReportFiles reports(folder);
    Write(folder + "/HEMR07_1.html", "<p>report</p>");
    Write(temp.Path() + "/secret.txt", "secret");
    std::filesystem::create_symlink(temp.Path() + "/secret.txt", folder + "/link.txt");

    EXPECT_EQ(reports.Written(), std::vector<std::string>{"HEMR07_1.html"}) << "old files and links are not listed";
    const auto page = reports.Read("HEMR07_1.html");
    ASSERT_TRUE(page.has_value());
    EXPECT_EQ(page->Bytes, "<p>report</p>");
    EXPECT_EQ(page->ContentType, "text/html; charset=utf-8");
    for (const char* name : {"link.txt", "../secret.txt", "..", ".hidden", "sub/x", "a\\b", "missing.csv", ""})
        EXPECT_FALSE(reports.Read(name).has_value()) << name << " is not served";
}

}  // namespace
