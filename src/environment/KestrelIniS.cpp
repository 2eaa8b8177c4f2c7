#include "src/environment/KestrelIniS.h"

#include "platform/core/Exceptions.h"
#include "platform/os/IniFile.h"
#include "platform/sysutils/StrUtils.h"
#include "src/environment/LibSys.h"
#include "src/environment/PasswordCipher.h"

namespace hemr {

namespace {

constexpr const char* kDBE = "DBE Setting";
constexpr const char* kPasswordCtrl = "DBPasswordCtrl";

// A password that cannot be deciphered is reported and taken as empty, so a
// damaged entry never reaches the database as if it were the password.
std::string ReadPassword(const rt::TIniFile& ini, const std::string& key) {
    std::string enciphered = ini.ReadString(kDBE, key, "");
    try {
        return DecipherPassword(enciphered);
    } catch (const rt::Exception& e) {
        WriteExceptionReport(&e, "TKestrelIniS " + key, "解析 Sa 时发生错误!");
        return {};
    }
}

}  // namespace

TKestrelIniS::TKestrelIniS() : TKestrelIniBase("ServerPath", "KestrelS.ini", "S_PKG/") {
    Load();
}

TKestrelIniS::~TKestrelIniS() = default;

void TKestrelIniS::ReadKeys(const rt::TIniFile& ini) {
    dbSettings_ = rt::Variant::CreateArray({{0, 3}, {0, 7}});
    ReadProductVersion(ini);
    ReadCodePages(ini);
    ReadMainDatabase(ini);
    ReadTempDatabase(ini);
    ReadSocketServer(ini);
    ReadExchangeDatabase(ini);
    ReadWorkDLLSection(ini);
}

bool TKestrelIniS::FinishKeys() {
    std::string mainServer = rt::VarToStr(dbSettings_.At(dbMain, 5));
    if (rt::Trim(systemControlAddress_).empty()) systemControlAddress_ = mainServer;
    if (rt::Trim(otherSystemControlAddress_).empty()) otherSystemControlAddress_ = mainServer;
    std::string dbType = rt::VarToStr(dbSettings_.At(dbMain, 3));
    if (rt::SameText(dbType, "ORACLE")) mainDBKind_ = 1;
    else if (rt::SameText(dbType, "DB2")) mainDBKind_ = 2;
    else mainDBKind_ = 0;
    return true;
}

void TKestrelIniS::ReadMainDatabase(const rt::TIniFile& ini) {
    Set(dbMain, 1, ini.ReadString(kDBE, "MainUserName", "sa"));
    Set(dbMain, 2, ReadPassword(ini, "XXXXXX"));
    Set(dbMain, 0, ini.ReadString(kDBE, "MainAlias", "Ostrel"));
    Set(dbMain, 3, ini.ReadString(kDBE, "MainDBType", "MSSQL"));
    Set(dbMain, 4, ini.ReadString(kDBE, "MainDBName", ""));
    Set(dbMain, 5, ini.ReadString(kDBE, "MainServerName", ""));
    systemControlAddress_ = ini.ReadString(kDBE, "SystemControlAddress", "");
    otherSystemControlAddress_ = ini.ReadString(kDBE, "OtherSystemControlAddress", "");
    Set(dbMain, 6, ini.ReadInteger(kDBE, "MainConnectionTimeOut", 300));
    Set(dbMain, 7, ini.ReadInteger(kDBE, "MainCommandTimeOut", 3000));
}

void TKestrelIniS::ReadTempDatabase(const rt::TIniFile& ini) {
    Set(dbTemp, 0, ini.ReadString(kDBE, "TempAlias", "OstrelTemp"));
    Set(dbTemp, 1, ini.ReadString(kDBE, "TempUserName", "sa"));
    Set(dbTemp, 2, ReadPassword(ini, "TempPassword"));
    Set(dbTemp, 3, ini.ReadString(kDBE, "TempDBType", "PARADOX"));
    Set(dbTemp, 4, ini.ReadString(kDBE, "TempDBName", ""));
    Set(dbTemp, 5, ini.ReadString(kDBE, "TempDriverName", "PostgreSQL"));
    Set(dbTemp, 6, ini.ReadInteger(kDBE, "TempConnectionTimeOut", 300));
    Set(dbTemp, 7, ini.ReadInteger(kDBE, "TempCommandTimeOut", 3000));
}

void TKestrelIniS::ReadSocketServer(const rt::TIniFile& ini) {
    Set(dbSocket, 0, rt::Trim(ini.ReadString(kPasswordCtrl, "ComputerName", "")));
    Set(dbSocket, 1, ini.ReadInteger(kPasswordCtrl, "ServerPort", 211));
    Set(dbSocket, 2, ini.ReadInteger(kPasswordCtrl, "ClientSocketPort", 1024));
    SetSupportCallBack(ini.ReadString(kPasswordCtrl, "SupportCallBack", "0"));
    Set(dbSocket, 3, ini.ReadString(kDBE, "DataBaseCodeOrder", "Chinese_Taiwan_Stroke_BIN"));
}

void TKestrelIniS::ReadExchangeDatabase(const rt::TIniFile& ini) {
    Set(dbExchange, 0, ini.ReadString(kDBE, "EctAlias", "EDIDATA"));
    Set(dbExchange, 1, ini.ReadString(kDBE, "EctUserName", "sa"));
    // Kept as read: this password is not stored enciphered.
    Set(dbExchange, 2, ini.ReadString(kDBE, "EctPassword", ""));
}

void TKestrelIniS::Set(DBRow row, int column, const rt::Variant& value) {
    dbSettings_.At(row, column) = value;
}

}  // namespace hemr
