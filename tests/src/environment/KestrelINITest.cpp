#include "src/environment/KestrelINI.h"

#include "platform/os/SysInfo.h"
#include "src/environment/PasswordCipher.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include <stdlib.h>

using hemr::TKestrelIniBase;
using hemr::TKestrelIniC;
using hemr::TKestrelIniS;

namespace {

// Sets an environment variable for one scope and restores the old state.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const std::string& value) : name_(name) {
        if (const char* old = ::getenv(name)) {
            hadOld_ = true;
            old_ = old;
        }
        ::setenv(name, value.c_str(), 1);
    }
    ~ScopedEnv() {
        if (hadOld_) ::setenv(name_.c_str(), old_.c_str(), 1);
        else ::unsetenv(name_.c_str());
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;
    void Set(const std::string& value) { ::setenv(name_.c_str(), value.c_str(), 1); }

private:
    std::string name_;
    std::string old_;
    bool hadOld_ = false;
};

// A temporary install folder with the registry file beside it; NVR_REGISTRY
// and NVR_ACP point at this test's files only.
class KestrelIniTest : public ::testing::Test {
protected:
    KestrelIniTest() : registryEnv_("NVR_REGISTRY", ""), acpEnv_("NVR_ACP", "936") {
        std::string pattern = (std::filesystem::temp_directory_path() / "hemr-kestrel-XXXXXX").string();
        root_ = ::mkdtemp(pattern.data()) ? pattern : std::string();
        install_ = root_ + "/nvr/";
        std::filesystem::create_directories(install_);
        registryEnv_.Set(root_ + "/machine.reg");
    }
    ~KestrelIniTest() override {
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }

    void SetAcp(int codePage) { acpEnv_.Set(std::to_string(codePage)); }

    // Writes the Kestrel key with the given string values (and dword lines as given).
    void WriteRegistry(const std::map<std::string, std::string>& values, const std::string& extraLines = "") {
        std::ostringstream text;
        text << "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\NVR\\Kestrel]\n";
        for (const auto& [name, value] : values) text << '"' << name << "\"=\"" << value << "\"\n";
        text << extraLines;
        WriteFile(root_ + "/machine.reg", text.str());
    }
    void WriteClientRegistry(const std::string& profileType = "0") {
        WriteRegistry({{"ClientPath", install_}, {"ProfileType", profileType}});
    }
    void WriteServerRegistry() { WriteRegistry({{"ServerPath", install_}, {"ProfileType", "0"}}); }

    static void WriteFile(const std::string& fileName, const std::string& text) {
        std::filesystem::create_directories(std::filesystem::path(fileName).parent_path());
        std::ofstream(fileName, std::ios::binary) << text;
    }
    void WriteIni(const std::string& name, const std::string& text) { WriteFile(install_ + name, text); }

    // Every line of every file under the install folder's Log folder.
    std::string ReadLogs() const {
        std::string all;
        std::error_code ignored;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(install_ + "Log", ignored)) {
            std::ifstream in(entry.path(), std::ios::binary);
            all += std::string(std::istreambuf_iterator<char>(in), {});
        }
        return all;
    }

    std::string root_;
    std::string install_;

private:
    ScopedEnv registryEnv_;
    ScopedEnv acpEnv_;
};

std::vector<std::string> ServerNames(const TKestrelIniC& ini) {
    std::vector<std::string> names;
    const rt::Variant& list = ini.ServerList();
    for (int i = list.LowBound(2); i <= list.HighBound(2); ++i) names.push_back(list.At(0, i).ToString());
    return names;
}

}  // namespace

TEST_F(KestrelIniTest, WithoutRegistryFileNothingIsReadAndE000015IsSet) {
    SetAcp(950);
    WriteIni("KestrelC.ini", "[Client Components]\nLangType=CHT\n");
    TKestrelIniC client;
    EXPECT_FALSE(client.Loaded());
    EXPECT_EQ(client.ErrorCode(), "E;000015");
    EXPECT_EQ(client.ClientPath(), "");
    EXPECT_EQ(client.ProfileType(), "0");
    EXPECT_EQ(client.ProfileUser(), "Default");
    EXPECT_EQ(client.ProfileDir(), "");
    EXPECT_EQ(client.IniFileName(), "");
    EXPECT_EQ(client.LangType(), "") << "the INI file is never reached";
    EXPECT_EQ(client.SystemCodePage(), "950");
    EXPECT_EQ(client.UICodePage(), "950") << "the interface code page starts as the system's";
    EXPECT_EQ(client.DBCodePage(), "936");
    EXPECT_EQ(client.UIConvertMode(), 2) << "modes are computed before the registry is read";
    EXPECT_EQ(client.DBConvertMode(), 2);
    EXPECT_FALSE(client.SupportCallBack());
    EXPECT_TRUE(client.ServerList().IsEmpty());
    EXPECT_TRUE(client.WorkDLLPaths().empty());

    TKestrelIniS server;
    EXPECT_EQ(server.ErrorCode(), "E;000015");
    EXPECT_TRUE(server.DBSettings().IsEmpty()) << "DBSettings stays unassigned when the load stops early";
}

TEST_F(KestrelIniTest, EmptyInstallFolderStopsWithoutErrorCode) {
    WriteRegistry({{"ServerPath", install_}, {"ProfileType", "1"}});
    WriteIni("KestrelC.ini", "[Client Components]\nLangType=CHT\n");
    TKestrelIniC client;
    EXPECT_FALSE(client.Loaded());
    EXPECT_EQ(client.ErrorCode(), "");
    EXPECT_EQ(client.ProfileType(), "1") << "ProfileType is read with the folder";
    EXPECT_EQ(client.IniFileName(), "");
    EXPECT_EQ(client.LangType(), "");

    TKestrelIniS server;
    EXPECT_TRUE(server.Loaded()) << "the same file names a server folder";
    EXPECT_EQ(server.ServerPath(), install_);
}

TEST_F(KestrelIniTest, UnreadableRegistryValueCountsAsMissingKey) {
    WriteRegistry({}, "\"ClientPath\"=dword:00000001\n");
    TKestrelIniC client;
    EXPECT_FALSE(client.Loaded());
    EXPECT_EQ(client.ErrorCode(), "E;000015");
    EXPECT_EQ(client.ClientPath(), "");
}

TEST_F(KestrelIniTest, ProfileTypeWrittenAsNumberTurnsOnProfiles) {
    WriteRegistry({{"ClientPath", install_}}, "\"ProfileType\"=dword:00000001\n");
    TKestrelIniC client;
    EXPECT_TRUE(client.Loaded());
    EXPECT_EQ(client.ProfileType(), "1");
    EXPECT_EQ(client.ProfileUser(), TKestrelIniBase::FitProfileUser(rt::GetUserName()));
}

TEST_F(KestrelIniTest, MissingIniFileGivesEveryDefault) {
    WriteClientRegistry();
    TKestrelIniC client;
    EXPECT_TRUE(client.Loaded());
    EXPECT_EQ(client.ErrorCode(), "");
    EXPECT_EQ(client.ClientPath(), install_);
    EXPECT_EQ(client.ProfileDir(), install_);
    EXPECT_EQ(client.IniFileName(), install_ + "KestrelC.ini");
    EXPECT_EQ(client.LangType(), "ENG");
    EXPECT_EQ(client.ProductVersion(), "");
    EXPECT_EQ(client.CreateGifBeforeSendEF(), "Y");
    EXPECT_EQ(client.UICodePage(), "936");
    EXPECT_EQ(client.DBCodePage(), "936");
    EXPECT_FALSE(client.SupportCallBack());
    EXPECT_EQ(client.AutoCheckNewMsg(), "1");
    EXPECT_EQ(client.CheckInterval(), "1");
    EXPECT_EQ(client.PopupMsg(), "1");
    EXPECT_EQ(client.LoginCheck(), "0");

    const rt::Variant& list = client.ServerList();
    ASSERT_TRUE(list.IsArray());
    ASSERT_EQ(list.DimCount(), 2);
    EXPECT_EQ(list.LowBound(1), 0);
    EXPECT_EQ(list.HighBound(1), 1);
    EXPECT_EQ(list.LowBound(2), 0);
    EXPECT_EQ(list.HighBound(2), 0);
    EXPECT_TRUE(list.At(0, 0).SameAs(rt::Variant("127.0.0.1")));
    EXPECT_TRUE(list.At(1, 0).SameAs(rt::Variant(211))) << "the port is an integer";
    EXPECT_EQ(client.WorkDLLPaths(), std::vector<std::string>{install_ + "C_PKG/"});
}

TEST_F(KestrelIniTest, InstallFolderGetsTrailingSeparatorAndNativeSeparators) {
    std::string bare = install_.substr(0, install_.size() - 1);
    WriteRegistry({{"ClientPath", bare}});
    EXPECT_EQ(TKestrelIniC().ClientPath(), install_);

    // A REGEDIT4 file doubles each backslash.
    WriteRegistry({{"ClientPath", bare + "\\\\"}});
    EXPECT_EQ(TKestrelIniC().ClientPath(), install_) << "a trailing backslash is a separator too";
}

TEST_F(KestrelIniTest, PerUserProfileIsReadFromTheUsersFolder) {
    WriteClientRegistry("1");
    std::string user = TKestrelIniBase::FitProfileUser(rt::GetUserName());
    std::string userDir = install_ + "Profile/" + user + "/";
    WriteIni("KestrelC.ini", "[Client Components]\nLangType=ENG\n");
    WriteFile(userDir + "KestrelC.ini", "[Client Components]\nLangType=CHT\n");
    TKestrelIniC client;
    EXPECT_EQ(client.ProfileUser(), user);
    EXPECT_EQ(client.ProfileDir(), userDir);
    EXPECT_EQ(client.IniFileName(), userDir + "KestrelC.ini");
    EXPECT_EQ(client.LangType(), "CHT");
}

TEST_F(KestrelIniTest, PerUserProfileWithoutUserFileFallsBackToInstallFolder) {
    WriteClientRegistry("1");
    WriteIni("KestrelC.ini", "[Client Components]\nLangType=CHS\n");
    TKestrelIniC client;
    EXPECT_EQ(client.ProfileUser(), TKestrelIniBase::FitProfileUser(rt::GetUserName()));
    EXPECT_EQ(client.ProfileDir(), install_);
    EXPECT_EQ(client.IniFileName(), install_ + "KestrelC.ini");
    EXPECT_EQ(client.LangType(), "CHS");
}

TEST_F(KestrelIniTest, SharedProfileIgnoresUserFolder) {
    WriteRegistry({{"ClientPath", install_}, {"ProfileType", ""}});
    WriteFile(install_ + "Profile/" + TKestrelIniBase::FitProfileUser(rt::GetUserName()) + "/KestrelC.ini",
              "[Client Components]\nLangType=CHT\n");
    TKestrelIniC client;
    EXPECT_EQ(client.ProfileUser(), "Default") << "an empty ProfileType means one shared file";
    EXPECT_EQ(client.LangType(), "ENG");
}

TEST(KestrelIniProfileUser, UserNameIsCutToThirtyOneBytesOnACharacterBoundary) {
    EXPECT_EQ(TKestrelIniBase::FitProfileUser("alice"), "alice");
    std::string exact(31, 'u');
    EXPECT_EQ(TKestrelIniBase::FitProfileUser(exact), exact);
    EXPECT_EQ(TKestrelIniBase::FitProfileUser(exact + "vw"), exact);
    std::string chinese;
    for (int i = 0; i < 11; ++i) chinese += "员";  // 33 bytes
    std::string cut = TKestrelIniBase::FitProfileUser(chinese);
    EXPECT_EQ(cut.size(), 30u) << "the eleventh character would end at byte 33";
    EXPECT_EQ(cut, chinese.substr(0, 30));
    EXPECT_EQ(TKestrelIniBase::FitProfileUser("a" + chinese).size(), 31u);
}

TEST_F(KestrelIniTest, ComputerNameListsGiveOneColumnPerName) {
    WriteClientRegistry();
    WriteIni("KestrelC.ini", "[Server Information]\nComputerName= srvA ;srvB;\nServerPort=2100\n");
    TKestrelIniC two;
    ASSERT_TRUE(two.ServerList().IsArray());
    EXPECT_EQ(ServerNames(two), (std::vector<std::string>{"srvA", "srvB"})) << "one trailing \";\" is dropped";
    for (int i = 0; i <= 1; ++i) EXPECT_TRUE(two.ServerList().At(1, i).SameAs(rt::Variant(2100))) << "column " << i;

    WriteIni("KestrelC.ini", "[Server Information]\nComputerName=srvA;;srvC;;\n");
    TKestrelIniC gaps;
    EXPECT_EQ(ServerNames(gaps), (std::vector<std::string>{"srvA", "", "srvC", ""}))
        << "empty names between separators keep their place";
    EXPECT_TRUE(gaps.ServerList().At(1, 3).SameAs(rt::Variant(211)));
}

TEST_F(KestrelIniTest, EmptyComputerNameSetsE000016AndLeavesRawWorkLines) {
    WriteClientRegistry();
    WriteIni("KestrelC.ini",
             "[Server Information]\nComputerName=  ;  \n"
             "[WorkDLLPath]\nPath1 = \\C_PKG\\\nPath2=D:\\Lib\n"
             "[TaskMessageCenter Setting]\nPopupMsg=0\n");
    TKestrelIniC client;
    EXPECT_FALSE(client.Loaded());
    EXPECT_EQ(client.ErrorCode(), "E;000016");
    EXPECT_TRUE(client.ServerList().IsEmpty());
    EXPECT_EQ(client.WorkDLLPaths(), (std::vector<std::string>{"Path1=\\C_PKG\\", "Path2=D:\\Lib"}));
    EXPECT_EQ(client.PopupMsg(), "0") << "keys before the name check are read";
}

TEST_F(KestrelIniTest, WorkDLLPathEntriesResolveAgainstInstallFolder) {
    WriteClientRegistry();
    WriteIni("KestrelC.ini",
             "[WorkDLLPath]\n"
             "Bare=Work\n"
             "Wrapped=\\Pkg\\\n"
             "Drive=D:\\Lib\\Sub\n"
             "Rooted=/opt/lib\n"
             "Unc=\\\\host\\share\\dll\n"
             "Nested=Sub\\Deep\\\n");
    TKestrelIniC client;
    ASSERT_TRUE(client.Loaded());
    EXPECT_EQ(client.WorkDLLPaths(),
              (std::vector<std::string>{install_ + "Work/", install_ + "Pkg/", "D:/Lib/Sub/", "/opt/lib/",
                                        "//host/share/dll/", install_ + "Sub/Deep/"}));

    std::vector<std::string> target{"stale"};
    client.GetWorkDLLPaths(target);
    EXPECT_EQ(target, client.WorkDLLPaths()) << "the caller's list is replaced, not appended to";
}

TEST_F(KestrelIniTest, EmptyWorkDLLSectionGivesPackageFolder) {
    WriteClientRegistry();
    WriteIni("KestrelC.ini", "[WorkDLLPath]\n; no entries yet\n[Other]\nA=1\n");
    EXPECT_EQ(TKestrelIniC().WorkDLLPaths(), std::vector<std::string>{install_ + "C_PKG/"});

    WriteServerRegistry();
    WriteIni("KestrelS.ini", "[WorkDLLPath]\n");
    EXPECT_EQ(TKestrelIniS().WorkDLLPaths(), std::vector<std::string>{install_ + "S_PKG/"});
}

TEST(KestrelIniResolvePath, DrivePartsStayAndOthersGoBelowBase) {
    EXPECT_EQ(hemr::ResolvePath("C:\\x\\", "/base/"), "C:\\x\\");
    EXPECT_EQ(hemr::ResolvePath("c:x", "/base/"), "c:x");
    EXPECT_EQ(hemr::ResolvePath("/abs/", "/base/"), "/abs/");
    EXPECT_EQ(hemr::ResolvePath("\\\\srv\\share\\", "/base/"), "\\\\srv\\share\\");
    EXPECT_EQ(hemr::ResolvePath("\\rel\\", "/base/"), "/base/rel\\");
    EXPECT_EQ(hemr::ResolvePath("rel", "/base/"), "/base/rel");
    EXPECT_EQ(hemr::ResolvePath("", "/base/"), "/base/");
}

struct CodePageCase {
    int acp;
    std::string iniLines;
    std::string system, ui, db;
    int uiMode, dbMode;
};

TEST_F(KestrelIniTest, ConversionModesFollowTheCodePages) {
    const CodePageCase cases[] = {
        {1252, "", "437", "437", "936", 0, 0},
        {437, "", "437", "437", "936", 0, 0},
        {936, "", "936", "936", "936", 0, 0},
        {950, "", "950", "950", "936", 2, 2},
        {950, "UICodePage=936\n", "950", "936", "936", 4, 0},
        {950, "UICodePage=936\nDBCodePage=950\n", "950", "936", "950", 4, 1},
        {936, "DBCodePage=950\n", "936", "936", "950", 0, 1},
        {936, "UICodePage=950\nDBCodePage=936\n", "936", "950", "936", 2, 2},
        {936, "UICodePage=950\nDBCodePage=950\n", "936", "950", "950", 2, 0},
        {1252, "UICodePage=950\n", "437", "950", "936", 2, 2},
    };
    WriteClientRegistry();
    for (const CodePageCase& c : cases) {
        SetAcp(c.acp);
        WriteIni("KestrelC.ini", "[CodePage]\n" + c.iniLines);
        TKestrelIniC ini;
        std::string scenario = "ACP " + std::to_string(c.acp) + " with [" + c.iniLines + "]";
        EXPECT_EQ(ini.SystemCodePage(), c.system) << scenario;
        EXPECT_EQ(ini.UICodePage(), c.ui) << scenario;
        EXPECT_EQ(ini.DBCodePage(), c.db) << scenario;
        EXPECT_EQ(ini.UIConvertMode(), c.uiMode) << scenario;
        EXPECT_EQ(ini.DBConvertMode(), c.dbMode) << scenario;
    }
}

TEST_F(KestrelIniTest, ServerComputesConversionModesFromItsOwnFile) {
    SetAcp(950);
    WriteServerRegistry();
    WriteIni("KestrelC.ini", "[CodePage]\nUICodePage=950\n");
    WriteIni("KestrelS.ini", "[CodePage]\nUICodePage=936\nDBCodePage=950\n");
    TKestrelIniS server;
    EXPECT_EQ(server.UIConvertMode(), 4);
    EXPECT_EQ(server.DBConvertMode(), 1);
}

TEST(KestrelIniYes, OnlyTheFourYesWordsInAnyCaseAreTrue) {
    for (const char* yes : {"1", "y", "Y", "yes", "Yes", "YES", "true", "True"})
        EXPECT_TRUE(TKestrelIniBase::IsYes(yes)) << yes;
    for (const char* no : {"0", "", "N", "no", "2", "yess", "on", "-1"}) EXPECT_FALSE(TKestrelIniBase::IsYes(no)) << no;
}

TEST_F(KestrelIniTest, SupportCallBackComesFromEachObjectsSection) {
    WriteClientRegistry();
    WriteIni("KestrelC.ini", "[Server Information]\nSupportCallBack=yes\n[DBPasswordCtrl]\nSupportCallBack=0\n");
    EXPECT_TRUE(TKestrelIniC().SupportCallBack()) << "lower-case yes counts as true";

    WriteServerRegistry();
    WriteIni("KestrelS.ini", "[Server Information]\nSupportCallBack=0\n[DBPasswordCtrl]\nSupportCallBack=True\n");
    EXPECT_TRUE(TKestrelIniS().SupportCallBack());
    WriteIni("KestrelS.ini", "[Server Information]\nSupportCallBack=1\n");
    EXPECT_FALSE(TKestrelIniS().SupportCallBack()) << "the server reads only DBPasswordCtrl";
}

TEST_F(KestrelIniTest, MainDBKindFromMainDatabaseType) {
    WriteServerRegistry();
    const std::pair<const char*, int> kinds[] = {{"ORACLE", 1}, {"oracle", 1}, {"Db2", 2}, {"MSSQL", 0},
                                                 {"ORACLE8", 0}, {"", 0}};
    for (const auto& [type, kind] : kinds) {
        WriteIni("KestrelS.ini", std::string("[DBE Setting]\nMainDBType=") + type + "\n");
        EXPECT_EQ(TKestrelIniS().MainDBKind(), kind) << "MainDBType=" << type;
    }
    WriteIni("KestrelS.ini", "");
    EXPECT_EQ(TKestrelIniS().MainDBKind(), 0) << "the default MSSQL";
}

TEST_F(KestrelIniTest, ServerDefaultsFillTheDBSettingsLayout) {
    WriteServerRegistry();
    TKestrelIniS server;
    ASSERT_TRUE(server.Loaded());
    const rt::Variant& db = server.DBSettings();
    ASSERT_TRUE(db.IsArray());
    ASSERT_EQ(db.DimCount(), 2);
    EXPECT_EQ(db.LowBound(1), 0);
    EXPECT_EQ(db.HighBound(1), 3);
    EXPECT_EQ(db.LowBound(2), 0);
    EXPECT_EQ(db.HighBound(2), 7);

    const rt::Variant expected[4][8] = {
        {"Ostrel", "sa", "", "MSSQL", "", "", 300, 3000},
        {"OstrelTemp", "sa", "", "PARADOX", "", "PostgreSQL", 300, 3000},
        {"", 211, 1024, "Chinese_Taiwan_Stroke_BIN", {}, {}, {}, {}},
        {"EDIDATA", "sa", "", {}, {}, {}, {}, {}},
    };
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 8; ++col)
            EXPECT_TRUE(db.At(row, col).SameAs(expected[row][col]))
                << "cell [" << row << ", " << col << "] is " << rt::VarToStr(db.At(row, col)) << " of type "
                << db.At(row, col).TypeName();
    EXPECT_EQ(server.SystemControlAddress(), "");
    EXPECT_EQ(server.OtherSystemControlAddress(), "");
    EXPECT_EQ(server.IniFileName(), install_ + "KestrelS.ini");
}

TEST_F(KestrelIniTest, ServerValuesGoToTheirCells) {
    WriteServerRegistry();
    WriteIni("KestrelS.ini",
             "[ProductVersion]\nVersion=7.0\n"
             "[DBE Setting]\nMainUserName=erp\nMainAlias=Main\nMainDBType=DB2\nMainDBName=erpdb\n"
             "MainServerName=dbhost\nOtherSystemControlAddress=ctl2\nMainConnectionTimeOut=30\n"
             "MainCommandTimeOut=abc\nTempAlias=T\nTempDriverName=SQLite\nTempCommandTimeOut=9\n"
             "DataBaseCodeOrder=Chinese_PRC_BIN\nEctAlias=X\nEctPassword=plain\n"
             "[DBPasswordCtrl]\nComputerName=  sock  \nServerPort=311\nClientSocketPort=2048\n");
    TKestrelIniS server;
    const rt::Variant& db = server.DBSettings();
    EXPECT_EQ(server.ProductVersion(), "7.0");
    EXPECT_TRUE(db.At(0, 0).SameAs(rt::Variant("Main")));
    EXPECT_TRUE(db.At(0, 1).SameAs(rt::Variant("erp")));
    EXPECT_TRUE(db.At(0, 4).SameAs(rt::Variant("erpdb")));
    EXPECT_TRUE(db.At(0, 5).SameAs(rt::Variant("dbhost")));
    EXPECT_TRUE(db.At(0, 6).SameAs(rt::Variant(30)));
    EXPECT_TRUE(db.At(0, 7).SameAs(rt::Variant(3000))) << "an unparsable number takes the default";
    EXPECT_TRUE(db.At(1, 0).SameAs(rt::Variant("T")));
    EXPECT_TRUE(db.At(1, 5).SameAs(rt::Variant("SQLite")));
    EXPECT_TRUE(db.At(1, 7).SameAs(rt::Variant(9)));
    EXPECT_TRUE(db.At(2, 0).SameAs(rt::Variant("sock"))) << "the socket computer name is trimmed";
    EXPECT_TRUE(db.At(2, 1).SameAs(rt::Variant(311)));
    EXPECT_TRUE(db.At(2, 2).SameAs(rt::Variant(2048)));
    EXPECT_TRUE(db.At(2, 3).SameAs(rt::Variant("Chinese_PRC_BIN")));
    EXPECT_TRUE(db.At(3, 0).SameAs(rt::Variant("X")));
    EXPECT_TRUE(db.At(3, 2).SameAs(rt::Variant("plain"))) << "the exchange password is not enciphered";
    EXPECT_EQ(server.SystemControlAddress(), "dbhost") << "a blank address takes the main server name";
    EXPECT_EQ(server.OtherSystemControlAddress(), "ctl2");
    EXPECT_EQ(server.MainDBKind(), 2);
}

TEST_F(KestrelIniTest, EncipheredPasswordsAreDeciphered) {
    WriteServerRegistry();
    WriteIni("KestrelS.ini", "[DBE Setting]\nXXXXXX=" + hemr::EncipherPassword("s3cret!") +
                                 "\nTempPassword=" + hemr::EncipherPassword("temp") + "\n");
    TKestrelIniS server;
    EXPECT_TRUE(server.DBSettings().At(0, 2).SameAs(rt::Variant("s3cret!")));
    EXPECT_TRUE(server.DBSettings().At(1, 2).SameAs(rt::Variant("temp")));
    EXPECT_EQ(ReadLogs().find("解析 Sa 时发生错误!"), std::string::npos) << "nothing to report";
}

TEST_F(KestrelIniTest, MalformedPasswordIsReportedAndTakenAsEmpty) {
    WriteServerRegistry();
    WriteIni("KestrelS.ini", "[DBE Setting]\nXXXXXX=sa-in-clear\nTempPassword=" + hemr::EncipherPassword("temp") +
                                 "\nMainUserName=erp\n");
    TKestrelIniS server;
    EXPECT_TRUE(server.Loaded()) << "a bad password does not stop the load";
    EXPECT_TRUE(server.DBSettings().At(0, 2).SameAs(rt::Variant(""))) << "the password becomes empty";
    EXPECT_TRUE(server.DBSettings().At(1, 2).SameAs(rt::Variant("temp"))) << "the other password is unaffected";
    EXPECT_TRUE(server.DBSettings().At(0, 1).SameAs(rt::Variant("erp"))) << "keys after it are still read";
    std::string logs = ReadLogs();
    EXPECT_NE(logs.find("Programer Message: 解析 Sa 时发生错误!"), std::string::npos)
        << "the generator log holds the report:\n" << logs;
    EXPECT_EQ(logs.find("sa-in-clear"), std::string::npos) << "the stored text never reaches the log";
}
