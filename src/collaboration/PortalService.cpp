#include "src/collaboration/PortalService.h"

#include "platform/core/Exceptions.h"
#include "platform/dialogs/Dialogs.h"
#include "platform/os/DynLib.h"
#include "platform/os/Files.h"
#include "platform/os/SysInfo.h"
#include "platform/sysutils/Clock.h"
#include "platform/sysutils/DateFormat.h"
#include "platform/sysutils/StrUtils.h"
#include "src/collaboration/LibXml.h"
#include "src/environment/LibSys.h"

namespace hemr {

namespace {

using TPellwickFx = int32_t (*)(const char*, const char*, const char*, const char*);
using TPellwickLastError = const char* (*)();

constexpr const char* kCallError = "Call portal webservice error! ";
constexpr const char* kTracePause = "跟踪测试中断!可在此时设置Dll之Modules。点\"OK\"继续。";

// The library stays loaded once found, as the shell's other outside libraries do.
rt::HMODULE WebServiceLibrary() {
    static rt::HMODULE library = 0;
    if (library == 0) library = rt::LoadLibrary(kWebServiceLibrary);
    return library;
}

bool TraceRequested() {
    const int count = rt::ParamCount();
    return count > 0 && rt::SameText(rt::ParamStr(count), "T");
}

// Every line closed by carriage return and line feed, as a text list gives it back.
std::string AsTextLines(const std::string& bytes) {
    std::string text;
    text.reserve(bytes.size() + bytes.size() / 32);
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string::npos) end = bytes.size();
        text.append(bytes, start, end - start).append("\r\n");
        if (end < bytes.size() && bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n') ++end;
        start = end + 1;
    }
    return text;
}

// Deletes the result file on every way out of the call.
struct TResultFile {
    std::string name;
    ~TResultFile() { rt::DeleteFile(name); }
};

}  // namespace

std::string PortalLocale(const std::string& CodePage) {
    if (CodePage == "936") return "zh_CN";
    if (CodePage == "950") return "zh_TW";
    return "ch_US";
}

std::string BuildPortalRequest(const TPortalCaller& Caller) {
    return std::string("<?xml version=\"1.0\" encoding=\"UTF-8\"?><Request>   <Access>     <Authentication user=\"") +
           rt::MarkupEscaped(Caller.UserCode) + "\" password=\"\"/> " +
           "    <Connection application=\"KAVRA\" source=\"\"/> " + "    <Organization name=\"" +
           rt::MarkupEscaped(Caller.CompanyCode) + "\"/> " + "    <Locale language=\"" +
           PortalLocale(Caller.SystemCodePage) + "\"/> " + "  </Access> " + "  <RequestContent/> " + "</Request>";
}

std::string WebServiceResultFileName() {
    return GetLongTempDir() + "~Kavra_" + rt::FormatDateTime("yyyymmddhhnnsszzz", rt::Now()) + ".tmp";
}

std::string InvokeWebService(const std::string& Address, const std::string& ServiceName,
                             const std::string& RequestText) {
    const TResultFile result{WebServiceResultFileName()};
    const rt::HMODULE library = WebServiceLibrary();
    if (TraceRequested()) rt::ShowMessage(kTracePause);
    if (library == 0) return "";
    const auto call = reinterpret_cast<TPellwickFx>(rt::GetProcAddress(library, "PellwickFx"));
    if (call == nullptr) return "";
    if (call(Address.c_str(), ServiceName.c_str(), RequestText.c_str(), result.name.c_str()) == 0) {
        const auto lastError = reinterpret_cast<TPellwickLastError>(rt::GetProcAddress(library, "PellwickLastError"));
        throw rt::Exception(lastError != nullptr ? lastError() : "The web service call failed");
    }
    std::string bytes;
    if (!rt::ReadFileToString(result.name, bytes)) throw rt::Exception("Cannot read the answer " + result.name);
    return AsTextLines(bytes);
}

std::string CallPortalService(const TPortalCaller& Caller, const std::string& PortalAddress) {
    if (PortalAddress.empty()) return "";
    std::string response;
    try {
        response = InvokeWebService(PortalAddress, kPortalGetAllUser, BuildPortalRequest(Caller));
    } catch (const std::exception& e) {
        rt::ShowMessage(std::string(kCallError) + e.what() + "\n\r" + "Result:" + response);
        return "";
    }
    if (response.empty()) return "";
    const TXmlDocument document = LoadXmlResponse(response);
    const pugi::xml_node root = document ? pugi::xml_node(*document) : pugi::xml_node();
    const std::string code = GetAttr(SelectSingleNode(root, "//Status[@code]"), "code");
    if (code != "0") {
        // An answer that is not XML, or carries no status, is no list either.
        const std::string description =
            document ? GetAttr(SelectSingleNode(root, "//Status[@Description]"), "Description")
                     : "The answer is not XML";
        rt::ShowMessage(std::string(kCallError) + "\n\r" +
                        (description.empty() && code.empty() ? "The answer carries no status" : description));
        return "";
    }
    return response;
}

std::vector<TPortalUserEntry> ReadPortalUsers(const std::string& Response) {
    std::vector<TPortalUserEntry> users;
    const TXmlDocument document = LoadXmlResponse(Response);
    if (!document) return users;
    for (const pugi::xpath_node& record : document->select_nodes("//Record"))
        users.push_back({GetAttr(SelectSingleNode(record.node(), "Field[@name='Id']"), "value"),
                         GetAttr(SelectSingleNode(record.node(), "Field[@name='Name']"), "value")});
    return users;
}

}  // namespace hemr
