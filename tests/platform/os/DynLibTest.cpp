#include "platform/os/DynLib.h"

#include "platform/os/Files.h"
#include "platform/os/Paths.h"
#include "platform/os/SysInfo.h"
#include "tests/platform/os/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace rt;
using rt::test::TempFolder;

namespace {

using AnswerFn = int (*)();
using AddressFn = const void* (*)();

std::string PluginBuiltBesideProgram() {
    return IncludeTrailingPathDelimiter(ExtractFileDir(GetProgramFileName())) + "NvTestPlugin.so";
}

int CallAnswer(HMODULE module) {
    auto answer = reinterpret_cast<AnswerFn>(GetProcAddress(module, "NvTestPluginAnswer"));
    return answer ? answer() : -1;
}

}  // namespace

TEST(DynLib, NameMapping) {
    EXPECT_EQ(MapLibraryName("Nvlanguage.dll"), "Nvlanguage.so");
    EXPECT_EQ(MapLibraryName("HEMR07S.DLL"), "HEMR07S.so");
    EXPECT_EQ(MapLibraryName("C:\\NVR\\C_PKG\\Pellwick.Dll"), "C:/NVR/C_PKG/Pellwick.so");
    EXPECT_EQ(MapLibraryName("NVDownLoad"), "NVDownLoad.so") << "no extension: the library extension is added";
    EXPECT_EQ(MapLibraryName("libm.so.6"), "libm.so.6");
    EXPECT_EQ(MapLibraryName("my.dll.backup"), "my.dll.backup");
    EXPECT_EQ(LibraryFileName("Hemr07C"), "Hemr07C.so");
}

TEST(DynLib, LoadsFromTheProgramFolderByItsOriginalName) {
    ASSERT_TRUE(FileExists(PluginBuiltBesideProgram())) << PluginBuiltBesideProgram();
    for (const char* name : {"NvTestPlugin.dll", "nvtestplugin.DLL", "NvTestPlugin"}) {
        HMODULE module = LoadLibrary(name);
        ASSERT_NE(module, 0u) << name << ": " << LastLibraryError();
        EXPECT_EQ(CallAnswer(module), 42) << name;
        EXPECT_EQ(GetModuleFileName(module), std::filesystem::canonical(PluginBuiltBesideProgram()).string());
        EXPECT_TRUE(FreeLibrary(module));
    }
}

TEST(DynLib, SystemSearchAndMissingSymbols) {
    HMODULE libm = LoadLibrary("libm.so.6");
    ASSERT_NE(libm, 0u) << LastLibraryError();
    auto cosine = reinterpret_cast<double (*)(double)>(GetProcAddress(libm, "cos"));
    ASSERT_NE(cosine, nullptr);
    EXPECT_DOUBLE_EQ(cosine(0.0), 1.0);
    EXPECT_EQ(GetProcAddress(libm, "NoSuchFunction"), nullptr);
    EXPECT_NE(LastLibraryError().find("NoSuchFunction"), std::string::npos) << LastLibraryError();
    EXPECT_TRUE(FreeLibrary(libm));
}

TEST(DynLib, FailuresReturnZeroWithAReason) {
    EXPECT_EQ(LoadLibrary("NoSuchLibrary.dll"), 0u);
    EXPECT_NE(LastLibraryError().find("NoSuchLibrary.dll"), std::string::npos) << LastLibraryError();
    EXPECT_EQ(LoadLibrary(""), 0u);
    EXPECT_EQ(GetProcAddress(0, "x"), nullptr);
    EXPECT_FALSE(FreeLibrary(0));
    TempFolder temp;
    EXPECT_EQ(LoadLibrary(temp.Write("Broken.so", "not a library")), 0u);
    EXPECT_FALSE(LastLibraryError().empty());
}

TEST(DynLib, CallingLibraryFolderIsSearchedSecond) {
    TempFolder temp;
    std::filesystem::copy_file(PluginBuiltBesideProgram(), temp.File("Caller.so"));
    std::filesystem::copy_file(PluginBuiltBesideProgram(), temp.File("OnlyHere.so"));
    HMODULE caller = LoadLibrary(temp.File("Caller.dll"));
    ASSERT_NE(caller, 0u) << LastLibraryError();
    auto where = reinterpret_cast<AddressFn>(GetProcAddress(caller, "NvTestPluginAddress"));
    ASSERT_NE(where, nullptr);
    EXPECT_EQ(ModuleFileNameOfAddress(where()), std::filesystem::canonical(temp.File("Caller.so")).string());

    EXPECT_EQ(LoadLibrary("OnlyHere.dll"), 0u) << "not beside this program";
    HMODULE found = LoadLibrary("OnlyHere.dll", where());
    ASSERT_NE(found, 0u) << LastLibraryError();
    EXPECT_EQ(GetModuleFileName(found), std::filesystem::canonical(temp.File("OnlyHere.so")).string());
    FreeLibrary(found);
    FreeLibrary(caller);
}

TEST(DynLib, ModulePathsOfTheProgramAndThePlatform) {
    EXPECT_EQ(GetModuleFileName(0), GetProgramFileName());
    static int local = 0;
    EXPECT_EQ(ModuleFileNameOfAddress(&local), GetProgramFileName());
    std::string platform = ModuleFileNameOfAddress(reinterpret_cast<const void*>(&LastLibraryError));
    EXPECT_EQ(ExtractFileName(platform), "libhemrplatform.so");
    EXPECT_EQ(ModuleFileNameOfAddress(nullptr), "");
}
