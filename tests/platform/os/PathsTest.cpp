#include "platform/os/Paths.h"

#include <gtest/gtest.h>

using namespace rt;

TEST(Paths, BackslashesFromConfigurationAreSeparators) {
    EXPECT_EQ(ExtractFilePath("C:\\NVR\\Client\\KestrelC.ini"), "C:\\NVR\\Client\\");
    EXPECT_EQ(ExtractFileName("C:\\NVR\\Client\\KestrelC.ini"), "KestrelC.ini");
    EXPECT_EQ(ExtractFileName("/opt/nvr\\mixed/Hemr07C.so"), "Hemr07C.so");
    EXPECT_EQ(ExtractFileDir("/opt/nvr/Hemr07C.so"), "/opt/nvr");
    EXPECT_EQ(ExtractFileDir("/Hemr07C.so"), "/") << "the root folder must not become empty";
    EXPECT_EQ(ExtractFilePath("Hemr07C.so"), "");
}

TEST(Paths, ExtensionIsTakenFromTheFileNameOnly) {
    EXPECT_EQ(ExtractFileExt("/opt/report.v2/Hemr07C.Dll"), ".Dll");
    EXPECT_EQ(ExtractFileExt("/opt/report.v2/README"), "") << "a dot in a folder name is no extension";
    EXPECT_EQ(ExtractFileExt("archive.tar.gz"), ".gz");
    EXPECT_EQ(ChangeFileExt("C:\\x.y\\Nvlanguage.dll", ".so"), "C:\\x.y\\Nvlanguage.so");
    EXPECT_EQ(ChangeFileExt("/opt/x.y/Makefile", ".bak"), "/opt/x.y/Makefile.bak");
    EXPECT_EQ(ChangeFileExt("Hemr07C.dll", ""), "Hemr07C");
}

TEST(Paths, TrailingDelimiters) {
    EXPECT_EQ(IncludeTrailingPathDelimiter("/opt/nvr"), "/opt/nvr/");
    EXPECT_EQ(IncludeTrailingPathDelimiter("C:\\NVR\\"), "C:\\NVR\\") << "an existing backslash counts";
    EXPECT_EQ(IncludeTrailingPathDelimiter(""), "/");
    EXPECT_EQ(ExcludeTrailingPathDelimiter("/opt/nvr/"), "/opt/nvr");
    EXPECT_EQ(ExcludeTrailingPathDelimiter("C:\\NVR\\"), "C:\\NVR");
    EXPECT_EQ(ExcludeTrailingPathDelimiter("/"), "/");
    EXPECT_EQ(ExcludeTrailingPathDelimiter("/opt"), "/opt");
}

TEST(Paths, NativePathAndDrivePart) {
    EXPECT_EQ(ToNativePath("\\NVR\\C_PKG\\"), "/NVR/C_PKG/");
    EXPECT_TRUE(HasDrivePart("/opt/nvr"));
    EXPECT_TRUE(HasDrivePart("C:\\NVR"));
    EXPECT_TRUE(HasDrivePart("d:"));
    EXPECT_TRUE(HasDrivePart("\\\\server\\share\\pkg"));
    EXPECT_FALSE(HasDrivePart("\\C_PKG\\")) << "one leading backslash means relative to the install folder";
    EXPECT_FALSE(HasDrivePart("C_PKG"));
    EXPECT_FALSE(HasDrivePart("\\\\server")) << "a UNC prefix needs a share";
    EXPECT_FALSE(HasDrivePart("1:\\x")) << "a drive is a letter";
    EXPECT_FALSE(HasDrivePart(""));
}
