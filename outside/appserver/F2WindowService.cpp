#include "outside/appserver/F2WindowService.h"

#include "outside/appserver/F2Tables.h"
#include "outside/appserver/F2WindowDriver.h"
#include "outside/appserver/ServerValues.h"
#include "platform/sysutils/Clock.h"
#include "platform/sysutils/DateFormat.h"
#include "platform/sysutils/StrUtils.h"

namespace appserver {

F2WindowService::F2WindowService(StorePtr store) : store_(std::move(store)) {
    DefineMethod("F2GetData", [this](rt::DispatchArgs& a) {
        a.Require(1, 1);
        return F2GetData(a[0]);
    });
    DefineMethod("ShowInputDay", [this](rt::DispatchArgs& a) {
        a.Require(1, 1);
        return rt::Variant(ShowInputDay(a[0]));
    });
    DefineMethod("GetPhrase", [this](rt::DispatchArgs& a) {
        a.Require(1, 3);
        return rt::Variant(GetPhrase(rt::Trim(ArgText(a[0]))));
    });
}

rt::Variant F2WindowService::F2GetData(const rt::Variant& value) {
    F2Request request = F2Request::Parse(value);
    TextRows rows = F2TableRows(store_->Db(), request.table, request.key);
    std::shared_ptr<IF2WindowDriver> driver = F2WindowDriver();
    if (!driver)
        return rt::Variant();
    TextRows chosen = driver->ChooseRows(request, rows);
    if (chosen.empty())
        return rt::Variant();
    if (!request.multiple)
        chosen.resize(1);
    return RowsVariant(chosen);
}

std::string F2WindowService::ShowInputDay(const rt::Variant& value) {
    InputDayRequest request = InputDayRequest::Parse(value, rt::FormatDateTime("yyyymmdd", rt::Now()));
    std::shared_ptr<IF2WindowDriver> driver = F2WindowDriver();
    if (!driver)
        return "";
    std::string day = rt::Trim(driver->ChooseDay(request));
    return IsInputDay(day) ? day : "";
}

std::string F2WindowService::GetPhrase(const std::string& user) {
    SqliteStatement q = store_->Db().Prepare("SELECT PHRASE FROM PHRASES WHERE USER_ID = ?");
    q.Bind(1, user);
    return q.Step() ? q.Text(0) : "";
}

}  // namespace appserver
