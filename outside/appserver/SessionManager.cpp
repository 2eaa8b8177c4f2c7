#include "outside/appserver/SessionManager.h"

#include <cctype>

#include "outside/appserver/ServerError.h"
#include "outside/appserver/CounterService.h"
#include "outside/appserver/F2WindowService.h"
#include "outside/appserver/ServerValues.h"
#include "outside/appserver/ValidatorService.h"
#include "platform/core/Exceptions.h"
#include "platform/os/Files.h"
#include "platform/sysutils/Clock.h"
#include "platform/sysutils/DateFormat.h"
#include "platform/sysutils/IntConv.h"
#include "platform/sysutils/StrUtils.h"

namespace appserver {

namespace {

std::string PaddedNumber(std::string number) {
    number = rt::Trim(number);
    bool digits = !number.empty() && number.size() < 6;
    for (char c : number)
        digits = digits && std::isdigit(static_cast<unsigned char>(c));
    return digits ? std::string(6 - number.size(), '0') + number : number;
}

}  // namespace

SessionManager::SessionManager(StorePtr store, std::string packageAddress)
    : store_(std::move(store)),
      publisher_(store_->Home(), std::move(packageAddress)),
      counter_(std::make_shared<CounterService>(store_)),
      validator_(std::make_shared<ValidatorService>(store_)),
      f2Window_(std::make_shared<F2WindowService>(store_)) {
    DefineProperty("ProductID", [this](rt::DispatchArgs&) { return rt::Variant(ProductID()); });
    DefineProperty("Com_Counter", [this](rt::DispatchArgs&) { return rt::Variant(counter_); });
    DefineProperty("Com_Validator", [this](rt::DispatchArgs&) { return rt::Variant(validator_); });
    DefineProperty("Com_F2Window", [this](rt::DispatchArgs&) { return rt::Variant(f2Window_); });
    DefineProperty(
        "Language", [this](rt::DispatchArgs&) { return rt::Variant(language_); },
        [this](rt::DispatchArgs&, const rt::Variant& value) { SetLanguage(ArgText(value)); });
    DefineMethod("GetMessage", [this](rt::DispatchArgs& a) {
        a.Require(2, 2);
        return rt::Variant(GetMessage(ArgText(a[0]), ArgText(a[1])));
    });
    DefineMethod("CallHelp", [this](rt::DispatchArgs& a) {
        a.Require(1, 1);
        CallHelp(a[0]);
        return rt::Variant();
    });
    DefineMethod("GetFileList", [this](rt::DispatchArgs& a) {
        a.Require(1, 1);
        const rt::Variant& names = a[0];
        return rt::Variant(GetFileList(names.IsArray() ? ArrayTexts(names, "The file list")
                                                       : std::vector<std::string>{ArgText(names)}));
    });
}

int SessionManager::ProductID() {
    SqliteStatement q = store_->Db().Prepare("SELECT MA003 FROM NVRINTMA WHERE MA001 = 'ProductID'");
    if (!q.Step())
        return 3;
    return rt::StrToIntDef(q.Text(0), 3);
}

std::string SessionManager::GetMessage(const std::string& type, const std::string& number) {
    std::string t = rt::UpperCase(rt::Trim(type));
    std::string n = PaddedNumber(number);
    SqliteStatement q =
        store_->Db().Prepare("SELECT MSGTEXT, MSGTEXT_EN FROM MESSAGES WHERE MSGTYPE = ? AND MSGNO = ?");
    q.Bind(1, t).Bind(2, n);
    const bool english = language_ == "ENG";
    if (q.Step())
        return english && !q.Text(1).empty() ? q.Text(1) : q.Text(0);
    return (english ? "Undefined message [" : "未定义的讯息 [") + t + ";" + n + "]";
}

void SessionManager::SetLanguage(const std::string& langType) { language_ = rt::UpperCase(rt::Trim(langType)); }

void SessionManager::CallHelp(const rt::Variant& topic) {
    std::vector<std::string> parts = ArrayTexts(topic, "The help topic");
    if (parts.size() < 2)
        throw EServerError("CallHelp needs [system, topic]");
    store_->Db()
        .Prepare("INSERT INTO HELPLOG (SYSTEM, TOPIC, CALLED_AT) VALUES (?, ?, ?)")
        .Bind(1, parts[0])
        .Bind(2, parts[1])
        .Bind(3, rt::FormatDateTime("yyyy-mm-dd hh:nn:ss.zzz", rt::Now()))
        .Run();
}

std::string SessionManager::GetFileList(const std::vector<std::string>& names) const {
    std::string list = "<FileList>";
    for (const std::string& name : names)
        list += publisher_.Describe(name);
    return list + "</FileList>";
}

}  // namespace appserver
