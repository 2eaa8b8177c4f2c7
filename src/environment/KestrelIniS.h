#pragma once
// The server configuration: install folder "ServerPath", KestrelS.ini, the
// databases and the socket server (DBSettings) and the control addresses.

#include "platform/core/Variant.h"
#include "src/environment/KestrelIniBase.h"

#include <cstdint>
#include <string>

namespace hemr {

class TKestrelIniS : public TKestrelIniBase {
public:
    // Rows of DBSettings.
    enum DBRow { dbMain = 0, dbTemp = 1, dbSocket = 2, dbExchange = 3 };

    TKestrelIniS();
    ~TKestrelIniS() override;

    const std::string& ServerPath() const { return InstallPath(); }
    // [0..3, 0..7]; row 0 main database (alias, user, password, type, name,
    // server, connection and command time-outs), row 1 temporary database
    // (the same with the driver name in column 5), row 2 socket server
    // (computer, server port, client socket port, collation), row 3
    // data-exchange database (alias, user, password); other cells unassigned.
    // Unassigned as a whole when the load stopped before the INI file.
    const rt::Variant& DBSettings() const { return dbSettings_; }
    const std::string& SystemControlAddress() const { return systemControlAddress_; }
    const std::string& OtherSystemControlAddress() const { return otherSystemControlAddress_; }
    // 1 for an ORACLE main database, 2 for DB2, else 0.
    uint8_t MainDBKind() const { return mainDBKind_; }

protected:
    void ReadKeys(const rt::TIniFile& ini) override;
    bool FinishKeys() override;

private:
    void ReadMainDatabase(const rt::TIniFile& ini);
    void ReadTempDatabase(const rt::TIniFile& ini);
    void ReadSocketServer(const rt::TIniFile& ini);
    void ReadExchangeDatabase(const rt::TIniFile& ini);
    void Set(DBRow row, int column, const rt::Variant& value);

    rt::Variant dbSettings_;
    std::string systemControlAddress_;
    std::string otherSystemControlAddress_;
    uint8_t mainDBKind_ = 0;
};

}  // namespace hemr
