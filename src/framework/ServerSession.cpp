#include "src/framework/ServerSession.h"

#include <array>

#include "platform/automation/ComObj.h"
#include "platform/sysutils/Format.h"
#include "platform/sysutils/StrUtils.h"
#include "src/environment/CodeConverter.h"
#include "src/environment/LibStrs.h"
#include "src/framework/SessionContext.h"

namespace hemr {

namespace {

constexpr int32_t kDefaultProductID = 3;
// The catalogue row: name first, the log flag fifth, the English name eighth.
constexpr int kCatalogueName = 0;
constexpr int kCatalogueWantLog = 4;
constexpr int kCatalogueEnglishName = 7;

// Default captions of the four goods-classification settings.
std::string ClassificationCaption(const std::string& name, const std::string& uiCodePage) {
    static constexpr std::array<const char*, 4> kChinese = {"商品分类方式一", "商品分类方式二", "商品分类方式三",
                                                            "商品分类方式四"};
    static constexpr std::array<const char*, 4> kEnglish = {"Inv.Cate.1", "Inv.Cate.2", "Inv.Cate.3", "Inv.Cate.4"};
    static constexpr std::array<const char*, 4> kNames = {"SYS007", "SYS008", "SYS009", "SYS010"};
    for (size_t i = 0; i < kNames.size(); ++i)
        if (rt::SameText(name, kNames[i])) return uiCodePage == "437" ? kEnglish[i] : kChinese[i];
    return "";
}

// A flag of the rights line is set unless its character is "N"; a missing one counts as "N".
bool RightsFlagAt(const std::string& field, size_t index) { return index < field.size() && field[index] != 'N'; }

const rt::Variant& ElementOr(const rt::Variant& array, int index, const rt::Variant& fallback) {
    if (!array.IsArray() || index < array.LowBound() || index > array.HighBound()) return fallback;
    return array[index];
}

}  // namespace

TServerSession::TServerSession(ISessionContext& context) : context_(context) {}

rt::Variant TServerSession::ReadService(const char* name) const {
    try {
        if (!session_.IsDispatch()) return rt::Variant();
        rt::Variant service = session_.Get(name);
        return service.IsDispatch() ? service : rt::Variant();
    } catch (const std::exception&) {
        return rt::Variant();
    }
}

void TServerSession::FetchServices(bool createLocally) {
    if (createLocally) {
        try {
            session_ = rt::CreateOleObject(kSessionProgID);
        } catch (const std::exception&) {
            session_ = rt::Variant();
        }
    }
    counter_ = ReadService("Com_Counter");
    ReloadSettings();
    validator_ = ReadService("Com_Validator");
}

void TServerSession::FetchF2Window() { f2Window_ = ReadService("Com_F2Window"); }

int32_t TServerSession::ReadProductID() const {
    try {
        if (!session_.IsDispatch()) return kDefaultProductID;
        return session_.Get("ProductID").ToInt();
    } catch (const std::exception&) {
        return kDefaultProductID;
    }
}

void TServerSession::ReleaseServices() {
    f2Window_ = rt::Variant();
    validator_ = rt::Variant();
    counter_ = rt::Variant();
}

void TServerSession::Release() {
    ReleaseServices();
    session_ = rt::Variant();
}

void TServerSession::ReloadSettings() {
    if (!counter_.IsDispatch()) return;
    try {
        const rt::Variant info = counter_.Call("GetSysInfo", {rt::Variant(context_.SessionCompanyID())});
        if (!info.IsArray() || info.DimCount() != 2) return;
        const int names = info.LowBound(1);
        for (int i = info.LowBound(2); i <= info.HighBound(2); ++i)
            settings_[rt::UpperCase(rt::VarToStr(info.At(names, i)))] = rt::VarToStr(info.At(names + 1, i));
    } catch (const std::exception&) {
        // The cache keeps what it had; every setting then answers its default.
    }
}

rt::Variant TServerSession::FromDB(const rt::Variant& value) const {
    return context_.SessionConverted() ? context_.SessionConverter().DBToUI(value) : value;
}

std::string TServerSession::GetSysSetting(const std::string& name) {
    if (name.empty()) {
        ReloadSettings();
        return "";
    }
    const auto found = settings_.find(rt::UpperCase(name));
    const std::string value = found != settings_.end() ? found->second : std::string();
    if (value.empty()) return ClassificationCaption(name, context_.SessionConverter().UICodePage());
    return rt::VarToStr(FromDB(rt::Variant(value)));
}

bool TServerSession::QueryValue(const std::string& entity, const std::string& company, bool query, rt::Variant& out,
                                const rt::Variant& key) {
    const rt::Variant dbKey = context_.SessionConverter().UIToDB(key);
    if (!validator_.IsDispatch()) return false;
    try {
        validator_.Put("ProductID", rt::Variant(productID_));
        validator_.Put("BaseLimited", rt::Variant(rightsText_));
    } catch (const std::exception&) {
        // Older validators know neither property; the check runs without them.
    }
    try {
        rt::Variant result;
        const bool found = validator_
                               .Call(query ? "QueryData" : "CheckValue",
                                     {rt::Variant(entity), rt::Variant(company), rt::Variant(context_.SessionDbName()),
                                      dbKey, rt::Variant::Ref(result)})
                               .ToBool();
        out = FromDB(result);
        return found;
    } catch (const std::exception&) {
        return false;
    }
}

rt::Variant TServerSession::GetCounter(const std::string& name, const rt::Variant& key) {
    if (!counter_.IsDispatch()) return rt::Variant();
    try {
        const rt::Variant context = rt::Variant::ArrayOf(
            {rt::Variant(context_.SessionCompanyID()), rt::Variant(context_.SessionDbName())});
        return FromDB(counter_.Call("GetCounter", {rt::Variant(rt::UpperCase(name)), key, context}));
    } catch (const std::exception&) {
        return rt::Variant();
    }
}

std::string TServerSession::GetMessageText(const std::string& type, const std::string& number) {
    if (session_.IsDispatch()) {
        try {
            return rt::VarToStr(
                context_.SessionConverter().DBToUI(session_.Call("GetMessage", {rt::Variant(type), rt::Variant(number)})));
        } catch (const std::exception&) {
            // A session that cannot answer is treated like a missing one, so the code still shows.
        }
    }
    return rt::Format("Can not Get Message\rType= %s, ID= %s ", {type, number});
}

TProgramEntry TServerSession::LookupProgram(const std::string& programCode) {
    TProgramEntry entry;
    try {
        rt::Variant row;
        if (!QueryValue("ADMMB", "01", false, row, rt::Variant::ArrayOf({rt::Variant(programCode)}))) return entry;
        const rt::Variant none;
        entry.Name = rt::VarToStr(ElementOr(row, kCatalogueName, none));
        entry.WantLog = rt::VarToStr(ElementOr(row, kCatalogueWantLog, none)) == "Y";
        if (row.IsArray() && row.ElementCount() > kCatalogueEnglishName &&
            context_.SessionConverter().UICodePage() == "437")
            entry.Name = rt::VarToStr(ElementOr(row, kCatalogueEnglishName, none));
    } catch (const std::exception&) {
        entry.Name = programCode;
        entry.WantLog = false;
    }
    return entry;
}

void TServerSession::CallHelp(const std::string& system, const std::string& topic) {
    if (!session_.IsDispatch()) return;
    try {
        session_.Call("CallHelp", {rt::Variant::ArrayOf({rt::Variant(system), rt::Variant(topic)})});
    } catch (const std::exception&) {
    }
}

std::string TServerSession::GetFileList(const std::string& fileName) {
    if (!session_.IsDispatch()) return "";
    try {
        return rt::VarToStr(session_.Call("GetFileList", {rt::Variant::ArrayOf({rt::Variant(rt::LowerCase(fileName))})}));
    } catch (const std::exception&) {
        return "";
    }
}

void TServerSession::SetSessionInfo(const rt::Variant& info) {
    const rt::Variant none;
    const std::string rights = GetField(rt::VarToStr(ElementOr(info, 1, none)), ",", 4);
    rightsFlag1_ = RightsFlagAt(rights, 6);
    rightsFlag2_ = RightsFlagAt(rights, 7);
    webText_ = rt::VarToStr(ElementOr(info, 3, none));
    rightsText_ = JoinParamArray(rt::VarToStr(ElementOr(info, 4, none)), ElementOr(info, 5, none));
}

}  // namespace hemr
