// A Traditional Chinese installation whose conversion library is missing.

#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "tests/outside/host/HostProcess.h"
#include "tests/platform/os/TempFolder.h"

namespace {

namespace fs = std::filesystem;
using outside_test::HostRun;

// The host and every library beside it but Nvlanguage.so.
std::string HostWithoutConversionLibrary(const std::string& folder) {
    fs::create_directories(folder);
    for (const fs::directory_entry& entry : fs::directory_iterator(outside_test::BinFolder())) {
        const std::string name = entry.path().filename().string();
        const bool wanted = name == "hemr07-host" || (entry.path().extension() == ".so" && name != "Nvlanguage.so");
        if (wanted && entry.is_regular_file()) fs::copy_file(entry.path(), folder + "/" + name);
    }
    return folder;
}

TEST(ConverterLibrary, MissingUnderATraditionalInterfaceIsReportedOnceAndNothingCrashes) {
    rt::test::TempFolder temp;
    const std::string host = HostWithoutConversionLibrary(temp.Path() + "/bin");
    const std::string home = temp.Path() + "/home";
    fs::create_directories(home);
    std::ofstream(home + "/KestrelC.ini") << "[CodePage]\r\nUICodePage=950\r\nDBCodePage=936\r\n"
                                             "[Server Information]\r\nComputerName=127.0.0.1\r\nServerPort=211\r\n";
    std::ofstream(home + "/open.json") << R"({"steps": []})";

    const HostRun run = outside_test::RunHost(home, home + "/open.json", "", host);
    EXPECT_EQ(run.exitCode, 1) << "a clean failure, not a signal";
    int reports = 0;
    for (const nlohmann::json& line : run.lines) {
        const std::string text = line.dump();
        if (text.find("Nvlanguage") != std::string::npos) {
            ++reports;
            EXPECT_NE(text.find("Load Library Nvlanguage.dll Error!"), std::string::npos) << text;
        }
    }
    EXPECT_EQ(reports, 1);
}

}  // namespace
