#include "platform/os/Registry.h"

#include "tests/platform/os/TempFolder.h"

#include <gtest/gtest.h>

using namespace rt;
using rt::test::ScopedEnv;
using rt::test::TempFolder;

namespace {

const char* const KestrelFile =
    "REGEDIT4\r\n"
    "\r\n"
    "; written by the installer\r\n"
    "[HKEY_LOCAL_MACHINE\\Software\\NVR\\Kestrel]\r\n"
    "\"ClientPath\"=\"C:\\\\NVR\\\\Client\\\\\"\r\n"
    "\"ServerPath\"=\"/opt/nvr/server/\"\r\n"
    "\"ProfileType\"=\"0\"\r\n"
    "\"Quoted\"=\"say \\\"hi\\\"\"\r\n"
    "\"Chinese\"=\"员工年龄分布表\"\r\n"
    "@=\"default text\"\r\n"
    "\"Count\"=dword:0000000a\r\n"
    "\"Negative\"=dword:ffffffff\r\n"
    "\"Expand\"=hex(2):25,54,45,4d,50,25,5c,\\\r\n"
    "  6c,6f,67,00\r\n"
    "\"Blob\"=hex:01,02,ff\r\n"
    "this line is garbage\r\n"
    "\"Broken\"=\"no closing quote\r\n"
    "\"BadDword\"=dword:xyz\r\n"
    "\"AfterGarbage\"=\"still read\"\r\n"
    "\r\n"
    "[HKEY_LOCAL_MACHINE\\Software\\NVR\\Kestrel\\Sub1]\r\n"
    "[HKEY_LOCAL_MACHINE\\Software\\NVR\\Kestrel\\Sub2]\r\n"
    "\"X\"=\"2\"\r\n"
    "[HKEY_LOCAL_MACHINE\\Software\\PLWK\\Velmoran]\r\n"
    "\"Gone\"=\"x\"\r\n"
    "[-HKEY_LOCAL_MACHINE\\Software\\PLWK]\r\n"
    "[HKEY_CURRENT_USER\\Software\\NVR\\Kestrel]\r\n"
    "\"ClientPath\"=\"user\"\r\n";

class RegistryFile : public ::testing::Test {
protected:
    void SetUp() override { UseFile(KestrelFile); }

    void UseFile(const std::string& contents) {
        env_.reset();
        std::string file = temp_.Write("nvr.reg", contents);
        env_ = std::make_unique<ScopedEnv>("NVR_REGISTRY", file.c_str());
    }

    TRegistry OpenKestrel() {
        TRegistry reg;
        reg.SetRootKey(HKEY_LOCAL_MACHINE);
        EXPECT_TRUE(reg.OpenKeyReadOnly("Software\\NVR\\Kestrel"));
        return reg;
    }

    TempFolder temp_;
    std::unique_ptr<ScopedEnv> env_;
};

}  // namespace

TEST_F(RegistryFile, StringsWithEscapesAndDefaultValue) {
    TRegistry reg = OpenKestrel();
    EXPECT_EQ(reg.ReadString("ClientPath"), "C:\\NVR\\Client\\");
    EXPECT_EQ(reg.ReadString("Quoted"), "say \"hi\"");
    EXPECT_EQ(reg.ReadString("Chinese"), "员工年龄分布表");
    EXPECT_EQ(reg.ReadString(""), "default text");
    EXPECT_EQ(reg.ReadString("Expand"), "%TEMP%\\log") << "hex(2) is text, continued over two lines";
    EXPECT_EQ(reg.GetDataType("Expand"), TRegDataType::rdExpandString);
    EXPECT_EQ(reg.GetDataType("Blob"), TRegDataType::rdBinary);
}

TEST_F(RegistryFile, IntegersAndTheirErrors) {
    TRegistry reg = OpenKestrel();
    EXPECT_EQ(reg.ReadInteger("Count"), 10);
    EXPECT_EQ(reg.ReadInteger("Negative"), -1);
    EXPECT_TRUE(reg.ReadBool("Count"));
    EXPECT_THROW(reg.ReadInteger("Missing"), ERegistryException);
    EXPECT_THROW(reg.ReadInteger("ClientPath"), ERegistryException) << "text is not a dword";
    EXPECT_THROW(reg.ReadString("Count"), ERegistryException) << "a dword is not text";
    EXPECT_EQ(reg.ReadString("Missing"), "") << "a missing text value reads as empty";
}

TEST_F(RegistryFile, KeyPathsAndValueNamesIgnoreCase) {
    TRegistry reg;
    reg.SetRootKey(HKEY_LOCAL_MACHINE);
    EXPECT_TRUE(reg.OpenKeyReadOnly("\\SOFTWARE\\nvr\\KESTREL\\"));
    EXPECT_EQ(reg.CurrentPath(), "SOFTWARE\\nvr\\KESTREL");
    EXPECT_EQ(reg.ReadString("clientpath"), "C:\\NVR\\Client\\");
    EXPECT_TRUE(reg.ValueExists("COUNT"));
    EXPECT_TRUE(reg.KeyExists("sub2")) << "relative to the open key";
    EXPECT_TRUE(reg.KeyExists("\\Software\\NVR")) << "a parent exists without its own section";
    EXPECT_FALSE(reg.KeyExists("\\Sub2"));
}

TEST_F(RegistryFile, MalformedLinesAreSkipped) {
    TRegistry reg = OpenKestrel();
    EXPECT_FALSE(reg.ValueExists("Broken"));
    EXPECT_FALSE(reg.ValueExists("BadDword"));
    EXPECT_EQ(reg.ReadString("AfterGarbage"), "still read");
    std::vector<std::string> expected = {"ClientPath", "ServerPath", "ProfileType", "Quoted", "Chinese", "",
                                         "Count",      "Negative",   "Expand",      "Blob",   "AfterGarbage"};
    EXPECT_EQ(reg.GetValueNames(), expected);
}

TEST_F(RegistryFile, SubKeysRelativeOpenAndDeletions) {
    TRegistry reg = OpenKestrel();
    EXPECT_EQ(reg.GetKeyNames(), (std::vector<std::string>{"Sub1", "Sub2"}));
    EXPECT_TRUE(reg.OpenKey("Sub2", false));
    EXPECT_EQ(reg.CurrentPath(), "Software\\NVR\\Kestrel\\Sub2");
    EXPECT_EQ(reg.ReadString("X"), "2");
    EXPECT_FALSE(reg.HasSubKeys());
    EXPECT_FALSE(reg.OpenKey("\\Software\\PLWK\\Velmoran", false)) << "deleted by [-...]";
    EXPECT_EQ(reg.CurrentPath(), "Software\\NVR\\Kestrel\\Sub2") << "a failed open keeps the open key";
    EXPECT_FALSE(reg.OpenKey("\\Software\\New", true)) << "nothing can be created";
    EXPECT_FALSE(reg.KeyExists("\\Software\\New"));
}

TEST_F(RegistryFile, RootKeysAreSeparate) {
    TRegistry reg;
    EXPECT_EQ(reg.RootKey(), HKEY_CURRENT_USER);
    ASSERT_TRUE(reg.OpenKeyReadOnly("Software\\NVR\\Kestrel"));
    EXPECT_EQ(reg.ReadString("ClientPath"), "user");
    reg.SetRootKey(HKEY_CLASSES_ROOT);
    EXPECT_FALSE(reg.HasOpenKey()) << "changing the root closes the key";
    EXPECT_FALSE(reg.OpenKeyReadOnly("Software\\NVR\\Kestrel"));
}

TEST_F(RegistryFile, FileIsReadAgainOnEveryOpen) {
    TRegistry reg = OpenKestrel();
    UseFile("REGEDIT4\n[HKEY_LOCAL_MACHINE\\Software\\NVR\\Kestrel]\n\"ClientPath\"=\"/new/\"\n");
    EXPECT_EQ(reg.ReadString("ClientPath"), "C:\\NVR\\Client\\") << "an open key keeps its contents";
    ASSERT_TRUE(reg.OpenKeyReadOnly("\\Software\\NVR\\Kestrel"));
    EXPECT_EQ(reg.ReadString("ClientPath"), "/new/");
    reg.CloseKey();
    EXPECT_FALSE(reg.ValueExists("ClientPath"));
    EXPECT_THROW(reg.ReadInteger("Count"), ERegistryException) << "no key open";
}

TEST_F(RegistryFile, MissingVariableOrFileHasNoKeys) {
    {
        ScopedEnv unset("NVR_REGISTRY", nullptr);
        TRegistry reg;
        reg.SetRootKey(HKEY_LOCAL_MACHINE);
        EXPECT_FALSE(reg.OpenKeyReadOnly("Software\\NVR\\Kestrel"));
    }
    ScopedEnv missing("NVR_REGISTRY", temp_.File("none.reg").c_str());
    TRegistry reg;
    reg.SetRootKey(HKEY_LOCAL_MACHINE);
    EXPECT_FALSE(reg.KeyExists("Software"));
    EXPECT_TRUE(reg.GetKeyNames().empty());
}

TEST_F(RegistryFile, HeaderIsRequired) {
    UseFile("[HKEY_LOCAL_MACHINE\\Software\\NVR\\Kestrel]\n\"ClientPath\"=\"x\"\n");
    TRegistry reg;
    reg.SetRootKey(HKEY_LOCAL_MACHINE);
    EXPECT_FALSE(reg.KeyExists("Software\\NVR\\Kestrel"));
}

TEST_F(RegistryFile, Utf16FileInVersion5Format) {
    std::u16string text =
        u"Windows Registry Editor Version 5.00\r\n\r\n"
        u"[HKEY_LOCAL_MACHINE\\Software\\NVR\\Kestrel]\r\n"
        u"\"ClientPath\"=\"D:\\\\員工\\\\\"\r\n"
        u"\"Home\"=hex(2):25,00,48,00,00,00\r\n";
    std::string bytes = "\xFF\xFE";
    for (char16_t c : text) {
        bytes += static_cast<char>(c & 0xFF);
        bytes += static_cast<char>(c >> 8);
    }
    UseFile(bytes);
    TRegistry reg = OpenKestrel();
    EXPECT_EQ(reg.ReadString("ClientPath"), "D:\\員工\\");
    EXPECT_EQ(reg.ReadString("Home"), "%H") << "hex(2) is UTF-16 in this format";
}

TEST_F(RegistryFile, Utf8BomAndAbbreviatedRoot) {
    UseFile("\xEF\xBB\xBFREGEDIT4\n[HKLM\\Software\\NVR\\Kestrel]\n\"A\"=\"1\"\n\"A\"=\"2\"\n\"B\"=\"x\"\n\"B\"=-\n");
    TRegistry reg = OpenKestrel();
    EXPECT_EQ(reg.ReadString("A"), "2") << "a later line sets the value again, as an import does";
    EXPECT_FALSE(reg.ValueExists("B")) << "\"B\"=- deletes the value";
}
