#include "src/environment/LibSys.h"

#include "tests/src/environment/LibSysTestSupport.h"

#include "platform/core/Exceptions.h"
#include "platform/os/Files.h"
#include "platform/os/Paths.h"
#include "platform/os/RegistryException.h"
#include "platform/os/SysInfo.h"
#include "platform/sysutils/Clock.h"
#include "platform/sysutils/DateTime.h"
#include "platform/sysutils/FormatSettings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include <unistd.h>

using namespace hemr;

namespace {

class LibSysHome : public hemr_test::ModuleHome {};

TEST_F(LibSysHome, HomeFolderIsClientPathElseServerPath) {
    EXPECT_EQ(GetKestrelHomeDir(), Home());
    UseRegistry("\"ClientPath\"=\"\"\r\n\"ServerPath\"=\"/srv/nvr\"\r\n");
    EXPECT_EQ(GetKestrelHomeDir(), "/srv/nvr") << "an empty client path falls back to the server path";
    UseRegistry("\"Other\"=\"x\"\r\n");
    EXPECT_EQ(GetKestrelHomeDir(), "");
    UseRegistry("\"ClientPath\"=dword:00000001\r\n");
    EXPECT_THROW(GetKestrelHomeDir(), rt::ERegistryException) << "a value that is not text";
}

TEST_F(LibSysHome, LongTempDirIsTheTemporaryFolder) {
    rt::test::ScopedEnv tmp("TMPDIR", temp_.Path().c_str());
    EXPECT_EQ(rt::ExcludeTrailingPathDelimiter(GetLongTempDir()), temp_.Path());
    std::string deep = temp_.Path() + "/" + std::string(250, 'd');
    ASSERT_TRUE(rt::ForceDirectories(deep));
    rt::test::ScopedEnv longTmp("TMPDIR", deep.c_str());
    EXPECT_EQ(GetLongTempDir(), "") << "longer than 260 characters";
}

TEST_F(LibSysHome, AlertLogFileNamesByPeriodAndName) {
    EXPECT_EQ(AlertLogFileName("/h", "libstrs", "M"), "/h/Log/Alert_libstrs_200505.log");
    EXPECT_EQ(AlertLogFileName("/h/", "libstrs", "D"), "/h/Log/Alert_libstrs_20050517.log");
    EXPECT_EQ(AlertLogFileName("/h", "libstrs", "Y"), "/h/Log/Alert_libstrs_2005.log");
    EXPECT_EQ(AlertLogFileName("/h", "libstrs", "W"), "/h/Log/Alert_libstrs_20050517.log") << "other periods: by day";
    EXPECT_EQ(AlertLogFileName("/h", "libstrs", "m"), "/h/Log/Alert_libstrs_20050517.log") << "periods are exact";
    EXPECT_EQ(AlertLogFileName("/h", "run.txt", "M"), "/h/Log/Alert_run.txt_200505")
        << "a name with a dot brings its own extension";
    EXPECT_EQ(AlertLogFileName("C:\\NVR\\Client\\", "a", "Y"), "C:/NVR/Client/Log/Alert_a_2005.log")
        << "backslashes from configuration are separators";
}

TEST_F(LibSysHome, WriteAlertLogAppendsStampedLines) {
    EXPECT_TRUE(WriteAlertLog("libstrs", "first", "M"));
    rt::SetClockOverride(rt::EncodeDateTime(2005, 5, 31, 23, 59, 59, 999));
    EXPECT_TRUE(WriteAlertLog("libstrs", "second 中文", "M"));
    std::vector<std::string> lines = Lines(LogFile("Alert_libstrs_200505.log"));
    ASSERT_EQ(lines.size(), 2u) << "both entries in the month's file";
    EXPECT_EQ(lines[0], "[2005/05/17 09:08:07:065] first");
    EXPECT_EQ(lines[1], "[2005/05/31 23:59:59:999] second 中文");
}

TEST_F(LibSysHome, AlertStampUsesTheLocaleSeparators) {
    rt::FormatSettings().DateSeparator = '-';
    rt::FormatSettings().TimeSeparator = '.';
    EXPECT_TRUE(WriteAlertLog("sep", "x", "Y"));
    std::vector<std::string> lines = Lines(LogFile("Alert_sep_2005.log"));
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], "[2005-05-17 09.08.07.065] x");
}

TEST_F(LibSysHome, AlertLogWithoutHomeGoesBesideTheProgram) {
    UseRegistry("");
    std::string name = "hemr-test-" + std::to_string(::getpid());
    std::string file = rt::ExtractFilePath(rt::GetProgramFileName()) + "Log/Alert_" + name + "_2005.log";
    bool written = WriteAlertLog(name, "beside the program", "Y");
    std::vector<std::string> lines = Lines(file);
    rt::DeleteFile(file);
    std::error_code ignored;
    std::filesystem::remove(rt::ExtractFileDir(file), ignored);  // only when it is empty
    ASSERT_TRUE(written);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], "[2005/05/17 09:08:07:065] beside the program");
}

TEST_F(LibSysHome, AlertLogFailuresAreReportedNotRaised) {
    temp_.Write("client", "a file where the home folder should be");
    EXPECT_FALSE(WriteAlertLog("libstrs", "x", "D")) << "the Log folder cannot be created";
    UseRegistry("\"ClientPath\"=dword:00000001\r\n");
    EXPECT_FALSE(WriteAlertLog("libstrs", "x", "D")) << "an unreadable registry value";
}

TEST_F(LibSysHome, AlertLogNameCannotLeaveTheLogFolder) {
    EXPECT_FALSE(WriteAlertLog("../escape", "x", "D"));
    EXPECT_FALSE(WriteAlertLog("..\\escape", "x", "D"));
    EXPECT_FALSE(rt::FileExists(Home() + "/Alert_../escape_20050517.log"));
    EXPECT_FALSE(rt::DirectoryExists(Home() + "/Log")) << "nothing was created";
}

TEST_F(LibSysHome, GeneratorLogFileAndLine) {
    EXPECT_EQ(GeneratorLogFileName("/h"), "/h/Log/Alert_TKOPSGenerator_20050517.log");
    EXPECT_TRUE(WriteGeneratorLog("生成"));
    std::vector<std::string> lines = Lines(LogFile("Alert_TKOPSGenerator_20050517.log"));
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], "[2005/05/17 09:08:07] 生成") << "short date and long time of the locale";
}

TEST_F(LibSysHome, GeneratorLogFallsBackToTheTemporaryFolder) {
    std::string tempDir = temp_.Path() + "/tmp";
    ASSERT_TRUE(rt::ForceDirectories(tempDir));
    rt::test::ScopedEnv tmp("TMPDIR", tempDir.c_str());
    UseRegistry("\"ServerPath\"=\"\"\r\n");
    EXPECT_TRUE(WriteGeneratorLog("no home"));
    EXPECT_EQ(Lines(tempDir + "/Log/Alert_TKOPSGenerator_20050517.log").size(), 1u);
    UseRegistry("\"ServerPath\"=\"" + temp_.Path() + "/server\"\r\n");
    EXPECT_TRUE(WriteGeneratorLog("server home"));
    EXPECT_EQ(Lines(temp_.Path() + "/server/Log/Alert_TKOPSGenerator_20050517.log").size(), 1u);
}

class LibSysReport : public hemr_test::ModuleHome {
protected:
    std::vector<std::string> Report() {
        std::vector<std::string> lines = Lines(LogFile("Alert_TKOPSGenerator_20050517.log"));
        for (std::string& line : lines) {
            const std::string stamp = "[2005/05/17 09:08:07] ";
            if (line.rfind(stamp, 0) == 0) line.erase(0, stamp.size());
        }
        return lines;
    }
};

TEST_F(LibSysReport, DatabaseEngineErrorListsEveryError) {
    rt::EDBEngineError error("engine", {{1205, "deadlock"}, {-4, "table busy"}});
    WriteExceptionReport(&error, "  SaveScheme ", "保存失败");
    std::vector<std::string> expected = {
        "---------------------------------- on   SaveScheme  ----------------------------------",
        "讯息信息:",
        "EDBEngineError Error 01: Code: 1205, Message: deadlock",
        "EDBEngineError Error 02: Code: -4, Message: table busy",
        "ErrorMessage Count: 2",
        "Programer Message: 保存失败",
    };
    EXPECT_EQ(Report(), expected);
}

TEST_F(LibSysReport, SystemAndInputOutputErrorsCarryTheirCodes) {
    rt::EOSError os("Access denied", 5);
    WriteExceptionReport(&os, "", "");
    rt::EInOutError io("File not found", 2);
    WriteExceptionReport(&io, "", "  ");
    std::vector<std::string> expected = {
        std::string(68, '-'),
        "讯息信息:",
        "EWin32Error Error 01: Code: 5, Message: Access denied",
        "ErrorMessage Count: 1",
        std::string(68, '-'),
        "讯息信息:",
        "EInOutError Error 01: Code: 2, Message: File not found",
        "ErrorMessage Count: 1",
    };
    EXPECT_EQ(Report(), expected) << "no location, no programmer message";
}

TEST_F(LibSysReport, OtherExceptionsNameTheirClassAndKeepPercentSigns) {
    rt::EConvertError error("'100%d' is not a valid integer value");
    WriteExceptionReport(&error, "Load", "");
    std::vector<std::string> expected = {
        "---------------------------------- on Load ----------------------------------",
        "讯息信息:",
        "Exception is EConvertError\r",
        "Message 01: '100%d' is not a valid integer value",
        "ErrorMessage Count: 1",
    };
    EXPECT_EQ(Report(), expected);
}

TEST_F(LibSysReport, DatabaseErrorWithoutListIsReportedByItsMessage) {
    rt::EDBEngineError error("connection lost", {});
    WriteExceptionReport(&error, "", "");
    std::vector<std::string> lines = Report();
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[2], "Exception is EDBEngineError\r");
    EXPECT_EQ(lines[3], "Message 01: connection lost");
    EXPECT_EQ(lines[4], "ErrorMessage Count: 1");
}

TEST_F(LibSysReport, WithoutAnExceptionOnlyRuleAndProgrammerMessage) {
    WriteExceptionReport(nullptr, "Decipher", "解析 Sa 时发生错误!");
    std::vector<std::string> expected = {
        "---------------------------------- on Decipher ----------------------------------",
        "Programer Message: 解析 Sa 时发生错误!",
    };
    EXPECT_EQ(Report(), expected);
}

}  // namespace
