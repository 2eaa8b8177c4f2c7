#include "platform/os/SysInfo.h"

#include "tests/platform/os/TempFolder.h"

#include <gtest/gtest.h>

#include <unistd.h>

using namespace rt;
using rt::test::ScopedEnv;
using rt::test::TempFolder;

TEST(SysInfo, TempPathFollowsTmpdirWithTrailingDelimiter) {
    {
        ScopedEnv env("TMPDIR", "/var/tmp");
        EXPECT_EQ(GetTempPath(), "/var/tmp/");
    }
    {
        ScopedEnv env("TMPDIR", "/var/tmp/");
        EXPECT_EQ(GetTempPath(), "/var/tmp/") << "no doubled delimiter";
    }
    ScopedEnv env("TMPDIR", nullptr);
    EXPECT_EQ(GetTempPath(), "/tmp/");
}

TEST(SysInfo, ComputerNameIsTheHostNameCutTo15) {
    char host[256] = {};
    ASSERT_EQ(::gethostname(host, sizeof host - 1), 0);
    EXPECT_EQ(GetComputerName(), std::string(host).substr(0, 15));
    EXPECT_LE(GetComputerName().size(), 15u);
}

TEST(SysInfo, UserNameIsKnown) {
    EXPECT_FALSE(GetUserName().empty());
}

TEST(SysInfo, ProgramPathAndArguments) {
    std::string self = ParamStr(0);
    EXPECT_EQ(self.front(), '/');
    EXPECT_NE(self.find("platform_os_tests"), std::string::npos) << self;
    EXPECT_EQ(ParamStr(ParamCount() + 1), "");
    EXPECT_EQ(ParamStr(-1), "");
}

TEST(SysInfo, LongPathNameOfExistingAndMissingPaths) {
    TempFolder temp;
    EXPECT_EQ(GetLongPathName(temp.Path()), temp.Path());
    EXPECT_EQ(GetLongPathName(temp.Path() + "\\missing"), "") << "missing paths fail as in the original";
    char cwd[4096];
    ASSERT_NE(::getcwd(cwd, sizeof cwd), nullptr);
    EXPECT_EQ(GetCurrentDir(), cwd);
}
