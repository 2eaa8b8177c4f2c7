#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "platform/os/DynLib.h"
#include "platform/os/Paths.h"
#include "tests/src/framework/GeneFormFixture.h"

namespace {

using hemr_test::FullParams;
using hemr_test::GeneFormTest;
using hemr_test::TfrmGeneTest;

// The job's arguments as the report form gives them, with `values` as A5.
std::vector<rt::Variant> DirectRunArgs(const rt::Variant& values) {
    return {"J0000001", "HEMR07", "J00000010001", 1, values, "KWDB", "R", "", "796", "KWTest60", ".txt"};
}

class RunDirectTest : public GeneFormTest {
protected:
    // The built server library in the server's default work-library folder.
    void InstallServerLibrary() {
        const char* bin = std::getenv("HEMR_BINARY_DIR");
        const std::string folder = bin != nullptr ? bin : rt::ExtractFileDir(rt::GetModuleFileName(0));
        std::filesystem::create_directories(Server() + "S_PKG");
        std::filesystem::copy_file(folder + "/HEMR07S.so", Server() + "S_PKG/HEMR07S.so");
    }
};

TEST_F(RunDirectTest, WithoutTheServerLibraryTheRunFailsQuietly) {
    TfrmGeneTest* form = NewForm();
    ASSERT_TRUE(form->InitForm(FullParams()));
    EXPECT_FALSE(form->RunDirect(DirectRunArgs(rt::Variant::ArrayOf({"x"}))));
    EXPECT_EQ(form->ErrorCodes(), "") << "a missing library has no message of its own";
    EXPECT_FALSE(form->RunDirect({"J1", "HEMR07"})) << "fewer than eleven arguments";
}

TEST_F(RunDirectTest, TheServerControllersFailureIsReportedAsAnException) {
    InstallServerLibrary();
    TfrmGeneTest* form = NewForm();
    ASSERT_TRUE(form->InitForm(FullParams()));
    EXPECT_FALSE(form->RunDirect(DirectRunArgs(rt::Variant("not an array"))));
    EXPECT_EQ(form->ErrorCodes(), "E;-1; ");
    EXPECT_NE(form->ErrorTexts().find("报表执行参数缺少条件内容数组"), std::string::npos)
        << "the server library was loaded and its controller ran: " << form->ErrorTexts();
    ASSERT_NE(fake->Last("GetFileList"), nullptr) << "the library's update description was asked for";
    EXPECT_EQ(rt::VarToStr(fake->Last("GetFileList")->args[0][0]), "hemr07s.dll");
}

}  // namespace
